// Hostile markup: deep nesting and huge spans import in bounded memory,
// keep their text, and give documents the model accepts. No timing is
// asserted; bench/ measures speed.
#include "HtmlImportSupport.h"
#include "richtext/RtTable.h"

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

using test::ImportHtml;

constexpr int kDepth = 100'000;

QByteArray Repeated(const QByteArray& piece, int times) {
  QByteArray out;
  out.reserve(piece.size() * times);
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

QString AllText(const TCustomRtData& data) {
  QString text;
  ForEachData(data, [&](const TCustomRtData& part) {
    for (const TRtItem& item : part.Items) {
      if (item.IsText()) text += item.Text;
    }
  });
  return text;
}

int TableDepth(const TCustomRtData& data) {
  int deepest = 0;
  for (const TRtItem& item : data.Items) {
    if (!item.Table) continue;
    for (const TRtTableRow& row : item.Table->Rows) {
      for (const auto& cell : row.Cells) {
        if (cell) deepest = std::max(deepest, 1 + TableDepth(cell->Data));
      }
    }
  }
  return deepest;
}

struct NestingCase {
  const char* name;
  const char* open;
  const char* close;
};

class HtmlImportNestingTest : public ::testing::TestWithParam<NestingCase> {};

TEST_P(HtmlImportNestingTest, DeepNestingKeepsTheText) {
  const NestingCase& c = GetParam();
  const QByteArray html = Repeated(c.open, kDepth) + "deep text" + Repeated(c.close, kDepth) +
                          Repeated(c.open, 3) + "after";
  const test::Imported imported = ImportHtml(html);
  EXPECT_TRUE(IsConsistent(imported.Document, imported.Style));
  EXPECT_TRUE(AllText(imported.Document.Data).contains(QStringLiteral("deep text")));
  EXPECT_TRUE(AllText(imported.Document.Data).endsWith(QStringLiteral("after")));
  // Bounded: a few styles, list levels and table levels, whatever the depth;
  // at most an item or two per tag.
  EXPECT_LE(imported.Style.TextStyles.Count(), 32);
  EXPECT_LE(imported.Style.ParaStyles.Count(), 4);
  for (const TRtListInfo& list : imported.Style.ListStyles.Items) {
    EXPECT_LE(list.Levels.size(), 32u);
  }
  EXPECT_LE(TableDepth(imported.Document.Data), kMaxTableNesting);
  EXPECT_LE(imported.Document.Data.LineCount(), 2 * kDepth + 8);
}

const NestingCase kNesting[] = {
    {"Div", "<div align=center>", "</div>"},
    {"Font", "<font size=+1 color=red>", "</font>"},
    {"List", "<ul><li>", "</ul>"},
    {"Quotation", "<blockquote>", "</blockquote>"},
    {"Table", "<table><tr><td>", "</td></tr></table>"},
    {"TableWithoutCells", "<table>", "</table>"},
    {"Span", "<span class=rtts0>", "</span>"},
    {"Superscript", "<sup>", "</sup>"},
    {"Heading", "<h1>", "</h1>"},
    {"Link", "<a href=x.html>", "</a>"},
};
INSTANTIATE_TEST_SUITE_P(HtmlImport, HtmlImportNestingTest, ::testing::ValuesIn(kNesting),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HtmlImportLimitsTest, UnclosedNestingKeepsTheText) {
  const QByteArray html = Repeated("<table><tr><td><div><ul><li><font size=7><b>x", kDepth / 10);
  const test::Imported imported = ImportHtml(html);
  EXPECT_TRUE(IsConsistent(imported.Document, imported.Style));
  EXPECT_EQ(AllText(imported.Document.Data).count(u'x'), kDepth / 10);
  EXPECT_LE(TableDepth(imported.Document.Data), kMaxTableNesting);
}

TEST(HtmlImportLimitsTest, HugeSpansStayWithinTheInput) {
  const QByteArray html =
      "<table><tr><td colspan=1000000 rowspan=1000000>a<td colspan=99999>b<tr>" +
      Repeated("<td rowspan=5000>c", 2000) + Repeated("<tr>", 50'000) + "<td>d</table>";
  const test::Imported imported = ImportHtml(html);
  ASSERT_TRUE(IsConsistent(imported.Document, imported.Style));
  // Cells that found no room gave their text to the main text, ahead of the table.
  const auto& items = imported.Document.Data.Items;
  const auto withTable = std::find_if(
      items.begin(), items.end(), [](const TRtItem& item) { return item.Table.get() != nullptr; });
  ASSERT_NE(withTable, items.end());
  const TRtTable& table = *withTable->Table;
  EXPECT_LE(qint64{table.RowCount()} * table.ColCount(),
            std::max<qint64>(1 << 16, html.size() / 4));
  EXPECT_EQ(AllText(imported.Document.Data).count(u'c'), 2000);
  EXPECT_TRUE(AllText(imported.Document.Data).contains(u'd'));
}

TEST(HtmlImportLimitsTest, ManyDistinctFontsAndLists) {
  // Every font a new style, every list a new list style: the work stays
  // near one look-up per tag (the test would take minutes otherwise).
  QByteArray html;
  for (int i = 0; i < 20'000; ++i) {
    html += "<font color=#" + QByteArray::number(i, 16).rightJustified(6, '0') + ">x</font>";
    html += "<ul><li>y</ul>";
  }
  const test::Imported imported = ImportHtml(html);
  EXPECT_EQ(imported.Style.TextStyles.Count(), 20'001);  // style 0 is not black but window text
  EXPECT_EQ(imported.Style.ListStyles.Count(), 20'000);
  EXPECT_TRUE(IsConsistent(imported.Document, imported.Style));
}

}  // namespace
}  // namespace moxa::rt
