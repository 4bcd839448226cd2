// The HTML importer: HTML in, dump lines out (the format of RtDump.h).
#include "HtmlImportCases.h"
#include "HtmlImportSupport.h"

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

using test::ImportCase;
using test::ImportHtml;
using test::kTextCases;
using test::kListCases;
using test::kLinkCases;
using test::kTableCases;
using test::kStyleSheetCases;

QStringList Lines(const std::vector<const char*>& lines) {
  QStringList out;
  for (const char* line : lines) out << QString::fromUtf8(line);
  return out;
}

class ImportCaseTest : public ::testing::TestWithParam<ImportCase> {};

TEST_P(ImportCaseTest, GivesTheDocument) {
  const ImportCase& c = GetParam();
  const test::Imported imported = ImportHtml(QByteArray(c.html));
  EXPECT_EQ(imported.ItemLines(), Lines(c.items));
  const QStringList styles = imported.StyleLines();
  for (const QString& line : Lines(c.styles)) {
    EXPECT_TRUE(styles.contains(line)) << line.toStdString() << "\nin\n"
                                       << styles.join(u'\n').toStdString();
  }
  EXPECT_TRUE(IsConsistent(imported.Document, imported.Style));
}

std::string CaseName(const ::testing::TestParamInfo<ImportCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Text, ImportCaseTest, ::testing::ValuesIn(kTextCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Lists, ImportCaseTest, ::testing::ValuesIn(kListCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Links, ImportCaseTest, ::testing::ValuesIn(kLinkCases), CaseName);
INSTANTIATE_TEST_SUITE_P(Tables, ImportCaseTest, ::testing::ValuesIn(kTableCases), CaseName);
INSTANTIATE_TEST_SUITE_P(StyleSheets, ImportCaseTest, ::testing::ValuesIn(kStyleSheetCases),
                         CaseName);

}  // namespace
}  // namespace moxa::rt
