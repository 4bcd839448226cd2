#include "richtext/RtStyle.h"

#include "richtext/RtDescribe.h"
#include "richtext/RtDocument.h"
#include "RtBuilders.h"

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

using test::Items;

TEST(StyleSheetTest, StartsWithTheInitialContent) {
  const TRtStyle style;
  ASSERT_EQ(style.TextStyles.Count(), 1);
  const TFontInfo& normal = style.TextStyles[0];
  EXPECT_EQ(normal.StyleName, "Normal text");
  EXPECT_EQ(normal.FontName, "Times New Roman");
  EXPECT_EQ(normal.Size, 12);
  EXPECT_TRUE(normal.Unicode);
  EXPECT_EQ(normal.Color, rtclWindowText);
  EXPECT_EQ(normal.BackColor, rtclNone);
  EXPECT_EQ(normal.Style, 0);
  EXPECT_TRUE(normal.Standard);

  ASSERT_EQ(style.ParaStyles.Count(), 1);
  EXPECT_EQ(style.ParaStyles[0].StyleName, "Left");
  EXPECT_EQ(style.ParaStyles[0].Alignment, rtaLeft);
  EXPECT_EQ(style.ParaStyles[0].LeftIndent, 0);

  ASSERT_EQ(style.ListStyles.Count(), 1);
  const TRtListInfo& list = style.ListStyles[0];
  EXPECT_EQ(list.StyleName, "List Style");
  EXPECT_EQ(list.LstID, 240783947);
  ASSERT_EQ(list.Levels.size(), 3u);
  const char* formats[] = {"%s.", "%1:s", "%2:s"};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(list.Levels[i].ListType, rtlstDecimal);
    EXPECT_EQ(list.Levels[i].FormatString, formats[i]);
  }
}

TEST(StyleSheetTest, FindSuchStyleTriesTheBaseFirstThenIndexOrder) {
  TRtStyle style;
  TFontInfo bold = style.TextStyles[0];
  bold.Set(fsBold, true);
  style.TextStyles.Add() = bold;  // 1
  style.TextStyles.Add() = bold;  // 2, equal to 1
  style.TextStyles.Add();         // 3, a default style

  EXPECT_EQ(style.TextStyles.FindSuchStyle(2, bold), 2) << "the base style wins";
  EXPECT_EQ(style.TextStyles.FindSuchStyle(0, bold), 1) << "then the lowest index";
  EXPECT_EQ(style.TextStyles.FindSuchStyle(-1, bold), 1) << "no base";
  TFontInfo italic = bold;
  italic.Set(fsItalic, true);
  EXPECT_EQ(style.TextStyles.FindSuchStyle(0, italic), -1);
  // A mask that leaves out the italic flag finds the bold style.
  EXPECT_EQ(style.TextStyles.FindSuchStyle(0, italic, kAllFontInfoProperties & ~rtfiItalic), 1);
}

TEST(StyleSheetTest, FindSuchStyleComparesEveryPropertyButNameAndStandard) {
  TRtStyle style;
  TFontInfo candidate = style.TextStyles[0];
  candidate.StyleName = QStringLiteral("another name");
  candidate.Standard = false;
  EXPECT_EQ(style.TextStyles.FindSuchStyle(0, candidate), 0);
  // Properties the application never sets still count.
  const struct {
    const char* name;
    void (*change)(TFontInfo&);
  } changes[] = {
      {"char scale", [](TFontInfo& f) { f.CharScale = 90; }},
      {"hover colour", [](TFontInfo& f) { f.HoverColor = RtRgb(1, 2, 3); }},
      {"underline colour", [](TFontInfo& f) { f.UnderlineColor = RtRgb(1, 2, 3); }},
      {"vertical shift", [](TFontInfo& f) { f.VShift = 45; }},
      {"html code", [](TFontInfo& f) { f.HTMLCode = true; }},
      {"unicode", [](TFontInfo& f) { f.Unicode = false; }},
  };
  for (const auto& c : changes) {
    TFontInfo changed = style.TextStyles[0];
    c.change(changed);
    EXPECT_EQ(style.TextStyles.FindSuchStyle(0, changed), -1) << c.name;
  }
  TParaInfo para = style.ParaStyles[0];
  para.Border.Width = 3;
  EXPECT_EQ(style.ParaStyles.FindSuchStyle(0, para), -1);
  EXPECT_EQ(style.ParaStyles.FindSuchStyle(0, para, kAllParaInfoProperties & ~rtpiBorder), 0);
}

