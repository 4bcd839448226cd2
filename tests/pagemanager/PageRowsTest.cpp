// The Page Manager's rows: what they show, their buttons, the show/hide
// ticks, Edit, and reordering by dragging, driven by real mouse events.
#include "PageManagerFixture.h"
#include "support/StoreHelpers.h"

#include "app/dialogs/DialogLayer.h"
#include "app/editor/EditorScreen.h"
#include "app/pagemanager/PageManagerScreen.h"
#include "app/pagemanager/PageRowDrag.h"
#include "app/pagemanager/PageRows.h"
#include "app/shell/SkinnedButton.h"
#include "app/shell/StillPicture.h"
#include "pages/PageOperations.h"
#include "platform/SettingsStore.h"

#include <QLabel>
#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <QWheelEvent>

namespace moxa::test {
namespace {

class PageRowsTest : public PageManagerFixture {
 protected:
  SkinnedButton* Button(const QString& name) const {
    return window->findChild<SkinnedButton*>(name);
  }
  QString Text(const QString& name) const {
    auto* label = window->findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<none>");
  }
  qint64 Picture(const char* name) const {
    return window->pictures().Get(QString::fromLatin1(name)).cacheKey();
  }
  PageRowDrag* Drag() const { return window->pageManagerScreen()->drag(); }
  // Where a control stands in the list's scrolled content.
  QRect InList(const QString& name) const {
    QWidget* control = Control(name);
    if (!control) return {};
    QWidget* canvas = window->pageManagerScreen()->rows()->canvas();
    return {control->mapTo(canvas, QPoint(0, 0)), control->size()};
  }

  // Mouse events through the window, as the platform delivers them, so the
  // drag's hold on the mouse is what routes them.
  QPoint InWindow(QWidget* widget, QPoint at) const { return widget->mapTo(window.get(), at); }
  void Press(QPoint at) { QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, at); }
  void MoveTo(QPoint at) { QTest::mouseMove(window->windowHandle(), at); }
  void Release(QPoint at) { QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, at); }

