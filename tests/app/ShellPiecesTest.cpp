#include "app/dialogs/DialogLayer.h"
#include "app/editor/EditorSession.h"
#include "app/shell/ShellLayout.h"
#include "app/shell/Splash.h"
#include "app/shell/WindowPlacement.h"
#include "platform/SettingsStore.h"
#include "site/TextFiles.h"
#include "support/Sandbox.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(ShellLayoutTest, MinimumWindowOnAnInnerScreen) {
  const ShellGeometry g = ComputeShellLayout({1000, 500}, Screen::Editor, {560, 190}, {25, 23});
  EXPECT_EQ(g.window, QSize(1156, 610));
  EXPECT_EQ(g.frame, QRect(30, 127, 1096, 610 - 127 - 16 - 8));
  EXPECT_EQ(g.strip, QRect(578 - 470, 127 + 459, 941, 16));
  EXPECT_EQ(g.leftPiece, QRect(31, 586, 77, 16));
  EXPECT_EQ(g.rightPiece, QRect(30 + 1096 - 77 - 1, 586, 77, 16));
  EXPECT_TRUE(g.piecesVisible);
  EXPECT_EQ(g.screenPanel, QRect(30, 127, 1096, 459 - 16));
  EXPECT_EQ(g.tabs[0], QRect(30, 92, 121, 35));
  EXPECT_EQ(g.tabs[4], QRect(514, 92, 121, 35));
  EXPECT_EQ(g.minimise.topLeft(), QPoint(1156 - 122, 8));
  EXPECT_EQ(g.maximise.topLeft(), QPoint(1156 - 81, 8));
  EXPECT_EQ(g.close.topLeft(), QPoint(1156 - 40, 8));
  EXPECT_EQ(g.stepIndicator.topLeft(), QPoint(1156 - 262, 37));
  EXPECT_EQ(g.headerArt.topLeft(), QPoint(1156 - 410, 20));
  EXPECT_EQ(g.grip.topLeft(), QPoint(1156 - 20, 610 - 20));
  EXPECT_EQ(g.corners[3].topLeft(), QPoint(1156 - 8, 610 - 8));
  EXPECT_EQ(g.borderBottom, QRect(0, 608, 1156, 1));
  EXPECT_EQ(g.borderRight, QRect(1154, 0, 1, 610));
}

TEST(ShellLayoutTest, LargerWindowOnTheStartScreen) {
  const ShellGeometry g = ComputeShellLayout({1600, 900}, Screen::Start, {560, 190}, {25, 23});
  EXPECT_EQ(g.window, QSize(1600, 900));
  EXPECT_EQ(g.frame, QRect(800 - 470, 253, 941, 340));
  EXPECT_EQ(g.strip.topLeft(), QPoint(330, 593));
  EXPECT_FALSE(g.piecesVisible);
  EXPECT_EQ(g.startPanel.topLeft(), QPoint(800 - 280 + 100, 253 + 80));
  EXPECT_EQ(g.startClose.topLeft(), QPoint(330 + 941 - 25 - 10, 263));
  EXPECT_EQ(g.banner.topLeft(), QPoint(330, 142));
  EXPECT_EQ(g.close.topLeft(), QPoint(1560, 8));
}

TEST(SplashTest, FadeInTakesEightyFiveStepsEndingAtFullOpacity) {
  const std::vector<int> steps = SplashFadeSteps();
  ASSERT_EQ(steps.size(), 85u);
  EXPECT_EQ(steps.front(), 8);
  EXPECT_EQ(steps.back(), 255);
  for (size_t i = 1; i < steps.size(); ++i) EXPECT_GT(steps[i], steps[i - 1]);
}

