#include "richtext/HtmlHelpers.h"

#include "richtext/HtmlEntities.h"

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

TEST(ParseHtmlColorTest, NamesAndHexadecimalNumbers) {
  const struct {
    const char* text;
    TRtColor color;
  } cases[] = {
      {"#FF0000", RtRgb(255, 0, 0)},
      {"#f00", RtRgb(255, 0, 0)},
      {"Red", RtRgb(255, 0, 0)},
      {"RED", RtRgb(255, 0, 0)},
      {"transparent", RtRgb(0, 0, 0)},
      {"#0000ff", RtRgb(0, 0, 255)},
      {"0000ff", RtRgb(0, 0, 255)},
      {"f0a", RtRgb(255, 0, 170)},
      {"brown", RtRgb(160, 32, 40)},
      {"Teal", RtRgb(0, 128, 128)},
      {"silver", RtRgb(192, 192, 192)},
      {"#12345", RtRgb(0x01, 0x23, 0x45)},
      {"##f00", RtRgb(0, 0, 0)},
      {"#ggg", RtRgb(0, 0, 0)},
      {"#", RtRgb(0, 0, 0)},
      {"", RtRgb(0, 0, 0)},
      {"#123456789", RtRgb(0, 0, 0)},
      {" red", RtRgb(0, 0, 0)},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseHtmlColor(c.text), c.color) << c.text;
  // Red in the lowest byte.
  EXPECT_EQ(ParseHtmlColor("#FF0000"), 0x0000FFu);
}

TEST(HtmlSizeTest, BothWaysAtTheBoundaries) {
  const int points[] = {8, 10, 12, 14, 18, 24, 36};
  for (int n = 1; n <= 7; ++n) {
    EXPECT_EQ(HtmlSizeToPoints(n), points[n - 1]) << n;
    EXPECT_EQ(PointsToHtmlSize(points[n - 1]), n) << n;
  }
  EXPECT_EQ(HtmlSizeToPoints(0), 8);
  EXPECT_EQ(HtmlSizeToPoints(-3), 8);
  EXPECT_EQ(HtmlSizeToPoints(8), 36);
  const struct {
    int points, size;
  } cases[] = {{0, 1}, {9, 2}, {11, 3}, {13, 4}, {15, 5}, {19, 6}, {24, 6},
               {25, 7}, {36, 7}, {100, 7}};
  for (const auto& c : cases) EXPECT_EQ(PointsToHtmlSize(c.points), c.size) << c.points;
}

TEST(GetCssValueTest, FindsThePropertyOnlyAtAWordStart) {
  const QByteArray css = "color:red;background-color:blue";
  const struct {
    QByteArray text;
    const char* name;
    QByteArray value;
  } cases[] = {
      {css, "color", "red"},
      {css, "background-color", "blue"},
      {css, "olor", ""},
      {"background-color:blue;color:green", "color", "green"},
      {"p {color : 'Times New Roman' }", "color", "Times New Roman"},
      {"a{font-family:\"Arial\",x}", "font-family", "Arial"},
      {"x; color: red }", "color", "red "},
      {"color:url(a.png)", "color", "url(a.png"},
      {"color", "color", ""},
      {"colorful:red", "color", "ful:red"},
      {"", "color", ""},
      {"color:" + QByteArray(150, 'x'), "color", QByteArray(99, 'x')},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetCssValue(c.text, c.name), c.value) << c.text.toStdString() << " / " << c.name;
  }
}

TEST(ParseListTypeTest, WordsAnyCaseLettersExactly) {
  const struct {
    const char* text;
    TListType type;
  } cases[] = {
      {"disc", ltDisc},         {"DISC", ltDisc},         {"Circle", ltCircle},
      {"square", ltSquare},     {"a", ltLowerAlpha},      {"A", ltUpperAlpha},
      {"i", ltLowerRoman},      {"I", ltUpperRoman},      {"1", ltNumber},
      {"01", ltNone},           {"decimal", ltNone},      {"", ltNone},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseListType(c.text, ltNone), c.type) << c.text;
  EXPECT_EQ(ParseListType("x", ltSquare), ltSquare);
}

TEST(ParseAlignTest, ReadsTheAlignAttribute) {
  const struct {
    const char* tag;
    TRtAlignment alignment;
  } cases[] = {
      {"<p align=center>", rtaCenter}, {"<p ALIGN=Right>", rtaRight},
      {"<p align=justify>", rtaJustify}, {"<p align=left>", rtaLeft},
      {"<p align=middle>", rtaRight},  {"<p>", rtaRight},
  };
  for (const auto& c : cases) {
    THtmlParser parser(c.tag);
    parser.Next();
    EXPECT_EQ(ParseAlign(parser.TagParams, rtaRight), c.alignment) << c.tag;
  }
}

TEST(CharRefTableTest, HoldsTheHundredNames) {
  EXPECT_EQ(CharRefCount(), 100);
  const struct {
    const char* name;
    int code;
  } cases[] = {{"nbsp", 32}, {"quot", 34}, {"amp", 38},    {"lt", 60},     {"gt", 62},
               {"iexcl", 161}, {"yuml", 255}, {"Auml", 196}, {"auml", 228}, {"eacute", 233},
               {"shy", 173},  {"times", 215}, {"AUML", -1},  {"euro", -1},  {"", -1}};
  for (const auto& c : cases) EXPECT_EQ(LookupCharRef(c.name), c.code) << c.name;
}

TEST(TextHelpersTest, RawToTextAndDecodeEntitiesInText) {
  EXPECT_EQ(RawToText("caf\xC3\xA9", rthtmleUTF8), QString::fromUtf8("caf\xC3\xA9"));
  EXPECT_EQ(RawToText("caf\xC3\xA9", rthtmleANSI), QString::fromUtf8("caf\xC3\xA9"));
  const struct {
    const char* text;
    const char* decoded;
  } cases[] = {
      {"a&amp;b", "a&b"},
      {"&lt;&eacute;&gt;", "<\xC3\xA9>"},
      {"&#233;", "&#233;"},
      {"&bogus;", "&bogus;"},
      {"a & b", "a & b"},
      {"&amp", "&amp"},
      {"&;", "&;"},
      {"&&amp;", "&&"},
      {"&nbsp;", " "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeEntitiesInText(QString::fromUtf8(c.text)), QString::fromUtf8(c.decoded))
        << c.text;
  }
}

}  // namespace
}  // namespace moxa::rt