TEST(StyleFindOrAddTest, AnUnchangedCandidateGivesTheBaseStyle) {
  TRtStyle style;
  const TFontInfo normal = style.TextStyles[0];
  style.TextStyles.Add() = normal;  // 1, equal to 0
  const TFontInfo candidate = style.TextStyles[1];
  EXPECT_EQ(FindOrAddTextStyle(style, 1, candidate), 1);
  EXPECT_EQ(style.TextStyles.Count(), 2);
}

TEST(StyleFindOrAddTest, TwoEqualConversionsShareOneStyle) {
  TRtStyle style;
  TFontInfo bold = style.TextStyles[0];
  bold.Set(fsBold, true);
  const int first = FindOrAddTextStyle(style, 0, bold);
  const int second = FindOrAddTextStyle(style, 0, bold);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 1);
  EXPECT_EQ(style.TextStyles.Count(), 2);
  EXPECT_FALSE(style.TextStyles[1].Standard);
  EXPECT_TRUE(style.TextStyles[1].Has(fsBold));
  // Converting back finds style 0 again.
  TFontInfo plain = style.TextStyles[1];
  plain.Set(fsBold, false);
  EXPECT_EQ(FindOrAddTextStyle(style, 1, plain), 0);

  TParaInfo centred = style.ParaStyles[0];
  centred.Alignment = rtaCenter;
  EXPECT_EQ(FindOrAddParaStyle(style, 0, centred), 1);
  EXPECT_EQ(FindOrAddParaStyle(style, 0, centred), 1);
  EXPECT_FALSE(style.ParaStyles[1].Standard);
}

TRtListInfo NumberedCandidate() {
  TRtListInfo list;
  TRtListLevel& level = list.Levels.emplace_back();
  level.ListType = rtlstDecimal;
  level.Font.FontName = QStringLiteral("Arial");
  level.FormatString = QStringLiteral("%0:s.");
  return list;
}

TEST(ListStyleTest, ListStylesAreEqualWhateverTheirIdentity) {
  TRtListInfo a = NumberedCandidate();
  TRtListInfo b = NumberedCandidate();
  a.LstID = 1;
  b.LstID = 2;
  b.StyleName = QStringLiteral("other");
  EXPECT_TRUE(SameListStyle(a, b));
  b.Levels[0].LeftIndent = 48;
  EXPECT_FALSE(SameListStyle(a, b));
}

TEST(ListStyleTest, FindSuchStyleAddsACopyWithAFreshIdentity) {
  TRtStyle style;
  TRtListInfo candidate = NumberedCandidate();
  candidate.LstID = style.ListStyles[0].LstID;  // taken
  EXPECT_EQ(style.ListStyles.FindSuchStyle(candidate, false), -1);
  EXPECT_EQ(style.ListStyles.Count(), 1);

  const int added = style.ListStyles.FindSuchStyle(candidate, true);
  ASSERT_EQ(added, 1);
  EXPECT_FALSE(style.ListStyles[1].Standard);
  EXPECT_NE(style.ListStyles[1].LstID, style.ListStyles[0].LstID);
  EXPECT_TRUE(SameListStyle(style.ListStyles[1], candidate));
  // The same candidate, under any identity, finds the added style.
  candidate.LstID = 5;
  EXPECT_EQ(style.ListStyles.FindSuchStyle(candidate, true), 1);
  EXPECT_EQ(style.ListStyles.Count(), 2);
}

