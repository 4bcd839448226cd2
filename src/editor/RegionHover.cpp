#include "editor/RegionHover.h"

#include <algorithm>
#include <cmath>

namespace moxa {
namespace {

constexpr int kFrameOutside = 4;  // the frame's reach left of and above the box
constexpr int kBelowBox = 6;      // extra height under the box
constexpr int kLeastHeight = 28;  // the small badge needs this much

bool StrictlyBetween(int low, int value, int high) { return low < value && value < high; }

}  // namespace

int RegionUnderCursor(const std::vector<EditorRegion>& regions, QPoint cursor,
                      const QRect& browserArea, QPoint scroll) {
  const int bx = browserArea.left();
  const int by = browserArea.top();
  if (!StrictlyBetween(bx, cursor.x(), bx + browserArea.width()) ||
      !StrictlyBetween(by, cursor.y(), by + browserArea.height())) {
    return -1;
  }
  const int originX = bx - scroll.x();
  const int originY = by - scroll.y();
  for (size_t i = 0; i < regions.size(); ++i) {
    const EditorRegion& r = regions[i];
    if (StrictlyBetween(originX + r.Left, cursor.x(), originX + r.Right) &&
        StrictlyBetween(originY + r.Top, cursor.y(), originY + r.Bottom)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::vector<EditorRegion> ZoomedRegions(const std::vector<EditorRegion>& regions, double factor) {
  const auto zoomed = [factor](int v) { return static_cast<int>(std::lround(v * factor)); };
  std::vector<EditorRegion> result;
  result.reserve(regions.size());
  for (const EditorRegion& r : regions) {
    result.push_back({zoomed(r.Left), zoomed(r.Top), zoomed(r.Right), zoomed(r.Bottom), r.Number});
  }
  return result;
}

QRect HighlightGeometry(const EditorRegion& region, const QRect& browserArea, QPoint scroll) {
  const int left = browserArea.left() - scroll.x() + region.Left - kFrameOutside;
  int top = browserArea.top() - scroll.y() + region.Top - kFrameOutside;
  const int width = region.Right - region.Left + kFrameOutside;
  int height = std::max(region.Bottom - region.Top + kFrameOutside + kBelowBox, kLeastHeight);
  const int browserTop = browserArea.top();
  const int browserBottom = browserArea.top() + browserArea.height();
  if (top + height > browserBottom) height = browserBottom - top;
  if (top < browserTop) {
    height -= browserTop - top;
    top = browserTop;
  }
  return QRect(left, top, width, std::max(height, 0));
}

}  // namespace moxa
