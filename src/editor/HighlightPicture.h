#pragma once

#include <QImage>
#include <QSize>

namespace moxa {

// The pictures a region highlight is made of, each with alpha; a picture
// may carry a device pixel ratio (its "@2x" twin), sizes below are logical.
struct HighlightPieces {
  QImage SideEdge;    // i1.png: the left and right edge, 4 pixels wide
  QImage TopEdge;     // i2.png: the top and bottom edge, 4 pixels high
  QImage LargeBadge;  // i3.png: "Click to edit" for highlights 58 pixels high or more
  QImage Tint;        // i4.png: the translucent fill, cut to the highlight
  QImage SmallBadge;  // i5.png: "Click to edit" for lower highlights
};

// Highlights this high or higher carry the large badge.
inline constexpr int kLargeBadgeLeastHeight = 58;

// The highlight's picture for a `size` (logical pixels) drawn at
// `devicePixelRatio`: the tint's top-left part (transparent where it is
// smaller), the side edge at (0, 0) and (W - 4, 4), the top edge at (4, 0)
// and (4, H - 4), and the badge centred. An empty size gives a null image.
QImage ComposeHighlight(const HighlightPieces& pieces, QSize size, qreal devicePixelRatio = 1.0);

}  // namespace moxa