  // The ghost drawn on its own: the row's picture at 180 of 255 opacity,
  // its corners cut round.
  void ExpectTranslucentRoundedPictureOfTheRow() const {
    QImage ghost(Drag()->size(), QImage::Format_ARGB32);
    ghost.fill(Qt::transparent);
    Drag()->render(&ghost, QPoint(), QRegion(), QWidget::DrawChildren);
    const QImage row = Drag()->picture().toImage().convertToFormat(QImage::Format_ARGB32);
    int compared = 0;
    for (int y = 12; y < ghost.height() - 12; y += 7) {
      for (int x = 12; x < ghost.width() - 12; x += 31) {
        const QColor drawn = ghost.pixelColor(x, y);
        const QColor source = row.pixelColor(x * row.width() / ghost.width(),
                                             y * row.height() / ghost.height());
        if (source.alpha() != 255) continue;
        ++compared;
        EXPECT_NEAR(drawn.alpha(), 180, 2) << x << "," << y;
        EXPECT_NEAR(drawn.red(), source.red(), 3) << x << "," << y;
        EXPECT_NEAR(drawn.green(), source.green(), 3) << x << "," << y;
        EXPECT_NEAR(drawn.blue(), source.blue(), 3) << x << "," << y;
      }
    }
    EXPECT_GT(compared, 20);
    EXPECT_EQ(ghost.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(ghost.pixelColor(ghost.width() - 1, ghost.height() - 1).alpha(), 0);
  }
};

TEST_F(PageRowsTest, FourPagesMakeFourRowsOfNineControls) {
  CreateSite();
  ShowPageManager();
  const struct {
    const char* label;
    const char* file;
  } pages[] = {{"Home", "index.html"},
               {"About Us", "about-us.html"},
               {"Picture Gallery", "picture-gallery.html"},
               {"Contact Us", "contact-us.html"}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const int top = 71 * i;
    const auto name = [i](const char* prefix, const char* suffix = "") {
      return QString::fromLatin1(prefix) + QString::number(i) + QString::fromLatin1(suffix);
    };
    EXPECT_EQ(InList(name("_pm_")), QRect(0, top, 736, 51));
    EXPECT_EQ(Text(name("_pml_")), pages[i].label);
    EXPECT_EQ(Text(name("_pml2_")), pages[i].file);
    QWidget* label = Control(name("_pml_"));
    EXPECT_EQ(InList(name("_pml_")).topLeft(), QPoint(68, top + 18));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(51, 51, 51));
    const int labelWidth = label->fontMetrics().horizontalAdvance(pages[i].label);
    EXPECT_EQ(InList(name("_pml2_")).topLeft(), QPoint(83 + labelWidth, top + 18));
    EXPECT_EQ(Control(name("_pml2_"))->palette().color(QPalette::WindowText),
              QColor(204, 204, 204));
    EXPECT_EQ(InList(name("_pm2_")), QRect(0, top, 736 - 250, 51));
    EXPECT_EQ(Control(name("_pm2_"))->cursor().shape(), Qt::SizeAllCursor);

    const struct {
      QString control;
      QPoint at;
      const char* hint;
      bool visible;
    } buttons[] = {
        {name("_tick_a"), {509, top + 13}, "Hide this page from the menu navigation", true},
        {name("_tick_a", "_2"), {509, top + 13}, "Show this page in the menu navigation", false},
        {name("_edit_"), {550, top + 13}, "Edit this page's content", true},
        {name("_rename_"), {596, top + 13}, "Edit this page's file name and menu label", true},
        {name("_delete_"), {665, top + 15}, "Delete this page from your site", true},
    };
    for (const auto& b : buttons) {
      QWidget* control = Control(b.control);
      ASSERT_NE(control, nullptr) << b.control.toStdString();
      EXPECT_EQ(InList(b.control).topLeft(), b.at) << b.control.toStdString();
      EXPECT_EQ(control->toolTip(), b.hint) << b.control.toStdString();
      EXPECT_EQ(control->isVisible(), b.visible) << b.control.toStdString();
    }
  }
  // The home page: its own icon, and a delete icon that is no button.
  auto* home = qobject_cast<QWidget*>(Control(QStringLiteral("_pm_0")));
  EXPECT_NE(static_cast<StillPicture*>(home)->pixmap().toImage(),
            static_cast<StillPicture*>(Control(QStringLiteral("_pm_1")))->pixmap().toImage());
  EXPECT_EQ(Button(QStringLiteral("_delete_0")), nullptr);
  EXPECT_EQ(Control(QStringLiteral("_delete_0"))->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(Button(QStringLiteral("_delete_1"))->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(Control(QStringLiteral("_pm_4")), nullptr);
}

TEST_F(PageRowsTest, TheHomeRowsDeleteIconReactsToNothing) {
  CreateSite();
  ShowPageManager();
  QWidget* inert = Control(QStringLiteral("_delete_0"));
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, InWindow(inert, QPoint(5, 5)));
  QCoreApplication::processEvents();
  EXPECT_FALSE(window->dialogLayer()->isVisible());
  EXPECT_EQ(FileNames().size(), 4);
  EXPECT_EQ(window->currentScreen(), Screen::PageManager);
}

TEST_F(PageRowsTest, RowsLiveOnlyWhileThePageManagerShows) {
  CreateSite();
  ShowPageManager();
  ASSERT_NE(Control(QStringLiteral("_pm_3")), nullptr);
  window->SelectTabAndScreen(2);
  EXPECT_EQ(Control(QStringLiteral("_pm_0")), nullptr);
  EXPECT_FALSE(window->pageManagerScreen()->rows()->built());
  ShowPageManager();
  ShowPageManager();  // selected again: rebuilt, never doubled
  EXPECT_EQ(window->findChildren<QWidget*>(QStringLiteral("_pm_0")).size(), 1);
  window->SelectTabAndScreen(1);
  EXPECT_EQ(Control(QStringLiteral("_pm_0")), nullptr);
}

// Enter, leave, press and release of each row button show the pictures of
// the feedback table; the tick pair shows its opposite while pressed.
TEST_F(PageRowsTest, RowButtonsGiveTheirMouseFeedback) {
  CreateSite();
  window->site().Page(2).ShowInMenu = false;
  ShowPageManager();
  const struct {
    const char* control;
    const char* enter;
    const char* leave;
    const char* press;
    const char* release;
  } cases[] = {
      {"_tick_a1", "16b.png", "16a.png", "17a.png", "16a.png"},
      {"_tick_a2_2", "17b.png", "17a.png", "16a.png", "17a.png"},
      {"_edit_1", "18b.png", "18a.png", "18c.png", "18c.png"},
      {"_rename_1", "19b.png", "19a.png", "19c.png", "19a.png"},
      {"_delete_1", "20b.png", "20a.png", "20c.png", "20a.png"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control);
    SkinnedButton* button = Button(QString::fromLatin1(c.control));
    ASSERT_NE(button, nullptr);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_EQ(button->currentPicture().cacheKey(), Picture(c.enter));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(button->currentPicture().cacheKey(), Picture(c.leave));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(button->currentPicture().cacheKey(), Picture(c.press));
    // Released outside: the picture changes but nothing is clicked.
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(button->currentPicture().cacheKey(), Picture(c.release));
  }
  EXPECT_FALSE(window->dialogLayer()->isVisible());
}

TEST_F(PageRowsTest, ATickHidesThePageFromEveryMenuAndStoresIt) {
  CreateSite();
  ShowPageManager();
  const auto files = WorkFolderContents();
  const TSitePage before = window->site().Page(1);

  // Hidden: stored at once and gone from every menu but kept as a page.
  QTest::mouseClick(Button(QStringLiteral("_tick_a1")), Qt::LeftButton);
  EXPECT_FALSE(window->site().Page(1).ShowInMenu);
  EXPECT_FALSE(Control(QStringLiteral("_tick_a1"))->isVisible());
  EXPECT_TRUE(Control(QStringLiteral("_tick_a1_2"))->isVisible());
  Site stored;
  ASSERT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
  EXPECT_FALSE(stored.Page(1).ShowInMenu);
  for (const QString& page : {QStringLiteral("index"), QStringLiteral("contact-us")}) {
    EXPECT_EQ(MenuLinks(page), (QStringList{"index.html", "picture-gallery.html", "contact-us.html"}))
        << page.toStdString();
  }
  EXPECT_TRUE(window->site().Page(0).Changed);

  // Shown again: the menus are as they were.
  QTest::mouseClick(Button(QStringLiteral("_tick_a1_2")), Qt::LeftButton);
  EXPECT_TRUE(window->site().Page(1).ShowInMenu);
  EXPECT_TRUE(Control(QStringLiteral("_tick_a1"))->isVisible());
  EXPECT_FALSE(Control(QStringLiteral("_tick_a1_2"))->isVisible());
  EXPECT_EQ(WorkFolderContents(), files);
  EXPECT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
}

TEST_F(PageRowsTest, EditOpensThePageInTheEditorWithNoTabSelected) {
  CreateSite();
  ShowPageManager();
  QWidget* edit = Control(QStringLiteral("_edit_2"));
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, InWindow(edit, QPoint(5, 5)));
  QCoreApplication::processEvents();
  EXPECT_EQ(window->currentScreen(), Screen::Editor);
  EXPECT_EQ(window->activeTab(), 0);
  EXPECT_EQ(window->site().OpenPageFileName, "picture-gallery");
  EXPECT_EQ(window->editorScreen()->pageSelector()->currentText(), "picture-gallery");
  EXPECT_FALSE(window->pageManagerScreen()->rows()->built());
  EXPECT_EQ(window->tab(4)->currentPicture().cacheKey(), Picture("14a.png"));
  for (int n = 1; n <= 5; ++n) EXPECT_TRUE(window->tab(n)->isVisible()) << n;
}

