#include "richtext/HtmlHelpers.h"

#include "richtext/HtmlEntities.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

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

TEST(CharRefTableTest, HoldsEveryNameOfHtmlSortedForTheSearch) {
  const std::span<const NamedCharRef> table = NamedCharRefTable();
  const auto legacy = std::count_if(table.begin(), table.end(),
                                    [](const NamedCharRef& ref) { return ref.legacy; });
  EXPECT_EQ(table.size(), 2125u);
  EXPECT_EQ(legacy, 106);
  size_t longest = 0;
  size_t longestLegacy = 0;
  for (size_t i = 0; i < table.size(); ++i) {
    if (i > 0) {
      EXPECT_LT(table[i - 1].name, table[i].name) << table[i].name;
    }
    longest = std::max(longest, table[i].name.size());
    if (table[i].legacy) longestLegacy = std::max(longestLegacy, table[i].name.size());
    // Every name is found as the table says it, but for the reader's one
    // exception: "nbsp" is an ordinary space.
    const NamedCharRef* found = FindNamedCharRef(table[i].name);
    ASSERT_NE(found, nullptr) << table[i].name;
    EXPECT_EQ(found->text, table[i].name == "nbsp" ? " " : table[i].text) << table[i].name;
  }
  EXPECT_EQ(longest, kLongestCharRefName);
  EXPECT_EQ(longestLegacy, kLongestLegacyCharRefName);
}

TEST(CharRefTableTest, FindsNamesCaseSensitively) {
  const struct {
    const char* name;
    const char* text;  // nullptr: no such name
  } cases[] = {
      {"nbsp", " "},  // an ordinary space: the writer's "&nbsp;" are spaces
      {"quot", "\""}, {"amp", "&"}, {"lt", "<"}, {"gt", ">"},
      {"iexcl", "\xC2\xA1"}, {"yuml", "\xC3\xBF"}, {"Auml", "\xC3\x84"}, {"auml", "\xC3\xA4"},
      {"euro", "\xE2\x82\xAC"}, {"rsquo", "\xE2\x80\x99"}, {"hellip", "\xE2\x80\xA6"},
      {"NonBreakingSpace", "\xC2\xA0"},
      {"AUML", nullptr}, {"EURO", nullptr}, {"amp;", nullptr}, {"", nullptr},
      {"zzzz", nullptr}, {"\x7F", nullptr}, {"\xC3\xA9", nullptr},
  };
  for (const auto& c : cases) {
    const NamedCharRef* ref = FindNamedCharRef(c.name);
    EXPECT_EQ(ref ? ref->text : "(none)", c.text ? c.text : "(none)") << c.name;
  }
}

TEST(CharRefTableTest, NumericValuesGiveTheCharactersBrowsersShow) {
  const struct {
    std::uint32_t value;
    char32_t code;
  } cases[] = {
      {0, 0xFFFD},        {1, 1},           {0x7F, 0x7F},        {0x80, 0x20AC},
      {0x81, 0x81},       {0x9F, 0x178},    {0xA0, 0xA0},        {0xD7FF, 0xD7FF},
      {0xD800, 0xFFFD},   {0xDFFF, 0xFFFD}, {0xE000, 0xE000},    {0xFFFF, 0xFFFF},
      {0x1F600, 0x1F600}, {0x10FFFF, 0x10FFFF}, {0x110000, 0xFFFD}, {0xFFFFFFFF, 0xFFFD},
  };
  for (const auto& c : cases) EXPECT_EQ(NumericCharRefCharacter(c.value), c.code) << c.value;
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
      {"&euro;&hellip;", "\xE2\x82\xAC\xE2\x80\xA6"},
      {"&Afr;", "\xF0\x9D\x94\x84"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeEntitiesInText(QString::fromUtf8(c.text)), QString::fromUtf8(c.decoded))
        << c.text;
  }
}

}  // namespace
}  // namespace moxa::rt