TEST(SplashTest, ShowsFadesAndClosesOnAKey) {
  QPixmap picture(40, 30);
  picture.fill(Qt::transparent);
  auto* splash = new Splash(picture);
  QPointer<Splash> alive(splash);
  EXPECT_EQ(splash->ShowAndFadeIn(), 85);
  EXPECT_EQ(splash->opacityStep(), 255);
  QTest::keyClick(splash, Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
}

TEST(DialogLayerTest, SnapshotIsHalfBrightness) {
  QImage image(2, 1, QImage::Format_RGB32);
  image.setPixelColor(0, 0, Qt::white);
  image.setPixelColor(1, 0, QColor(10, 101, 200));
  const QImage dark = DarkenSnapshot(image);
  EXPECT_EQ(dark.pixelColor(0, 0), QColor(127, 127, 127));
  EXPECT_EQ(dark.pixelColor(1, 0), QColor(5, 50, 100));
}

TEST(DialogLayerTest, LayerCoversTheWindowUnlessBlocked) {
  QWidget window;
  window.resize(400, 300);
  window.setStyleSheet(QStringLiteral("background: white;"));
  window.show();
  const Pictures pictures(QStringLiteral("/nonexistent/"));
  DialogLayer layer(pictures, &window);
  bool blocked = true;
  layer.setBlocked([&blocked] { return blocked; });
  QWidget dialog;
  dialog.resize(100, 50);
  layer.ShowDialog(&dialog);
  EXPECT_FALSE(layer.isVisible());

  blocked = false;
  layer.ShowDialog(&dialog);
  EXPECT_TRUE(layer.isVisible());
  EXPECT_EQ(layer.geometry(), QRect(0, 0, 400, 300));
  EXPECT_EQ(dialog.pos(), QPoint(150, 125));
  EXPECT_EQ(layer.background().pixelColor(10, 10), QColor(127, 127, 127));
  layer.CloseDialogLayer();
  EXPECT_FALSE(layer.isVisible());

  blocked = true;  // a job's busy overlay is never refused
  layer.ShowBusyOverlay(QStringLiteral("Loading"));
  EXPECT_TRUE(layer.busy());
  EXPECT_EQ(layer.busyCaption(), "Loading");
  layer.HideBusyOverlay();
  EXPECT_FALSE(layer.isVisible());
}

class EditorSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"index", "other"}) {
      TSitePage page;
      page.FileName = QString::fromUtf8(name);
      site.AppendPage(page);
      sandbox.WriteWorkFile(page.FileName + QStringLiteral(".html"),
                            "<a href=\"x.html\">" + QByteArray(name) + "</a>\r\n");
    }
  }
  void EditWorkingCopy(const QByteArray& text) {
    sandbox.WriteWorkFile(QStringLiteral("editpage_.html"), text);
    session.MarkModified();
  }

  test::Sandbox sandbox;
  Site site;
  EditorSession session{site, sandbox.folders()};
};

TEST_F(EditorSessionTest, SaveWritesThePageAndIgnoresASecondSaveWhileConfirming) {
  ASSERT_TRUE(session.Open(QStringLiteral("index")));
  EditWorkingCopy("<a href=\"#x.html\">first edit</a>\r\n");
  EXPECT_EQ(session.Save(), EditorSession::SaveResult::Saved);
  EXPECT_TRUE(session.SaveBusy());
  EXPECT_FALSE(session.PageModified());
  EXPECT_EQ(sandbox.WorkFile(QStringLiteral("index.html")), "<a href=\"x.html\">first edit</a>\r\n");

  EditWorkingCopy("second edit\r\n");
  EXPECT_EQ(session.Save(), EditorSession::SaveResult::Ignored);
  EXPECT_TRUE(session.PageModified());
  // The prompt's answer is honoured even now.
  EXPECT_EQ(session.Save(true), EditorSession::SaveResult::Saved);
  EXPECT_EQ(sandbox.WorkFile(QStringLiteral("index.html")), "second edit\r\n");

  QSignalSpy confirmed(&session, &EditorSession::saveConfirmed);
  EXPECT_TRUE(confirmed.wait(EditorSession::kConfirmationMilliseconds + 2000));
  EXPECT_FALSE(session.SaveBusy());
}

