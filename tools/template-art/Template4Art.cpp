// Template 4, a software start-up: product screens drawn as mock-ups on
// bold gradients, abstract shapes, team avatars and a dark street map.
#include "Painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace moxa::art {

namespace {

const QColor kViolet(108, 60, 230), kBlue(40, 110, 250), kTeal(20, 200, 180), kPink(240, 80, 160), kInk(16, 18, 38);

void Backdrop(QPainter& p, QSize size, Random& random, QColor a, QColor b, QColor c) {
  const double w = size.width();
  const double h = size.height();
  QLinearGradient base(0, 0, w, h);
  base.setColorAt(0, a);
  base.setColorAt(1, b);
  p.fillRect(QRectF(0, 0, w, h), base);
  PaintBlurred(p, size, int(h * 0.12), [&](QPainter& q) {
    q.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
      QColor blob = i % 2 ? c : Mix(a, Qt::white, 0.2);
      blob.setAlpha(150);
      q.setBrush(blob);
      q.drawEllipse(QPointF(Uniform(random, 0, w), Uniform(random, 0, h)), Uniform(random, 0.15, 0.35) * w,
                    Uniform(random, 0.15, 0.35) * h);
    }
  });
}

void TextLine(QPainter& p, double x, double y, double width, double height, QColor color) {
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawRoundedRect(QRectF(x, y, width, height), height / 2, height / 2);
}

