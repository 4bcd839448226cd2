// Every input of the importer's fuzz corpus (seeds, and the inputs that
// once found a fault, named regression-*) imports into a consistent
// document that survives the binary format. The first byte holds the
// settings, read as the fuzz target reads it.
#include "HtmlImportSupport.h"

#include "richtext/RtdFormat.h"

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

TEST(HtmlImportCorpusTest, EveryInputGivesAConsistentDocument) {
  test::ForEachCorpusImport([](const QString&, test::Imported& imported) {
    ASSERT_TRUE(IsConsistent(imported.Document, imported.Style));
    const std::optional<QByteArray> saved = SaveRtdToBytes(imported.Document, imported.Style);
    ASSERT_TRUE(saved);
    TRtDocument reloaded;
    TRtStyle reloadedStyle;
    ASSERT_TRUE(LoadRtdFromBytes(*saved, reloaded, reloadedStyle));
    EXPECT_TRUE(reloaded == imported.Document);
  });
}

}  // namespace
}  // namespace moxa::rt
