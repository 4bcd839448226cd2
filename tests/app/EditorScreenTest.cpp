// The editing screen as the user meets it: the site preview over it, the
// Save buttons during a save's confirmation period, and where a newly
// opened page starts.
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "app/editor/EditorSession.h"
#include "app/gallery/GalleryScreen.h"
#include "app/gallery/PreviewPanel.h"
#include "app/shell/MainWindow.h"
#include "app/shell/SkinnedButton.h"
#include "support/gui/PageScript.h"
#include "support/gui/WindowFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

namespace moxa {
namespace {

class EditorScreenTest : public test::WindowFixture {
 protected:
  EditorScreen* Editor() const { return window->editorScreen(); }
  // The widget the user's mouse meets at the middle of `control`.
  QWidget* UnderTheMouseAt(QWidget* control) const {
    return window->childAt(control->mapTo(window.get(), control->rect().center()));
  }
  void WaitForLoad(QWebEngineView* view) {
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    ASSERT_TRUE(loaded.wait(20000));
  }
  // The page's own idea of its scroll offset (-1: no answer).
  static int ScrollY(QWebEngineView* view) {
    const QVariant y = test::EvaluateScript(view->page(), QStringLiteral("window.scrollY"));
    return y.isValid() ? y.toInt() : -1;
  }
  static void Scroll(QWebEngineView* view, int y) {
    QSignalSpy scrolled(view->page(), &QWebEnginePage::scrollPositionChanged);
    view->page()->runJavaScript(QStringLiteral("window.scrollTo(0, %1);").arg(y));
    ASSERT_TRUE(scrolled.wait(5000));
  }
  // Waits until the page has drawn two frames since it was asked: what the
  // browser does to a page after its load (restoring an old scroll offset)
  // is done by then.
  static void WaitForTwoFrames(QWebEngineView* view) {
    test::EvaluateScript(view->page(), QStringLiteral(
        "window.framesDrawn = 0;"
        "requestAnimationFrame(() => requestAnimationFrame(() => { window.framesDrawn = 2; }));"));
    QElapsedTimer clock;
    clock.start();
    // One question at a time: each answer comes back before the next is asked.
    while (test::EvaluateScript(view->page(), QStringLiteral("window.framesDrawn")).toInt() != 2) {
      ASSERT_LT(clock.elapsed(), 10000) << "the page drew no frames";
    }
  }
};

TEST_F(EditorScreenTest, SitePreviewCoversTheEditingControlsUntilBackToEditing) {
  CreateSite();
  EditorScreen* editor = Editor();
  QTest::mouseClick(editor->previewButton(), Qt::LeftButton);
  PreviewPanel* preview = window->editorController()->previewPanel();
  ASSERT_TRUE(preview->isVisible());
  const QUrl shown = preview->view()->url();

  const struct {
    const char* name;
    QWidget* control;
  } controls[] = {{"page selector", editor->pageSelector()},
                  {"This Page", editor->thisPageLabel()},
                  {"Save", editor->saveButton()},
                  {"Preview", editor->previewButton()},
                  {"Publish", editor->publishButton()}};
  for (const auto& c : controls) {
    SCOPED_TRACE(c.name);
    QWidget* under = UnderTheMouseAt(c.control);
    EXPECT_TRUE(under == preview || preview->isAncestorOf(under)) << under->objectName().toStdString();
    EXPECT_FALSE(c.control->isEnabled());
  }

  // Neither the mouse nor the keyboard changes the page behind the preview.
  QComboBox* selector = editor->pageSelector();
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                    selector->mapTo(window.get(), selector->rect().center()));
  selector->setFocus(Qt::TabFocusReason);
  QTest::keyClick(selector, Qt::Key_Down);
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                    editor->saveButton()->mapTo(window.get(), QPoint(5, 5)));
  EXPECT_EQ(window->site().OpenPageFileName, "index");
  EXPECT_EQ(selector->currentText(), "index");
  EXPECT_FALSE(window->editorSession().SaveBusy());
  EXPECT_EQ(preview->view()->url(), shown);

