// Template 1, a small interior-design business: flat illustrations of rooms
// in a light palette, a studio desk and a street map.
#include "Painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace moxa::art {

namespace {

enum class Room { Living, Bedroom, Kitchen, Workspace };

struct RoomStyle {
  Room room;
  QColor wall, floor, accent, accent2, wood, leaf;
  bool windowLeft;
};

QPainterPath Rounded(const QRectF& rect, double radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

void FloorShadow(QPainter& p, QSize size, const QRectF& footprint) {
  QPainterPath path;
  path.addEllipse(footprint);
  SoftShadow(p, size, path, {}, int(footprint.height() * 0.8) + 4, QColor(40, 30, 20, 70));
}

void Plant(QPainter& p, QSize size, QPointF base, double scale, const QColor& pot, const QColor& leaf, Random& random) {
  FloorShadow(p, size, QRectF(base.x() - 40 * scale, base.y() - 8 * scale, 80 * scale, 16 * scale));
  // Leaves: rotated ellipses fanning out of the pot.
  for (int i = 0; i < 11; ++i) {
    const double angle = -80 + 160.0 * i / 10 + Uniform(random, -8, 8);
    const double length = scale * Uniform(random, 70, 110);
    p.save();
    p.translate(base.x(), base.y() - 58 * scale);
    p.rotate(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(Mix(leaf, i % 2 ? QColor(20, 40, 25) : QColor(255, 255, 255), i % 2 ? 0.15 : 0.1));
    p.drawEllipse(QRectF(-13 * scale, -length, 26 * scale, length));
    p.restore();
  }
  QPainterPath vase;
  vase.moveTo(base + QPointF(-30 * scale, -62 * scale));
  vase.lineTo(base + QPointF(30 * scale, -62 * scale));
  vase.lineTo(base + QPointF(22 * scale, 0));
  vase.lineTo(base + QPointF(-22 * scale, 0));
  vase.closeSubpath();
  p.setBrush(pot);
  p.drawPath(vase);
  p.setBrush(Mix(pot, Qt::black, 0.12));
  p.drawRect(QRectF(base.x() - 31 * scale, base.y() - 66 * scale, 62 * scale, 8 * scale));
}

void Window(QPainter& p, const QRectF& r, const QColor& frame) {
  FillVertical(p, r, {{0, QColor(168, 205, 228)}, {0.7, QColor(222, 236, 240)}, {1, QColor(240, 236, 222)}});
  // A distant hill and a tree line in the view.
  QPainterPath hill(QPointF(r.left(), r.bottom()));
  hill.lineTo(r.left(), r.top() + r.height() * 0.72);
  hill.cubicTo(QPointF(r.left() + r.width() * 0.35, r.top() + r.height() * 0.55),
               QPointF(r.left() + r.width() * 0.6, r.top() + r.height() * 0.8), QPointF(r.right(), r.top() + r.height() * 0.66));
  hill.lineTo(r.bottomRight());
  hill.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 186, 150));
  p.drawPath(hill);
  p.setPen(QPen(frame, 10));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
  p.setPen(QPen(frame, 6));
  p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
  p.drawLine(QPointF(r.left(), r.top() + r.height() * 0.42), QPointF(r.right(), r.top() + r.height() * 0.42));
  // Sill.
  p.setPen(Qt::NoPen);
  p.setBrush(Mix(frame, Qt::black, 0.05));
  p.drawRect(QRectF(r.left() - 16, r.bottom() + 4, r.width() + 32, 10));
}

void Artwork(QPainter& p, const QRectF& r, const RoomStyle& s, Random& random) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 50, 42));
  p.drawRect(r.adjusted(-6, -6, 6, 6));
  p.setBrush(QColor(250, 247, 240));
  p.drawRect(r);
  const QRectF inner = r.adjusted(r.width() * 0.12, r.height() * 0.12, -r.width() * 0.12, -r.height() * 0.12);
  p.setClipRect(inner);
  p.fillRect(inner, Mix(s.wall, Qt::white, 0.4));
  p.setBrush(s.accent);
  p.drawEllipse(QPointF(inner.left() + inner.width() * Uniform(random, 0.3, 0.7), inner.bottom()), inner.width() * 0.45,
                inner.width() * 0.45);
  p.setBrush(s.accent2);
  p.drawEllipse(QPointF(inner.left() + inner.width() * 0.75, inner.top() + inner.height() * 0.3), inner.width() * 0.13,
                inner.width() * 0.13);
  p.setClipping(false);
}

