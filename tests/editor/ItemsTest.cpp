// The view's items as the engine numbers them: reads, positions, the
// selection in items, insertion at the caret, undo groups and lists.
#include "EditorSupport.h"
#include "richtext/RtBuilders.h"

#include <QTextFrame>
#include <QTextTable>

namespace moxa::editor {
namespace {

using rt::test::Items;
using rt::test::TestImage;

class ItemsTest : public test::EditorTest {
 protected:
  // 0 "Hello " | 1 "link" (tag 5) | 2 " end" / 3 marker | 4 "item" /
  // 5 picture (tag 9) / 6 "" (an empty paragraph)
  void SetUp() override {
    Load(Items()
             .P()
             .T("Hello ")
             .T("link", test::kLinkStyle, 5)
             .T(" end")
             .P()
             .Marker(0, 0)
             .T("item")
             .P()
             .Pic(TestImage(1), "", 9)
             .P()
             .T(""));
  }
};

TEST_F(ItemsTest, ReadsItemsAsTheEngineNumbersThem) {
  ASSERT_EQ(editor.LineCount(), 7);
  const int styles[] = {0, test::kLinkStyle, 0, rt::rtikListMarker, 0, rt::rtikPicture, 0};
  const bool starts[] = {true, false, false, true, false, true, true};
  const int tags[] = {0, 5, 0, 0, 0, 9, 0};
  for (int i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(editor.GetItemStyle(i), styles[i]);
    EXPECT_EQ(editor.IsParaStart(i), starts[i]);
    EXPECT_EQ(editor.GetItemTag(i), tags[i]);
  }
  ASSERT_TRUE(editor.GetListMarkerInfo(3));
  EXPECT_EQ(editor.GetListMarkerInfo(3)->ListNo, 0);
  EXPECT_EQ(editor.GetListMarkerInfo(3)->Level, 0);
  EXPECT_FALSE(editor.GetListMarkerInfo(4));
  EXPECT_EQ(editor.ExpandToPara(1, 1), std::make_pair(0, 2));
  EXPECT_EQ(editor.ExpandToPara(2, 4), std::make_pair(0, 4));
  EXPECT_EQ(editor.GetOffsBeforeItem(1), 1);
  EXPECT_EQ(editor.GetOffsAfterItem(1), 5);
  EXPECT_EQ(editor.GetOffsBeforeItem(5), 0);
  EXPECT_EQ(editor.GetOffsAfterItem(5), 1);
  EXPECT_EQ(editor.GetOffsAfterItem(6), 1);
}

TEST_F(ItemsTest, SelectionInItemsBothWays) {
  EXPECT_FALSE(editor.SelectionExists());
  EXPECT_LT(editor.GetSelectionBounds(true).StartItem, 0);

  Select(0, 4, 1, 3);  // "lo li"
  EXPECT_TRUE(editor.SelectionExists());
  EXPECT_EQ(editor.Cursor().selectedText(), QStringLiteral("lo li"));
  EXPECT_EQ(editor.GetSelectionBounds(true), (RtSelectionBounds{0, 4, 1, 3}));
  EXPECT_EQ(editor.CurItemNo(), 1);
  EXPECT_EQ(editor.OffsetInCurItem(), 3);

  Select(4, 3, 0, 2);  // made backwards: the anchor is in "item"
  EXPECT_EQ(editor.GetSelectionBounds(false), (RtSelectionBounds{4, 3, 0, 2}));
  EXPECT_EQ(editor.GetSelectionBounds(true), (RtSelectionBounds{0, 2, 4, 3}));

  // Where two items meet, a selection starts in the second and ends in the first.
  Select(0, 7, 2, 1);
  EXPECT_EQ(editor.Cursor().selectedText(), QStringLiteral("link"));
  EXPECT_EQ(editor.GetSelectionBounds(true), (RtSelectionBounds{1, 1, 1, 5}));

  // The caret between two items is at the end of the first.
  PlaceCaret(1, 1);
  EXPECT_FALSE(editor.SelectionExists());
  EXPECT_EQ(editor.CurItemNo(), 0);
  EXPECT_EQ(editor.OffsetInCurItem(), 7);
  PlaceCaret(5, 1);
  EXPECT_EQ(editor.CurItemNo(), 5);
  EXPECT_EQ(editor.OffsetInCurItem(), 1);
  PlaceCaret(6, 1);
  EXPECT_EQ(editor.CurItemNo(), 6);
}

TEST_F(ItemsTest, InsertionsAtTheCaretAndTheItemAtTheCaret) {
  PlaceCaret(0, 7);
  ASSERT_TRUE(editor.InsertStringTag(QStringLiteral("new"), 42));
  EXPECT_EQ(editor.LineCount(), 8);
  EXPECT_EQ(Model().GetItem(1).Text, QStringLiteral("new"));
  EXPECT_EQ(editor.GetItemTag(1), 42);
  EXPECT_EQ(editor.CurItemNo(), 1);
  editor.SetCurrentTag(43);
  EXPECT_EQ(editor.GetItemTag(1), 43);
  EXPECT_EQ(editor.GetItemTag(2), 5);  // the link beside it keeps its own

  // An insertion replaces the selection.
  Select(0, 1, 0, 6);
  editor.InsertStringTag(QStringLiteral("J"), 0);
  EXPECT_EQ(Model().GetItem(0).Text, QStringLiteral("J"));

  PlaceCaret(4, 5);  // after " end"
  ASSERT_TRUE(editor.InsertHotPicture(QString(), TestImage(2), rt::rtvaBaseline));
  EXPECT_EQ(editor.GetItemStyle(editor.CurItemNo()), rt::rtikHotPicture);
  editor.SetCurrentItemExtraStrProperty(rt::rtespImageFileName, QStringLiteral("/w/p.jpg"));
  editor.SetCurrentTag(7);
  const rt::TRtItem hot = Model().GetItem(editor.CurItemNo());
  EXPECT_EQ(hot.Extras().ImageFileName, QStringLiteral("/w/p.jpg"));
  EXPECT_EQ(hot.Tag, 7);
  EXPECT_TRUE(*hot.Picture == TestImage(2));
  EXPECT_FALSE(hot.ParaStart);

  // Typing after a picture continues in the current text style.
  editor.InsertStringTag(QStringLiteral("x"), 0);
  EXPECT_EQ(editor.GetItemStyle(editor.CurItemNo()), editor.CurTextStyleNo());
}

TEST_F(ItemsTest, AnUndoGroupIsOneStep) {
  const rt::TRtDocument before = editor.Document();
  PlaceCaret(2, 5);
  editor.BeginUndoGroup(rtutInsert);
  editor.SetUndoGroupMode(true);
  editor.InsertPicture(QString(), TestImage(3), rt::rtvaBaseline);
  editor.SetCurrentItemExtraStrProperty(rt::rtespImageFileName, QStringLiteral("/w/a.png"));
  editor.SetCurrentTag(11);
  editor.InsertStringTag(QStringLiteral("after"), 12);
  editor.SetItemTagEd(1, 0);
  editor.SetUndoGroupMode(false);
  const rt::TRtDocument after = editor.Document();
  ASSERT_EQ(after.Data.LineCount(), 9);
  EXPECT_EQ(after.Data.GetItem(3).Tag, 11);
  EXPECT_EQ(after.Data.GetItem(3).Extras().ImageFileName, QStringLiteral("/w/a.png"));
  EXPECT_EQ(after.Data.GetItem(1).Tag, 0);

  editor.Undo();
  EXPECT_TRUE(editor.Document() == before) << test::Difference(before, editor.Document());
  editor.Redo();
  EXPECT_TRUE(editor.Document() == after) << test::Difference(after, editor.Document());
}

TEST_F(ItemsTest, EachTagChangeOutsideAGroupIsItsOwnStep) {
  editor.SetItemTagEd(0, 1);
  editor.SetItemTagEd(3, 2);  // the list marker
  editor.SetItemTagEd(5, 3);  // the picture
  editor.SetItemTagEd(6, 4);  // the empty paragraph
  EXPECT_FALSE(editor.SetItemTagEd(7, 5));
  EXPECT_EQ(editor.GetItemTag(0), 1);
  EXPECT_EQ(editor.GetItemTag(3), 2);
  EXPECT_EQ(editor.GetItemTag(5), 3);
  EXPECT_EQ(editor.GetItemTag(6), 4);
  editor.Undo();
  EXPECT_EQ(editor.GetItemTag(6), 0);
  EXPECT_EQ(editor.GetItemTag(5), 3);
}

TEST_F(ItemsTest, ListsAppliedAndRemoved) {
  Load(Items().P().T("one").P().T("two").P().T("three"));
  const rt::TRtDocument before = editor.Document();
  Select(0, 2, 1, 2);
  editor.ApplyListStyle(0, 0, 0, false, false);
  ASSERT_EQ(editor.LineCount(), 5);
  EXPECT_EQ(editor.GetItemStyle(0), rt::rtikListMarker);
  EXPECT_EQ(editor.GetItemStyle(2), rt::rtikListMarker);
  EXPECT_EQ(editor.GetListMarkerInfo(2)->ListNo, 0);
  EXPECT_TRUE(editor.IsParaStart(2));
  EXPECT_FALSE(editor.IsParaStart(3));
  EXPECT_EQ(Model().GetItem(3).Text, QStringLiteral("two"));
  EXPECT_TRUE(editor.TextDocument()->findBlockByNumber(0).textList());
  EXPECT_EQ(editor.TextDocument()->findBlockByNumber(0).textList(),
            editor.TextDocument()->findBlockByNumber(1).textList());

  editor.Undo();
  EXPECT_TRUE(editor.Document() == before);
  editor.Redo();
  Select(1, 1, 3, 2);  // both list paragraphs
  editor.RemoveLists(false);
  EXPECT_TRUE(editor.Document() == before) << test::Difference(before, editor.Document());
  EXPECT_FALSE(editor.TextDocument()->findBlockByNumber(0).textList());
}

TEST_F(ItemsTest, TheCellHoldingTheCaretIsTheTopLevelEditor) {
  rt::TRtTable table(1, 2);
  table.Cell(0, 1)->Data = Items().P().T("a").T("b", 0, 3);
  Load(Items().P().T("before").P().Table(table).P().T("after"));
  RtDataView main = editor.TopLevelEditor();
  EXPECT_FALSE(main.Container().Table);
  EXPECT_EQ(main.LineCount(), 3);

  QTextTable* view = nullptr;
  for (QTextFrame* frame : editor.TextDocument()->rootFrame()->childFrames()) {
    view = qobject_cast<QTextTable*>(frame);
  }
  ASSERT_TRUE(view);
  QTextCursor inCell = view->cellAt(0, 1).lastCursorPosition();
  editor.SetCursor(inCell);
  RtDataView cell = editor.TopLevelEditor();
  ASSERT_TRUE(cell.Container().Table);
  EXPECT_EQ(cell.LineCount(), 2);
  EXPECT_EQ(cell.CurItemNo(), 1);
  EXPECT_EQ(cell.OffsetInCurItem(), 2);
  EXPECT_EQ(cell.GetItemTag(1), 3);
  cell.SetSelectionBounds(0, 1, 1, 2);
  EXPECT_EQ(editor.Cursor().selectedText(), QStringLiteral("ab"));
  cell.SetItemTagEd(0, 8);
  EXPECT_EQ(editor.Document().Data.GetItem(1).Table->Cell(0, 1)->Data.GetItem(0).Tag, 8);
  // The main text sees the table as one item.
  EXPECT_EQ(editor.GetItemStyle(1), rt::rtikTable);
}

TEST_F(ItemsTest, StartUpEmptiesTheEditorAndDropsUnusedStyles) {
  style.TextStyles.Add().Standard = false;  // used by nothing
  const int texts = style.TextStyles.Count();
  editor.StartUp();
  EXPECT_EQ(editor.LineCount(), 0);
  EXPECT_EQ(style.TextStyles.Count(), texts - 3);  // the link, bold and added styles
  EXPECT_EQ(style.ParaStyles.Count(), 1);
  EXPECT_EQ(editor.TextDocument()->documentMargin(), 5);
  EXPECT_EQ(editor.Document().LeftMargin, 5);
  EXPECT_FALSE(editor.TextDocument()->isUndoAvailable());
  // What is typed into the empty editor is text in the current style.
  editor.InsertStringTag(QStringLiteral("typed"), 0);
  EXPECT_EQ(rt::DumpItems(Model()), rt::DumpItems(Items().P().T("typed")));
}

TEST_F(ItemsTest, AParagraphMadeWhereQtKeptAnEmptyBlockIsKept) {
  rt::TRtTable table(1, 1);
  Load(Items().P().T("x").P().Table(table));
  // The caret after the table, in the block Qt keeps there: Enter makes
  // an empty paragraph, typing fills the next.
  QTextCursor cursor = editor.Cursor();
  cursor.movePosition(QTextCursor::End);
  cursor.insertBlock();
  editor.SetCursor(cursor);
  EXPECT_EQ(editor.LineCount(), 4);
  editor.InsertStringTag(QStringLiteral("y"), 0);
  const rt::TCustomRtData items = Model();
  ASSERT_EQ(items.LineCount(), 4);
  EXPECT_TRUE(items.GetItem(2).ParaStart);
  EXPECT_EQ(items.GetItem(2).Text, QString());
  EXPECT_EQ(items.GetItem(3).Text, QStringLiteral("y"));
}

}  // namespace
}  // namespace moxa::editor
