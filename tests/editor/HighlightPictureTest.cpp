#include <gtest/gtest.h>

#include "editor/HighlightPicture.h"

namespace moxa {
namespace {

QImage Solid(QSize size, QColor colour, qreal ratio = 1.0) {
  QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
  image.fill(colour);
  image.setDevicePixelRatio(ratio);
  return image;
}

// Each piece in its own colour; the tint smaller than the highlight, so
// the part it does not reach must stay transparent.
HighlightPieces ColouredPieces(qreal ratio = 1.0) {
  return {Solid({4, 200}, Qt::red, ratio), Solid({200, 4}, Qt::green, ratio),
          Solid({20, 10}, Qt::cyan, ratio), Solid({24, 24}, QColor(0, 0, 255, 128), ratio),
          Solid({6, 4}, Qt::yellow, ratio)};
}

TEST(HighlightPictureTest, PiecesLandWhereTheyBelong) {
  const QImage picture = ComposeHighlight(ColouredPieces(), {30, 40});
  ASSERT_EQ(picture.size(), QSize(30, 40));
  const struct {
    const char* name;
    QPoint at;
    QColor colour;
  } cases[] = {
      {"left edge", {1, 20}, Qt::red},
      {"left edge's top corner", {2, 2}, Qt::red},
      {"top edge", {10, 3}, Qt::green},
      {"top edge runs over the right edge's corner", {27, 2}, Qt::green},
      {"right edge starts 4 down", {27, 10}, Qt::red},
      {"bottom edge", {10, 37}, Qt::green},
      {"tint", {10, 10}, QColor(0, 0, 255, 128)},
      {"beyond the tint", {22, 27}, Qt::transparent},
      // Centred: left 15 - 3 = 12, top 20 - 2 = 18.
      {"small badge's top-left", {12, 18}, Qt::yellow},
      {"small badge's bottom-right", {17, 21}, Qt::yellow},
      {"right of the small badge", {18, 19}, QColor(0, 0, 255, 128)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QColor found = picture.pixelColor(c.at);
    EXPECT_EQ(found.rgba(), c.colour.rgba()) << found.name(QColor::HexArgb).toStdString();
  }
}

TEST(HighlightPictureTest, TheBadgeFollowsTheHeight) {
  const struct {
    int height;
    QPoint badgeCorner;  // top-left of the centred badge
    QColor badge;
  } cases[] = {
      {28, {50 - 3, 14 - 2}, Qt::yellow},
      {57, {50 - 3, 28 - 2}, Qt::yellow},
      {58, {50 - 10, 29 - 5}, Qt::cyan},
      {301, {50 - 10, 150 - 5}, Qt::cyan},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.height);
    const QImage picture = ComposeHighlight(ColouredPieces(), {100, c.height});
    EXPECT_EQ(picture.pixelColor(c.badgeCorner).rgba(), c.badge.rgba());
    EXPECT_NE(picture.pixelColor(c.badgeCorner - QPoint(1, 1)).rgba(), c.badge.rgba());
  }
}

TEST(HighlightPictureTest, SharpPiecesMakeASharpPictureOfTheSameLayout) {
  const QImage picture = ComposeHighlight(ColouredPieces(2.0), {30, 40}, 2.0);
  ASSERT_EQ(picture.size(), QSize(60, 80));
  EXPECT_EQ(picture.devicePixelRatio(), 2.0);
  EXPECT_EQ(picture.pixelColor(7, 40).rgba(), QColor(Qt::red).rgba());  // left edge
  EXPECT_EQ(picture.pixelColor(8, 40).rgba(), QColor(0, 0, 255, 128).rgba());
  EXPECT_EQ(picture.pixelColor(55, 10).rgba(), QColor(Qt::red).rgba());     // right edge
  EXPECT_EQ(picture.pixelColor(24, 36).rgba(), QColor(Qt::yellow).rgba());  // badge at (12, 18)
}

TEST(HighlightPictureTest, AnEmptySizeGivesNoPicture) {
  EXPECT_TRUE(ComposeHighlight(ColouredPieces(), {0, 28}).isNull());
  EXPECT_TRUE(ComposeHighlight(ColouredPieces(), {40, -3}).isNull());
}

}  // namespace
}  // namespace moxa
