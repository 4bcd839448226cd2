#include "app/dialogs/DialogLayer.h"
#include "app/dialogs/LayerDialog.h"
#include "app/editor/EditorSession.h"
#include "app/shell/ShellLayout.h"
#include "app/shell/Splash.h"
#include "app/shell/WindowPlacement.h"
#include "app/shell/Worker.h"
#include "platform/SettingsStore.h"
#include "site/TextFiles.h"
#include "support/Sandbox.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

namespace moxa {
namespace {

// A window below the minimum is laid out at the minimum.
TEST(ShellLayoutTest, NeverSmallerThanTheMinimum) {
  for (const QSize asked : {QSize(1000, 500), QSize(1000, 700), QSize(1200, 300)}) {
    const ShellGeometry g = ComputeShellLayout(asked, Screen::Editor, {560, 190}, {25, 23});
    EXPECT_EQ(g.window, QSize(std::max(asked.width(), 1156), std::max(asked.height(), 610)));
  }
}

// How the pieces of the window stand to each other, at the smallest window
// and a larger one, on the start screen and on every inner screen.
class ShellLayoutRelations : public ::testing::TestWithParam<std::tuple<QSize, Screen>> {
 protected:
  static bool Inside(const QRect& inner, const QRect& outer) { return outer.contains(inner); }
  static bool LeftOf(const QRect& a, const QRect& b) { return a.right() < b.left(); }
  static bool Above(const QRect& a, const QRect& b) { return a.bottom() < b.top(); }
  static int Middle(const QRect& r) { return r.left() + r.width() / 2; }
};

TEST_P(ShellLayoutRelations, PiecesStandInsideBesideAndClearOfEachOther) {
  const auto [size, screen] = GetParam();
  const ShellGeometry g = ComputeShellLayout(size, screen, {560, 190}, {25, 23});
  const QRect window(QPoint(0, 0), g.window);
  ASSERT_EQ(g.window, size);

  // The header: logo left, tabs on the body's top edge in a row, the step
  // indicator (whose picture hangs over the body's edge) and the caption
  // buttons to the right.
  EXPECT_TRUE(Inside(g.logo, g.headerBand));
  EXPECT_TRUE(g.headerBand.contains(g.stepIndicator.topLeft()));
  EXPECT_TRUE(Inside(g.stepIndicator, window));
  for (size_t t = 0; t < g.tabs.size(); ++t) {
    SCOPED_TRACE(t);
    EXPECT_TRUE(Inside(g.tabs[t], g.headerBand));
    EXPECT_EQ(g.tabs[t].bottom() + 1, g.body.top());
    if (t > 0) {
      EXPECT_EQ(g.tabs[t].top(), g.tabs[0].top());
      EXPECT_EQ(g.tabs[t - 1].right() + 1, g.tabs[t].left());
    }
  }
  EXPECT_TRUE(Above(g.logo, g.tabs[0]));
  EXPECT_TRUE(LeftOf(g.tabs[4], g.stepIndicator));
  EXPECT_TRUE(LeftOf(g.tabs[4], g.headerArt));
  EXPECT_EQ(g.headerArt.bottom() + 1, g.body.top());
  EXPECT_TRUE(LeftOf(g.minimise, g.maximise));
  EXPECT_TRUE(LeftOf(g.maximise, g.close));
  EXPECT_EQ(g.minimise.top(), g.close.top());
  EXPECT_TRUE(Inside(g.close, g.headerBand));
  EXPECT_TRUE(Above(g.close, g.stepIndicator));

  // The content frame in the body, its bottom strip right under it.
  EXPECT_TRUE(Inside(g.frame, g.body));
  EXPECT_EQ(g.strip.top(), g.frame.bottom() + 1);
  EXPECT_TRUE(Inside(g.strip, window));
  EXPECT_LE(std::abs(Middle(g.frame) - Middle(window)), 1);
  EXPECT_LE(std::abs(Middle(g.strip) - Middle(window)), 1);
  if (screen == Screen::Start) {
    EXPECT_FALSE(g.piecesVisible);
    EXPECT_TRUE(Inside(g.startPanel, g.frame));
    EXPECT_TRUE(Inside(g.startClose, g.frame));
    EXPECT_TRUE(Above(g.startClose, g.startPanel));
    EXPECT_TRUE(Above(g.banner, g.frame));
    EXPECT_TRUE(Inside(g.banner, g.body));
  } else {
    // The screen's panel fills the frame above the strip; the side pieces
    // fill the strip's row beside it without covering it.
    EXPECT_EQ(g.screenPanel.topLeft(), g.frame.topLeft());
    EXPECT_EQ(g.screenPanel.width(), g.frame.width());
    EXPECT_TRUE(Inside(g.screenPanel, g.frame));
    EXPECT_TRUE(Above(g.screenPanel, g.strip));
    EXPECT_TRUE(g.piecesVisible);
    EXPECT_TRUE(LeftOf(g.leftPiece, g.strip));
    EXPECT_FALSE(g.rightPiece.intersects(g.leftPiece));
    for (const QRect& piece : {g.leftPiece, g.rightPiece}) {
      EXPECT_EQ(piece.top(), g.strip.top());
      EXPECT_EQ(piece.height(), g.strip.height());
      EXPECT_GE(piece.left(), g.frame.left());
      EXPECT_LE(piece.right(), g.frame.right());
    }
    // The right piece may share the strip's last column (widths are halved).
    EXPECT_GE(g.rightPiece.left(), g.strip.right());
    EXPECT_TRUE(Above(g.strip, g.borderBottom));
  }

  // The edges: borders on the window's sides, a corner in each corner, the
  // grip inside the bottom-right one's reach, nothing outside the window.
  EXPECT_EQ(g.borderLeft.left(), 0);
  EXPECT_EQ(g.borderTop.top(), 0);
  EXPECT_EQ(g.borderTop.width(), window.width());
  EXPECT_EQ(g.borderLeft.height(), window.height());
  EXPECT_TRUE(Inside(g.borderRight, window));
  EXPECT_TRUE(Inside(g.borderBottom, window));
  EXPECT_GE(g.borderRight.left(), window.right() - 2);
  EXPECT_GE(g.borderBottom.top(), window.bottom() - 2);
  for (const QRect& corner : g.corners) EXPECT_TRUE(Inside(corner, window));
  EXPECT_EQ(g.corners[0].topLeft(), QPoint(0, 0));
  EXPECT_EQ(g.corners[1].top(), 0);
  EXPECT_EQ(g.corners[2].left(), 0);
  EXPECT_EQ(g.corners[1].right(), g.corners[3].right());
  EXPECT_EQ(g.corners[2].bottom(), g.corners[3].bottom());
  EXPECT_GE(g.corners[3].right(), window.right() - 2);
  EXPECT_GE(g.corners[3].bottom(), window.bottom() - 2);
  EXPECT_TRUE(Inside(g.grip, window));
  EXPECT_TRUE(LeftOf(g.frame, g.borderRight));
  EXPECT_FALSE(g.grip.intersects(g.corners[3]));
  EXPECT_TRUE(LeftOf(g.strip, g.grip) || Above(g.strip, g.grip));
}

INSTANTIATE_TEST_SUITE_P(
    MinimumAndLarger, ShellLayoutRelations,
    ::testing::Combine(::testing::Values(QSize(1156, 610), QSize(1600, 900)),
                       ::testing::Values(Screen::Start, Screen::Gallery, Screen::Editor,
                                         Screen::PageManager, Screen::Account, Screen::Publish)));

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

// The "Cancel" link, and the prompt's longer "Don't Save", stand whole
// inside their frame and clear of the OK button, on every dialog.
TEST(LayerDialogTest, CancelLinkIsFullyVisibleBesideOk) {
  const Pictures pictures(test::SourceDir() + QStringLiteral("/data/"));
  const struct {
    const char* dialog;
    LayerDialog::Placement placement;
  } dialogs[] = {{"save prompt", SavePromptPlacement()}, {"add", AddPagePlacement()},
                 {"save as", SavePageAsPlacement()},     {"rename", RenamePagePlacement()},
                 {"properties", PagePropertiesPlacement()}, {"delete", DeletePagePlacement()}};
  for (const auto& d : dialogs) {
    for (const char* text : {"Don't Save", "Cancel", "Don't Save"}) {
      SCOPED_TRACE(std::string(d.dialog) + " / " + text);
      LayerDialog dialog(pictures, d.placement);
      dialog.setCancelText(QString::fromUtf8(text));
      dialog.show();
      auto* link = dialog.findChild<QLabel*>(QStringLiteral("cancelLink"));
      ASSERT_NE(link, nullptr);
      const QRect ok = dialog.okButton()->geometry();
      EXPECT_TRUE(link->text().contains(QString::fromUtf8(text)));
      EXPECT_GE(link->width(), link->sizeHint().width());
      EXPECT_GE(link->height(), link->sizeHint().height());
      EXPECT_TRUE(dialog.rect().contains(link->geometry()));
      EXPECT_FALSE(link->geometry().intersects(ok));
      EXPECT_LT(link->geometry().right(), ok.left());
      // On the OK button's line.
      EXPECT_TRUE(link->geometry().top() <= ok.bottom() && ok.top() <= link->geometry().bottom());
    }
  }
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
  SettingsStore store;
  EditorSession session{site, sandbox.folders(), [this] { return &store; }};
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

TEST_F(EditorSessionTest, DiscardPutsThePageFileBackIntoTheWorkingCopy) {
  ASSERT_TRUE(session.Open(QStringLiteral("other")));
  EditWorkingCopy("dropped\r\n");
  EXPECT_TRUE(session.Discard());
  EXPECT_FALSE(session.PageModified());
  EXPECT_EQ(sandbox.WorkFile(QStringLiteral("editpage_.html")), "<a href=\"#x.html\">other</a>\r\n");
  EXPECT_EQ(sandbox.WorkFile(QStringLiteral("other.html")), "<a href=\"x.html\">other</a>\r\n");
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

TEST(WorkerTest, WaitingForAWorkerKeepsTheWindowsEventsFlowing) {
  // The work goes on until the window's timer has fired, which it can only
  // do while the wait runs the window's events.
  QSemaphore timerFired;
  const QObject thisTest;  // a timer still due after the test must not fire
  QTimer::singleShot(0, &thisTest, [&timerFired] { timerFired.release(); });
  const QThread* caller = QThread::currentThread();
  struct Seen {
    bool elsewhere = false;
    bool timerFired = false;
  };
  const Seen seen = WaitForWorker<Seen>([caller, &timerFired] {
    return Seen{QThread::currentThread() != caller, timerFired.tryAcquire(1, 20000)};
  });
  EXPECT_TRUE(seen.elsewhere);
  EXPECT_TRUE(seen.timerFired) << "the wait ran the window's timers, so it repainted too";
}

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