  QTest::mouseClick(preview->backLink(), Qt::LeftButton);
  EXPECT_FALSE(preview->isVisible());
  for (const auto& c : controls) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(c.control->isEnabled());
    EXPECT_EQ(UnderTheMouseAt(c.control)->window(), window.get());
    EXPECT_FALSE(preview->isAncestorOf(UnderTheMouseAt(c.control)));
  }
  selector->setCurrentText(QStringLiteral("about-us"));
  EXPECT_EQ(window->site().OpenPageFileName, "about-us");
}

// During a save's confirmation period both Save buttons keep their picture
// under the mouse and ignore their click; at its end both look normal again
// and answer as before.
TEST_F(EditorScreenTest, BothSaveButtonsAreFrozenWhileASaveIsConfirmed) {
  CreateSite();
  EditorSession& session = window->editorSession();
  session.setConfirmationMilliseconds(1500);
  const SkinSet skin = window->pictures().Skin(7);
  SkinnedButton* pageSave = Editor()->saveButton();
  SkinnedButton* gallerySave = window->galleryScreen()->saveButton();
  QSignalSpy saves(&session, &EditorSession::saveStarted);
  QSignalSpy applies(window->galleryScreen(), &GalleryScreen::saveClicked);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QEvent leave(QEvent::Leave);
  // The mouse was over the gallery's Save when the page was saved.
  QCoreApplication::sendEvent(gallerySave, &enter);
  ASSERT_EQ(gallerySave->currentPicture().cacheKey(), skin.hover.cacheKey());

  QTest::mouseClick(pageSave, Qt::LeftButton);
  ASSERT_EQ(saves.count(), 1);
  ASSERT_TRUE(session.SaveBusy());
  const struct {
    const char* name;
    SkinnedButton* button;
    QSignalSpy* clicks;
    int tab;  // the screen the button is on
  } buttons[] = {{"page Save", pageSave, &saves, 0}, {"gallery Save", gallerySave, &applies, 3}};
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.name);
    if (b.tab != 0) window->SelectTabAndScreen(b.tab);
    ASSERT_TRUE(b.button->isVisible());
    const qint64 picture = b.button->currentPicture().cacheKey();
    const int clicks = b.clicks->count();
    QCoreApplication::sendEvent(b.button, &leave);
    EXPECT_EQ(b.button->currentPicture().cacheKey(), picture);
    QCoreApplication::sendEvent(b.button, &enter);
    EXPECT_EQ(b.button->currentPicture().cacheKey(), picture);
    QTest::mousePress(b.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(b.button->currentPicture().cacheKey(), picture);
    QTest::mouseRelease(b.button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(b.button->currentPicture().cacheKey(), picture);
    b.button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(b.button, Qt::Key_Space);
    EXPECT_EQ(b.clicks->count(), clicks);
  }
  EXPECT_EQ(window->currentScreen(), Screen::Gallery);

  QSignalSpy confirmed(&session, &EditorSession::saveConfirmed);
  ASSERT_TRUE(confirmed.wait(10000));
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.name);
    EXPECT_EQ(b.button->currentPicture().cacheKey(), skin.normal.cacheKey());
  }
  QCoreApplication::sendEvent(gallerySave, &enter);
  EXPECT_EQ(gallerySave->currentPicture().cacheKey(), skin.hover.cacheKey());
  QSignalSpy applied(window.get(), &MainWindow::templateChangeFinished);
  QTest::mouseClick(gallerySave, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(applies.count(), 1);
  ASSERT_TRUE(applied.wait(10000));
  EXPECT_EQ(window->currentScreen(), Screen::Editor);  // the template was applied
  QCoreApplication::sendEvent(pageSave, &enter);
  EXPECT_EQ(pageSave->currentPicture().cacheKey(), skin.hover.cacheKey());
  QTest::mouseClick(pageSave, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(saves.count(), 2);
}

// The editor shows every page in the same working copy: a page opened after
// the user scrolled down another must still start at its top.
TEST_F(EditorScreenTest, ANewlyOpenedPageStartsAtTheTop) {
  CreateSite();
  QWebEngineView* browser = Editor()->browser();
  WaitForLoad(browser);
  Scroll(browser, 600);
  ASSERT_GE(ScrollY(browser), 300);

  Editor()->pageSelector()->setCurrentText(QStringLiteral("about-us"));
  WaitForLoad(browser);
  ASSERT_NO_FATAL_FAILURE(WaitForTwoFrames(browser));
  EXPECT_EQ(ScrollY(browser), 0);
}

}  // namespace
}  // namespace moxa
