// Style conversions: the conversion handler decides each new style; the
// editor splits items at the selection's edges, clears the tag of an item
// whose style changes to a non-link style, and records one undo step.
#include "EditorSupport.h"
#include "richtext/RtBuilders.h"

namespace moxa::editor {
namespace {

using rt::test::Items;

using StyleConversionTest = test::EditorTest;

TEST_F(StyleConversionTest, BoldOverPartOfALinkIsOneStepAndEveryPartStaysALink) {
  Load(Items().P().T("go ").T("click here now", test::kLinkStyle, 5).T(" end"));
  const rt::TRtDocument before = editor.Document();
  const int styles = style.TextStyles.Count();
  Select(1, 7, 1, 11);  // "here"
  editor.ApplyStyleConversion(test::kMakeBold);

  const rt::TCustomRtData after = Model();
  ASSERT_EQ(after.LineCount(), 5);
  const QString texts[] = {"go ", "click ", "here", " now", " end"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(after.GetItem(i).Text, texts[i]);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_TRUE(style.TextStyles[after.GetItem(i).StyleNo].Jump) << i;
  }
  const int boldLink = after.GetItem(2).StyleNo;
  EXPECT_TRUE(style.TextStyles[boldLink].Has(rt::fsBold));
  // Still a link style: the bold part keeps the link's number, so the page
  // writes it with the link's address.
  EXPECT_EQ(after.GetItem(2).Tag, 5);
  EXPECT_EQ(after.GetItem(1).Tag, 5);
  EXPECT_EQ(after.GetItem(3).Tag, 5);
  EXPECT_EQ(style.TextStyles.Count(), styles + 1);

  editor.Undo();
  EXPECT_TRUE(editor.Document() == before) << test::Difference(before, editor.Document());
}

TEST_F(StyleConversionTest, OnlyItemsWhoseStyleChangesToANonLinkStyleLoseTheirTags) {
  // Bold text stays bold; the link becomes a bold link and keeps its tag;
  // plain text becomes bold and loses it.
  Load(Items().P().T("strong", test::kBoldStyle, 3).T("link", test::kLinkStyle, 4)
           .T("plain", 0, 5));
  Select(0, 1, 2, 6);
  editor.ApplyStyleConversion(test::kMakeBold);
  EXPECT_EQ(Model().GetItem(0).StyleNo, test::kBoldStyle);
  EXPECT_EQ(Model().GetItem(0).Tag, 3);
  EXPECT_NE(Model().GetItem(1).StyleNo, test::kLinkStyle);
  EXPECT_TRUE(style.TextStyles[Model().GetItem(1).StyleNo].Jump);
  EXPECT_EQ(Model().GetItem(1).Tag, 4);
  EXPECT_EQ(Model().GetItem(2).StyleNo, test::kBoldStyle);
  EXPECT_EQ(Model().GetItem(2).Tag, 0);
}

TEST_F(StyleConversionTest, ALinkRestyledAsPlainTextLosesItsTag) {
  Load(Items().P().T("go ").T("link", test::kLinkStyle, 4));
  editor.OnStyleConversion = [](int styleNo, int, bool, int& newStyleNo) {
    if (styleNo == test::kLinkStyle) newStyleNo = 0;
  };
  Select(1, 1, 1, 5);
  editor.ApplyStyleConversion(test::kMakeBold);
  ASSERT_EQ(Model().LineCount(), 2);
  EXPECT_EQ(Model().GetItem(1).Text, QStringLiteral("link"));
  EXPECT_EQ(Model().GetItem(1).StyleNo, 0);
  EXPECT_EQ(Model().GetItem(1).Tag, 0);
}

TEST_F(StyleConversionTest, AConversionThatChangesNothingKeepsStylesAndTags) {
  Load(Items().P().T("a", 0, 1).T("link", test::kLinkStyle, 2).P().T("b", test::kBoldStyle, 3));
  const rt::TRtDocument before = editor.Document();
  const rt::TRtStyle sheet = style;
  Select(0, 1, 2, 2);
  editor.ApplyStyleConversion(test::kKeep);
  EXPECT_TRUE(editor.Document() == before);
  EXPECT_TRUE(style == sheet);
  EXPECT_FALSE(editor.TextDocument()->isUndoAvailable());
  // Bold made bold again is the same style: found, not added.
  editor.ApplyStyleConversion(test::kMakeBold);
  EXPECT_EQ(Model().GetItem(2).StyleNo, test::kBoldStyle);
  EXPECT_EQ(Model().GetItem(2).Tag, 3);
}

TEST_F(StyleConversionTest, EachStyleIsConvertedOnce) {
  Load(Items().P().T("a").T("b", test::kLinkStyle).T("c").T("d", test::kLinkStyle));
  std::vector<std::pair<int, bool>> calls;
  editor.OnStyleConversion = [&](int styleNo, int code, bool toText, int& newStyleNo) {
    calls.emplace_back(styleNo, toText);
    test::ConvertText(style, styleNo, code, newStyleNo);
  };
  Select(3, 2, 0, 1);  // the caret ends before "a"
  editor.ApplyStyleConversion(test::kMakeBold);
  // The current style first, then the selected items' other style.
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], std::make_pair(0, false));
  EXPECT_EQ(calls[1], std::make_pair(test::kLinkStyle, true));
}

