// Picking a region of the page in the editor by pointing at it: the regions
// measured at every load, the highlight over the one under the mouse, and
// the tracking that runs only while the page is in front of the user.
#include <QComboBox>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>
#include <QWheelEvent>
#include <functional>
#include <set>
#include <string>

#include "app/dialogs/DialogLayer.h"
#include "app/dialogs/LayerDialog.h"
#include "app/dialogs/PageDialogs.h"
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "app/editor/RegionHighlight.h"
#include "app/editor/RegionTracker.h"
#include "app/gallery/PreviewPanel.h"
#include "app/pagemanager/PageActions.h"
#include "app/shell/MainWindow.h"
#include "app/shell/SkinnedButton.h"
#include "pages/Regions.h"
#include "support/TestSupport.h"
#include "support/gui/Eventually.h"
#include "support/gui/PageScript.h"
#include "support/gui/WindowFixture.h"

namespace moxa {
namespace {

// Region 1 inside two positioned boxes (its offsets add up to 50, 50), region
// 3 named in capitals, 10 pixels high and half the page wide, region 5 far
// down, and a region 6, which is never looked for.
const char kTestPage[] = R"(<!DOCTYPE html><html><head><style>
body { margin: 0; font: 16px sans-serif; }
#outer { position: absolute; left: 40px; top: 30px; }
#inner { position: relative; left: 10px; top: 20px; }
.box { position: absolute; }
</style></head><body>
<div id="outer"><div id="inner">
<div id="moxadiv1" style="width: 300px; height: 100px">One</div>
</div></div>
<div id="MOXADIV3" class="box" style="left: 50px; top: 300px; width: 50%; height: 10px"></div>
<div id="moxadiv5" class="box" style="left: 0; top: 1200px; width: 200px; height: 80px">Five</div>
<div id="moxadiv6" class="box" style="left: 0; top: 1400px; width: 200px; height: 80px">Six</div>
<div style="height: 3000px"></div>
</body></html>)";

std::string Text(const QRect& r) {
  return QStringLiteral("(%1, %2) %3 x %4")
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height())
      .toStdString();
}

using test::Eventually;

class RegionTrackerTest : public test::WindowFixture {
 protected:
  EditorScreen* Editor() const { return window->editorScreen(); }
  QWebEngineView* Browser() const { return Editor()->browser(); }
  RegionTracker* Tracker() const { return window->editorController()->regionTracker(); }
  RegionHighlight* Highlight() const { return Tracker()->highlight(); }

  // The site's editor with the test page as its working copy, measured.
  void ShowTestPage() {
    ASSERT_NO_FATAL_FAILURE(CreateSite());
    // The new site's home page first, so no load of it is still on its way.
    ASSERT_TRUE(Eventually([&] { return !Tracker()->regions().empty(); }, 20000));
    test::WriteBytes(window->folders().WorkingCopyFile(), kTestPage);
    ASSERT_NO_FATAL_FAILURE(Reload());
    ASSERT_EQ(Tracker()->regions().size(), 3u);
  }
  // Loads the working copy again and waits until its regions are measured.
  void Reload() {
    ASSERT_NO_FATAL_FAILURE(
        LoadAndScan([this] { Editor()->ShowWorkingCopy(window->folders().WorkingCopyFile()); }));
  }
  // Starts a load with `load` and waits for its end and then for the scan
  // made after it. A scan reported before the load ended may still be the
  // previous page's (a measurement made again after a change of layout).
  void LoadAndScan(const std::function<void()>& load) {
    QSignalSpy loaded(Browser(), &QWebEngineView::loadFinished);
    load();
    ASSERT_TRUE(loaded.wait(20000));
    ASSERT_TRUE(loaded.first().first().toBool());
    QSignalSpy scanned(Tracker(), &RegionTracker::regionsScanned);
    ASSERT_TRUE(scanned.wait(20000));
  }
  // Waits until the tracker has looked at the mouse at least once more.
  void WaitForAHoverTick() {
    auto* tick = Tracker()->findChild<QTimer*>(QStringLiteral("hoverTick"));
    ASSERT_NE(tick, nullptr);
    ASSERT_TRUE(tick->isActive());
    QSignalSpy ticked(tick, &QTimer::timeout);
    ASSERT_TRUE(ticked.wait(5000));
  }
  // The page's own scroll offset, asked after everything sent to it before.
  int PageScrollY() const {
    const QVariant y = test::EvaluateScript(Browser()->page(), QStringLiteral("window.scrollY"));
    return y.isValid() ? y.toInt() : -1;
  }
  // The mouse at `point` of the browser.
  void PointAt(QPoint point) { QTest::mouseMove(Browser(), point); }
  // Where the highlight over `region` belongs: its parent holds the browser at (0, 0).
  QRect FrameOf(const EditorRegion& region, int scrollY = 0) const {
    return QRect(region.Left - 4, region.Top - 4 - scrollY, region.Right - region.Left + 4,
                 std::max(region.Bottom - region.Top + 10, 28));
  }
  void ScrollTo(int y) {
    Browser()->page()->runJavaScript(QStringLiteral("window.scrollTo(0, %1);").arg(y));
    ASSERT_TRUE(Eventually([&] { return Tracker()->ScrollOffset() == y; }, 10000))
        << Tracker()->ScrollOffset();
  }
};