// A sheet with unused styles between used ones: text 1 and 3 unused (3 is
// standard), para 1 unused, list 1 unused.
struct CleanupFixture {
  TRtStyle style;
  CleanupFixture() {
    for (int i = 1; i <= 4; ++i) {
      TFontInfo& font = style.TextStyles.Add();
      font.Size = 10 + i;
      font.Standard = (i == 3);
    }
    style.TextStyles[4].BaseStyleNo = 2;
    style.TextStyles[4].NextStyleNo = 1;  // removed: forgotten
    for (int i = 1; i <= 2; ++i) style.ParaStyles.Add().Standard = false;
    style.ParaStyles[2].DefStyleNo = 4;
    for (int i = 1; i <= 2; ++i) {
      TRtListInfo& list = style.ListStyles.Add();
      list.Standard = false;
      list.Levels.emplace_back();
    }
  }
};

TEST(DeleteUnusedStylesTest, KeepsStandardAndUsedStylesAndRenumbersItems) {
  CleanupFixture f;
  TRtTable table(1, 1);
  table.Cell(0, 0)->Data = Items().P(2).T("in a cell", 4);
  TRtDocument main = Items().P(0).T("a", 2).T("b", 4).P(2).Marker(2, 0).T("c").Table(table).Doc();
  TRtDocument other = Items().P(0).T("d").Doc();
  TRtDocument* documents[] = {&main, &other};

  DeleteUnusedStyles(f.style, documents, true, true, true);

  // Text: 0 (kept always), 2, 3 (standard), 4 -> 0, 1, 2, 3.
  ASSERT_EQ(f.style.TextStyles.Count(), 4);
  EXPECT_EQ(f.style.TextStyles[1].Size, 12);
  EXPECT_EQ(f.style.TextStyles[2].Size, 13);
  EXPECT_EQ(f.style.TextStyles[3].Size, 14);
  EXPECT_EQ(f.style.TextStyles[3].BaseStyleNo, 1);
  EXPECT_EQ(f.style.TextStyles[3].NextStyleNo, -1);
  // Para: 0, 2 -> 0, 1. List: 0 (standard), 2 -> 0, 1.
  ASSERT_EQ(f.style.ParaStyles.Count(), 2);
  EXPECT_EQ(f.style.ParaStyles[1].DefStyleNo, 3);
  ASSERT_EQ(f.style.ListStyles.Count(), 2);

  TRtTable renumbered(1, 1);
  renumbered.Cell(0, 0)->Data = Items().P(1).T("in a cell", 3);
  EXPECT_EQ(main.Data,
            Items().P(0).T("a", 1).T("b", 3).P(1).Marker(1, 0).T("c").Table(renumbered).Data());
  EXPECT_EQ(other.Data, Items().P(0).T("d").Data());
  EXPECT_TRUE(IsConsistent(main, f.style));
}

TEST(DeleteUnusedStylesTest, LeavesTheCollectionsNotChosen) {
  CleanupFixture f;
  TRtDocument empty;
  TRtDocument* documents[] = {&empty};
  DeleteUnusedStyles(f.style, documents, true, false, false);
  EXPECT_EQ(f.style.TextStyles.Count(), 2) << "style 0 and the standard style 3";
  EXPECT_EQ(f.style.ParaStyles.Count(), 3);
  EXPECT_EQ(f.style.ListStyles.Count(), 3);
}

TEST(DeleteUnusedStylesTest, AtStartUpLeavesTheInitialContent) {
  TRtStyle style;
  TRtDocument editor;
  TRtDocument* documents[] = {&editor};
  DeleteUnusedStyles(style, documents, true, true, true);
  EXPECT_EQ(style, TRtStyle());
}

}  // namespace
}  // namespace moxa::rt