// A window of the product: a side bar, cards with figures and two charts.
void Dashboard(QPainter& p, QSize size, const QRectF& r, Random& random, int variant) {
  QPainterPath frame;
  frame.addRoundedRect(r, 14, 14);
  SoftShadow(p, size, frame, QPointF(0, r.height() * 0.05), int(r.height() * 0.08), QColor(10, 10, 40, 120));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 251, 255));
  p.drawPath(frame);
  p.save();
  p.setClipPath(frame);
  const double unit = r.height() / 40.0;
  // Title bar.
  p.fillRect(QRectF(r.left(), r.top(), r.width(), unit * 3), QColor(236, 238, 248));
  const QColor dots[] = {QColor(255, 96, 92), QColor(255, 190, 46), QColor(40, 200, 64)};
  for (int i = 0; i < 3; ++i) {
    p.setBrush(dots[i]);
    p.drawEllipse(QPointF(r.left() + unit * (2 + i * 1.6), r.top() + unit * 1.5), unit * 0.55, unit * 0.55);
  }
  // Side bar.
  const double side = r.width() * 0.2;
  p.fillRect(QRectF(r.left(), r.top() + unit * 3, side, r.height()), kInk);
  for (int i = 0; i < 6; ++i) {
    const double y = r.top() + unit * (6 + i * 3.2);
    if (i == variant % 6) {
      p.setBrush(QColor(255, 255, 255, 30));
      p.drawRoundedRect(QRectF(r.left() + unit, y - unit * 0.9, side - 2 * unit, unit * 2.4), unit * 0.6, unit * 0.6);
    }
    p.setBrush(i == variant % 6 ? kTeal : QColor(120, 126, 170));
    p.drawEllipse(QPointF(r.left() + unit * 2.4, y + unit * 0.3), unit * 0.5, unit * 0.5);
    TextLine(p, r.left() + unit * 3.6, y, side * Uniform(random, 0.35, 0.55), unit * 0.6, QColor(150, 156, 200));
  }
  const double left = r.left() + side + unit * 2;
  const double inner = r.right() - unit * 2 - left;
  TextLine(p, left, r.top() + unit * 5, inner * 0.3, unit * 1.2, kInk);
  TextLine(p, left, r.top() + unit * 7.2, inner * 0.45, unit * 0.6, QColor(170, 176, 200));
  // Figure cards.
  const QColor accents[] = {kViolet, kBlue, kTeal};
  const double cardWidth = (inner - 2 * unit * 1.5) / 3;
  for (int i = 0; i < 3; ++i) {
    const QRectF card(left + i * (cardWidth + unit * 1.5), r.top() + unit * 9.5, cardWidth, unit * 7);
    p.setBrush(QColor(240, 242, 252));
    p.drawRoundedRect(card, unit, unit);
    TextLine(p, card.left() + unit, card.top() + unit * 1.2, cardWidth * 0.4, unit * 0.6, QColor(160, 166, 196));
    TextLine(p, card.left() + unit, card.top() + unit * 2.8, cardWidth * Uniform(random, 0.4, 0.6), unit * 1.6, kInk);
    p.setBrush(accents[(i + variant) % 3]);
    p.drawRoundedRect(QRectF(card.left() + unit, card.bottom() - unit * 1.8, cardWidth * Uniform(random, 0.3, 0.8), unit * 0.7),
                      unit * 0.35, unit * 0.35);
  }
  // Line chart with a soft fill.
  const QRectF chart(left, r.top() + unit * 18.5, inner * 0.62, unit * 19);
  p.setBrush(QColor(240, 242, 252));
  p.drawRoundedRect(chart, unit, unit);
  QPainterPath line;
  QPolygonF points;
  double value = 0.5;
  for (int i = 0; i <= 12; ++i) {
    value = std::clamp(value + Uniform(random, -0.14, 0.2), 0.15, 0.9);
    points << QPointF(chart.left() + unit * 1.5 + (chart.width() - unit * 3) * i / 12.0,
                      chart.bottom() - unit * 2 - (chart.height() - unit * 5) * value);
  }
  line.moveTo(points[0]);
  for (int i = 1; i < points.size(); ++i) {
    const QPointF a = points[i - 1];
    const QPointF b = points[i];
    line.cubicTo(QPointF((a.x() + b.x()) / 2, a.y()), QPointF((a.x() + b.x()) / 2, b.y()), b);
  }
  QPainterPath fill = line;
  fill.lineTo(points.last().x(), chart.bottom() - unit);
  fill.lineTo(points.first().x(), chart.bottom() - unit);
  fill.closeSubpath();
  QLinearGradient under(0, chart.top(), 0, chart.bottom());
  QColor accent = accents[variant % 3];
  accent.setAlpha(90);
  under.setColorAt(0, accent);
  accent.setAlpha(0);
  under.setColorAt(1, accent);
  p.setBrush(under);
  p.drawPath(fill);
  p.setPen(QPen(accents[variant % 3], unit * 0.45, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(line);
  p.setPen(Qt::NoPen);
  // Donut or bars beside it.
  const QRectF box(chart.right() + unit * 1.5, chart.top(), r.right() - unit * 2 - chart.right() - unit * 1.5, chart.height());
  p.setBrush(QColor(240, 242, 252));
  p.drawRoundedRect(box, unit, unit);
  if (variant % 2 == 0) {
    const double radius = std::min(box.width(), box.height()) * 0.32;
    const QPointF c = box.center();
    double start = 90;
    const double parts[] = {0.46, 0.3, 0.24};
    for (int i = 0; i < 3; ++i) {
      p.setPen(QPen(accents[i], radius * 0.36, Qt::SolidLine, Qt::FlatCap));
      p.drawArc(QRectF(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius), int(start * 16), int(-parts[i] * 360 * 16));
      start -= parts[i] * 360;
    }
    p.setPen(Qt::NoPen);
  } else {
    for (int i = 0; i < 6; ++i) {
      const double bh = (box.height() - unit * 4) * Uniform(random, 0.25, 1.0);
      const double bw = (box.width() - unit * 3) / 6 * 0.6;
      p.setBrush(accents[i % 3]);
      p.drawRoundedRect(QRectF(box.left() + unit * 1.5 + i * (box.width() - unit * 3) / 6, box.bottom() - unit * 2 - bh, bw, bh),
                        bw / 3, bw / 3);
    }
  }
  p.restore();
}

void Phone(QPainter& p, QSize size, const QRectF& r, Random& random) {
  QPainterPath body;
  body.addRoundedRect(r, r.width() * 0.16, r.width() * 0.16);
  SoftShadow(p, size, body, QPointF(0, r.height() * 0.04), int(r.height() * 0.06), QColor(10, 10, 40, 130));
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPath(body);
  const QRectF screen = r.adjusted(r.width() * 0.05, r.width() * 0.05, -r.width() * 0.05, -r.width() * 0.05);
  p.setBrush(QColor(250, 251, 255));
  p.drawRoundedRect(screen, r.width() * 0.12, r.width() * 0.12);
  const double u = screen.width() / 20;
  TextLine(p, screen.left() + u * 2, screen.top() + u * 4, u * 9, u * 1.2, kInk);
  QLinearGradient card(screen.topLeft(), screen.topRight());
  card.setColorAt(0, kViolet);
  card.setColorAt(1, kBlue);
  p.setBrush(card);
  p.drawRoundedRect(QRectF(screen.left() + u * 2, screen.top() + u * 7, u * 16, u * 9), u * 1.5, u * 1.5);
  TextLine(p, screen.left() + u * 3.5, screen.top() + u * 9, u * 6, u * 0.8, QColor(255, 255, 255, 170));
  TextLine(p, screen.left() + u * 3.5, screen.top() + u * 11, u * 10, u * 1.8, Qt::white);
  for (int i = 0; i < 5; ++i) {
    const double y = screen.top() + u * (19 + i * 3.6);
    p.setBrush(i % 2 ? kTeal : kPink);
    p.drawEllipse(QPointF(screen.left() + u * 3.2, y + u * 0.8), u * 1.1, u * 1.1);
    TextLine(p, screen.left() + u * 5.5, y, u * Uniform(random, 6, 10), u * 0.7, kInk);
    TextLine(p, screen.left() + u * 5.5, y + u * 1.3, u * Uniform(random, 4, 7), u * 0.5, QColor(170, 176, 200));
  }
}

QImage Hero(QSize size, Random& random) {
  QImage image = Canvas(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Backdrop(p, size, random, kViolet, kBlue, kTeal);
  const double w = size.width();
  const double h = size.height();
  Dashboard(p, size, QRectF(w * 0.06, h * 0.1, w * 0.78, h * 0.78), random, 0);
  Phone(p, size, QRectF(w * 0.72, h * 0.3, w * 0.2, h * 0.66), random);
  return image;
}

QImage Screen(QSize size, Random& random, int variant) {
  QImage image = Canvas(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor pairs[][3] = {{kViolet, kPink, kBlue}, {kBlue, kTeal, kViolet}, {QColor(20, 24, 60), kViolet, kTeal},
                             {kTeal, kBlue, kPink}};
  const auto& c = pairs[variant % 4];
  Backdrop(p, size, random, c[0], c[1], c[2]);
  Dashboard(p, size, QRectF(size.width() * 0.08, size.height() * 0.12, size.width() * 0.84, size.height() * 0.8), random, variant);
  return image;
}

QImage MobileScreens(QSize size, Random& random) {
  QImage image = Canvas(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Backdrop(p, size, random, kPink, kViolet, kBlue);
  const double w = size.width();
  const double h = size.height();
  Phone(p, size, QRectF(w * 0.16, h * 0.16, w * 0.3, h * 0.9), random);
  Phone(p, size, QRectF(w * 0.54, h * 0.08, w * 0.3, h * 0.9), random);
  return image;
}

QImage Cubes(QSize size, Random& random) {
  QImage image = Canvas(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Backdrop(p, size, random, kInk, QColor(40, 30, 100), kViolet);
  const double s = size.height() / 9.0;
  const QColor faces[][3] = {{QColor(150, 120, 255), kViolet, QColor(70, 36, 170)},
                             {QColor(120, 240, 220), kTeal, QColor(10, 130, 120)},
                             {QColor(130, 180, 255), kBlue, QColor(20, 70, 180)}};
  // An isometric stack: draw back to front.
  const int grid[4][4] = {{3, 2, 1, 0}, {2, 2, 1, 1}, {1, 1, 2, 0}, {0, 1, 0, 1}};
  const QPointF origin(size.width() / 2.0, size.height() * 0.3);
  for (int gy = 0; gy < 4; ++gy) {
    for (int gx = 0; gx < 4; ++gx) {
      for (int z = 0; z < grid[gy][gx]; ++z) {
        const QPointF c = origin + QPointF((gx - gy) * s * 0.87, (gx + gy) * s * 0.5 - z * s);
        const auto& f = faces[(gx + gy + z) % 3];
        const QPointF top(c.x(), c.y() - s * 0.5), right(c.x() + s * 0.87, c.y()), bottom(c.x(), c.y() + s * 0.5),
            left(c.x() - s * 0.87, c.y());
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.setBrush(f[0]);
        p.drawPolygon(QPolygonF({top, right, bottom, left}));
        p.setBrush(f[1]);
        p.drawPolygon(QPolygonF({left, bottom, bottom + QPointF(0, s), left + QPointF(0, s)}));
        p.setBrush(f[2]);
        p.drawPolygon(QPolygonF({bottom, right, right + QPointF(0, s), bottom + QPointF(0, s)}));
      }
    }
  }
  return image;
}

QImage Network(QSize size, Random& random) {
  QImage image = Canvas(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Backdrop(p, size, random, QColor(10, 14, 40), QColor(30, 20, 80), kBlue);
  std::vector<QPointF> nodes;
  for (int i = 0; i < 34; ++i) nodes.emplace_back(Uniform(random, 0.05, 0.95) * size.width(), Uniform(random, 0.08, 0.92) * size.height());
  for (size_t i = 0; i < nodes.size(); ++i) {
    for (size_t j = i + 1; j < nodes.size(); ++j) {
      const double d = std::hypot(nodes[i].x() - nodes[j].x(), nodes[i].y() - nodes[j].y());
      if (d < size.width() * 0.2) {
        p.setPen(QPen(QColor(140, 200, 255, int(160 * (1 - d / (size.width() * 0.2)))), 1.5));
        p.drawLine(nodes[i], nodes[j]);
      }
    }
  }
  for (size_t i = 0; i < nodes.size(); ++i) {
    const double r = Uniform(random, 3, 9);
    QRadialGradient glow(nodes[i], r * 4);
    const QColor c = i % 3 == 0 ? kTeal : i % 3 == 1 ? kPink : QColor(160, 200, 255);
    QColor g = c;
    g.setAlpha(120);
    glow.setColorAt(0, g);
    g.setAlpha(0);
    glow.setColorAt(1, g);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(nodes[i], r * 4, r * 4);
    p.setBrush(c);
    p.drawEllipse(nodes[i], r, r);
  }
  return image;
}

QImage Avatar(QSize size, Random& random, QColor a, QColor b, QColor skin, QColor hair, int style) {
  QImage image = Canvas(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Backdrop(p, size, random, a, b, Mix(a, Qt::white, 0.3));
  const double w = size.width();
  const double h = size.height();
  // Shoulders.
  p.setPen(Qt::NoPen);
  p.setBrush(Mix(b, kInk, 0.55));
  p.drawRoundedRect(QRectF(w * 0.18, h * 0.7, w * 0.64, h * 0.5), w * 0.28, w * 0.28);
  p.setBrush(skin.darker(108));
  p.drawRect(QRectF(w * 0.44, h * 0.56, w * 0.12, h * 0.16));
  // Hair behind, face, hair in front.
  p.setBrush(hair);
  if (style == 1) p.drawRoundedRect(QRectF(w * 0.3, h * 0.22, w * 0.4, h * 0.5), w * 0.18, w * 0.18);
  p.setBrush(skin);
  p.drawEllipse(QPointF(w * 0.5, h * 0.44), w * 0.15, h * 0.17);
  p.setBrush(hair);
  if (style == 2) {
    p.drawEllipse(QPointF(w * 0.5, h * 0.2), w * 0.1, w * 0.1);
  }
  p.drawChord(QRectF(w * 0.34, h * 0.25, w * 0.32, h * 0.26), 0, 180 * 16);
  return image;
}

Picture Make(const QString& name, QSize size, std::function<QImage(QSize, Random&)> paint) {
  return {name, size, 84, std::move(paint)};
}

}  // namespace

std::vector<Picture> Template4Pictures() {
  return {
      Make("hero.jpg", {1200, 760}, Hero),
      Make("screen-analytics.jpg", {720, 480}, [](QSize s, Random& r) { return Screen(s, r, 1); }),
      Make("screen-reports.jpg", {720, 480}, [](QSize s, Random& r) { return Screen(s, r, 2); }),
      Make("screen-team.jpg", {720, 480}, [](QSize s, Random& r) { return Screen(s, r, 3); }),
      Make("screen-billing.jpg", {720, 480}, [](QSize s, Random& r) { return Screen(s, r, 4); }),
      Make("mobile.jpg", {720, 480}, MobileScreens),
      Make("cubes.jpg", {720, 480}, Cubes),
      Make("network.jpg", {720, 480}, Network),
      Make("team-1.jpg", {320, 320}, [](QSize s, Random& r) {
        return Avatar(s, r, kViolet, kBlue, QColor(240, 200, 170), QColor(60, 40, 30), 1); }),
      Make("team-2.jpg", {320, 320}, [](QSize s, Random& r) {
        return Avatar(s, r, kTeal, kBlue, QColor(150, 100, 70), QColor(30, 24, 20), 0); }),
      Make("team-3.jpg", {320, 320}, [](QSize s, Random& r) {
        return Avatar(s, r, kPink, kViolet, QColor(220, 170, 130), QColor(180, 120, 60), 2); }),
      Make("map.jpg", {720, 480}, [](QSize size, Random& random) {
        QImage image = Canvas(size.width(), size.height());
        QPainter p(&image);
        DrawMap(p, size, {QColor(24, 28, 54), QColor(30, 60, 70), QColor(30, 50, 110), QColor(44, 50, 86),
                           QColor(108, 60, 230), QColor(32, 36, 66), kTeal}, random);
        return image;
      }),
  };
}

}  // namespace moxa::art