TEST_F(EditorSessionTest, FailedSaveKeepsTheChanges) {
  ASSERT_TRUE(session.Open(QStringLiteral("index")));
  EditWorkingCopy("edit\r\n");
  QFile::remove(sandbox.folders().PageFile(QStringLiteral("index")));
  QDir().mkdir(sandbox.folders().PageFile(QStringLiteral("index")));  // a folder in the way
  EXPECT_EQ(session.Save(), EditorSession::SaveResult::Failed);
  EXPECT_TRUE(session.PageModified());
  EXPECT_FALSE(session.SaveBusy());
}

TEST_F(EditorSessionTest, SwitchWaitsForAnAnswerOnlyWhenModified) {
  ASSERT_TRUE(session.Open(QStringLiteral("index")));
  EXPECT_FALSE(session.SwitchNeedsAnswer(QStringLiteral("other")));
  session.MarkModified();
  EXPECT_TRUE(session.SwitchNeedsAnswer(QStringLiteral("other")));
  EXPECT_EQ(session.PendingPageSwitch(), "other");
  EXPECT_TRUE(session.CompletePendingSwitch());
  EXPECT_EQ(site.OpenPageFileName, "other");
  EXPECT_FALSE(session.PageModified());
  EXPECT_TRUE(session.PendingPageSwitch().isEmpty());
}

}  // namespace
}  // namespace moxa

#include "app/shell/Animations.h"

namespace moxa {
namespace {

TEST(AnimationsTest, NoticeRisesFromTheFrameBottomAndGoesAgain) {
  QWidget window;
  window.resize(800, 600);
  window.show();
  QWidget panel(&window);
  panel.resize(260, 10);
  const QRect frame(20, 100, 700, 400);
  SlideNoticeIn(&panel, frame);
  EXPECT_EQ(panel.geometry(), QRect(20, 500 - 112, 260, 112));
  EXPECT_TRUE(panel.isVisible());
  SlideNoticeOut(&panel, frame);
  EXPECT_FALSE(panel.isVisible());
  EXPECT_EQ(panel.geometry().bottom(), 499);
}

}  // namespace
}  // namespace moxa

namespace moxa {
namespace {

TEST(WindowPlacementTest, ABoundsIsFittedOntoTheScreenAndNeverBelowTheMinimum) {
  const QRect screen(0, 0, 1920, 1040);
  const QSize minimum(1156, 610);
  const struct {
    const char* name;
    QRect stored;
    QRect expected;
  } cases[] = {
      {"as it was", QRect(100, 80, 1300, 700), QRect(100, 80, 1300, 700)},
      {"too small", QRect(100, 80, 400, 300), QRect(100, 80, 1156, 610)},
      {"on a screen that is gone", QRect(2500, 1500, 1300, 700), QRect(620, 340, 1300, 700)},
      {"partly above and left", QRect(-200, -50, 1300, 700), QRect(0, 0, 1300, 700)},
      {"larger than the screen", QRect(10, 10, 2500, 1500), QRect(0, 0, 1920, 1040)},
  };
  for (const auto& c : cases) EXPECT_EQ(FitOnScreen(c.stored, screen, minimum), c.expected) << c.name;
}

TEST(WindowPlacementTest, APlacementIsReadBackOnlyWhenStoredWhole) {
  QTemporaryDir dir;
  SettingsStore store(dir.filePath(QStringLiteral("s.conf")));
  EXPECT_EQ(ReadWindowPlacement(store), std::nullopt);
  const WindowPlacement placement{QRect(-10, 20, 1300, 700), true};
  WriteWindowPlacement(placement, store);
  EXPECT_EQ(ReadWindowPlacement(store), placement);
  store.WriteSetting(QStringLiteral("WindowWidth"), QStringLiteral("wide"));
  EXPECT_EQ(ReadWindowPlacement(store), std::nullopt);
}

}  // namespace
}  // namespace moxa
