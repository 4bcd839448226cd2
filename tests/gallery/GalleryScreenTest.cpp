#include "app/gallery/GalleryScreen.h"

#include "app/shell/SkinnedButton.h"
#include "gallery/GalleryFixture.h"
#include "support/TestSupport.h"
#include "templates/TemplateLibrary.h"

#include <QDir>
#include <QFile>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace moxa {
namespace {

using test::GalleryTest;

// Near the top-left of a thumbnail part: inside it and inside the scroll box.
constexpr QPoint kInside{20, 20};

QColor PixelOf(QWidget* widget, QPoint at) {
  return widget->grab().toImage().pixelColor(at);
}

TEST_F(GalleryTest, PlacesSevenThumbnailsInRowsOfThreeThreeAndOne) {
  for (const QSize shot : {QSize(300, 225), QSize(120, 90)}) {
    SCOPED_TRACE(shot.width());
    Install({1, 2, 3, 4, 5, 6, 7}, shot);
    const GalleryScreen& screen = Show();
    ASSERT_EQ(screen.GalleryLastIndex(), 6);
    const int w = shot.width();
    const int h = shot.height();
    for (int k = 0; k <= 6; ++k) {
      SCOPED_TRACE(k);
      const int column = k % 3;
      const int row = k / 3;
      const QPoint origin((w + 75) * column + 20, (h + 75) * row + 20);
      EXPECT_EQ(screen.ThumbnailOrigin(k), origin);
      EXPECT_EQ(Child(QStringLiteral("_%1_2").arg(k))->geometry(),
                QRect(origin.x() - 1, origin.y() - 1, w - 3, h - 3));
      EXPECT_EQ(Child(QStringLiteral("_%1").arg(k))->geometry(),
                QRect(origin, QSize(w - 5, h - 5)));
      EXPECT_EQ(Child(QStringLiteral("_r%1").arg(k))->geometry(),
                QRect(origin.x(), origin.y() + h - 4, w - 5, 50));
      EXPECT_EQ(screen.templateNumberAt(k), k + 1);
    }
    EXPECT_EQ(screen.ThumbnailOrigin(6), QPoint(20, 2 * (h + 75) + 20));
    EXPECT_EQ(Child(QStringLiteral("_7")), nullptr);
  }
}

TEST_F(GalleryTest, AbsentFolderLeavesNoGapAndTheFrameKeepsTheNumber) {
  Install({1, 2, 4});
  const GalleryScreen& screen = Show();
  EXPECT_EQ(screen.GalleryLastIndex(), 2);
  EXPECT_EQ(screen.library().Numbers(), (std::vector<int>{1, 2, 4}));
  EXPECT_EQ(screen.templateNumberAt(2), 4);
  EXPECT_EQ(screen.templateNumberAt(3), std::nullopt);
  EXPECT_EQ(screen.ThumbnailOrigin(2), QPoint(2 * 375 + 20, 20));
  EXPECT_EQ(Child(QStringLiteral("_2_2"))->property("templateNumber").toInt(), 4);
  // The screenshot shown for k = 2 is folder 4's.
  EXPECT_EQ(PixelOf(Child(QStringLiteral("_2")), {5, 5}), test::TemplateColour(4));
}

TEST_F(GalleryTest, UnreadableScreenshotEndsTheGalleryThere) {
  QByteArray png;
  {
    test::Sandbox scratch;
    test::WriteGalleryTemplate(scratch, 1, test::TwoToneScreenshot(kShot, Qt::red, Qt::blue));
    png = test::ReadBytes(scratch.folders().TemplateFolder(1) + QStringLiteral("ss.png"));
  }
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"not a picture", "this is no png"},
      {"cut short", png.left(60)},
      {"missing", QByteArray()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Install({1, 2, 4, 5});
    QFile::remove(sandbox.folders().TemplateFolder(3) + QStringLiteral("ss.png"));
    test::WriteGalleryTemplate(sandbox, 3, c.bytes);
    const GalleryScreen& screen = Show();
    EXPECT_EQ(screen.GalleryLastIndex(), 1);
    EXPECT_EQ(screen.library().Numbers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(Child(QStringLiteral("_2_2")), nullptr);
    EXPECT_EQ(Child(QStringLiteral("_r2")), nullptr);
  }
}

TEST_F(GalleryTest, ShowsTheScreenshotUnstretchedAndItsFadedFlipBelow) {
  Install({1});
  Show();
  QWidget* shot = Child(QStringLiteral("_0"));
  EXPECT_EQ(PixelOf(shot, {5, 5}), test::TemplateColour(1));
  EXPECT_EQ(PixelOf(shot, {shot->width() - 1, shot->height() - 1}), test::kLowerColour);
  // The screenshot's lower colour (100, 0, 200) flipped to the top and faded row by row.
  const struct {
    int row;
    QColor expected;
  } rows[] = {{0, {177, 127, 227}}, {10, {193, 153, 233}}, {49, {253, 252, 254}}};
  QWidget* reflection = Child(QStringLiteral("_r0"));
  for (const auto& r : rows) {
    SCOPED_TRACE(r.row);
    EXPECT_EQ(PixelOf(reflection, {7, r.row}), r.expected);
  }
}

TEST_F(GalleryTest, HoverPutsTheCheckOnTheCornerAndPreviewUnderIt) {
  Install({1, 2, 3, 4});
  GalleryScreen& screen = Show();
  for (const char* part : {"_1", "_r1"}) {
    SCOPED_TRACE(part);
    HoverOver(QString::fromLatin1(part));
    const QPoint origin = screen.ThumbnailOrigin(1);
    const QPoint check(origin.x() + 256, origin.y() - 10);
    EXPECT_TRUE(screen.hoverCheck()->isVisible());
    EXPECT_TRUE(screen.previewButton()->isVisible());
    EXPECT_EQ(InScrollBox(screen.hoverCheck()), check);
    EXPECT_EQ(InScrollBox(screen.previewButton()), QPoint(check.x() - 10, check.y() + 60));
    EXPECT_EQ(screen.previewButton()->size(), QSize(73, 20));
    MoveMouseAway();
    EXPECT_FALSE(screen.hoverCheck()->isVisible());
    EXPECT_FALSE(screen.previewButton()->isVisible());
  }
}

TEST_F(GalleryTest, MovingOntoTheCheckOrPreviewKeepsThemShown) {
  Install({1, 2});
  GalleryScreen& screen = Show();
  HoverOver(QStringLiteral("_1"));
  for (const char* marker : {"hoverCheck", "previewButton", "_1", "hoverCheck"}) {
    SCOPED_TRACE(marker);
    HoverOver(QString::fromLatin1(marker));
    EXPECT_TRUE(screen.hoverCheck()->isVisible());
    EXPECT_TRUE(screen.previewButton()->isVisible());
  }
  MoveMouseAway();
  EXPECT_FALSE(screen.hoverCheck()->isVisible());
}

TEST_F(GalleryTest, ClickSelectsAndMovesTheSelectionCheck) {
  Install({1, 2, 3, 4, 5, 6});
  GalleryScreen& screen = Show();
  QSignalSpy chosen(&screen, &GalleryScreen::selectionChanged);
  EXPECT_EQ(InScrollBox(screen.selectionCheck()), QPoint(20 + 256, 20 - 10));
  const struct {
    const char* hover;
    const char* click;
    int selected;
  } cases[] = {{"_4", "_4", 4}, {"_r2", "_r2", 2}, {"_5", "hoverCheck", 5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.click);
    HoverOver(QString::fromLatin1(c.hover));
    QTest::mouseClick(Child(QString::fromLatin1(c.click)), Qt::LeftButton, {}, kInside);
    EXPECT_EQ(screen.selectedIndex(), c.selected);
    ASSERT_FALSE(chosen.isEmpty());
    EXPECT_EQ(chosen.takeLast().at(0).toInt(), c.selected);
    const QPoint origin = screen.ThumbnailOrigin(c.selected);
    EXPECT_TRUE(screen.selectionCheck()->isVisible());
    EXPECT_EQ(InScrollBox(screen.selectionCheck()), QPoint(origin.x() + 256, origin.y() - 10));
  }
}

TEST_F(GalleryTest, ScrolledBoxPlacesTheChecksAtTheScrolledPosition) {
  Install({1, 2, 3, 4, 5, 6, 7});
  GalleryScreen& screen = Show();
  QScrollBar* bar = screen.scrollBox()->verticalScrollBar();
  ASSERT_GE(bar->maximum(), 120);
  bar->setValue(120);
  HoverOver(QStringLiteral("_3"));
  const QPoint origin = screen.ThumbnailOrigin(3);
  EXPECT_EQ(InScrollBox(screen.hoverCheck()), QPoint(origin.x() + 256, origin.y() - 120 - 10));
  EXPECT_EQ(InScrollBox(screen.selectionCheck()), QPoint(20 + 256, 20 - 120 - 10));
  screen.LayoutGallery();
  EXPECT_EQ(InScrollBox(screen.selectionCheck()), QPoint(20 + 256, 20 - 120 - 10));
}

TEST_F(GalleryTest, ArrowKeysMoveTheSelectionAndEnterGoesOn) {
  Install({1, 2, 3, 4, 5, 6, 7});
  GalleryScreen& screen = Show();
  const struct {
    Qt::Key key;
    int selected;
  } steps[] = {{Qt::Key_Right, 1}, {Qt::Key_Down, 4}, {Qt::Key_Left, 3}, {Qt::Key_Up, 0},
               {Qt::Key_Up, 0},    {Qt::Key_Left, 0}, {Qt::Key_Down, 3}, {Qt::Key_Down, 6},
               {Qt::Key_Right, 6}, {Qt::Key_Down, 6}};
  for (const auto& step : steps) {
    QTest::keyClick(&screen, step.key);
    EXPECT_EQ(screen.selectedIndex(), step.selected) << "after key " << step.key;
  }
  // The last thumbnail was scrolled into view, reflection and all.
  const QWidget* viewport = screen.scrollBox()->viewport();
  const QWidget* reflection = Child(QStringLiteral("_r6"));
  EXPECT_TRUE(viewport->rect().contains(
      QRect(reflection->mapTo(viewport, QPoint(0, 0)), reflection->size())));

  QSignalSpy next(&screen, &GalleryScreen::nextClicked);
  QSignalSpy save(&screen, &GalleryScreen::saveClicked);
  QTest::keyClick(&screen, Qt::Key_Return);
  screen.setMode(GalleryMode::ApplyTemplate);
  QTest::keyClick(&screen, Qt::Key_Enter);
  EXPECT_EQ(next.count(), 1);
  EXPECT_EQ(save.count(), 1);
}

TEST_F(GalleryTest, ModeShowsNextOrSaveAtTheScrollBoxRightEdge) {
  Install({1});
  GalleryScreen& screen = Show();
  const struct {
    QSize size;
    GalleryMode mode;
  } cases[] = {{{1100, 500}, GalleryMode::NewSite},
               {{1300, 600}, GalleryMode::ApplyTemplate},
               {{1096, 467}, GalleryMode::NewSite}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size.width());
    screen.resize(c.size);
    screen.setMode(c.mode);
    EXPECT_EQ(screen.scrollBox()->geometry(),
              QRect(8, 72, c.size.width() - 16, c.size.height() - 72));
    const bool newSite = c.mode == GalleryMode::NewSite;
    EXPECT_EQ(screen.nextButton()->isVisible(), newSite);
    EXPECT_EQ(screen.saveButton()->isVisible(), !newSite);
    const SkinnedButton* shown = newSite ? screen.nextButton() : screen.saveButton();
    EXPECT_EQ(shown->geometry().right() + 1, 8 + c.size.width() - 16);
  }
  QSignalSpy next(&screen, &GalleryScreen::nextClicked);
  screen.setMode(GalleryMode::NewSite);
  QTest::mouseClick(screen.nextButton(), Qt::LeftButton);
  EXPECT_EQ(next.count(), 1);
}