TEST_F(StyleConversionTest, WithoutASelectionTypingContinuesInTheNewStyle) {
  Load(Items().P().T("plain", 0, 6).P().T(""));
  int changes = 0;
  editor.OnCurTextStyleChanged = [&] { ++changes; };
  PlaceCaret(0, 3);
  const rt::TRtDocument before = editor.Document();
  editor.ApplyStyleConversion(test::kMakeBold);
  EXPECT_EQ(editor.CurTextStyleNo(), test::kBoldStyle);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(editor.Document() == before);
  editor.InsertStringTag(QStringLiteral("B"), 0);
  EXPECT_EQ(Model().GetItem(1).Text, QStringLiteral("B"));
  EXPECT_EQ(Model().GetItem(1).StyleNo, test::kBoldStyle);
  EXPECT_EQ(Model().GetItem(2).Text, QStringLiteral("ain"));
  EXPECT_EQ(Model().GetItem(2).Tag, 6);

  // An empty paragraph at the caret takes the style at once.
  PlaceCaret(3, 1);
  EXPECT_EQ(editor.CurTextStyleNo(), 0);
  editor.ApplyStyleConversion(test::kMakeBold);
  EXPECT_EQ(Model().GetItem(3).StyleNo, test::kBoldStyle);
}

TEST_F(StyleConversionTest, ALineBreakStaysWithItsItem) {
  Load(Items().P().T("one").T("two").With([](rt::TRtItem& i) { i.NewLine = true; }));
  Select(1, 1, 1, 4);
  editor.ApplyStyleConversion(test::kMakeBold);
  const rt::TCustomRtData after = Model();
  ASSERT_EQ(after.LineCount(), 2);
  EXPECT_TRUE(after.GetItem(1).NewLine);
  EXPECT_EQ(after.GetItem(1).StyleNo, test::kBoldStyle);
}

TEST_F(StyleConversionTest, ParagraphStylesOfEveryTouchedParagraphInOneStep) {
  Load(Items().P().T("one").P().T("two").P().T("three"));
  int changes = 0;
  editor.OnCurParaStyleChanged = [&] { ++changes; };
  const rt::TRtDocument before = editor.Document();
  Select(0, 2, 1, 2);
  editor.ApplyParaStyleConversion(test::kCentre);
  EXPECT_EQ(Model().GetItem(0).ParaNo, 1);
  EXPECT_EQ(Model().GetItem(1).ParaNo, 1);
  EXPECT_EQ(Model().GetItem(2).ParaNo, 0);
  EXPECT_EQ(editor.CurParaStyleNo(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(editor.TextDocument()->findBlockByNumber(0).blockFormat().alignment(),
            Qt::AlignHCenter);
  editor.Undo();
  EXPECT_TRUE(editor.Document() == before);
}

}  // namespace
}  // namespace moxa::editor
