// Every input of the importer's fuzz corpus (seeds, and the inputs that
// once found a fault, named regression-*) imports into a consistent
// document that survives the binary format. The first byte holds the
// settings, read as the fuzz target reads it.
#include "../fuzz/HtmlImportSettingsByte.h"
#include "HtmlImportSupport.h"

#include "richtext/RtdFormat.h"

#include <QDir>

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

TEST(HtmlImportCorpusTest, EveryInputGivesAConsistentDocument) {
  const QDir corpus(moxa::test::SourceDir() + QStringLiteral("/tests/fuzz/corpus/load_html"));
  const QStringList names = corpus.entryList(QDir::Files);
  ASSERT_FALSE(names.isEmpty());
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const QByteArray bytes = moxa::test::ReadBytes(corpus.filePath(name));
    if (bytes.isEmpty()) continue;
    const test::Imported imported = test::ImportHtml(
        bytes.mid(1), corpus.path() + u'/', [&](TRtHtmlImporter& i) {
          fuzz::ApplySettingsByte(i, static_cast<std::uint8_t>(bytes[0]));
        });
    ASSERT_TRUE(IsConsistent(imported.Document, imported.Style));
    const std::optional<QByteArray> saved = SaveRtdToBytes(imported.Document, imported.Style);
    ASSERT_TRUE(saved);
    TRtDocument reloaded;
    TRtStyle reloadedStyle;
    ASSERT_TRUE(LoadRtdFromBytes(*saved, reloaded, reloadedStyle));
    EXPECT_TRUE(reloaded == imported.Document);
  }
}

}  // namespace
}  // namespace moxa::rt
