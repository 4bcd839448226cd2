// Template 3, a café: table tops seen from above (coffee, pastries,
// breakfast, cake, salad, tea), an evening interior and a street map.
#include "Painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace moxa::art {

namespace {

const QColor kCeramic(250, 246, 238);
const QColor kShadow(50, 28, 12, 110);

QPainterPath Circle(QPointF c, double r) {
  QPainterPath path;
  path.addEllipse(c, r, r);
  return path;
}

void Wood(QPainter& p, QSize size, QColor base, Random& random) {
  const double w = size.width();
  const double h = size.height();
  p.fillRect(QRectF(0, 0, w, h), base);
  const double plank = h / 4.0;
  for (int i = 0; i < 5; ++i) {
    const double top = i * plank;
    p.fillRect(QRectF(0, top, w, plank), Mix(base, i % 2 ? Qt::black : Qt::white, Uniform(random, 0.02, 0.07)));
    for (int g = 0; g < 16; ++g) {
      const double y = top + Uniform(random, 4, plank - 4);
      QPainterPath grain(QPointF(-10, y));
      for (double x = 0; x < w + 60; x += 60) grain.lineTo(x, y + Uniform(random, -2.5, 2.5));
      p.setPen(QPen(Mix(base, Qt::black, Uniform(random, 0.08, 0.2)), Uniform(random, 0.6, 1.6)));
      p.setBrush(Qt::NoBrush);
      p.drawPath(grain);
    }
    p.setPen(QPen(Mix(base, Qt::black, 0.35), 2));
    p.drawLine(QPointF(0, top), QPointF(w, top));
  }
}

void Linen(QPainter& p, QSize size, QColor base, Random& random) {
  p.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), base);
  for (int y = 0; y < size.height(); y += 3) {
    p.setPen(QPen(Mix(base, Qt::black, Uniform(random, 0.01, 0.05)), 1));
    p.drawLine(QPointF(0, y), QPointF(size.width(), y));
  }
}

