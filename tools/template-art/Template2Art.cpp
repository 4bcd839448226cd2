// Template 2, a photographer's portfolio: moody landscapes (dusk lake,
// dunes, sea, misty forest, night sky, peaks, a city at blue hour) with a
// photographic finish of haze, grain and vignette.
#include "Painting.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace moxa::art {

namespace {

struct Layer {
  double baseY;      // fraction of the height
  double amplitude;  // fraction of the height
  double roughness;
  QColor color;
  bool trees = false;
  double mist = 0;   // strength of a mist band above this layer
  QColor lit = {};   // when valid: a sunlit side, the layer gets a horizontal gradient
};

struct Scene {
  std::vector<std::pair<double, QColor>> sky;
  QPointF sun;  // fractions; negative x: no sun
  double sunRadius = 0;
  QColor sunColor;
  double glow = 0;
  int stars = 0;
  bool milkyWay = false;
  std::vector<Layer> layers;
  double water = 0;  // fraction of the height where water begins; 0: none
  QColor mistColor = QColor(255, 255, 255);
  double vignette = 0.45;
};

void Pines(QPainter& p, const QPolygonF& ridge, const QColor& color, double height, Random& random) {
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  for (int i = 1; i + 1 < ridge.size(); i += 2) {
    const QPointF foot = ridge[i];
    if (Uniform(random, 0, 1) < 0.35) continue;
    const double h = height * Uniform(random, 0.6, 1.3);
    const double wdt = h * 0.32;
    QPolygonF tree;
    tree << QPointF(foot.x(), foot.y() - h);
    for (int t = 1; t <= 4; ++t) {
      tree << QPointF(foot.x() + wdt * t / 4.0, foot.y() - h + h * t / 4.0);
      if (t < 4) tree << QPointF(foot.x() + wdt * t / 8.0, foot.y() - h + h * t / 4.0);
    }
    tree << QPointF(foot.x() + 2, foot.y() + 6) << QPointF(foot.x() - 2, foot.y() + 6);
    for (int t = 4; t >= 1; --t) {
      if (t < 4) tree << QPointF(foot.x() - wdt * t / 8.0, foot.y() - h + h * t / 4.0);
      tree << QPointF(foot.x() - wdt * t / 4.0, foot.y() - h + h * t / 4.0);
    }
    p.drawPolygon(tree);
  }
}

QImage PaintScene(QSize size, const Scene& scene, Random& random) {
  const double w = size.width();
  const double h = size.height();
  const double horizon = scene.water > 0 ? scene.water * h : h;
  QImage image = Canvas(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  FillVertical(p, QRectF(0, 0, w, horizon), scene.sky);

  if (scene.milkyWay) {
    PaintBlurred(p, size, int(h * 0.08), [&](QPainter& q) {
      q.translate(w * 0.55, h * 0.3);
      q.rotate(-28);
      for (int i = 0; i < 60; ++i) {
        q.setPen(Qt::NoPen);
        q.setBrush(QColor(200, 190, 230, int(Uniform(random, 10, 40))));
        q.drawEllipse(QPointF(Uniform(random, -w * 0.7, w * 0.7), Uniform(random, -h * 0.07, h * 0.07)), h * 0.09, h * 0.05);
      }
    });
  }
  for (int i = 0; i < scene.stars; ++i) {
    const double y = Uniform(random, 0, horizon * 0.8);
    const double alpha = Uniform(random, 40, 230) * (1 - y / horizon);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, int(alpha)));
    const double r = Uniform(random, 0, 1) < 0.94 ? Uniform(random, 0.5, 1.2) : Uniform(random, 1.4, 2.2);
    p.drawEllipse(QPointF(Uniform(random, 0, w), y), r, r);
  }
  if (scene.sun.x() >= 0) {
    const QPointF sun(scene.sun.x() * w, scene.sun.y() * h);
    QRadialGradient glow(sun, scene.glow * h);
    QColor c = scene.sunColor;
    c.setAlpha(150);
    glow.setColorAt(0, c);
    c.setAlpha(50);
    glow.setColorAt(0.35, c);
    c.setAlpha(0);
    glow.setColorAt(1, c);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sun, scene.glow * h, scene.glow * h);
    p.setBrush(Mix(scene.sunColor, Qt::white, 0.5));
    p.drawEllipse(sun, scene.sunRadius * h, scene.sunRadius * h);
  }
  for (const Layer& layer : scene.layers) {
    if (layer.mist > 0) {
      PaintBlurred(p, size, int(h * 0.06), [&](QPainter& q) {
        QColor m = scene.mistColor;
        m.setAlphaF(layer.mist);
        q.setPen(Qt::NoPen);
        q.setBrush(m);
        q.drawRect(QRectF(-50, layer.baseY * h - layer.amplitude * h * 0.6, w + 100, layer.amplitude * h * 0.9));
      });
    }
    const QPolygonF ridge = Ridge(w, layer.baseY * h, layer.amplitude * h, layer.roughness, horizon + 2, random);
    p.setPen(Qt::NoPen);
    if (layer.lit.isValid()) {
      QLinearGradient side(0, 0, w, 0);
      side.setColorAt(0, layer.lit);
      side.setColorAt(1, layer.color);
      p.setBrush(side);
    } else {
      p.setBrush(layer.color);
    }
    p.drawPolygon(ridge);
    if (layer.trees) Pines(p, ridge, layer.color, h * 0.07, random);
  }
  if (scene.water > 0) {
    // The reflection: the scene above mirrored, darker, softened, with ripples.
    QImage upper = image.copy(0, int(horizon - (h - horizon)), size.width(), int(h - horizon)).mirrored(false, true);
    Blur(upper, 3);
    p.drawImage(QPointF(0, horizon), upper);
    FillVertical(p, QRectF(0, horizon, w, h - horizon), {{0, QColor(10, 15, 30, 60)}, {1, QColor(5, 8, 16, 170)}});
    for (int i = 0; i < 140; ++i) {
      const double y = horizon + std::pow(Uniform(random, 0, 1), 1.6) * (h - horizon);
      const double len = Uniform(random, 20, 160) * (0.4 + (y - horizon) / (h - horizon));
      const double x = Uniform(random, -20, w);
      p.setPen(QPen(QColor(255, 255, 255, int(Uniform(random, 8, 28))), 1.2));
      p.drawLine(QPointF(x, y), QPointF(x + len, y));
    }
  }
  p.end();
  Grain(image, 5, random);
  Vignette(image, scene.vignette);
  return image;
}

