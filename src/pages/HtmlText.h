#pragma once

#include <QByteArray>
#include <QString>

namespace moxa {

// Text typed by the user becomes UTF-8 page text with the characters that
// would break the markup written as character references.
QByteArray EscapeHtmlText(const QString& text);       // & < >
QByteArray EscapeHtmlAttribute(const QString& text);  // & < > "

// The reverse for the references the two functions above write (and &#39;),
// so a value read from a page shows as it was typed. Other references stay.
QString UnescapeHtml(const QByteArray& html);

}  // namespace moxa