TEST_F(GalleryTest, ThirdColumnCheckStaysWholeAtTheNarrowestPanel) {
  Install({1, 2, 3, 4, 5, 6, 7});
  GalleryScreen& screen = Show();
  screen.resize(1096, 467);  // the gallery at the window's minimum size
  screen.setSelectedIndex(2);
  ASSERT_TRUE(screen.scrollBox()->verticalScrollBar()->isVisible());
  const QWidget* viewport = screen.scrollBox()->viewport();
  EXPECT_GE(viewport->width(), InScrollBox(screen.selectionCheck()).x() + 47);
}

TEST_F(GalleryTest, SelectionCheckOnlyMarksAThumbnailThatExists) {
  Install({1, 2, 3});
  GalleryScreen& screen = Show();
  screen.setSelectedIndex(2);
  EXPECT_TRUE(screen.selectionCheck()->isVisible());
  EXPECT_EQ(InScrollBox(screen.selectionCheck()), QPoint(770 + 256, 10));
  screen.setSelectedIndex(3);
  EXPECT_FALSE(screen.selectionCheck()->isVisible());
  EXPECT_EQ(screen.selectedIndex(), 3);

  // An empty library: nothing to show, nothing to select.
  for (int n : {1, 2, 3}) QDir(sandbox.folders().TemplateFolder(n)).removeRecursively();
  screen.BuildGallery();
  EXPECT_EQ(screen.GalleryLastIndex(), -1);
  EXPECT_EQ(screen.library().Count(), 0);
  screen.setSelectedIndex(0);
  EXPECT_FALSE(screen.selectionCheck()->isVisible());
  EXPECT_EQ(Child(QStringLiteral("_0")), nullptr);
}

