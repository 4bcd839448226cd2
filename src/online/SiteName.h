#pragma once

#include <QString>

namespace moxa {

// The site-name rule: the 30 forbidden characters removed in order, then
// every space made a hyphen. Not trimmed first: edge spaces become hyphens.
QString SanitizeSiteName(const QString& text);

// True when the text holds at least one of a-z or A-Z (other letters do
// not count: the name becomes part of a web address).
bool ContainsAsciiLetter(const QString& text);

// The start screen's check of a typed new-site name: the message to show,
// or "" when the name is accepted.
QString CheckNewSiteName(const QString& typed);

}  // namespace moxa
