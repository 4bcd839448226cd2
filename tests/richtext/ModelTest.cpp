#include "richtext/RtData.h"

#include "richtext/RtDescribe.h"
#include "richtext/RtDocument.h"
#include "richtext/RtTable.h"
#include "RtBuilders.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

using test::Items;
using test::TestImage;

struct ItemShape {
  int styleNo;
  int paraNo;
  bool paraStart;
};

std::vector<ItemShape> Shapes(const TCustomRtData& data) {
  std::vector<ItemShape> shapes;
  for (const TRtItem& item : data.Items) {
    shapes.push_back({item.StyleNo, item.ParaNo, item.ParaStart});
  }
  return shapes;
}

bool operator==(const ItemShape& a, const ItemShape& b) {
  return a.styleNo == b.styleNo && a.paraNo == b.paraNo && a.paraStart == b.paraStart;
}

void PrintTo(const ItemShape& s, std::ostream* out) {
  *out << "{" << s.styleNo << ", para " << s.paraNo << (s.paraStart ? ", starts}" : "}");
}

TEST(ItemContainerTest, AddKeepsTheParagraphRules) {
  TCustomRtData data;
  data.AddText(QStringLiteral("first"), 0, -1);  // the first item starts a paragraph
  data.AddText(QStringLiteral("goes on"), 1, -1);
  data.AddText(QStringLiteral("new"), 0, 2);
  data.AddListMarker(0, 0, 1, -1, false);  // a marker starts one in the current style
  data.AddText(QStringLiteral("item"), 0, -1);
  data.AddBreak();                          // a line stands alone...
  data.AddText(QStringLiteral("after the line"), 0, -1);  // ...so this starts anew
  data.AddTable(TRtTable(1, 1), 1);
  data.AddCheckpoint(QStringLiteral("top"));
  data.AddText8("caf\xC3\xA9", 0, -1);
  EXPECT_EQ(Shapes(data), (std::vector<ItemShape>{{0, 0, true},
                                                  {1, 0, false},
                                                  {0, 2, true},
                                                  {rtikListMarker, 2, true},
                                                  {0, 2, false},
                                                  {rtikBreak, 2, true},
                                                  {0, 2, true},
                                                  {rtikTable, 1, true},
                                                  {rtikCheckpoint, 1, true},
                                                  {0, 1, false}}));
  EXPECT_EQ(data.GetItem(9).Text, QString::fromUtf8("caf\xC3\xA9"));
}

TEST(ItemContainerTest, ExpandToParaAndOffsets) {
  const TCustomRtData data = Items().P().T("ab").T("c").Pic(TestImage(1)).P().T("next");
  EXPECT_EQ(data.ExpandToPara(1, 1), std::make_pair(0, 2));
  EXPECT_EQ(data.ExpandToPara(2, 3), std::make_pair(0, 3));
  EXPECT_EQ(data.ExpandToPara(3, 3), std::make_pair(3, 3));
  EXPECT_EQ(data.GetOffsBeforeItem(0), 1);
  EXPECT_EQ(data.GetOffsAfterItem(0), 3);
  EXPECT_EQ(data.GetOffsBeforeItem(2), 0);
  EXPECT_EQ(data.GetOffsAfterItem(2), 1);
}

TEST(ItemContainerTest, TagsAndExtraPropertiesTravelWithTheItem) {
  TCustomRtData data = Items().P().T("link", 0, 42).Pic(TestImage(1), "", 7);
  data.GetItem(1).SetExtraStrProperty(rtespImageFileName, QStringLiteral("/w/moxa_img1.jpg"));
  data.GetItem(1).SetExtraIntProperty(rteipImageWidth, 100);
  const TCustomRtData copy = data;
  EXPECT_EQ(copy.GetItemTag(0), 42);
  EXPECT_EQ(copy.GetItemTag(1), 7);
  EXPECT_EQ(copy.GetItem(1).GetExtraStrProperty(rtespImageFileName), "/w/moxa_img1.jpg");
  EXPECT_EQ(copy.GetItem(1).GetExtraIntProperty(rteipImageWidth), 100);
  EXPECT_EQ(copy.GetItem(1).GetExtraIntProperty(rteipImageHeight), 0);
  EXPECT_EQ(copy, data);
  data.SetItemTag(0, 0);
  EXPECT_NE(copy, data) << "a copy is deep";
  EXPECT_EQ(copy.GetItemTag(0), 42);
}

