#include <gtest/gtest.h>

#include "editor/RegionHover.h"

namespace moxa {
namespace {

// The browser at (100, 200) on the screen, 400 x 300; region 1's box from
// (10, 20) to (110, 70) in the document, region 3 overlapping it.
const QRect kBrowser(100, 200, 400, 300);
const std::vector<EditorRegion> kRegions = {{10, 20, 110, 70, 1}, {50, 50, 200, 400, 3}};

TEST(RegionHoverTest, FindsTheFirstRegionStrictlyUnderTheCursor) {
  const struct {
    const char* name;
    QPoint cursor;
    QPoint scroll;
    int index;
  } cases[] = {
      {"inside region 1", {150, 240}, {0, 0}, 0},
      {"on region 1's left edge", {110, 240}, {0, 0}, -1},
      {"on region 1's top edge", {150, 220}, {0, 0}, -1},
      {"one pixel in from the right edge", {209, 240}, {0, 0}, 0},
      {"on region 1's right edge, outside region 3", {210, 240}, {0, 0}, -1},
      {"where both overlap, the first wins", {200, 260}, {0, 0}, 0},
      {"region 3 only", {250, 300}, {0, 0}, 1},
      {"region 3 goes on below the browser", {250, 510}, {0, 0}, -1},
      {"on the browser's bottom edge", {250, 500}, {0, 0}, -1},
      {"one pixel above the browser's bottom edge", {250, 499}, {0, 0}, 1},
      {"scrolled down 30: region 1 moved up", {150, 240}, {0, 30}, -1},
      {"scrolled down 30: the part above the browser does not count", {150, 199}, {0, 30}, -1},
      {"scrolled down 30: just below the browser's top", {150, 201}, {0, 30}, 0},
      {"not scrolled: region 1", {195, 240}, {0, 0}, 0},
      {"scrolled right 20: region 1 moved left", {195, 240}, {20, 0}, -1},
      {"scrolled right 20, inside", {150, 240}, {20, 0}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RegionUnderCursor(kRegions, c.cursor, kBrowser, c.scroll), c.index);
  }
  EXPECT_EQ(RegionUnderCursor({}, {150, 240}, kBrowser, {0, 0}), -1);
}

TEST(RegionHoverTest, AZoomedPagesBoxesGrowWithIt) {
  const std::vector<EditorRegion> page = {{10, 20, 110, 71, 1}, {-5, 0, 3, 7, 4}};
  const struct {
    double factor;
    std::vector<EditorRegion> boxes;
  } cases[] = {
      {1.0, page},
      {2.0, {{20, 40, 220, 142, 1}, {-10, 0, 6, 14, 4}}},
      {1.5, {{15, 30, 165, 107, 1}, {-8, 0, 5, 11, 4}}},  // halves round away from zero
      {0.5, {{5, 10, 55, 36, 1}, {-3, 0, 2, 4, 4}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.factor);
    EXPECT_EQ(ZoomedRegions(page, c.factor), c.boxes);
  }
}

TEST(RegionHoverTest, HighlightFramesTheBoxWithinTheBrowsersHeight) {
  const QRect browser(0, 0, 400, 300);
  const struct {
    const char* name;
    EditorRegion region;
    QRect browser;
    QPoint scroll;
    QRect highlight;
  } cases[] = {
      {"a plain region", {10, 20, 110, 120, 1}, browser, {0, 0}, {6, 16, 104, 110}},
      {"a region 10 pixels high", {10, 20, 110, 30, 1}, browser, {0, 0}, {6, 16, 104, 28}},
      {"an empty region", {10, 20, 10, 20, 1}, browser, {0, 0}, {6, 16, 4, 28}},
      {"the browser elsewhere", {10, 20, 110, 120, 1}, kBrowser, {0, 0}, {106, 216, 104, 110}},
      {"scrolled", {10, 120, 110, 220, 1}, browser, {5, 100}, {1, 16, 104, 110}},
      {"partly above the browser's top", {10, 20, 110, 120, 1}, browser, {0, 30}, {6, 0, 104, 96}},
      {"partly above, browser elsewhere",
       {10, 20, 110, 120, 1},
       kBrowser,
       {0, 30},
       {106, 200, 104, 96}},
      {"reaching below the bottom", {10, 280, 110, 320, 1}, browser, {0, 0}, {6, 276, 104, 24}},
      {"taller than the browser", {10, 20, 110, 920, 1}, browser, {0, 100}, {6, 0, 104, 300}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(HighlightGeometry(c.region, c.browser, c.scroll), c.highlight);
  }
}

}  // namespace
}  // namespace moxa