TEST_F(RegionTrackerTest, TheTemplatePagesRegionsAreMeasuredAndTracked) {
  ASSERT_NO_FATAL_FAILURE(CreateSite());
  std::set<int> marked;
  for (const RegionSpan& span : FindRegions(WorkFile(QStringLiteral("editpage_.html")))) {
    marked.insert(span.Number);
  }
  ASSERT_FALSE(marked.empty());
  ASSERT_TRUE(Eventually([&] { return Tracker()->regions().size() == marked.size(); }, 20000))
      << Tracker()->regions().size();
  auto number = marked.begin();
  for (const EditorRegion& region : Tracker()->regions()) {
    SCOPED_TRACE(region.Number);
    EXPECT_EQ(region.Number, *number++);
    EXPECT_GT(region.Right, region.Left);
    EXPECT_GT(region.Bottom, region.Top);
  }
  EXPECT_TRUE(Tracker()->tracking());
  EXPECT_EQ(Tracker()->hoverRegionIndex(), -1);
}

TEST_F(RegionTrackerTest, TheHighlightFramesTheRegionUnderTheMouse) {
  ASSERT_NO_FATAL_FAILURE(ShowTestPage());
  const std::vector<EditorRegion>& regions = Tracker()->regions();
  EXPECT_EQ(regions[0], (EditorRegion{50, 50, 350, 150, 1}));
  EXPECT_EQ(regions[1].Number, 3);
  EXPECT_EQ(regions[1].Bottom - regions[1].Top, 10);
  EXPECT_EQ(regions[2], (EditorRegion{0, 1200, 200, 1280, 5}));
  ASSERT_TRUE(Tracker()->tracking());

  PointAt({200, 100});
  ASSERT_TRUE(Eventually([&] { return Highlight()->isVisible(); }));
  EXPECT_EQ(Text(Highlight()->geometry()), Text(QRect(46, 46, 304, 110)));
  EXPECT_EQ(Tracker()->hoverRegionIndex(), 0);
  EXPECT_EQ(Tracker()->hoverRegionNumber(), 1);
  EXPECT_EQ(Highlight()->cursor().shape(), Qt::PointingHandCursor);

  // A region 10 pixels high gets a frame high enough for its badge.
  PointAt({regions[1].Left + 20, regions[1].Top + 5});
  ASSERT_TRUE(Eventually([&] { return Tracker()->hoverRegionIndex() == 1; }));
  EXPECT_EQ(Text(Highlight()->geometry()), Text(FrameOf(regions[1])));
  EXPECT_EQ(Highlight()->height(), 28);

  // Off every region: no frame, and the keyboard goes back to the page.
  Editor()->pageSelector()->setFocus(Qt::OtherFocusReason);
  PointAt({20, 20});
  ASSERT_TRUE(Eventually([&] { return Highlight()->isHidden(); }));
  EXPECT_EQ(Tracker()->hoverRegionIndex(), -1);
  EXPECT_TRUE(Browser()->hasFocus());

  // Nothing follows the mouse while the page selector's list is open.
  Editor()->pageSelector()->showPopup();
  PointAt({200, 100});
  ASSERT_NO_FATAL_FAILURE(WaitForAHoverTick());
  EXPECT_TRUE(Highlight()->isHidden());
  Editor()->pageSelector()->hidePopup();
  ASSERT_TRUE(Eventually([&] { return Highlight()->isVisible(); }));

  QSignalSpy clicked(Tracker(), &RegionTracker::regionClicked);
  QTest::mouseClick(Highlight(), Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(clicked.count(), 1);
}

TEST_F(RegionTrackerTest, TheHighlightFollowsScrollingAndPassesTheWheelOn) {
  ASSERT_NO_FATAL_FAILURE(ShowTestPage());
  const EditorRegion one = Tracker()->regions()[0];
  PointAt({200, 100});
  ASSERT_TRUE(Eventually([&] { return Highlight()->geometry() == FrameOf(one); }))
      << Text(Highlight()->geometry());

  // Still over region 1: the frame moves up with it.
  ASSERT_NO_FATAL_FAILURE(ScrollTo(30));
  ASSERT_TRUE(Eventually([&] { return Highlight()->geometry() == FrameOf(one, 30); }))
      << Text(Highlight()->geometry());
  // Region 1 scrolled away from under the mouse: the frame goes.
  ASSERT_NO_FATAL_FAILURE(ScrollTo(90));
  ASSERT_TRUE(Eventually([&] { return Highlight()->isHidden(); }));
  ASSERT_NO_FATAL_FAILURE(ScrollTo(0));
  ASSERT_TRUE(Eventually([&] { return Highlight()->isVisible(); }));

  // The wheel turned over the frame scrolls the page below it.
  const QPointF at(30, 30);
  QWheelEvent wheel(at, Highlight()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(Highlight(), &wheel);
  ASSERT_TRUE(Eventually([&] { return Tracker()->ScrollOffset() > 0; }, 10000));
}

// The page measures in its own pixels; zoomed, they are larger on screen.
TEST_F(RegionTrackerTest, AZoomedPageIsFramedWhereItShows) {
  ASSERT_NO_FATAL_FAILURE(ShowTestPage());
  Browser()->page()->setZoomFactor(2.0);
  ASSERT_NO_FATAL_FAILURE(ScrollTo(20));
  // Region 1, (50, 50) to (350, 150) in the page, from (60, 60) on screen.
  PointAt({400, 150});
  const QRect frame(100 - 4, 60 - 4, 600 + 4, 200 + 10);
  ASSERT_TRUE(Eventually([&] { return Highlight()->geometry() == frame; }))
      << Text(Highlight()->geometry());
  PointAt({20, 20});
  ASSERT_TRUE(Eventually([&] { return Highlight()->isHidden(); }));
}

TEST_F(RegionTrackerTest, ResizingTheWindowMeasuresTheRegionsAgain) {
  ASSERT_NO_FATAL_FAILURE(ShowTestPage());
  const int halfWidth = Tracker()->regions()[1].Right - Tracker()->regions()[1].Left;
  ASSERT_GT(halfWidth, 100);
  window->resize(window->width() + 200, window->height());
  const auto width = [this] {
    return Tracker()->regions()[1].Right - Tracker()->regions()[1].Left;
  };
  ASSERT_TRUE(Eventually([&] { return width() == halfWidth + 100; }, 10000)) << width();
  PointAt({Tracker()->regions()[1].Right - 10, Tracker()->regions()[1].Top + 5});
  const QRect frame = FrameOf(Tracker()->regions()[1]);
  ASSERT_TRUE(Eventually([&] { return Highlight()->geometry() == frame; }))
      << Text(Highlight()->geometry());
}

TEST_F(RegionTrackerTest, APendingScrollOffsetIsAppliedOnceAtTheNextLoad) {
  ASSERT_NO_FATAL_FAILURE(ShowTestPage());
  Tracker()->SetPendingScrollOffset(700);
  ASSERT_NO_FATAL_FAILURE(Reload());
  ASSERT_TRUE(Eventually([&] { return Tracker()->ScrollOffset() == 700; }, 10000))
      << Tracker()->ScrollOffset();
  EXPECT_EQ(Tracker()->pendingScrollOffset(), 0);
  ASSERT_NO_FATAL_FAILURE(Reload());
  // A second scroll would have been sent before the scan was reported, so
  // the page has made it by the time it answers.
  EXPECT_EQ(PageScrollY(), 0);
  EXPECT_TRUE(Eventually([&] { return Tracker()->ScrollOffset() == 0; }, 10000))
      << Tracker()->ScrollOffset();
}

TEST_F(RegionTrackerTest, TrackingRunsOnlyWhileThePageIsInFront) {
  ASSERT_NO_FATAL_FAILURE(ShowTestPage());
  ASSERT_TRUE(Tracker()->tracking());
  PointAt({200, 100});
  ASSERT_TRUE(Eventually([&] { return Highlight()->isVisible(); }));

  // A dialog over the page: the region marked stays, for its edit.
  Editor()->pagePropertiesAction()->trigger();
  ASSERT_TRUE(window->dialogLayer()->isVisible());
  EXPECT_FALSE(Tracker()->tracking());
  EXPECT_TRUE(Highlight()->isHidden());
  EXPECT_EQ(Tracker()->hoverRegionIndex(), 0);
  emit window->pageActions()->propertiesDialog()->cancelled();
  EXPECT_TRUE(Tracker()->tracking());
  ASSERT_TRUE(Eventually([&] { return Highlight()->isVisible(); }));

  QTest::mouseClick(Editor()->previewButton(), Qt::LeftButton);
  ASSERT_TRUE(window->editorController()->previewPanel()->isVisible());
  EXPECT_FALSE(Tracker()->tracking());
  QTest::mouseClick(window->editorController()->previewPanel()->backLink(), Qt::LeftButton);
  EXPECT_TRUE(Tracker()->tracking());

  // Another screen: no tracking, and a load while it shows does not start it.
  QTest::mouseClick(window->tab(4), Qt::LeftButton);
  EXPECT_FALSE(Tracker()->tracking());
  ASSERT_NO_FATAL_FAILURE(Reload());
  EXPECT_FALSE(Tracker()->tracking());
}

// A document that is not HTML has no body to search: no region, no
// message, and the load neither starts the tracking nor uses up the
// pending scroll offset.
TEST_F(RegionTrackerTest, ADocumentWithoutABodyGivesNoRegionAndChangesNothing) {
  ASSERT_NO_FATAL_FAILURE(ShowTestPage());
  const QString picture = temp.filePath(QStringLiteral("moxadiv1.svg"));
  test::WriteBytes(picture, R"(<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300">
<rect id="moxadiv1" x="10" y="10" width="300" height="200" fill="teal"/></svg>)");
  Tracker()->StopTracking();
  Tracker()->SetPendingScrollOffset(50);
  ASSERT_NO_FATAL_FAILURE(LoadAndScan([&] { Browser()->setUrl(QUrl::fromLocalFile(picture)); }));
  ASSERT_EQ(Browser()->url(), QUrl::fromLocalFile(picture));
  EXPECT_TRUE(Tracker()->regions().empty());
  EXPECT_FALSE(Tracker()->tracking());
  EXPECT_EQ(Tracker()->pendingScrollOffset(), 50);
  EXPECT_TRUE(errors.isEmpty());
}

}  // namespace
}  // namespace moxa
