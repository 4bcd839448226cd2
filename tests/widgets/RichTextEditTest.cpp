// The editor's text field: the user's mouse and keys reach the editor.
#include "app/editor/RichTextEdit.h"
#include "editor/RtEditor.h"
#include "richtext/RtStyle.h"

#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace moxa {
namespace {

class RichTextEditTest : public ::testing::Test {
 protected:
  RichTextEditTest() {
    rt::TFontInfo& link = style.TextStyles.Add();
    link = style.TextStyles[0];
    link.Jump = true;
    link.Style = rt::fsUnderline;
    rt::TRtDocument document;
    document.Data.AddText(QStringLiteral("plain text "), 0, 0);
    document.Data.AddText(QStringLiteral("the link"), 1, -1, 5);
    editor.StartUp();
    editor.LoadDocument(document);
    edit.resize(610, 253);
    edit.show();
  }

  // The middle of the character at document position `position`, in the viewport.
  QPoint CharacterCentre(int position) const {
    QTextCursor cursor(const_cast<QTextDocument*>(edit.document()));
    cursor.setPosition(position);
    const QRect left = edit.cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect right = edit.cursorRect(cursor);
    return QPoint((left.x() + right.x()) / 2, left.center().y());
  }

  QString Text() const { return editor.TextDocument()->toPlainText(); }

  rt::TRtStyle style;
  editor::RtEditor editor{style};
  RichTextEdit edit{editor};
};

TEST_F(RichTextEditTest, ControlClickOnALinkRaisesOnJump) {
  std::vector<int> jumps;
  editor.OnJump = [&](int id) { jumps.push_back(id); };
  QTest::mouseClick(edit.viewport(), Qt::LeftButton, Qt::NoModifier, CharacterCentre(13));
  EXPECT_TRUE(jumps.empty());  // a plain click only places the caret
  EXPECT_EQ(editor.CurItemNo(), 1);
  QTest::mouseClick(edit.viewport(), Qt::LeftButton, Qt::ControlModifier, CharacterCentre(3));
  EXPECT_TRUE(jumps.empty());  // no link there
  QTest::mouseClick(edit.viewport(), Qt::LeftButton, Qt::ControlModifier, CharacterCentre(13));
  EXPECT_EQ(jumps, std::vector<int>{0});
}

TEST_F(RichTextEditTest, RightClickRemovesTheSelection) {
  editor.SetSelectionBounds(0, 1, 1, 4);
  EXPECT_TRUE(edit.textCursor().hasSelection());
  QTest::mouseClick(edit.viewport(), Qt::RightButton, Qt::NoModifier, CharacterCentre(2));
  EXPECT_FALSE(edit.textCursor().hasSelection());
  EXPECT_FALSE(editor.SelectionExists());
}

TEST_F(RichTextEditTest, UndoAndBothRedoKeys) {
  editor.SetSelectionBounds(0, 1, 0, 1);
  QTest::keyClicks(&edit, QStringLiteral("ab"));
  const QString typed = Text();
  EXPECT_TRUE(typed.startsWith(QStringLiteral("ab")));
  QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(Text().startsWith(QStringLiteral("ab")));
  QTest::keyClick(&edit, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Text(), typed);
  QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
  QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Text(), typed);
  // Typed text belongs to the item it was typed into.
  EXPECT_EQ(editor.Document().Data.GetItem(0).Text, QStringLiteral("abplain text "));
}

TEST_F(RichTextEditTest, TypingUsesTheCurrentTextStyleAndCtrlASelectsAll) {
  editor.SetSelectionBounds(0, 6, 0, 6);
  editor.SetCurTextStyleNo(1);
  QTest::keyClicks(&edit, QStringLiteral("X"));
  const rt::TCustomRtData items = editor.Document().Data;
  ASSERT_EQ(items.LineCount(), 4);
  EXPECT_EQ(items.GetItem(1).Text, QStringLiteral("X"));
  EXPECT_EQ(items.GetItem(1).StyleNo, 1);
  EXPECT_EQ(items.GetItem(1).Tag, 0);
  QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(editor.Cursor().selectedText(), Text());
}

// A region opened while the field still shows a selection from the region
// before: loading the new document empties and refills the old one under
// the field's cursor. The field must leave the editor's cursor alone until
// the load is done: setting it from inside the document's own signals
// dropped a cursor Qt was still walking over (memory corruption).
TEST_F(RichTextEditTest, LoadingADocumentOverASelectionLeavesTheEditorsCursorAlone) {
  editor.OnStyleConversion = [this](int styleNo, int, bool, int& newStyleNo) {
    rt::TFontInfo& bold = style.TextStyles.Add();
    bold = style.TextStyles[styleNo];
    bold.Style = rt::fsBold;
    newStyleNo = style.TextStyles.Count() - 1;
  };
  bool loading = false;
  int movedWhileLoading = 0;
  QObject::connect(&editor, &editor::RtEditor::documentReplacing, [&] { loading = true; });
  QObject::connect(&editor, &editor::RtEditor::cursorMoved, [&] {
    if (loading) ++movedWhileLoading;
  });
  for (int open = 0; open < 3; ++open) {
    SCOPED_TRACE(open);
    edit.setFocus();
    QTest::mouseDClick(edit.viewport(), Qt::LeftButton, Qt::NoModifier, CharacterCentre(2));
    ASSERT_TRUE(edit.textCursor().hasSelection());
    editor.ApplyStyleConversion(1);
    rt::TRtDocument next;
    next.Data.AddText(QStringLiteral("region %1").arg(open), 0, 0);
    next.Data.AddText(QStringLiteral("a link"), 1, -1, 5);
    movedWhileLoading = 0;
    editor.LoadDocument(next);
    loading = false;
    EXPECT_EQ(movedWhileLoading, 1);  // the load's own, at its end
    EXPECT_EQ(Text(), QStringLiteral("region %1a link").arg(open));
    EXPECT_FALSE(edit.textCursor().hasSelection());
    QTest::keyClicks(&edit, QStringLiteral("ab"));
    EXPECT_EQ(Text(), QStringLiteral("abregion %1a link").arg(open));
  }
}

}  // namespace
}  // namespace moxa
