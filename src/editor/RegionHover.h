#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

#include "editor/EditorRegion.h"

namespace moxa {

// Where the page's regions are on screen. `browserArea` is the editor
// browser's rectangle and `cursor` a point, both in one coordinate space;
// the page's document origin lies at browserArea's top-left corner minus
// `scroll`, the page's current scroll offsets.

// The index of the first region, in table order, under the cursor; -1 when
// there is none. A point on an edge of the browser or of a region's box is
// outside it.
int RegionUnderCursor(const std::vector<EditorRegion>& regions, QPoint cursor,
                      const QRect& browserArea, QPoint scroll);

// The regions' boxes in the browser's pixels for a page zoomed by `factor`
// (the page measures them in its own pixels).
std::vector<EditorRegion> ZoomedRegions(const std::vector<EditorRegion>& regions, double factor);

// The highlight over `region`: from 4 pixels left of and above its box to
// its right edge and 6 pixels below its bottom, at least 28 pixels high (so
// the badge fits), cut at the browser's top and bottom edges.
QRect HighlightGeometry(const EditorRegion& region, const QRect& browserArea, QPoint scroll);

}  // namespace moxa