Picture ScenePicture(const QString& name, QSize size, Scene scene) {
  return {name, size, 80, [scene](QSize s, Random& random) { return PaintScene(s, scene, random); }};
}

QImage PaintCity(QSize size, Random& random) {
  const double w = size.width();
  const double h = size.height();
  const double horizon = h * 0.68;
  QImage image = Canvas(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  FillVertical(p, QRectF(0, 0, w, horizon),
               {{0, QColor(14, 22, 48)}, {0.55, QColor(44, 62, 112)}, {0.9, QColor(150, 110, 140)}, {1, QColor(230, 150, 120)}});
  for (int row = 0; row < 2; ++row) {
    double x = -10;
    while (x < w) {
      const double bw = Uniform(random, w * 0.03, w * 0.07);
      const double bh = row == 0 ? Uniform(random, h * 0.15, h * 0.38) : Uniform(random, h * 0.06, h * 0.22);
      const QRectF b(x, horizon - bh, bw, bh);
      p.setPen(Qt::NoPen);
      p.setBrush(row == 0 ? QColor(34, 40, 68) : QColor(16, 18, 32));
      p.drawRect(b);
      if (row == 0 && Uniform(random, 0, 1) < 0.2) p.drawRect(QRectF(b.center().x() - 1.5, b.top() - h * 0.05, 3, h * 0.05));
      for (double wy = b.top() + 8; wy < b.bottom() - 6; wy += 9) {
        for (double wx = b.left() + 5; wx < b.right() - 5; wx += 8) {
          if (Uniform(random, 0, 1) < (row == 0 ? 0.22 : 0.35)) {
            p.setBrush(QColor(255, int(Uniform(random, 190, 230)), 140, int(Uniform(random, 120, 230))));
            p.drawRect(QRectF(wx, wy, 3, 4));
          }
        }
      }
      x += bw + Uniform(random, 0, 6);
    }
  }
  QImage upper = image.copy(0, int(horizon - (h - horizon)), size.width(), int(h - horizon)).mirrored(false, true);
  Blur(upper, 4);
  p.drawImage(QPointF(0, horizon), upper);
  FillVertical(p, QRectF(0, horizon, w, h - horizon), {{0, QColor(5, 10, 25, 90)}, {1, QColor(2, 4, 12, 200)}});
  for (int i = 0; i < 200; ++i) {
    const double y = horizon + Uniform(random, 0, 1) * (h - horizon);
    const double x = Uniform(random, 0, w);
    p.setPen(QPen(QColor(255, 210, 150, int(Uniform(random, 10, 50))), 1.2));
    p.drawLine(QPointF(x, y), QPointF(x + Uniform(random, 10, 60), y));
  }
  p.end();
  Grain(image, 5, random);
  Vignette(image, 0.5);
  return image;
}

// A photographer with a tripod on a ridge against the sunrise.
QImage PaintPortrait(QSize size, Random& random) {
  Scene scene;
  scene.sky = {{0, QColor(40, 52, 92)}, {0.5, QColor(196, 120, 120)}, {0.8, QColor(246, 180, 120)}, {1, QColor(252, 214, 160)}};
  scene.sun = {0.62, 0.66};
  scene.sunRadius = 0.05;
  scene.sunColor = QColor(255, 210, 150);
  scene.glow = 0.5;
  scene.layers = {{0.7, 0.12, 0.55, QColor(150, 110, 130), false, 0.25},
                  {0.82, 0.1, 0.5, QColor(80, 60, 86), false, 0.2}};
  QImage image = PaintScene(size, scene, random);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width();
  const double h = size.height();
  QPainterPath hill(QPointF(0, h));
  hill.lineTo(0, h * 0.86);
  hill.cubicTo(QPointF(w * 0.3, h * 0.78), QPointF(w * 0.5, h * 0.76), QPointF(w, h * 0.84));
  hill.lineTo(w, h);
  hill.closeSubpath();
  const QColor ink(24, 20, 34);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(hill);
  // Figure.
  const double s = h / 100.0;
  const QPointF foot(w * 0.4, h * 0.775);
  p.drawEllipse(QPointF(foot.x(), foot.y() - 24 * s), 2.4 * s, 2.4 * s);
  p.drawPath([&] {
    QPainterPath body;
    body.addRoundedRect(QRectF(foot.x() - 3.2 * s, foot.y() - 21.5 * s, 6.4 * s, 12 * s), 2 * s, 2 * s);
    return body;
  }());
  p.setPen(QPen(ink, 2.2 * s, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(foot + QPointF(-1.4 * s, -10 * s), foot + QPointF(-2 * s, 0));
  p.drawLine(foot + QPointF(1.4 * s, -10 * s), foot + QPointF(2.2 * s, 0));
  p.drawLine(foot + QPointF(2 * s, -19 * s), foot + QPointF(6.5 * s, -18 * s));
  // Tripod and camera.
  const QPointF head = foot + QPointF(8 * s, -17 * s);
  p.setPen(QPen(ink, 0.9 * s, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(head, foot + QPointF(5 * s, 0));
  p.drawLine(head, foot + QPointF(11 * s, 0.4 * s));
  p.drawLine(head, foot + QPointF(8.4 * s, 0.8 * s));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(head.x() - 2.6 * s, head.y() - 3.6 * s, 5.2 * s, 3.4 * s), 0.6 * s, 0.6 * s);
  p.drawRect(QRectF(head.x() + 2.4 * s, head.y() - 3.0 * s, 1.8 * s, 2.2 * s));
  return image;
}

}  // namespace

std::vector<Picture> Template2Pictures() {
  Scene lake;
  lake.sky = {{0, QColor(22, 30, 62)}, {0.45, QColor(88, 74, 120)}, {0.8, QColor(214, 128, 118)}, {1, QColor(248, 188, 140)}};
  lake.sun = {0.7, 0.56};
  lake.sunRadius = 0.022;
  lake.sunColor = QColor(255, 200, 150);
  lake.glow = 0.45;
  lake.layers = {{0.45, 0.2, 0.55, QColor(150, 104, 136), false, 0},
                 {0.52, 0.16, 0.5, QColor(98, 72, 108), false, 0.25},
                 {0.6, 0.09, 0.45, QColor(46, 38, 66), true, 0.2}};
  lake.water = 0.62;
  lake.mistColor = QColor(240, 190, 180);

  Scene dunes;
  dunes.sky = {{0, QColor(92, 120, 168)}, {0.6, QColor(230, 176, 130)}, {1, QColor(250, 214, 160)}};
  dunes.sun = {0.2, 0.52};
  dunes.sunRadius = 0.04;
  dunes.sunColor = QColor(255, 226, 170);
  dunes.glow = 0.5;
  dunes.layers = {{0.62, 0.1, 0.3, QColor(200, 120, 80), false, 0.2, QColor(236, 170, 110)},
                  {0.74, 0.16, 0.28, QColor(160, 82, 56), false, 0, QColor(228, 150, 92)},
                  {0.9, 0.2, 0.25, QColor(110, 50, 40), false, 0, QColor(214, 124, 76)}};

  Scene sea;
  sea.sky = {{0, QColor(30, 38, 70)}, {0.6, QColor(170, 96, 110)}, {0.92, QColor(246, 150, 96)}, {1, QColor(255, 196, 130)}};
  sea.sun = {0.5, 0.6};
  sea.sunRadius = 0.05;
  sea.sunColor = QColor(255, 190, 120);
  sea.glow = 0.55;
  sea.layers = {{0.63, 0.05, 0.6, QColor(30, 26, 42), false, 0}};
  sea.water = 0.64;

  Scene forest;
  forest.sky = {{0, QColor(150, 172, 176)}, {1, QColor(214, 222, 214)}};
  forest.sun = {-1, 0};
  forest.layers = {{0.5, 0.12, 0.5, QColor(150, 170, 168), true, 0.35},
                   {0.62, 0.1, 0.5, QColor(104, 130, 126), true, 0.35},
                   {0.76, 0.08, 0.5, QColor(56, 82, 76), true, 0.3},
                   {0.94, 0.06, 0.5, QColor(22, 38, 34), true, 0.2}};
  forest.mistColor = QColor(230, 236, 230);
  forest.vignette = 0.35;

  Scene night;
  night.sky = {{0, QColor(6, 8, 22)}, {0.7, QColor(22, 30, 62)}, {1, QColor(60, 64, 100)}};
  night.sun = {-1, 0};
  night.stars = 900;
  night.milkyWay = true;
  night.layers = {{0.8, 0.22, 0.55, QColor(14, 16, 30), false, 0}, {0.94, 0.06, 0.5, QColor(6, 6, 14), true, 0}};

  Scene peaks;
  peaks.sky = {{0, QColor(70, 110, 168)}, {1, QColor(200, 222, 236)}};
  peaks.sun = {-1, 0};
  peaks.layers = {{0.55, 0.4, 0.62, QColor(110, 130, 162), false, 0, QColor(196, 208, 228)},
                  {0.7, 0.24, 0.58, QColor(70, 90, 120), false, 0.25, QColor(150, 168, 196)},
                  {0.9, 0.14, 0.5, QColor(30, 44, 60), true, 0.2}};
  peaks.vignette = 0.35;

  Scene fields;
  fields.sky = {{0, QColor(120, 140, 170)}, {0.7, QColor(234, 200, 170)}, {1, QColor(246, 226, 196)}};
  fields.sun = {0.75, 0.45};
  fields.sunRadius = 0.03;
  fields.sunColor = QColor(255, 230, 190);
  fields.glow = 0.4;
  fields.layers = {{0.58, 0.06, 0.4, QColor(150, 150, 150), true, 0.3},
                   {0.68, 0.08, 0.35, QColor(110, 120, 100), false, 0.4},
                   {0.8, 0.1, 0.35, QColor(70, 84, 62), true, 0.3},
                   {0.96, 0.1, 0.3, QColor(34, 44, 32), false, 0.2}};
  fields.mistColor = QColor(250, 236, 220);

  return {
      ScenePicture("hero.jpg", {1600, 900}, lake),
      ScenePicture("dunes.jpg", {800, 560}, dunes),
      ScenePicture("sea.jpg", {800, 560}, sea),
      ScenePicture("forest.jpg", {800, 560}, forest),
      ScenePicture("night.jpg", {800, 560}, night),
      ScenePicture("peaks.jpg", {800, 560}, peaks),
      ScenePicture("fields.jpg", {800, 560}, fields),
      {"city.jpg", {800, 560}, 80, [](QSize s, Random& r) { return PaintCity(s, r); }},
      {"portrait.jpg", {720, 900}, 80, [](QSize s, Random& r) { return PaintPortrait(s, r); }},
      ScenePicture("lake-wide.jpg", {1200, 500}, lake),
  };
}

}  // namespace moxa::art
