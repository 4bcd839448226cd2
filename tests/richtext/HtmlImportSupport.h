#pragma once

// Imports for the importer's tests: HTML in, the document, its style sheet
// and the link table out, with the dump lines to compare.

#include "fuzz/HtmlImportSettingsByte.h"
#include "richtext/HtmlImporter.h"
#include "richtext/LinkTable.h"
#include "richtext/RtDump.h"
#include "support/TestSupport.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

#include <gtest/gtest.h>

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

// Calls visit(name, imported), `imported` an Imported&, for every input of the importer's fuzz corpus;
// an input's first byte chooses the importer's settings, as in the fuzzer.
template <class Visit>
void ForEachCorpusImport(Visit&& visit) {
  const QDir corpus(moxa::test::SourceDir() + QStringLiteral("/tests/fuzz/corpus/load_html"));
  const QStringList names = corpus.entryList(QDir::Files);
  ASSERT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const QByteArray bytes = moxa::test::ReadBytes(corpus.filePath(name));
    if (bytes.isEmpty()) continue;
    Imported imported =
        ImportHtml(bytes.mid(1), corpus.path() + u'/', [&](TRtHtmlImporter& importer) {
          fuzz::ApplySettingsByte(importer, static_cast<std::uint8_t>(bytes[0]));
        });
    visit(name, imported);
  }
}

}  // namespace moxa::rt::test
