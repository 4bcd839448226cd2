#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QTimer>
#include <functional>
#include <vector>

#include "app/shell/Pictures.h"
#include "editor/EditorRegion.h"

class QComboBox;
class QVariant;
class QWebEngineView;

namespace moxa {

class RegionHighlight;

// Lets the user pick an editable region of the page in the editor browser
// by pointing at it. At every completed load it measures the page's regions
// (ScanRegions); while tracking, a 10 ms tick follows the mouse and frames
// the region under it with the highlight, whose click asks for that region
// to be edited. The boxes are measured again when the browser's size or
// the page's layout changes, and the frame follows scrolling.
class RegionTracker : public QObject {
  Q_OBJECT

 public:
  RegionTracker(QWebEngineView& browser, const QComboBox& pageSelector, const Pictures& pictures,
                QObject* parent = nullptr);

  // The regions of the page shown, in ascending number.
  const std::vector<EditorRegion>& regions() const { return regions_; }
  // The entry of regions() the highlight marks (or marked last, while
  // tracking is stopped), -1 for none.
  int hoverRegionIndex() const { return hoverIndex_; }
  // The number N of that region's markers, 0 for none.
  int hoverRegionNumber() const;
  RegionHighlight* highlight() const { return highlight_; }
  bool tracking() const { return timer_.isActive(); }

  // Starting hides nothing and keeps the region marked; the next tick looks
  // at the mouse afresh. Stopping hides the highlight but keeps
  // hoverRegionIndex(), which the edit of that region still needs.
  void StartTracking();
  void StopTracking();

  // Scrolled down by once at the next completed load (when >= 1), then 0.
  void SetPendingScrollOffset(int offset) { pendingScroll_ = offset; }
  int pendingScrollOffset() const { return pendingScroll_; }
  // The page's current vertical scroll offset in its own pixels, as
  // SetPendingScrollOffset takes it (0 before any page).
  int ScrollOffset() const { return qRound(BrowserScroll().y() / Zoom()); }

  // Whether the editing screen is the one the user sees now (no other
  // screen, dialog or preview over it): only then does a load start the
  // tracking.
  void setEditorCurrent(std::function<bool()> editorCurrent) {
    editorCurrent_ = std::move(editorCurrent);
  }

 signals:
  void regionClicked();
  // The regions were measured (after a load, or again after a change of
  // size or layout).
  void regionsScanned();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectPage();
  void OnLoadStarted();
  void OnLoadFinished();
  void Measure(bool afterLoad);
  void OnMeasured(const QVariant& answer, bool afterLoad);
  void MeasureAgainSoon(bool hideNow);
  // The timer's tick: looks at the mouse when it moved.
  void TrackRegionHover();
  // Frames the region now under the mouse after the boxes or the scroll
  // offsets changed, or hides the frame when the mouse may not be followed.
  void Refresh();
  // Frames the region under `cursor` (screen coordinates), or hides the frame.
  void FollowCursor(QPoint cursor);
  void HideHighlight();
  bool MayFollowMouse() const;
  qreal Zoom() const;
  // The page's scroll offsets in the browser's pixels.
  QPointF BrowserScroll() const;

  QWebEngineView& browser_;
  const QComboBox& selector_;
  RegionHighlight* highlight_;
  // A child named "hoverTick", so a test can tell that the mouse was looked at.
  QTimer timer_{this};
  QTimer measureAgain_;
  std::function<bool()> editorCurrent_;
  std::vector<EditorRegion> regions_;
  int hoverIndex_ = -1;
  int pendingScroll_ = 0;
  QPoint lastCursor_;
  // The cursor is looked at at the next tick even if it did not move.
  bool lookAgain_ = true;
  bool pageConnected_ = false;
  bool loading_ = false;
  // The browser changed size: the old boxes are not to be framed until
  // they are measured again.
  bool remeasuring_ = false;
  // Answers of measurements made before the latest load started are stale.
  int loadNumber_ = 0;
};

}  // namespace moxa
