// The dialog layer and the busy overlay hold the keyboard: Tab, Space and
// the arrow keys sent to the window while they show never reach the screens
// behind them, and the focus goes back where it was when they close.
#include "app/dialogs/DialogLayer.h"
#include "app/dialogs/PageDialogs.h"
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "app/gallery/GalleryScreen.h"
#include "app/pagemanager/PageActions.h"
#include "app/shell/MainWindow.h"
#include "support/gui/WindowFixture.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace moxa {
namespace {

// What the keys must not change behind the layer.
struct Behind {
  Screen screen;
  int activeTab;
  int gallerySelection;
  QString openPage;
  bool operator==(const Behind&) const = default;
};

class LayerKeyboardTest : public test::WindowFixture {
 protected:
  Behind Now() const {
    return {window->currentScreen(), window->activeTab(), window->galleryScreen()->selectedIndex(),
            window->site().OpenPageFileName};
  }
  // Keys as the platform delivers them: to the window, which hands them on.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(window->windowHandle(), key, modifiers);
  }
  static bool Inside(const QWidget* area) {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && (focus == area || area->isAncestorOf(focus));
  }
  // Tab (or Shift+Tab) until the focus is back where it started: every step
  // stays inside `area`.
  void CycleFocus(const QWidget* area, Qt::KeyboardModifiers modifiers) {
    const QWidget* start = QApplication::focusWidget();
    for (int step = 1; step <= 30; ++step) {
      Press(Qt::Key_Tab, modifiers);
      ASSERT_TRUE(Inside(area)) << "step " << step << ": "
                                << (QApplication::focusWidget()
                                        ? QApplication::focusWidget()->objectName().toStdString()
                                        : std::string("no focus"));
      if (QApplication::focusWidget() == start) return;
    }
    FAIL() << "Tab never came back to where it started";
  }
  // Tab and Shift+Tab around the focus chain, then Space and the arrow
  // keys where it started: every one of them leaves the screens behind as
  // they were and the focus inside `area`.
  void KeysStayInside(const QWidget* area) {
    const Behind before = Now();
    ASSERT_TRUE(Inside(area));
    CycleFocus(area, Qt::NoModifier);
    CycleFocus(area, Qt::ShiftModifier);
    for (const Qt::Key key :
         {Qt::Key_Space, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down}) {
      Press(key);
      EXPECT_TRUE(Inside(area)) << QKeySequence(key).toString().toStdString();
    }
    EXPECT_EQ(Now(), before);
    EXPECT_TRUE(window->dialogLayer()->isVisible());
  }
};

TEST_F(LayerKeyboardTest, DialogsKeepTabSpaceAndArrowsToThemselves) {
  CreateSite();
  const struct {
    const char* dialog;
    std::function<LayerDialog*(MainWindow&)> open;
  } cases[] = {
      {"unsaved changes",
       [](MainWindow& w) {
         w.editorSession().MarkModified();
         w.editorScreen()->pageSelector()->setCurrentText(QStringLiteral("about-us"));
         return w.editorController()->savePrompt();
       }},
      {"Page Properties",
       [](MainWindow& w) {
         w.pageActions()->OpenPropertiesDialog();
         return static_cast<LayerDialog*>(w.pageActions()->propertiesDialog());
       }},
      {"Rename",
       [](MainWindow& w) {
         w.SelectTabAndScreen(4);
         w.pageActions()->RenameRow(1);
         return static_cast<LayerDialog*>(w.pageActions()->renameDialog());
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dialog);
    LayerDialog* dialog = c.open(*window);
    ASSERT_TRUE(dialog->isVisible());
    KeysStayInside(dialog);
    emit dialog->cancelled();
    EXPECT_FALSE(window->dialogLayer()->isVisible());
  }
}

TEST_F(LayerKeyboardTest, FocusGoesBackWhereItWasWhenTheDialogCloses) {
  CreateSite();
  QWidget* selector = window->editorScreen()->pageSelector();
  selector->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(QApplication::focusWidget(), selector);
  window->pageActions()->OpenPropertiesDialog();
  PagePropertiesDialog* dialog = window->pageActions()->propertiesDialog();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_TRUE(Inside(dialog));
  Press(Qt::Key_Escape);
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), selector);
  EXPECT_TRUE(selector->isEnabled());
}

TEST_F(LayerKeyboardTest, BusyOverlayKeepsTheGallerysArrowKeys) {
  window->LoadStoredSite();
  window->show();
  StartNewSite(QStringLiteral("Joe's Bakery"));
  GalleryScreen* gallery = window->galleryScreen();
  gallery->setSelectedIndex(0);
  gallery->setFocus(Qt::OtherFocusReason);
  Press(Qt::Key_Right);
  ASSERT_EQ(gallery->selectedIndex(), 1);  // the gallery does take arrows of its own

  QSignalSpy finished(window.get(), &MainWindow::siteCreationFinished);
  // The overlay stays while the keys are tried, however fast the machine makes the site.
  window->setSiteCreationMinimum(3000);
  emit gallery->nextClicked();
  ASSERT_TRUE(window->dialogLayer()->busy());
  KeysStayInside(window->dialogLayer());
  EXPECT_EQ(gallery->selectedIndex(), 1);
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_TRUE(finished.first().first().toBool());
  EXPECT_EQ(window->site().SelectedTemplateIndex, 1);
}

}  // namespace
}  // namespace moxa
