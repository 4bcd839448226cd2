#pragma once

// Imports for the importer's tests: HTML in, the document, its style sheet
// and the link table out, with the dump lines to compare.

#include "richtext/HtmlImporter.h"
#include "richtext/LinkTable.h"
#include "richtext/RtDump.h"
#include "support/TestSupport.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace moxa::rt::test {

struct Imported {
  TRtDocument Document;
  TRtStyle Style;
  TEditorLinks Links;
  QString Title;
  qint64 CharCount = 0;

  QStringList ItemLines() const { return DumpItems(Document.Data); }
  QStringList StyleLines() const { return DumpStyleSheet(Style); }
  QStringList LinkLines() const { return DumpLinks(Links); }
};

// Imports `html` into a fresh document with `base` as the base path and
// the link table's read-hyperlink hook; `configure` may change settings.
inline Imported ImportHtml(const QByteArray& html, const QString& base = QStringLiteral("/w/"),
                           const std::function<void(TRtHtmlImporter&)>& configure = {}) {
  Imported result;
  TRtHtmlImporter importer;
  importer.View = {&result.Document, &result.Style};
  importer.BasePath = base;
  importer.OnReadHyperlink = MakeReadHyperlinkHook(result.Links);
  if (configure) configure(importer);
  importer.LoadHtml(html);
  result.Title = importer.Title();
  result.CharCount = importer.CharCount();
  return result;
}

}  // namespace moxa::rt::test
