#include "editor/HighlightPicture.h"

#include <QPainter>

namespace moxa {
namespace {

constexpr int kEdge = 4;

QSize LogicalSize(const QImage& image) { return image.deviceIndependentSize().toSize(); }

}  // namespace

QImage ComposeHighlight(const HighlightPieces& pieces, QSize size, qreal devicePixelRatio) {
  if (size.isEmpty()) return {};
  QImage canvas(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  canvas.setDevicePixelRatio(devicePixelRatio);
  canvas.fill(Qt::transparent);
  const int w = size.width();
  const int h = size.height();
  QPainter painter(&canvas);
  painter.drawImage(QPoint(0, 0), pieces.Tint);
  painter.drawImage(QPoint(0, 0), pieces.SideEdge);
  painter.drawImage(QPoint(w - kEdge, kEdge), pieces.SideEdge);
  painter.drawImage(QPoint(kEdge, 0), pieces.TopEdge);
  painter.drawImage(QPoint(kEdge, h - kEdge), pieces.TopEdge);
  const QImage& badge = h < kLargeBadgeLeastHeight ? pieces.SmallBadge : pieces.LargeBadge;
  const QSize badgeSize = LogicalSize(badge);
  painter.drawImage(QPoint(w / 2 - badgeSize.width() / 2, h / 2 - badgeSize.height() / 2), badge);
  return canvas;
}

}  // namespace moxa