void FloorLamp(QPainter& p, QSize size, QPointF base, double height, const QColor& metal, const QColor& shade) {
  QRadialGradient glow(base.x(), base.y() - height + 20, height * 0.6);
  glow.setColorAt(0, QColor(255, 236, 190, 120));
  glow.setColorAt(1, QColor(255, 236, 190, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(base.x(), base.y() - height + 20), height * 0.6, height * 0.6);
  FloorShadow(p, size, QRectF(base.x() - 30, base.y() - 6, 60, 12));
  p.setPen(QPen(metal, 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(base, base - QPointF(0, height));
  p.setPen(Qt::NoPen);
  p.setBrush(metal);
  p.drawEllipse(QRectF(base.x() - 24, base.y() - 6, 48, 10));
  QPainterPath lamp;
  lamp.moveTo(base.x() - 22, base.y() - height - 42);
  lamp.lineTo(base.x() + 22, base.y() - height - 42);
  lamp.lineTo(base.x() + 38, base.y() - height + 10);
  lamp.lineTo(base.x() - 38, base.y() - height + 10);
  lamp.closeSubpath();
  p.setBrush(shade);
  p.drawPath(lamp);
}

void LivingRoom(QPainter& p, QSize size, const RoomStyle& s, double floorY, Random& random) {
  const double w = size.width();
  const double windowX = s.windowLeft ? w * 0.08 : w * 0.66;
  Window(p, QRectF(windowX, floorY * 0.16, w * 0.24, floorY * 0.6), QColor(252, 250, 245));
  Artwork(p, QRectF(s.windowLeft ? w * 0.46 : w * 0.3, floorY * 0.2, w * 0.14, w * 0.17), s, random);
  Artwork(p, QRectF(s.windowLeft ? w * 0.63 : w * 0.47, floorY * 0.28, w * 0.1, w * 0.12), s, random);

  // Rug in perspective.
  p.setPen(Qt::NoPen);
  p.setBrush(Mix(s.accent, Qt::white, 0.55));
  p.drawEllipse(QRectF(w * 0.2, floorY + (size.height() - floorY) * 0.3, w * 0.66, (size.height() - floorY) * 0.6));

  // Sofa.
  const double sofaLeft = s.windowLeft ? w * 0.4 : w * 0.22;
  const double sofaWidth = w * 0.42;
  const double seatTop = floorY - 58;
  FloorShadow(p, size, QRectF(sofaLeft - 10, floorY + 2, sofaWidth + 20, 26));
  p.setBrush(s.accent);
  p.drawPath(Rounded(QRectF(sofaLeft + 18, seatTop - 92, sofaWidth - 36, 110), 22));
  p.setBrush(Mix(s.accent, Qt::white, 0.12));
  p.drawPath(Rounded(QRectF(sofaLeft + 22, seatTop, sofaWidth - 44, 46), 14));
  p.setBrush(Mix(s.accent, Qt::black, 0.1));
  p.drawPath(Rounded(QRectF(sofaLeft, seatTop - 38, 44, 92), 18));
  p.drawPath(Rounded(QRectF(sofaLeft + sofaWidth - 44, seatTop - 38, 44, 92), 18));
  p.setBrush(s.accent2);
  p.drawPath(Rounded(QRectF(sofaLeft + 56, seatTop - 64, 66, 62), 14));
  p.setBrush(Mix(s.accent2, Qt::white, 0.45));
  p.drawPath(Rounded(QRectF(sofaLeft + sofaWidth - 124, seatTop - 60, 62, 58), 14));
  p.setPen(QPen(QColor(60, 45, 35), 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(sofaLeft + 20, floorY - 12), QPointF(sofaLeft + 16, floorY + 4));
  p.drawLine(QPointF(sofaLeft + sofaWidth - 20, floorY - 12), QPointF(sofaLeft + sofaWidth - 16, floorY + 4));

  // Coffee table with a vase.
  const QRectF table(w * 0.42, floorY + 40, w * 0.2, 16);
  FloorShadow(p, size, QRectF(table.left(), table.bottom() + 34, table.width(), 18));
  p.setPen(QPen(s.wood.darker(130), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(table.left() + 14, table.bottom()), QPointF(table.left() + 10, table.bottom() + 40));
  p.drawLine(QPointF(table.right() - 14, table.bottom()), QPointF(table.right() - 10, table.bottom() + 40));
  p.setPen(Qt::NoPen);
  p.setBrush(s.wood);
  p.drawPath(Rounded(table, 8));
  p.setBrush(QColor(245, 242, 235));
  p.drawPath(Rounded(QRectF(table.left() + 24, table.top() - 36, 26, 38), 10));
  p.setBrush(s.accent2);
  p.drawRect(QRectF(table.right() - 70, table.top() - 10, 48, 10));
  p.setBrush(Mix(s.accent2, Qt::white, 0.5));
  p.drawRect(QRectF(table.right() - 64, table.top() - 18, 40, 8));

  const double side = s.windowLeft ? w * 0.9 : w * 0.12;
  FloorLamp(p, size, QPointF(s.windowLeft ? w * 0.34 : w * 0.72, floorY + 6), floorY * 0.55, QColor(70, 60, 52),
            QColor(246, 232, 200));
  Plant(p, size, QPointF(side, floorY + 16), 1.05, QColor(225, 214, 196), s.leaf, random);
}

void Bedroom(QPainter& p, QSize size, const RoomStyle& s, double floorY, Random& random) {
  const double w = size.width();
  Window(p, QRectF(s.windowLeft ? w * 0.06 : w * 0.74, floorY * 0.16, w * 0.18, floorY * 0.55), QColor(252, 250, 245));
  Artwork(p, QRectF(w * 0.43, floorY * 0.14, w * 0.14, w * 0.1), s, random);
  const QRectF head(w * 0.3, floorY - 190, w * 0.4, 150);
  FloorShadow(p, size, QRectF(head.left() - 20, floorY + 30, head.width() + 40, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(s.accent);
  p.drawPath(Rounded(head, 26));
  p.setBrush(s.wood);
  p.drawPath(Rounded(QRectF(head.left() - 8, floorY - 20, head.width() + 16, 50), 10));
  p.setBrush(QColor(250, 249, 246));
  p.drawPath(Rounded(QRectF(head.left() + 4, floorY - 80, head.width() - 8, 70), 18));
  p.setBrush(Mix(s.accent2, Qt::white, 0.2));
  p.drawPath(Rounded(QRectF(head.left() - 4, floorY - 58, head.width() + 8, 66), 16));
  p.setBrush(Mix(s.accent2, Qt::black, 0.08));
  p.drawRect(QRectF(head.left() - 4, floorY - 34, head.width() + 8, 8));
  p.setBrush(QColor(255, 255, 255));
  p.drawPath(Rounded(QRectF(head.left() + 24, floorY - 108, head.width() * 0.4, 44), 16));
  p.drawPath(Rounded(QRectF(head.right() - 24 - head.width() * 0.4, floorY - 108, head.width() * 0.4, 44), 16));
  for (const double x : {head.left() - 96.0, head.right() + 20.0}) {
    FloorShadow(p, size, QRectF(x - 6, floorY + 4, 88, 14));
    p.setBrush(s.wood);
    p.drawPath(Rounded(QRectF(x, floorY - 70, 76, 76), 8));
    p.setBrush(s.wood.darker(112));
    p.drawRect(QRectF(x + 8, floorY - 38, 60, 3));
    QRadialGradient glow(x + 38, floorY - 118, 90);
    glow.setColorAt(0, QColor(255, 230, 170, 130));
    glow.setColorAt(1, QColor(255, 230, 170, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(x + 38, floorY - 118), 90, 90);
    p.setBrush(QColor(90, 80, 70));
    p.drawRect(QRectF(x + 35, floorY - 104, 6, 34));
    p.setBrush(QColor(247, 236, 212));
    QPainterPath shade;
    shade.moveTo(x + 22, floorY - 140);
    shade.lineTo(x + 54, floorY - 140);
    shade.lineTo(x + 62, floorY - 104);
    shade.lineTo(x + 14, floorY - 104);
    shade.closeSubpath();
    p.drawPath(shade);
  }
  Plant(p, size, QPointF(s.windowLeft ? w * 0.9 : w * 0.1, floorY + 30), 0.9, QColor(210, 198, 180), s.leaf, random);
}

void Kitchen(QPainter& p, QSize size, const RoomStyle& s, double floorY, Random& random) {
  const double w = size.width();
  const double counterTop = floorY - 150;
  // Tiled splash back.
  p.setPen(QPen(Mix(s.wall, Qt::black, 0.06), 1.2));
  for (double y = counterTop - 130; y < counterTop; y += 22) p.drawLine(QPointF(0, y), QPointF(w, y));
  for (double y = counterTop - 130, row = 0; y < counterTop; y += 22, ++row)
    for (double x = (int(row) % 2) * 22; x < w; x += 44) p.drawLine(QPointF(x, y), QPointF(x, y + 22));
  // Open shelves with jars and bowls.
  p.setPen(Qt::NoPen);
  for (const double y : {floorY * 0.3, floorY * 0.48}) {
    p.setBrush(s.wood);
    p.drawRect(QRectF(w * 0.08, y, w * 0.5, 9));
    double x = w * 0.1;
    while (x < w * 0.55) {
      const double jw = Uniform(random, 26, 46);
      const double jh = Uniform(random, 30, 62);
      const int kind = int(Uniform(random, 0, 3));
      p.setBrush(kind == 0 ? s.accent : kind == 1 ? QColor(245, 242, 236) : Mix(s.accent2, Qt::white, 0.3));
      if (kind == 1) p.drawEllipse(QRectF(x, y - jh * 0.6, jw * 1.4, jh * 0.6));
      else p.drawPath(Rounded(QRectF(x, y - jh, jw, jh), 6));
      x += jw * (kind == 1 ? 1.4 : 1.0) + Uniform(random, 8, 20);
    }
  }
  // Pendant lamps.
  for (const double x : {w * 0.68, w * 0.84}) {
    p.setPen(QPen(QColor(60, 55, 50), 2));
    p.drawLine(QPointF(x, 0), QPointF(x, floorY * 0.28));
    p.setPen(Qt::NoPen);
    QRadialGradient glow(x, floorY * 0.3 + 30, 110);
    glow.setColorAt(0, QColor(255, 232, 180, 120));
    glow.setColorAt(1, QColor(255, 232, 180, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(x, floorY * 0.3 + 30), 110, 110);
    p.setBrush(s.accent2);
    p.drawChord(QRectF(x - 40, floorY * 0.28, 80, 70), 0, 180 * 16);
  }
  // Cabinets and counter.
  p.setBrush(Mix(s.accent, Qt::white, 0.1));
  p.drawRect(QRectF(0, counterTop + 14, w, floorY - counterTop - 14));
  p.setBrush(QColor(250, 248, 244));
  p.drawRect(QRectF(0, counterTop, w, 16));
  p.setPen(QPen(Mix(s.accent, Qt::black, 0.15), 2));
  for (double x = 0; x < w; x += w / 7) p.drawLine(QPointF(x, counterTop + 16), QPointF(x, floorY));
  p.setPen(QPen(QColor(200, 170, 110), 4, Qt::SolidLine, Qt::RoundCap));
  for (double x = w / 14; x < w; x += w / 7) p.drawLine(QPointF(x - 14, counterTop + 40), QPointF(x + 14, counterTop + 40));
  // Things on the counter.
  p.setPen(Qt::NoPen);
  p.setBrush(s.wood);
  p.drawPath(Rounded(QRectF(w * 0.14, counterTop - 10, 120, 10), 4));
  p.setBrush(QColor(230, 90, 60));
  p.drawEllipse(QRectF(w * 0.3, counterTop - 34, 34, 34));
  p.drawEllipse(QRectF(w * 0.3 + 26, counterTop - 30, 30, 30));
  Plant(p, size, QPointF(w * 0.8, counterTop), 0.7, QColor(240, 236, 228), s.leaf, random);
}

void Workspace(QPainter& p, QSize size, const RoomStyle& s, double floorY, Random& random) {
  const double w = size.width();
  Window(p, QRectF(s.windowLeft ? w * 0.05 : w * 0.76, floorY * 0.14, w * 0.2, floorY * 0.52), QColor(252, 250, 245));
  // Pin board of colour swatches.
  const QRectF board(w * 0.32, floorY * 0.14, w * 0.26, floorY * 0.3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(214, 190, 156));
  p.drawPath(Rounded(board, 6));
  for (int i = 0; i < 7; ++i) {
    const QColor color = i % 3 == 0 ? s.accent : i % 3 == 1 ? s.accent2 : Mix(s.leaf, Qt::white, 0.3);
    p.setBrush(Mix(color, Qt::white, Uniform(random, 0, 0.5)));
    const QRectF card(board.left() + 14 + (i % 4) * board.width() / 4.2, board.top() + 14 + (i / 4) * board.height() / 2.1,
                      board.width() / 5.2, board.height() / 2.6);
    p.save();
    p.translate(card.center());
    p.rotate(Uniform(random, -6, 6));
    p.drawRect(QRectF(-card.width() / 2, -card.height() / 2, card.width(), card.height()));
    p.restore();
  }
  // Shelf of books.
  p.setBrush(s.wood);
  p.drawRect(QRectF(w * 0.62, floorY * 0.36, w * 0.2, 8));
  double x = w * 0.63;
  while (x < w * 0.8) {
    const double bw = Uniform(random, 10, 20);
    const double bh = Uniform(random, 40, 62);
    const int pick = int(Uniform(random, 0, 4));
    p.setBrush(pick == 0 ? s.accent : pick == 1 ? s.accent2 : pick == 2 ? QColor(240, 236, 226) : s.wood.darker(130));
    p.drawRect(QRectF(x, floorY * 0.36 - bh, bw, bh));
    x += bw + 2;
  }
  // Desk, screen, chair.
  const double deskTop = floorY - 110;
  FloorShadow(p, size, QRectF(w * 0.28, floorY, w * 0.46, 22));
  p.setBrush(s.wood);
  p.drawPath(Rounded(QRectF(w * 0.26, deskTop, w * 0.48, 16), 5));
  p.setPen(QPen(QColor(70, 62, 55), 7, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(w * 0.29, deskTop + 16), QPointF(w * 0.29, floorY + 8));
  p.drawLine(QPointF(w * 0.71, deskTop + 16), QPointF(w * 0.71, floorY + 8));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(45, 48, 56));
  const QRectF screen(w * 0.38, deskTop - 120, w * 0.22, 104);
  p.drawPath(Rounded(screen, 8));
  QLinearGradient shine(screen.topLeft(), screen.bottomRight());
  shine.setColorAt(0, Mix(s.accent, Qt::white, 0.3));
  shine.setColorAt(1, s.accent2);
  p.setBrush(shine);
  p.drawPath(Rounded(screen.adjusted(6, 6, -6, -6), 4));
  p.setBrush(QColor(45, 48, 56));
  p.drawRect(QRectF(screen.center().x() - 6, screen.bottom(), 12, 16));
  p.setBrush(s.accent);
  p.drawPath(Rounded(QRectF(w * 0.44, deskTop - 20, 90, 110), 26));
  p.setBrush(Mix(s.accent, Qt::black, 0.15));
  p.drawPath(Rounded(QRectF(w * 0.425, deskTop + 62, 120, 30), 12));
  Plant(p, size, QPointF(w * 0.3, deskTop), 0.55, QColor(240, 236, 228), s.leaf, random);
  FloorLamp(p, size, QPointF(w * 0.84, floorY + 8), floorY * 0.45, QColor(70, 60, 52), s.accent2);
}

QImage PaintRoom(QSize size, const RoomStyle& s, Random& random) {
  QImage image = Canvas(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double floorY = size.height() * 0.74;
  FillVertical(p, QRectF(0, 0, size.width(), floorY), {{0, s.wall.lighter(104)}, {1, s.wall.darker(103)}});
  FillVertical(p, QRectF(0, floorY, size.width(), size.height() - floorY), {{0, s.floor}, {1, s.floor.darker(108)}});
  p.setPen(QPen(Mix(s.floor, Qt::black, 0.08), 1));
  for (double x = -size.width(); x < size.width() * 2; x += 70)
    p.drawLine(QPointF(size.width() / 2 + (x - size.width() / 2) * 0.55, floorY), QPointF(x, size.height()));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(252, 250, 246));
  p.drawRect(QRectF(0, floorY - 10, size.width(), 12));
  switch (s.room) {
    case Room::Living: LivingRoom(p, size, s, floorY, random); break;
    case Room::Bedroom: Bedroom(p, size, s, floorY, random); break;
    case Room::Kitchen: Kitchen(p, size, s, floorY, random); break;
    case Room::Workspace: Workspace(p, size, s, floorY, random); break;
  }
  p.end();
  Grain(image, 3, random);
  return image;
}

Picture RoomPicture(const QString& name, QSize size, RoomStyle style) {
  return {name, size, 84, [style](QSize s, Random& random) { return PaintRoom(s, style, random); }};
}

}  // namespace

std::vector<Picture> Template1Pictures() {
  const QColor sage(126, 150, 128), clay(198, 112, 78), navy(44, 62, 90), mustard(222, 170, 72), blush(226, 178, 160);
  const QColor oak(196, 154, 108), walnut(140, 98, 66), leaf(74, 122, 84);
  return {
      RoomPicture("hero.jpg", {960, 720}, {Room::Living, QColor(238, 232, 222), QColor(214, 190, 160), sage, clay, oak, leaf, true}),
      RoomPicture("living.jpg", {720, 540}, {Room::Living, QColor(226, 232, 236), QColor(200, 176, 146), navy, mustard, walnut, leaf, false}),
      RoomPicture("bedroom.jpg", {720, 540}, {Room::Bedroom, QColor(240, 228, 220), QColor(216, 196, 170), blush, sage, oak, leaf, true}),
      RoomPicture("kitchen.jpg", {720, 540}, {Room::Kitchen, QColor(244, 241, 234), QColor(190, 170, 150), sage, mustard, oak, leaf, true}),
      RoomPicture("studio.jpg", {720, 540}, {Room::Workspace, QColor(236, 234, 228), QColor(206, 184, 156), clay, navy, oak, leaf, false}),
      RoomPicture("reading.jpg", {720, 540}, {Room::Living, QColor(232, 222, 210), QColor(170, 130, 100), clay, navy, walnut, leaf, false}),
      RoomPicture("guest.jpg", {720, 540}, {Room::Bedroom, QColor(222, 230, 226), QColor(212, 194, 172), navy, blush, walnut, leaf, false}),
      RoomPicture("pantry.jpg", {720, 540}, {Room::Kitchen, QColor(236, 240, 244), QColor(176, 160, 146), navy, clay, walnut, leaf, false}),
      RoomPicture("office.jpg", {720, 540}, {Room::Workspace, QColor(240, 236, 226), QColor(200, 170, 136), sage, clay, walnut, leaf, true}),
      {"map.jpg", {720, 480}, 84, [](QSize size, Random& random) {
         QImage image = Canvas(size.width(), size.height());
         QPainter p(&image);
         DrawMap(p, size, {QColor(244, 241, 234), QColor(205, 222, 200), QColor(176, 208, 226), QColor(255, 255, 255),
                            QColor(246, 224, 170), QColor(233, 228, 218), QColor(198, 112, 78)}, random);
         return image;
       }},
  };
}

}  // namespace moxa::art