void Cup(QPainter& p, QSize size, QPointF c, double r, QColor drink, bool latteArt, Random& random) {
  SoftShadow(p, size, Circle(c, r * 1.55), QPointF(r * 0.12, r * 0.18), int(r * 0.25), kShadow);
  QRadialGradient saucer(c, r * 1.55);
  saucer.setColorAt(0.7, kCeramic);
  saucer.setColorAt(0.92, Mix(kCeramic, Qt::black, 0.08));
  saucer.setColorAt(1, Mix(kCeramic, Qt::black, 0.02));
  p.setPen(Qt::NoPen);
  p.setBrush(saucer);
  p.drawEllipse(c, r * 1.55, r * 1.55);
  // Handle, then the cup's rim and the drink.
  p.setBrush(Mix(kCeramic, Qt::black, 0.05));
  p.save();
  p.translate(c);
  p.rotate(-35);
  p.drawRoundedRect(QRectF(r * 0.85, -r * 0.18, r * 0.55, r * 0.36), r * 0.15, r * 0.15);
  p.restore();
  SoftShadow(p, size, Circle(c, r), QPointF(r * 0.05, r * 0.08), int(r * 0.12), QColor(50, 28, 12, 80));
  p.setBrush(kCeramic);
  p.drawEllipse(c, r, r);
  QRadialGradient coffee(c - QPointF(r * 0.2, r * 0.2), r);
  coffee.setColorAt(0, drink.lighter(125));
  coffee.setColorAt(1, drink.darker(115));
  p.setBrush(coffee);
  p.drawEllipse(c, r * 0.84, r * 0.84);
  if (latteArt) {
    const QColor milk(246, 232, 210);
    p.setBrush(milk);
    const double s = r * 0.42;
    QPainterPath heart;
    heart.moveTo(c + QPointF(0, s * 0.9));
    heart.cubicTo(c + QPointF(-s * 1.3, s * 0.1), c + QPointF(-s * 0.9, -s * 1.0), c + QPointF(0, -s * 0.45));
    heart.cubicTo(c + QPointF(s * 0.9, -s * 1.0), c + QPointF(s * 1.3, s * 0.1), c + QPointF(0, s * 0.9));
    p.drawPath(heart);
    p.setPen(QPen(drink.lighter(115), r * 0.04));
    for (double k = 0.3; k < 0.9; k += 0.2) p.drawArc(QRectF(c.x() - s * k, c.y() - s * 0.5 - s * k, 2 * s * k, 2 * s * k), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
  } else {
    p.setBrush(QColor(255, 255, 255, 40));
    p.drawEllipse(c + QPointF(-r * 0.3, -r * 0.3), r * 0.2, r * 0.12);
  }
  // A few coffee beans near the saucer.
  for (int i = 0; i < 4; ++i) {
    const double a = Uniform(random, 0, 6.28);
    const QPointF b = c + QPointF(std::cos(a), std::sin(a)) * r * Uniform(random, 1.8, 2.3);
    p.save();
    p.translate(b);
    p.rotate(Uniform(random, 0, 180));
    p.setBrush(QColor(70, 40, 24));
    p.drawEllipse(QPointF(), r * 0.14, r * 0.1);
    p.setPen(QPen(QColor(40, 22, 12), r * 0.02));
    p.drawLine(QPointF(-r * 0.11, 0), QPointF(r * 0.11, 0));
    p.setPen(Qt::NoPen);
    p.restore();
  }
}

void Plate(QPainter& p, QSize size, QPointF c, double r, QColor color = kCeramic) {
  SoftShadow(p, size, Circle(c, r), QPointF(r * 0.06, r * 0.1), int(r * 0.15), kShadow);
  QRadialGradient plate(c, r);
  plate.setColorAt(0.62, color);
  plate.setColorAt(0.7, Mix(color, Qt::black, 0.07));
  plate.setColorAt(0.78, color);
  plate.setColorAt(1, Mix(color, Qt::black, 0.04));
  p.setPen(Qt::NoPen);
  p.setBrush(plate);
  p.drawEllipse(c, r, r);
}

void Croissant(QPainter& p, QPointF c, double size, double angle) {
  p.save();
  p.translate(c);
  p.rotate(angle);
  for (int i = -3; i <= 3; ++i) {
    const double t = i / 3.0;
    const double a = t * 1.1;
    const QPointF at(std::sin(a) * size, -std::cos(a) * size * 0.55 + size * 0.4);
    const double seg = size * (0.5 - std::abs(t) * 0.28);
    p.save();
    p.translate(at);
    p.rotate(a * 57.3);
    QRadialGradient bake(QPointF(-seg * 0.2, -seg * 0.2), seg);
    bake.setColorAt(0, QColor(240, 184, 96));
    bake.setColorAt(0.7, QColor(206, 130, 52));
    bake.setColorAt(1, QColor(150, 82, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(bake);
    p.drawEllipse(QPointF(), seg * 0.55, seg);
    p.restore();
  }
  p.restore();
}

void Leaf(QPainter& p, QPointF at, double length, double angle, QColor color) {
  p.save();
  p.translate(at);
  p.rotate(angle);
  QPainterPath leaf(QPointF(0, 0));
  leaf.cubicTo(QPointF(length * 0.3, -length * 0.28), QPointF(length * 0.75, -length * 0.2), QPointF(length, 0));
  leaf.cubicTo(QPointF(length * 0.75, length * 0.2), QPointF(length * 0.3, length * 0.28), QPointF(0, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPath(leaf);
  p.setPen(QPen(color.lighter(130), length * 0.03));
  p.drawLine(QPointF(length * 0.05, 0), QPointF(length * 0.9, 0));
  p.restore();
}

void Sprig(QPainter& p, QPointF at, double length, double angle, QColor color) {
  p.save();
  p.translate(at);
  p.rotate(angle);
  p.setPen(QPen(color.darker(120), length * 0.025, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(0, 0), QPointF(length, 0));
  for (int i = 1; i <= 5; ++i) {
    const double x = length * i / 6.0;
    Leaf(p, QPointF(x, 0), length * 0.3, -50, color);
    Leaf(p, QPointF(x, 0), length * 0.3, 50, Mix(color, Qt::white, 0.1));
  }
  Leaf(p, QPointF(length, 0), length * 0.28, 0, color);
  p.restore();
}

void Berries(QPainter& p, QPointF c, double spread, int count, QColor color, Random& random) {
  for (int i = 0; i < count; ++i) {
    const QPointF b = c + QPointF(Uniform(random, -spread, spread), Uniform(random, -spread, spread));
    const double r = spread * Uniform(random, 0.18, 0.26);
    QRadialGradient shine(b - QPointF(r * 0.3, r * 0.3), r);
    shine.setColorAt(0, color.lighter(150));
    shine.setColorAt(1, color.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(b, r, r);
  }
}

QImage Begin(QSize size, QPainter& p, QImage& image) {
  image = Canvas(size.width(), size.height());
  p.begin(&image);
  p.setRenderHint(QPainter::Antialiasing);
  return image;
}

QImage Finish(QPainter& p, QImage& image, Random& random) {
  p.end();
  Grain(image, 3, random);
  Vignette(image, 0.25);
  return image;
}

QImage Hero(QSize size, Random& random) {
  QImage image;
  QPainter p;
  Begin(size, p, image);
  Wood(p, size, QColor(150, 100, 64), random);
  const double h = size.height();
  const double w = size.width();
  // Napkin.
  QPainterPath napkin;
  napkin.addRoundedRect(QRectF(w * 0.52, h * 0.12, h * 0.62, h * 0.75), 6, 6);
  p.save();
  p.translate(w * 0.52 + h * 0.3, h * 0.5);
  p.rotate(8);
  p.translate(-(w * 0.52 + h * 0.3), -h * 0.5);
  SoftShadow(p, size, napkin, QPointF(4, 6), 8, QColor(50, 28, 12, 60));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 226, 206));
  p.drawPath(napkin);
  p.restore();
  Cup(p, size, QPointF(w * 0.34, h * 0.52), h * 0.2, QColor(150, 94, 52), true, random);
  Plate(p, size, QPointF(w * 0.62, h * 0.5), h * 0.26);
  Croissant(p, QPointF(w * 0.62, h * 0.46), h * 0.2, -20);
  Sprig(p, QPointF(w * 0.8, h * 0.85), h * 0.35, -60, QColor(84, 120, 66));
  Sprig(p, QPointF(w * 0.1, h * 0.2), h * 0.3, 30, QColor(96, 130, 70));
  Berries(p, QPointF(w * 0.82, h * 0.26), h * 0.06, 6, QColor(150, 30, 60), random);
  return Finish(p, image, random);
}

QImage Coffee(QSize size, Random& random) {
  QImage image;
  QPainter p;
  Begin(size, p, image);
  Linen(p, size, QColor(226, 206, 176), random);
  Cup(p, size, QPointF(size.width() * 0.5, size.height() * 0.5), size.height() * 0.24, QColor(140, 86, 46), true, random);
  return Finish(p, image, random);
}

QImage Pastries(QSize size, Random& random) {
  QImage image;
  QPainter p;
  Begin(size, p, image);
  Wood(p, size, QColor(176, 128, 84), random);
  const double h = size.height();
  Plate(p, size, QPointF(size.width() * 0.5, h * 0.5), h * 0.4);
  Croissant(p, QPointF(size.width() * 0.42, h * 0.4), h * 0.18, -30);
  Croissant(p, QPointF(size.width() * 0.58, h * 0.6), h * 0.18, 150);
  Berries(p, QPointF(size.width() * 0.62, h * 0.36), h * 0.05, 5, QColor(60, 60, 150), random);
  return Finish(p, image, random);
}

QImage Breakfast(QSize size, Random& random) {
  QImage image;
  QPainter p;
  Begin(size, p, image);
  Linen(p, size, QColor(214, 226, 222), random);
  const double h = size.height();
  const QPointF c(size.width() * 0.5, h * 0.5);
  Plate(p, size, c, h * 0.42);
  // Toast.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 2; ++i) {
    p.save();
    p.translate(c + QPointF(-h * 0.14 + i * h * 0.06, -h * 0.08 + i * h * 0.05));
    p.rotate(-12 + i * 14);
    p.setBrush(QColor(176, 112, 52));
    p.drawRoundedRect(QRectF(-h * 0.12, -h * 0.12, h * 0.24, h * 0.24), h * 0.05, h * 0.05);
    p.setBrush(QColor(226, 170, 96));
    p.drawRoundedRect(QRectF(-h * 0.1, -h * 0.1, h * 0.2, h * 0.2), h * 0.04, h * 0.04);
    p.restore();
  }
  // Egg.
  QPainterPath white;
  const QPointF e = c + QPointF(h * 0.16, h * 0.1);
  for (int i = 0; i <= 24; ++i) {
    const double a = i * 6.2832 / 24;
    const double r = h * 0.12 * (1 + 0.12 * std::sin(a * 3) + 0.06 * std::cos(a * 5));
    const QPointF pt = e + QPointF(std::cos(a) * r, std::sin(a) * r);
    if (i == 0) white.moveTo(pt); else white.lineTo(pt);
  }
  p.setBrush(QColor(252, 250, 244));
  p.drawPath(white);
  QRadialGradient yolk(e - QPointF(h * 0.015, h * 0.015), h * 0.05);
  yolk.setColorAt(0, QColor(255, 200, 80));
  yolk.setColorAt(1, QColor(236, 140, 20));
  p.setBrush(yolk);
  p.drawEllipse(e, h * 0.045, h * 0.045);
  // Avocado slices.
  for (int i = 0; i < 4; ++i) {
    p.save();
    p.translate(c + QPointF(-h * 0.05 + i * h * 0.045, h * 0.22));
    p.rotate(-20 + i * 8);
    p.setBrush(QColor(80, 110, 40));
    p.drawEllipse(QPointF(), h * 0.03, h * 0.1);
    p.setBrush(QColor(190, 210, 110));
    p.drawEllipse(QPointF(h * 0.004, 0), h * 0.022, h * 0.09);
    p.restore();
  }
  Sprig(p, c + QPointF(-h * 0.25, h * 0.2), h * 0.14, -40, QColor(70, 120, 60));
  return Finish(p, image, random);
}

QImage Cake(QSize size, Random& random) {
  QImage image;
  QPainter p;
  Begin(size, p, image);
  Wood(p, size, QColor(120, 84, 60), random);
  const double h = size.height();
  const QPointF c(size.width() * 0.5, h * 0.5);
  Plate(p, size, c, h * 0.38, QColor(232, 236, 240));
  QPainterPath slice;
  slice.moveTo(c + QPointF(-h * 0.2, h * 0.16));
  slice.lineTo(c + QPointF(h * 0.22, h * 0.12));
  slice.lineTo(c + QPointF(0, -h * 0.24));
  slice.closeSubpath();
  SoftShadow(p, size, slice, QPointF(h * 0.015, h * 0.02), int(h * 0.02), kShadow);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 236, 214));
  p.drawPath(slice);
  p.setPen(QPen(QColor(120, 60, 40), h * 0.025, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(c + QPointF(-h * 0.2, h * 0.16), c + QPointF(h * 0.22, h * 0.12));
  p.setPen(Qt::NoPen);
  Berries(p, c + QPointF(0, -h * 0.02), h * 0.06, 5, QColor(200, 30, 50), random);
  Leaf(p, c + QPointF(h * 0.02, -h * 0.08), h * 0.07, -70, QColor(80, 140, 70));
  // A fork.
  p.setBrush(QColor(200, 204, 210));
  p.drawRoundedRect(QRectF(c.x() + h * 0.3, c.y() - h * 0.3, h * 0.025, h * 0.5), h * 0.01, h * 0.01);
  return Finish(p, image, random);
}

QImage Salad(QSize size, Random& random) {
  QImage image;
  QPainter p;
  Begin(size, p, image);
  Linen(p, size, QColor(236, 228, 214), random);
  const double h = size.height();
  const QPointF c(size.width() * 0.5, h * 0.5);
  SoftShadow(p, size, Circle(c, h * 0.38), QPointF(h * 0.02, h * 0.03), int(h * 0.04), kShadow);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 90, 110));
  p.drawEllipse(c, h * 0.38, h * 0.38);
  p.setBrush(QColor(240, 240, 236));
  p.drawEllipse(c, h * 0.34, h * 0.34);
  for (int i = 0; i < 38; ++i) {
    const double a = Uniform(random, 0, 6.283);
    const double d = std::sqrt(Uniform(random, 0, 1)) * h * 0.24;
    const QColor green = Mix(QColor(70, 130, 50), QColor(170, 210, 90), Uniform(random, 0, 1));
    Leaf(p, c + QPointF(std::cos(a) * d, std::sin(a) * d), h * Uniform(random, 0.09, 0.14), Uniform(random, 0, 360), green);
  }
  Berries(p, c, h * 0.16, 7, QColor(220, 60, 40), random);
  for (int i = 0; i < 6; ++i) {
    p.setBrush(QColor(250, 246, 230));
    p.drawRoundedRect(QRectF(c.x() + Uniform(random, -h * 0.2, h * 0.18), c.y() + Uniform(random, -h * 0.2, h * 0.18),
                             h * 0.04, h * 0.04), 3, 3);
  }
  return Finish(p, image, random);
}

QImage Tea(QSize size, Random& random) {
  QImage image;
  QPainter p;
  Begin(size, p, image);
  Wood(p, size, QColor(164, 118, 80), random);
  const double h = size.height();
  const QPointF pot(size.width() * 0.38, h * 0.45);
  const double r = h * 0.24;
  SoftShadow(p, size, Circle(pot, r), QPointF(r * 0.1, r * 0.14), int(r * 0.2), kShadow);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(52, 92, 96));
  p.save();
  p.translate(pot);
  p.drawRoundedRect(QRectF(r * 0.8, -r * 0.12, r * 0.7, r * 0.24), r * 0.1, r * 0.1);
  p.drawRoundedRect(QRectF(-r * 1.35, -r * 0.18, r * 0.5, r * 0.36), r * 0.12, r * 0.12);
  p.restore();
  QRadialGradient glaze(pot - QPointF(r * 0.3, r * 0.3), r * 1.2);
  glaze.setColorAt(0, QColor(96, 150, 150));
  glaze.setColorAt(1, QColor(40, 76, 82));
  p.setBrush(glaze);
  p.drawEllipse(pot, r, r);
  p.setBrush(QColor(36, 66, 72));
  p.drawEllipse(pot, r * 0.45, r * 0.45);
  p.setBrush(QColor(96, 150, 150));
  p.drawEllipse(pot, r * 0.14, r * 0.14);
  Cup(p, size, QPointF(size.width() * 0.72, h * 0.62), h * 0.12, QColor(196, 120, 40), false, random);
  Sprig(p, QPointF(size.width() * 0.6, h * 0.2), h * 0.18, 10, QColor(90, 140, 70));
  return Finish(p, image, random);
}

QImage Interior(QSize size, Random& random) {
  QImage image;
  QPainter p;
  Begin(size, p, image);
  const double w = size.width();
  const double h = size.height();
  FillVertical(p, QRectF(0, 0, w, h), {{0, QColor(40, 24, 18)}, {0.6, QColor(90, 52, 32)}, {1, QColor(60, 36, 24)}});
  PaintBlurred(p, size, 14, [&](QPainter& q) {
    for (int i = 0; i < 46; ++i) {
      const QPointF b(Uniform(random, 0, w), Uniform(random, 0, h * 0.6));
      const double r = Uniform(random, h * 0.02, h * 0.07);
      q.setPen(Qt::NoPen);
      q.setBrush(QColor(255, int(Uniform(random, 170, 220)), 120, int(Uniform(random, 60, 160))));
      q.drawEllipse(b, r, r);
    }
  });
  // Pendant lamps.
  for (const double x : {w * 0.25, w * 0.5, w * 0.75}) {
    p.setPen(QPen(QColor(20, 12, 8), 2));
    p.drawLine(QPointF(x, 0), QPointF(x, h * 0.3));
    QRadialGradient glow(x, h * 0.36, h * 0.3);
    glow.setColorAt(0, QColor(255, 210, 140, 170));
    glow.setColorAt(1, QColor(255, 210, 140, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(x, h * 0.36), h * 0.3, h * 0.3);
    p.setBrush(QColor(214, 150, 60));
    p.drawChord(QRectF(x - h * 0.07, h * 0.28, h * 0.14, h * 0.14), 0, 180 * 16);
    p.setBrush(QColor(255, 236, 190));
    p.drawEllipse(QPointF(x, h * 0.35), h * 0.02, h * 0.012);
  }
  // Counter with cups and a plant.
  p.setBrush(QColor(34, 20, 14));
  p.drawRect(QRectF(0, h * 0.68, w, h * 0.32));
  p.setBrush(QColor(120, 76, 48));
  p.drawRect(QRectF(0, h * 0.66, w, h * 0.03));
  for (int i = 0; i < 5; ++i) {
    const double x = w * 0.12 + i * w * 0.08;
    p.setBrush(kCeramic);
    p.drawRoundedRect(QRectF(x, h * 0.6, h * 0.06, h * 0.06), 4, 4);
  }
  p.setBrush(QColor(190, 196, 200));
  p.drawRoundedRect(QRectF(w * 0.62, h * 0.46, w * 0.16, h * 0.2), 8, 8);
  p.setBrush(QColor(60, 60, 64));
  p.drawRect(QRectF(w * 0.64, h * 0.56, w * 0.12, h * 0.05));
  for (int i = 0; i < 9; ++i) Leaf(p, QPointF(w * 0.9, h * 0.62), h * Uniform(random, 0.12, 0.2), -90 + Uniform(random, -60, 60), QColor(60, 100, 50));
  p.setBrush(QColor(170, 90, 60));
  p.drawRect(QRectF(w * 0.87, h * 0.6, w * 0.06, h * 0.07));
  return Finish(p, image, random);
}

Picture Make(const QString& name, QSize size, QImage (*paint)(QSize, Random&)) {
  return {name, size, 82, [paint](QSize s, Random& r) { return paint(s, r); }};
}

}  // namespace

std::vector<Picture> Template3Pictures() {
  return {
      Make("hero.jpg", {1400, 620}, Hero),
      Make("coffee.jpg", {560, 560}, Coffee),
      Make("pastries.jpg", {560, 560}, Pastries),
      Make("breakfast.jpg", {560, 560}, Breakfast),
      Make("cake.jpg", {560, 560}, Cake),
      Make("salad.jpg", {560, 560}, Salad),
      Make("tea.jpg", {560, 560}, Tea),
      Make("interior.jpg", {900, 600}, Interior),
      {"map.jpg", {720, 480}, 82, [](QSize size, Random& random) {
         QImage image = Canvas(size.width(), size.height());
         QPainter p(&image);
         DrawMap(p, size, {QColor(246, 238, 224), QColor(214, 222, 190), QColor(180, 206, 214), QColor(255, 252, 246),
                            QColor(240, 196, 120), QColor(236, 224, 204), QColor(176, 74, 44)}, random);
         return image;
       }},
  };
}

}  // namespace moxa::art
