// The byte layout of each stored structure, pinned: files written by
// earlier versions must keep loading, so a change to a field list that
// moves bytes fails here, by structure, before it reaches a user's file.
// Each value is also read back from its bytes.
#include "richtext/RtdFields.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

struct LayoutCase {
  const char* name;
  QByteArray written;  // hex
  QByteArray expected;
  bool readsBack;
};

template <class T>
LayoutCase Case(const char* name, const T& value, const char* expected) {
  RtdWriter w;
  rtd::Put(w, value);
  const QByteArray bytes = w.Take();
  RtdReader r(bytes);
  T back{};
  rtd::Get(r, back);
  return {name, bytes.toHex(), expected, r.Ok() && r.AtEnd() && back == value};
}

TRtListLevel Level() {
  TRtListLevel level;
  level.ListType = rtlstLowerRoman;
  level.FormatString = QStringLiteral("%0:s)");
  level.Font = {QStringLiteral("A"), 9, 2, 0x00FF00, fsBold | fsItalic};
  level.FirstIndent = 7;
  level.LeftIndent = 8;
  level.MarkerIndent = 9;
  level.MarkerAlignment = rtmaCenter;
  level.StartFrom = 4;
  level.Options = 5;
  level.ImageIndex = 6;
  return level;
}

TRtTableCell Cell() {
  TRtTableCell cell;
  cell.ColSpan = 2;
  cell.RowSpan = 3;
  cell.Color = 9;
  cell.BorderColor = 10;
  cell.BorderLightColor = 11;
  cell.VAlign = rtcBottom;
  cell.BestWidth = -50;
  cell.BestHeight = 13;
  cell.BackgroundStyle = rtbgTopRight;
  cell.BackgroundFileName = QStringLiteral("c");
  return cell;
}

TRtTable Table() {
  TRtTable table;
  table.BestWidth = 1;
  table.BorderWidth = 2;
  table.CellBorderWidth = 3;
  table.BorderHSpacing = 4;
  table.BorderVSpacing = 5;
  table.CellHSpacing = 6;
  table.CellVSpacing = 7;
  table.CellPadding = 8;
  table.BorderStyle = rttbColor;
  table.CellBorderStyle = rttbRaised;
  table.BorderColor = 0x11;
  table.BorderLightColor = 0x12;
  table.CellBorderColor = 0x13;
  table.CellBorderLightColor = 0x14;
  table.Color = 0x15;
  table.BackgroundStyle = rtbgTiled;
  table.BackgroundFileName = QStringLiteral("t");
  return table;
}

TRtDocument Document() {
  TRtDocument document;
  document.Color = 0x010203;
  document.BackgroundStyle = rtbgCentered;
  document.BackgroundFileName = QStringLiteral("b");
  document.LeftMargin = 1;
  document.TopMargin = 2;
  document.RightMargin = 3;
  document.BottomMargin = 4;
  return document;
}

TEST(RtdLayoutTest, EachStructureKeepsItsBytes) {
  TRtListInfo list;
  list.StyleName = QStringLiteral("L");
  list.Levels = {TRtListLevel()};
  list.LstID = 77;
  list.Standard = false;
  const LayoutCase cases[] = {
      Case("background", TRtParaBackground{0xABCDEF}, "efcdab00"),
      Case("border sides", TRtBorderSides{false, true, false, true}, "00010001"),
      Case("border", TRtParaBorder{rtbsDouble, 0x123456, 3, 4, {true, false, true, false}},
           "02" "56341200" "03000000" "04000000" "01000100"),
      Case("tab", TRtTab{10, rttaRight, QStringLiteral("x")},
           "0a000000" "01" "01000000" "7800"),
      Case("list font", TRtListFont{QStringLiteral("A"), 9, 2, 0x00FF00, fsBold | fsItalic},
           "01000000" "4100" "09000000" "02000000" "00ff0000" "03"),
      Case("list level", Level(),
           "06" "05000000" "250030003a0073002900"                       // type, format
           "01000000" "4100" "09000000" "02000000" "00ff0000" "03"      // font
           "07000000" "08000000" "09000000" "02" "04000000" "05000000"  // indents ... options
           "06000000"),
      Case("list style", list,
           "01000000" "4c00" "01000000"                                 // name, one level
           "00" "01000000" "b700"                                       // a default level
           "05000000" "41007200690061006c00" "0c000000" "01000000" "080000ff" "00"
           "00000000" "18000000" "00000000" "00" "01000000" "00000000" "00000000"
           "4d000000" "00"),                                            // identity, standard
      Case("extra properties", TRtExtraProps{11, 12, 13, QStringLiteral("f"), QStringLiteral("a")},
           "0b000000" "0c000000" "0d000000" "01000000" "6600" "01000000" "6100"),
      Case("table cell", Cell(),
           "02000000" "03000000" "09000000" "0a000000" "0b000000" "02" "ceffffff" "0d000000"
           "00" "05" "01000000" "6300"),                                // background
      Case("table", Table(),
           "01000000" "02000000" "03000000" "04000000" "05000000" "06000000" "07000000"
           "08000000" "02" "00" "11000000" "12000000" "13000000" "14000000" "15000000"
           "00" "01" "01000000" "7400"),                                // background
      Case("document", Document(),
           "03020100" "00" "03" "01000000" "6200"                       // colour, background
           "01000000" "02000000" "03000000" "04000000"),                // margins
  };
  for (const LayoutCase& c : cases) {
    EXPECT_EQ(c.written, c.expected) << c.name;
    EXPECT_TRUE(c.readsBack) << c.name;
  }
}

}  // namespace
}  // namespace moxa::rt
