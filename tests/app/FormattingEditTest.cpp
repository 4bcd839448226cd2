// The region editor's formatting, links and pictures end to end: a word
// made bold and linked to the contact page, a picture put in from a file,
// OK and Save, and the page file holds all three.
#include "RegionEditFixture.h"
#include "app/dialogs/DialogLayer.h"
#include "app/editor/EditorSession.h"
#include "app/editor/FormatToolbar.h"
#include "app/editor/ImageDialog.h"
#include "app/editor/LinkDialog.h"
#include "app/editor/LinkEditController.h"
#include "app/editor/PictureEditController.h"
#include "app/editor/RichTextEdit.h"
#include "app/shell/SkinnedButton.h"
#include "support/SilentServer.h"

#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QRegularExpression>

namespace moxa {
namespace {

class FormattingEditTest : public RegionEditFixture {
 protected:
  // Selects the first occurrence of `word` in the region editor.
  void SelectWord(const QString& word) {
    editor::RtEditor& editor = Cycle()->editor();
    const QTextCursor found = editor.TextDocument()->find(word);
    ASSERT_FALSE(found.isNull()) << word.toStdString();
    editor.SetCursor(found);
  }
};

// A word selected and made bold, OK, then other regions opened while the
// text field still holds that selection: each load replaces the document
// under the field, which must keep away from its cursors meanwhile (the
// sanitizer build of the window tests caught freed cursors used here).
TEST_F(FormattingEditTest, RegionsOpenedAfterABoldSelectionLoadCleanly) {
  ASSERT_NO_FATAL_FAILURE(ShowNewSite());
  for (const int region : {2, 1, 2}) {
    SCOPED_TRACE(region);
    ASSERT_NO_FATAL_FAILURE(OpenRegion(region));
    QTest::keyClick(Cycle()->editorWidget(), Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(Cycle()->editorWidget(), Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(Cycle()->editorWidget()->textCursor().hasSelection());
    QTest::keyClick(Cycle()->editorWidget(), Qt::Key_B, Qt::ControlModifier);
    QSignalSpy scanned(Tracker(), &RegionTracker::regionsScanned);
    QTest::mouseClick(Dialog()->okButton(), Qt::LeftButton);
    ASSERT_NO_FATAL_FAILURE(WaitForReload(scanned));
  }
  EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

TEST_F(FormattingEditTest, ABoldLinkedWordAndAPictureReachThePageFile) {
  ASSERT_NO_FATAL_FAILURE(ShowNewSite());
  ASSERT_NO_FATAL_FAILURE(OpenRegion(2));

  ASSERT_NO_FATAL_FAILURE(SelectWord(QStringLiteral("furnish")));
  QTest::keyClick(Cycle()->editorWidget(), Qt::Key_B, Qt::ControlModifier);
  EXPECT_TRUE(Cycle()->toolbar()->state().BoldOn);

  ASSERT_NO_FATAL_FAILURE(SelectWord(QStringLiteral("furnish")));
  QTest::keyClick(Cycle()->editorWidget(), Qt::Key_K, Qt::ControlModifier);
  ASSERT_TRUE(Cycle()->links()->isOpen());
  auto* pages = Cycle()->links()->dialog()->findChild<QComboBox*>(QStringLiteral("pageBox"));
  ASSERT_NE(pages, nullptr);
  pages->setCurrentIndex(pages->findText(QStringLiteral("contact-us")));
  emit Cycle()->links()->dialog()->accepted();
  ASSERT_FALSE(Cycle()->links()->isOpen());

  const QString photo = temp.filePath(QStringLiteral("my photo.jpg"));
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  ASSERT_TRUE(picture.save(photo, "JPEG"));
  QTextCursor end = Cycle()->editor().Cursor();
  end.movePosition(QTextCursor::End);
  Cycle()->editor().SetCursor(end);
  emit Cycle()->toolbar()->pictureRequested();
  ASSERT_TRUE(Cycle()->pictures()->isOpen());
  Cycle()->pictures()->dialog()->fileField()->setText(photo);
  Cycle()->pictures()->dialog()->altTextField()->setText(QStringLiteral("Our garden"));
  ASSERT_TRUE(Cycle()->pictures()->AcceptImageDialog());
  EXPECT_FALSE(Cycle()->pictures()->isOpen());
  RichTextEdit* text = Cycle()->editorWidget();
  EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect())) << "the new picture is in view";

  QSignalSpy scanned(Tracker(), &RegionTracker::regionsScanned);
  emit Dialog()->accepted();
  ASSERT_FALSE(Dialog()->isVisible());
  ASSERT_NO_FATAL_FAILURE(WaitForReload(scanned));
  ASSERT_EQ(window->editorSession().Save(), EditorSession::SaveResult::Saved);

  const QString page = QString::fromUtf8(WorkFile(QStringLiteral("index.html")));
  EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("<a href=\"contact-us.html\">(<[^>/]*>)*<b>(<[^>/]*>)*furnish<"))))
      << page.toStdString();
  const QRegularExpressionMatch img =
      QRegularExpression(QStringLiteral("<img [^>]*alt=\"Our garden\"[^>]*src=\"(moxa_img\\d+\\.jpg)\"")).match(page);
  ASSERT_TRUE(img.hasMatch()) << page.toStdString();
  EXPECT_FALSE(QImage(window->folders().WorkFolder() + img.captured(1)).isNull());
  EXPECT_TRUE(QFile::exists(window->folders().WorkFolder() + QStringLiteral("my_photo.jpg")));
}

