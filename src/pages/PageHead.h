#pragma once

#include <QByteArray>
#include <QString>

namespace moxa {

// The head values of a page that the user edits: the window title and the
// description and keywords meta tags.
struct PageProperties {
  QString WindowTitle;
  QString Description;
  QString Keywords;

  bool operator==(const PageProperties&) const = default;
};

// Reads the three values from page text; a missing tag gives "".
PageProperties ReadPageProperties(const QByteArray& page);

// Replace the text between "<title>" and "</title", or the content of
// `<meta name="description" content="` / `<meta name="keywords" content="`
// up to the next double quote. The value is escaped so that it cannot end
// the element or the attribute early. A missing tag leaves the page as it
// is; the result says whether the value was placed.
bool SetWindowTitle(QByteArray& page, const QString& title);
bool SetDescription(QByteArray& page, const QString& description);
bool SetKeywords(QByteArray& page, const QString& keywords);
void SetPageProperties(QByteArray& page, const PageProperties& properties);

}  // namespace moxa