TEST(GalleryShippedTest, BuildsEveryShippedTemplate) {
  QTemporaryDir work;
  const Folders folders =
      Folders::WithDataAndWork(test::SourceDir() + QStringLiteral("/data"), work.path());
  const TemplateLibrary shipped = TemplateLibrary::Scan(folders);
  // An empty library is a broken build, not a case to pass over.
  ASSERT_GT(shipped.Count(), 0) << "no template in " << folders.TemplatesFolder().toStdString();
  const Pictures pictures(folders.DataFolder());
  GalleryScreen screen(folders, pictures);
  screen.BuildGallery();
  screen.resize(1100, 500);
  screen.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
  EXPECT_EQ(screen.library().Numbers(), shipped.Numbers());
  for (int k = 0; k < shipped.Count(); ++k) {
    EXPECT_EQ(screen.templateNumberAt(k), shipped.NumberAt(k));
  }
  const QImage first(folders.TemplateFolder(shipped.Numbers().front()) + QStringLiteral("ss.png"));
  const QImage look = screen.grab().toImage();
  const QPoint inside = QPoint(8, 72) + screen.ThumbnailOrigin(0) + QPoint(40, 30);
  EXPECT_EQ(look.pixelColor(inside), first.pixelColor(40, 30));
  const QString keep = qEnvironmentVariable("MOXA_GALLERY_GRAB");
  if (!keep.isEmpty()) look.save(keep);
}

}  // namespace
}  // namespace moxa