TEST(ItemContainerTest, ListMarkerInfo) {
  const TCustomRtData data = Items().P().Marker(0, 2, 5).T("x");
  const auto marker = data.GetListMarkerInfo(0);
  ASSERT_TRUE(marker);
  EXPECT_EQ(marker->ListNo, 0);
  EXPECT_EQ(marker->Level, 2);
  EXPECT_EQ(marker->StartFrom, 5);
  EXPECT_FALSE(data.GetListMarkerInfo(1));
}

TEST(PictureTest, EncodedBytesDecideEqualityAndDecodeOnDemand) {
  QImage image(2, 2, QImage::Format_RGB32);
  image.fill(qRgb(0, 200, 0));
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(image.save(&buffer, "PNG"));
  const TRtPicture encoded = TRtPicture::FromEncoded(png);
  EXPECT_EQ(encoded.Format, "png");
  EXPECT_TRUE(encoded.Image.isNull());
  EXPECT_EQ(encoded.Decoded().pixel(1, 1), qRgb(0, 200, 0));
  TRtPicture withCache = encoded;
  withCache.Image = encoded.Decoded();
  EXPECT_EQ(withCache, encoded) << "a decoded copy does not make another picture";
  EXPECT_NE(TRtPicture::FromImage(image), encoded);
  EXPECT_TRUE(TRtPicture().IsEmpty());
  EXPECT_FALSE(TRtPicture::InvalidPicture().IsEmpty());
}

TEST(TableTest, MergeSwallowsTheCoveredCellsAndKeepsTheirText) {
  TRtTable table(2, 2);
  table.Cell(0, 0)->Data = Items().P().T("a");
  table.Cell(0, 1)->Data = Items().P().T("b");
  table.Cell(1, 1)->Data = Items().P().T("d");
  ASSERT_TRUE(table.MergeCells(0, 0, 2, 1));
  EXPECT_EQ(table.Cell(0, 0)->ColSpan, 2);
  EXPECT_EQ(table.Cell(0, 1), nullptr);
  EXPECT_EQ(table.Cell(0, 0)->Data, Items().P().T("a").P().T("b").Data());
  EXPECT_TRUE(table.IsWellFormed());

  table.AppendRow();
  EXPECT_EQ(table.RowCount(), 3);
  EXPECT_NE(table.Cell(2, 1), nullptr);
  table.AppendColumn();
  EXPECT_EQ(table.ColCount(), 3);
  EXPECT_TRUE(table.IsWellFormed());
}

TEST(TableTest, MergeRefusesBlocksItCannotMake) {
  TRtTable table(3, 3);
  ASSERT_TRUE(table.MergeCells(0, 1, 1, 2));  // (0,1) covers (1,1)
  const TRtTable before = table;
  const struct {
    const char* name;
    int row, col, colSpan, rowSpan;
  } cases[] = {
      {"cuts through the merged cell", 1, 0, 2, 1},
      {"starts on a covered slot", 1, 1, 1, 2},
      {"leaves the grid", 2, 2, 2, 1},
      {"negative position", -1, 0, 1, 1},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(table.MergeCells(c.row, c.col, c.colSpan, c.rowSpan)) << c.name;
    EXPECT_EQ(table, before) << c.name;
  }
  // A block that holds the merged cell whole may swallow it.
  EXPECT_TRUE(table.MergeCells(0, 0, 3, 2));
  EXPECT_TRUE(table.IsWellFormed());
  EXPECT_TRUE(table.MergeCells(2, 0, 0, 0)) << "spans below 1 count as 1";
}