TEST_F(PageRowsTest, DraggingRowZeroBelowRowTwoMovesThePageEverywhere) {
  CreateSite();
  ShowPageManager();
  QWidget* handle = Control(QStringLiteral("_pm2_0"));
  const QPoint grab = InWindow(handle, QPoint(20, 25));
  Press(grab);
  ASSERT_TRUE(Drag()->active());
  EXPECT_EQ(QWidget::mouseGrabber(), Drag());
  EXPECT_TRUE(Drag()->isVisible());
  EXPECT_EQ(Drag()->size(), QSize(736, 51));
  ExpectTranslucentRoundedPictureOfTheRow();
  // The slot takes the row's place.
  EXPECT_FALSE(Control(QStringLiteral("_pm_0"))->isVisible());
  EXPECT_EQ(Drag()->dropSlot()->y(), 0);

  // Down to the third row: the rows between make room, the slot shows the place.
  MoveTo(grab + QPoint(0, 75));
  MoveTo(grab + QPoint(0, 150));
  EXPECT_EQ(Drag()->y(), 150);
  EXPECT_EQ(Drag()->target(), 2);
  EXPECT_TRUE(Drag()->dropSlot()->isVisible());
  EXPECT_EQ(Drag()->dropSlot()->y(), 142);
  EXPECT_FALSE(Control(QStringLiteral("_pm_0"))->isVisible());
  EXPECT_EQ(InList(QStringLiteral("_pm_1")).y(), 0);
  EXPECT_EQ(InList(QStringLiteral("_edit_2")).y(), 71 + 13);
  EXPECT_EQ(InList(QStringLiteral("_pm_3")).y(), 213);

  // The ghost never leaves the list; below the last row the target stays.
  const int lowest = window->pageManagerScreen()->pageList()->viewport()->height() - 51;
  const QPoint belowTheList(grab.x(), window->height() - 10);
  MoveTo(belowTheList);
  EXPECT_EQ(Drag()->y(), lowest);
  EXPECT_EQ(Drag()->x(), 0);
  EXPECT_EQ(Drag()->target(), 2);
  Release(belowTheList);

  EXPECT_FALSE(Drag()->active());
  EXPECT_FALSE(Drag()->isVisible());
  EXPECT_FALSE(Drag()->dropSlot()->isVisible());
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  const QStringList order{"about-us", "picture-gallery", "index", "contact-us"};
  EXPECT_EQ(FileNames(), order);
  EXPECT_EQ(StoredFileNames(), order);
  for (const QString& page : order) {
    EXPECT_EQ(MenuLinks(page), (QStringList{"about-us.html", "picture-gallery.html",
                                            "index.html", "contact-us.html"}))
        << page.toStdString();
  }
  // The rows again, in the new order; the moved home page keeps its marks.
  EXPECT_EQ(Text(QStringLiteral("_pml2_0")), "about-us.html");
  EXPECT_EQ(Text(QStringLiteral("_pml2_2")), "index.html");
  EXPECT_EQ(Button(QStringLiteral("_delete_2")), nullptr);
  EXPECT_NE(Button(QStringLiteral("_delete_0")), nullptr);
  EXPECT_TRUE(Control(QStringLiteral("_pm_0"))->isVisible());
  EXPECT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
}

