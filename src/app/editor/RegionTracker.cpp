#include "app/editor/RegionTracker.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include "app/editor/RegionHighlight.h"
#include "editor/RegionHover.h"
#include "editor/RegionScan.h"

namespace moxa {
namespace {

constexpr int kTickMilliseconds = 10;
// A burst of size or layout changes is measured once, after it settles.
constexpr int kMeasureAgainMilliseconds = 100;

}  // namespace

RegionTracker::RegionTracker(QWebEngineView& browser, const QComboBox& pageSelector,
                             const Pictures& pictures, QObject* parent)
    : QObject(parent), browser_(browser), selector_(pageSelector) {
  // Over the browser, inside its parent: the screen's other pieces (the
  // site preview) cover it as they cover the browser.
  highlight_ =
      new RegionHighlight(pictures, browser.parentWidget() ? browser.parentWidget() : &browser);
  highlight_->setWheelTarget(&browser);
  connect(highlight_, &RegionHighlight::clicked, this, &RegionTracker::regionClicked);

  timer_.setObjectName(QStringLiteral("hoverTick"));
  timer_.setInterval(kTickMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &RegionTracker::TrackRegionHover);
  measureAgain_.setSingleShot(true);
  measureAgain_.setInterval(kMeasureAgainMilliseconds);
  connect(&measureAgain_, &QTimer::timeout, this, [this] { Measure(false); });

  // The view's own signals: its page is made at the first load, not here.
  connect(&browser_, &QWebEngineView::loadStarted, this, &RegionTracker::OnLoadStarted);
  connect(&browser_, &QWebEngineView::loadFinished, this, &RegionTracker::OnLoadFinished);
  browser_.installEventFilter(this);
}

int RegionTracker::hoverRegionNumber() const {
  if (hoverIndex_ < 0 || hoverIndex_ >= static_cast<int>(regions_.size())) return 0;
  return regions_[static_cast<size_t>(hoverIndex_)].Number;
}

void RegionTracker::StartTracking() {
  lookAgain_ = true;
  if (!timer_.isActive()) timer_.start();
}

void RegionTracker::StopTracking() {
  timer_.stop();
  highlight_->hide();
  lookAgain_ = true;
}

void RegionTracker::ConnectPage() {
  if (pageConnected_) return;
  pageConnected_ = true;
  QWebEnginePage* page = browser_.page();
  connect(page, &QWebEnginePage::scrollPositionChanged, this, [this] { Refresh(); });
  // Fonts and pictures that arrive after the load move the regions.
  connect(page, &QWebEnginePage::contentsSizeChanged, this, [this] { MeasureAgainSoon(false); });
}

void RegionTracker::OnLoadStarted() {
  ConnectPage();
  loading_ = true;
  remeasuring_ = false;
  measureAgain_.stop();
  ++loadNumber_;
  // The boxes belong to the page going away.
  regions_.clear();
  HideHighlight();
  lookAgain_ = true;
}

void RegionTracker::OnLoadFinished() {
  ConnectPage();
  loading_ = false;
  Measure(true);
}

void RegionTracker::Measure(bool afterLoad) {
  const int load = loadNumber_;
  QPointer<RegionTracker> self(this);
  // In a world of its own, so the page's scripts cannot change what it sees.
  browser_.page()->runJavaScript(RegionScanScript(), QWebEngineScript::ApplicationWorld,
                                 [self, load, afterLoad](const QVariant& answer) {
                                   if (self && load == self->loadNumber_)
                                     self->OnMeasured(answer, afterLoad);
                                 });
}

void RegionTracker::OnMeasured(const QVariant& answer, bool afterLoad) {
  RegionScanResult scan = ParseRegionScan(answer);
  regions_ = std::move(scan.Regions);
  if (hoverIndex_ >= static_cast<int>(regions_.size())) hoverIndex_ = -1;
  if (!afterLoad) remeasuring_ = false;
  Refresh();
  if (afterLoad && scan.Complete) {
    if (editorCurrent_ && editorCurrent_()) StartTracking();
    if (pendingScroll_ >= 1) {
      browser_.page()->runJavaScript(QStringLiteral("window.scrollBy(0, %1);").arg(pendingScroll_),
                                     QWebEngineScript::ApplicationWorld);
      pendingScroll_ = 0;
    }
  }
  emit regionsScanned();
}

void RegionTracker::MeasureAgainSoon(bool hideNow) {
  if (loading_ || !pageConnected_) return;
  if (hideNow && tracking()) {
    // The old boxes no longer fit the browser: no frame until the new ones come.
    HideHighlight();
    remeasuring_ = true;
  }
  lookAgain_ = true;
  measureAgain_.start();
}

bool RegionTracker::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &browser_ && event->type() == QEvent::Resize) MeasureAgainSoon(true);
  return QObject::eventFilter(watched, event);
}

void RegionTracker::TrackRegionHover() {
  const QPoint cursor = QCursor::pos();
  if (cursor == lastCursor_ && !lookAgain_) return;
  if (remeasuring_ || !MayFollowMouse()) return;
  FollowCursor(cursor);
}

void RegionTracker::Refresh() {
  if (!tracking()) return;
  if (!remeasuring_ && MayFollowMouse()) {
    FollowCursor(QCursor::pos());
  } else {
    HideHighlight();
    lookAgain_ = true;
  }
}

void RegionTracker::FollowCursor(QPoint cursor) {
  lastCursor_ = cursor;
  lookAgain_ = false;
  const QRect area = browser_.rect();
  // A zoomed page (Ctrl and the wheel) measures its boxes in pixels of its
  // own; its scroll position comes in the browser's.
  const qreal zoom = Zoom();
  const std::vector<EditorRegion> boxes = zoom == 1.0 ? regions_ : ZoomedRegions(regions_, zoom);
  const QPoint scroll = BrowserScroll().toPoint();
  const int index = RegionUnderCursor(boxes, browser_.mapFromGlobal(cursor), area, scroll);
  if (index < 0) {
    if (!highlight_->isHidden()) browser_.setFocus(Qt::OtherFocusReason);
    HideHighlight();
    return;
  }
  const QPoint browserInHost = browser_.mapTo(highlight_->parentWidget(), QPoint(0, 0));
  const QRect frame =
      HighlightGeometry(boxes[static_cast<size_t>(index)], area, scroll).translated(browserInHost);
  // The same region where it was: nothing to draw.
  if (index == hoverIndex_ && !highlight_->isHidden() && highlight_->geometry() == frame) return;
  hoverIndex_ = index;
  highlight_->ShowAt(frame);
}

void RegionTracker::HideHighlight() {
  highlight_->hide();
  hoverIndex_ = -1;
}

bool RegionTracker::MayFollowMouse() const {
  // Not while another program is in front, nor while the page selector's
  // list lies open over the page.
  return QGuiApplication::applicationState() == Qt::ApplicationActive && browser_.isVisible() &&
         !(selector_.view() && selector_.view()->isVisible());
}

qreal RegionTracker::Zoom() const { return pageConnected_ ? browser_.page()->zoomFactor() : 1.0; }

QPointF RegionTracker::BrowserScroll() const {
  if (!pageConnected_) return {};
  return browser_.page()->scrollPosition();
}

}  // namespace moxa