TEST(DocumentTest, HyperlinksAreNumberedInDocumentOrder) {
  TRtStyle style;
  TFontInfo link = style.TextStyles[0];
  link.Jump = true;
  const int linkStyle = FindOrAddTextStyle(style, 0, link);
  TRtTable table(1, 2);
  table.Cell(0, 1)->Data = Items().P().T("cell link", linkStyle, 3);
  const TCustomRtData data =
      Items().P().T("plain").T("first", linkStyle, 1).Table(table).P().Hot(TestImage(1), 4);

  const std::vector<TRtJumpLocation> jumps = CollectJumps(data, style);
  ASSERT_EQ(jumps.size(), 3u);
  EXPECT_EQ(jumps[0].Data, &data);
  EXPECT_EQ(jumps[0].ItemNo, 1);
  EXPECT_EQ(jumps[1].Data->GetItemTag(jumps[1].ItemNo), 3);
  EXPECT_EQ(jumps[2].ItemNo, 3);
  const TRtJumpLocation second = GetJumpPointLocation(data, style, 1);
  EXPECT_EQ(second.Data->GetItem(second.ItemNo).Text, "cell link");
  EXPECT_EQ(GetJumpPointLocation(data, style, 3).Data, nullptr);
}

TEST(DocumentTest, ConsistencyFindsBrokenNumbers) {
  const TRtStyle style;
  const struct {
    const char* name;
    TCustomRtData data;
    bool consistent;
  } cases[] = {
      {"empty", TCustomRtData(), true},
      {"plain", Items().P().T("a").Marker(0, 2).T("b"), true},
      {"unknown text style", Items().P().T("a", 1), false},
      {"unknown paragraph style", Items().P(1).T("a"), false},
      {"unknown list style", Items().P().Marker(1, 0), false},
      {"list level past the style's levels", Items().P().Marker(0, 3), false},
      {"unknown kind", Items().P().T("a").With([](TRtItem& i) { i.StyleNo = -7; }), false},
      {"first item without a paragraph start",
       Items().T("a").With([](TRtItem& i) { i.ParaStart = false; }), false},
      {"paragraph with two styles",
       Items().P().T("a").T("b").With([](TRtItem& i) { i.ParaNo = 1; }), false},
      {"text after a line in its paragraph",
       Items().P().Line().T("a").With([](TRtItem& i) { i.ParaStart = false; }), false},
      {"table without its table", Items().P().T("a").With([](TRtItem& i) {
         i.StyleNo = rtikTable;
       }),
       false},
  };
  for (const auto& c : cases) {
    TRtDocument document;
    document.Data = c.data;
    EXPECT_EQ(IsConsistent(document, style), c.consistent) << c.name << "\n"
                                                           << DescribeData(c.data).toStdString();
  }
}

TEST(DocumentTest, ConsistencyLooksIntoTablesAndLimitsTheirNesting) {
  const TRtStyle style;
  TRtTable table(1, 1);
  table.Cell(0, 0)->Data = Items().P().T("bad", 5);
  TRtDocument document = Items().P().Table(table).Doc();
  EXPECT_FALSE(IsConsistent(document, style));

  TRtTable nested(1, 1);
  nested.Cell(0, 0)->Data = Items().P().T("deep");
  for (int depth = 1; depth < kMaxTableNesting; ++depth) {
    TRtTable outer(1, 1);
    outer.Cell(0, 0)->Data = Items().P().Table(nested);
    nested = outer;
  }
  document = Items().P().Table(nested).Doc();
  EXPECT_TRUE(IsConsistent(document, style)) << "exactly the deepest nesting allowed";
  TRtTable tooDeep(1, 1);
  tooDeep.Cell(0, 0)->Data = Items().P().Table(nested);
  document = Items().P().Table(tooDeep).Doc();
  EXPECT_FALSE(IsConsistent(document, style));
}

}  // namespace
}  // namespace moxa::rt
