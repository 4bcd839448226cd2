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

// The longest site name taken from the service: a host name's label.
inline constexpr qsizetype kLongestSiteName = 63;

// True when a name the service answered can be the site's name: not empty,
// at most kLongestSiteName characters, printable, no spaces, and nothing the
// site-name rule would remove. A network's login page answered in place of
// the service (HTML with status 200) or a path such as "../../etc" is not.
bool IsPlainSiteName(const QString& name);

}  // namespace moxa