// A press and release without moving keeps the order and rewrites every
// menu; the tick's change was stored at once.
TEST_F(PageRowsTest, APressWithoutMovingSavesAndRewritesTheMenus) {
  CreateSite();
  ShowPageManager();
  QTest::mouseClick(Button(QStringLiteral("_tick_a3")), Qt::LeftButton);
  QByteArray about = WorkFile(QStringLiteral("about-us.html"));
  about.replace("href=\"contact-us.html\"", "href=\"stale.html\"");
  WriteBytes(window->folders().PageFile(QStringLiteral("about-us")), about);

  const QPoint grab = InWindow(Control(QStringLiteral("_pm2_1")), QPoint(30, 10));
  Press(grab);
  Release(grab);

  const QStringList order{"index", "about-us", "picture-gallery", "contact-us"};
  EXPECT_EQ(FileNames(), order);
  // The hidden Contact Us page has left the menus.
  EXPECT_EQ(MenuLinks(QStringLiteral("about-us")),
            (QStringList{"index.html", "about-us.html", "picture-gallery.html"}));
  Site stored;
  test::LoadSiteNow(stored);
  EXPECT_EQ(stored.Page(1).Label_, "About Us");
  EXPECT_FALSE(stored.Page(3).ShowInMenu);
  EXPECT_EQ(Text(QStringLiteral("_pml_1")), "About Us");
  EXPECT_FALSE(Drag()->isVisible());
}