// A picture from a server that never answers, given up from the overlay
// over the region editor: control comes back at once, the region's text is
// as it was, and once the image dialog is closed the editor takes typing.
TEST_F(FormattingEditTest, APictureDownloadGivenUpGivesTheRegionEditorBack) {
  ASSERT_NO_FATAL_FAILURE(ShowNewSite());
  ASSERT_NO_FATAL_FAILURE(OpenRegion(2));
  test::SilentServer silent;
  ASSERT_TRUE(silent.Listening());
  const QString before = Cycle()->editor().TextDocument()->toHtml();
  auto* layer = window->findChild<DialogLayer*>(QStringLiteral("imageDialogLayer"));
  ASSERT_NE(layer, nullptr);

  emit Cycle()->toolbar()->pictureRequested();
  ASSERT_TRUE(Cycle()->pictures()->isOpen());
  ImageDialog* image = Cycle()->pictures()->dialog();
  image->webRadio()->setChecked(true);
  image->webField()->setText(QStringLiteral("127.0.0.1:%1/photo.jpg").arg(silent.Port()));
  QTest::keyClick(image, Qt::Key_Return);
  ASSERT_TRUE(layer->busy());
  ASSERT_TRUE(silent.WaitForCaller(10));
  QTest::mouseClick(layer->busyCancelButton(), Qt::LeftButton);
  EXPECT_FALSE(layer->busy());
  EXPECT_FALSE(Cycle()->pictures()->downloading());
  ASSERT_TRUE(Cycle()->pictures()->isOpen());
  EXPECT_EQ(Cycle()->editor().TextDocument()->toHtml(), before);

  QTest::keyClick(image, Qt::Key_Escape);
  ASSERT_FALSE(Cycle()->pictures()->isOpen());
  EXPECT_TRUE(Cycle()->editorWidget()->isEnabled());
  QTest::keyClick(Cycle()->editorWidget(), Qt::Key_Home, Qt::ControlModifier);
  QTest::keyClicks(Cycle()->editorWidget(), QStringLiteral("Fresh "));
  EXPECT_TRUE(Cycle()->editor().TextDocument()->toPlainText().startsWith(QStringLiteral("Fresh ")));
  EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
}

}  // namespace
}  // namespace moxa
