// The edit cycle as the user meets it, in the real browser engine: point at
// a region, click, type, OK, see the page change, save; Cancel, Escape and
// Ctrl+Enter; an edit that cannot be applied.
#include "app/dialogs/DialogLayer.h"
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "app/editor/EditorSession.h"
#include "app/editor/RegionEditController.h"
#include "app/editor/RegionEditorDialog.h"
#include "app/editor/RegionHighlight.h"
#include "app/editor/RegionTracker.h"
#include "app/editor/RichTextEdit.h"
#include "app/shell/MainWindow.h"
#include "app/shell/SkinnedButton.h"
#include "editor/RegionEditCycle.h"
#include "pages/Regions.h"
#include "support/StoreHelpers.h"
#include "support/TestSupport.h"
#include "support/gui/Eventually.h"
#include "support/gui/WindowFixture.h"
#include "RegionEditFixture.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

namespace moxa {
namespace {

using test::Eventually;

class RegionEditTest : public RegionEditFixture {};

// Everything of the page but region `number`'s content.
QByteArray Outside(const QByteArray& page, int number) {
  for (const RegionSpan& span : FindRegions(page)) {
    if (span.Number == number) {
      return page.left(span.ContentStart) + "|" + page.mid(span.ContentEnd);
    }
  }
  return {};
}

TEST_F(RegionEditTest, PointClickTypeOkAndSaveChangesOnlyTheRegion) {
  ASSERT_NO_FATAL_FAILURE(ShowNewSite());
  const QByteArray savedBefore = WorkFile(QStringLiteral("index.html"));
  ASSERT_FALSE(Outside(savedBefore, 1).isEmpty());

  ASSERT_NO_FATAL_FAILURE(OpenRegion(1));
  EXPECT_FALSE(Tracker()->tracking());
  EXPECT_TRUE(Cycle()->editorWidget()->hasFocus());
  // Opening a region is no change yet.
  EXPECT_FALSE(window->editorSession().PageModified());
  QTest::keyClicks(Cycle()->editorWidget(), QStringLiteral("Zebra "));

  QSignalSpy scanned(Tracker(), &RegionTracker::regionsScanned);
  QTest::mouseClick(Dialog()->okButton(), Qt::LeftButton);
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  EXPECT_TRUE(window->editorSession().PageModified());
  ASSERT_NO_FATAL_FAILURE(WaitForReload(scanned));
  EXPECT_TRUE(RegionTextInBrowser(1).contains(QStringLiteral("Zebra")));
  EXPECT_TRUE(Tracker()->tracking());

  QTest::keyClick(Browser()->focusProxy() ? Browser()->focusProxy() : Browser(), Qt::Key_S,
                  Qt::ControlModifier);
  const QByteArray saved = WorkFile(QStringLiteral("index.html"));
  ASSERT_TRUE(editor::CutRegion(saved, 1));
  EXPECT_TRUE(editor::CutRegion(saved, 1)->contains("Zebra"));
  EXPECT_EQ(Outside(saved, 1), Outside(savedBefore, 1));
}

TEST_F(RegionEditTest, CancelAndEscapeChangeNothing) {
  ASSERT_NO_FATAL_FAILURE(ShowNewSite());
  const QByteArray before = WorkingCopy();
  struct {
    const char* how;
    std::function<void()> close;
  } const ways[] = {
      {"Cancel", [&] { emit Dialog()->cancelled(); }},
      {"Escape", [&] { QTest::keyClick(Cycle()->editorWidget(), Qt::Key_Escape); }},
  };
  const QString discard = QStringLiteral("The changes you made to this text will be lost. Discard them?");
  for (const auto& way : ways) {
    ASSERT_NO_FATAL_FAILURE(OpenRegion(1)) << way.how;
    // Nothing typed: closed without a question.
    way.close();
    EXPECT_FALSE(Dialog()->isVisible()) << way.how;
    EXPECT_TRUE(questions.isEmpty()) << way.how;

    ASSERT_NO_FATAL_FAILURE(OpenRegion(1)) << way.how;
    QTest::keyClicks(Cycle()->editorWidget(), QStringLiteral("never kept"));
    // Typed text goes only when the user says so.
    confirmAnswer = false;
    way.close();
    EXPECT_EQ(questions, QStringList{discard}) << way.how;
    EXPECT_TRUE(Dialog()->isVisible()) << way.how;
    EXPECT_TRUE(Cycle()->editor().TextDocument()->toPlainText().contains("never kept")) << way.how;
    confirmAnswer = true;
    way.close();
    questions.clear();
    EXPECT_FALSE(Dialog()->isVisible()) << way.how;
    EXPECT_FALSE(window->editorSession().PageModified()) << way.how;
    EXPECT_FALSE(window->dialogLayer()->isVisible()) << way.how;
    EXPECT_EQ(WorkingCopy(), before) << way.how;
    EXPECT_TRUE(Eventually([&] { return Tracker()->tracking(); })) << way.how;
  }
}

// Closing the window after an edit confirmed with OK (or still being typed)
// asks first: Save keeps it in the page and marks the page for publishing,
// Don't Save drops it, Cancel (the link, Escape, the close button) stays.
TEST_F(RegionEditTest, ClosingTheWindowAsksBeforeAnEditIsLost) {
  ASSERT_NO_FATAL_FAILURE(ShowNewSite());
  // A save's confirmation period keeps regions closed; short, so the next case may open one.
  window->editorSession().setConfirmationMilliseconds(1);
  LayerDialog* prompt = window->editorController()->savePrompt();
  auto* dismissLink = prompt->findChild<QLabel*>(QStringLiteral("dismissLink"));
  ASSERT_NE(dismissLink, nullptr);
  const struct {
    const char* how;
    bool confirmed;  // OK pressed before closing, else still typing
    std::function<void()> answer;
    bool closes;
    bool saved;
  } cases[] = {
      {"Cancel link", true, [&] { emit dismissLink->linkActivated(QStringLiteral("#")); }, false, false},
      {"Escape", true, [&] { QTest::keyClick(prompt, Qt::Key_Escape); }, false, false},
      {"Don't Save", true, [&] { emit prompt->cancelled(); }, true, false},
      {"Save", true, [&] { emit prompt->accepted(); }, true, true},
      {"Save while typing", false, [&] { emit prompt->accepted(); }, true, true},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    ASSERT_NO_FATAL_FAILURE(OpenRegion(1));
    const QString word = QStringLiteral("Walrus%1 ").arg(++n);
    QTest::keyClicks(Cycle()->editorWidget(), word);
    if (c.confirmed) {
      QSignalSpy scanned(Tracker(), &RegionTracker::regionsScanned);
      QTest::mouseClick(Dialog()->okButton(), Qt::LeftButton);
      ASSERT_NO_FATAL_FAILURE(WaitForReload(scanned));
    }
    EXPECT_FALSE(window->close());
    ASSERT_TRUE(prompt->isVisible());
    EXPECT_TRUE(window->isVisible());
    c.answer();
    EXPECT_EQ(!window->isVisible(), c.closes);
    EXPECT_EQ(WorkFile(QStringLiteral("index.html")).contains(word.trimmed().toUtf8()), c.saved);
    if (c.saved) {
      Site stored;
      ASSERT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
      EXPECT_TRUE(stored.Page(0).Changed);
    }
    if (!c.closes) {
      EXPECT_FALSE(prompt->isVisible());
      EXPECT_TRUE(window->editorSession().PageModified());
    }
    // The saved page again, nothing unsaved, for the next case.
    window->show();
    window->activateWindow();
    ASSERT_TRUE(Eventually([&] { return !window->editorSession().SaveBusy(); }));
    QSignalSpy scanned(Tracker(), &RegionTracker::regionsScanned);
    ASSERT_TRUE(window->editorController()->OpenPage(QStringLiteral("index")));
    ASSERT_NO_FATAL_FAILURE(WaitForReload(scanned));
  }
}

TEST_F(RegionEditTest, CtrlEnterIsOk) {
  ASSERT_NO_FATAL_FAILURE(ShowNewSite());
  ASSERT_NO_FATAL_FAILURE(OpenRegion(1));
  QTest::keyClicks(Cycle()->editorWidget(), QStringLiteral("Quokka "));
  QSignalSpy scanned(Tracker(), &RegionTracker::regionsScanned);
  QTest::keyClick(Cycle()->editorWidget(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_FALSE(Dialog()->isVisible());
  EXPECT_TRUE(editor::CutRegion(WorkingCopy(), 1)->contains("Quokka"));
  ASSERT_NO_FATAL_FAILURE(WaitForReload(scanned));
}

TEST_F(RegionEditTest, AnEditThatCannotBeAppliedIsRefusedAndStaysOpen) {
  ASSERT_NO_FATAL_FAILURE(ShowNewSite());
  ASSERT_NO_FATAL_FAILURE(OpenRegion(1));
  QTest::keyClicks(Cycle()->editorWidget(), QStringLiteral("kept in the editor"));
  // The page's text lost the region's marker meanwhile.
  QByteArray page = WorkingCopy();
  page.replace("<div id=\"moxadiv1\">", "<div id=\"MOXADIV1\">");
  test::WriteBytes(window->folders().WorkingCopyFile(), page);

  QTest::mouseClick(Dialog()->okButton(), Qt::LeftButton);
  EXPECT_EQ(errors, QStringList{editor::ChangesNotAppliedMessage()});
  EXPECT_TRUE(Dialog()->isVisible());
  EXPECT_EQ(WorkingCopy(), page);
  EXPECT_TRUE(Cycle()->editor().TextDocument()->toPlainText().contains("kept in the editor"));
}

TEST_F(RegionEditTest, ThePageComesBackScrolledWhereItWasAfterACommitOrTheNextLoadAfterACancel) {
  ASSERT_NO_FATAL_FAILURE(ShowNewSite());
  // Room to scroll, whatever the window's height.
  QByteArray page = WorkingCopy();
  page.replace("</body>", "<div style=\"height: 3000px\"></div></body>");
  test::WriteBytes(window->folders().WorkingCopyFile(), page);
  QSignalSpy scanned(Tracker(), &RegionTracker::regionsScanned);
  Editor()->ShowWorkingCopy(window->folders().WorkingCopyFile());
  ASSERT_NO_FATAL_FAILURE(WaitForReload(scanned));
  const EditorRegion last = Tracker()->regions().back();
  const int scroll = std::max(0, last.Top - 40);
  ASSERT_GT(scroll, 0);
  // The end of the load may still put the page back at the top: ask again
  // until the offset holds.
  QElapsedTimer sinceAsked;
  ASSERT_TRUE(Eventually(
      [&] {
        if (Tracker()->ScrollOffset() == scroll) return true;
        if (!sinceAsked.isValid() || sinceAsked.elapsed() > 200) {
          Browser()->page()->runJavaScript(QStringLiteral("window.scrollTo(0, %1);").arg(scroll));
          sinceAsked.start();
        }
        return false;
      },
      10000))
      << Tracker()->ScrollOffset();

  // A cancel keeps the offset for the next load.
  ASSERT_NO_FATAL_FAILURE(OpenRegion(last.Number));
  Cycle()->Cancel();
  EXPECT_EQ(Tracker()->pendingScrollOffset(), scroll);

  ASSERT_NO_FATAL_FAILURE(OpenRegion(last.Number));
  scanned.clear();
  QTest::mouseClick(Dialog()->okButton(), Qt::LeftButton);
  ASSERT_NO_FATAL_FAILURE(WaitForReload(scanned));
  EXPECT_TRUE(Eventually([&] { return Tracker()->ScrollOffset() == scroll; }, 10000))
      << Tracker()->ScrollOffset();
}

}  // namespace
}  // namespace moxa