// A long site scrolls; a row dragged in the scrolled list lands where the
// slot showed.
TEST_F(PageRowsTest, LongSitesScrollAndDragInTheScrolledList) {
  CreateSite();
  const PageContext context{window->folders(), 1, &window->store()};
  for (int i = 0; i < 16; ++i) {
    ASSERT_TRUE(AddPage(window->site(), context, QStringLiteral("extra-%1").arg(i),
                        QStringLiteral("Extra %1").arg(i))
                    .ok());
  }
  ShowPageManager();
  QScrollArea* list = window->pageManagerScreen()->pageList();
  EXPECT_EQ(list->widget()->height(), 20 * 71);
  QScrollBar* bar = list->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(bar->maximum());

  // The last row, one place up.
  QWidget* last = Control(QStringLiteral("_pm2_19"));
  const QPoint grab = InWindow(last, QPoint(20, 10));
  Press(grab);
  // Nothing else reacts while the row is held, not even the list to the wheel.
  EXPECT_EQ(QWidget::keyboardGrabber(), Drag());
  QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::LeftButton, {},
                    Qt::NoScrollPhase, false);
  // Delivered as the platform does, so that an ignored wheel would travel up.
  QSpontaneKeyEvent::setSpontaneous(&wheel);
  qApp->notify(Drag(), &wheel);
  EXPECT_EQ(bar->value(), bar->maximum());
  MoveTo(grab - QPoint(0, 40));
  MoveTo(grab - QPoint(0, 71));
  EXPECT_EQ(Drag()->target(), 18);
  Release(grab - QPoint(0, 71));
  EXPECT_EQ(FileNames().at(18), "extra-15");
  EXPECT_EQ(FileNames().at(19), "extra-14");
  EXPECT_EQ(StoredFileNames(), FileNames());
  // The rows are made again where the user was.
  EXPECT_EQ(bar->value(), bar->maximum());
}

// A long site: the rows far below the view have their controls by the time
// the list is scrolled to them, and the keyboard's Tab goes from row to row
// in page order, on past the rows made so far, whichever were made first.
TEST_F(PageRowsTest, FarRowsAreThereWhenScrolledToAndTabFollowsPageOrder) {
  CreateSite();
  const PageContext context{window->folders(), 1, &window->store()};
  for (int i = 0; i < 56; ++i) {
    ASSERT_TRUE(AddPage(window->site(), context, QStringLiteral("extra-%1").arg(i),
                        QStringLiteral("Extra %1").arg(i))
                    .ok());
  }
  ShowPageManager();
  const int last = 59;
  QScrollArea* list = window->pageManagerScreen()->pageList();
  QScrollBar* bar = list->verticalScrollBar();
  // Down to the middle, then the end, then back to the top: rows made in
  // three batches, out of page order.
  for (const int value : {bar->maximum() / 2, bar->maximum(), 0}) {
    bar->setValue(value);
    const int firstInView = value / 71;
    for (const int row : {firstInView, firstInView + 1}) {
      SCOPED_TRACE(row);
      const QString name = QStringLiteral("_pml2_%1").arg(row);
      EXPECT_EQ(Text(name), window->site().Page(row).FileName + ".html");
      EXPECT_TRUE(Control(name)->isVisible());
      EXPECT_EQ(InList(QStringLiteral("_edit_%1").arg(row)).topLeft(), QPoint(550, 71 * row + 13));
    }
  }
  EXPECT_EQ(Text(QStringLiteral("_pml_%1").arg(last)), "Extra 55");

  // Tab from the first row's Edit button walks the buttons row by row, the
  // list scrolling along, to the last row.
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  Button(QStringLiteral("_edit_0"))->setFocus(Qt::TabFocusReason);
  ASSERT_EQ(QApplication::focusWidget(), Button(QStringLiteral("_edit_0")));
  QStringList expected, walked;
  for (int row = 0; row <= last; ++row) {
    const bool shown = window->site().Page(row).ShowInMenu;
    const QString tick = QStringLiteral("_tick_a%1").arg(row) + (shown ? "" : "_2");
    const QString after = QStringLiteral("_rename_%1").arg(row);
    if (row == 0) {
      expected << after;  // the home row's delete takes no focus
      continue;
    }
    expected << tick << QStringLiteral("_edit_%1").arg(row) << after
             << QStringLiteral("_delete_%1").arg(row);
  }
  for (int step = 0; step < expected.size(); ++step) {
    QTest::keyClick(window->windowHandle(), Qt::Key_Tab);
    walked << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
  }
  EXPECT_EQ(walked, expected);
  EXPECT_EQ(bar->value(), bar->maximum()) << "the list followed the keyboard";
}

}  // namespace
}  // namespace moxa::test
