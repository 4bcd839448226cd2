// img.jpg: the picture every new site starts with. A calm landscape at
// dawn: layered hills in haze, a lake that mirrors the sky, pines in front.
#include "Catalogue.h"
#include "Style.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace moxa::pictures {
namespace {

constexpr double kWidth = 800;
constexpr double kHeight = 533;
constexpr double kShore = 392;

// A ridge line from a few fixed waves: the same hills on every run.
double Ridge(double x, double base, double amplitude, double seed) {
  const double u = x / kWidth;
  return base - amplitude * (0.55 * std::sin(u * 5.1 + seed) + 0.3 * std::sin(u * 11.7 + seed * 2.3) +
                             0.15 * std::sin(u * 27.0 + seed * 4.1));
}

QPainterPath Hill(double base, double amplitude, double seed, double bottom) {
  QPainterPath path;
  path.moveTo(0, bottom);
  for (double x = 0; x <= kWidth; x += 4) path.lineTo(x, Ridge(x, base, amplitude, seed));
  path.lineTo(kWidth, bottom);
  path.closeSubpath();
  return path;
}

void PaintPine(QPainter& p, double x, double ground, double height, const QColor& colour) {
  QPainterPath tree;
  tree.setFillRule(Qt::WindingFill);  // the tiers overlap and must not cancel out
  const double w = height * 0.36;
  for (int tier = 0; tier < 4; ++tier) {
    const double top = ground - height + tier * height * 0.2;
    const double half = w * (0.35 + tier * 0.22);
    tree.moveTo(x, top);
    tree.lineTo(x + half, top + height * 0.34);
    tree.lineTo(x - half, top + height * 0.34);
    tree.closeSubpath();
  }
  tree.addRect(QRectF(x - height * 0.025, ground - height * 0.1, height * 0.05, height * 0.1));
  p.fillPath(tree, colour);
}

void PaintLandscape(QPainter& p) {
  const QRectF all(0, 0, kWidth, kHeight);
  QLinearGradient sky(0, 0, 0, kShore);
  sky.setColorAt(0.0, QColor(0x6E, 0xA8, 0xCF));
  sky.setColorAt(0.55, QColor(0xC9, 0xD6, 0xDF));
  sky.setColorAt(0.85, QColor(0xF7, 0xD9, 0xB4));
  sky.setColorAt(1.0, QColor(0xFB, 0xE6, 0xC8));
  p.fillRect(QRectF(0, 0, kWidth, kShore), sky);

  const QPointF sun(548, 262);
  QRadialGradient glow(sun, 220);
  glow.setColorAt(0, QColor(255, 244, 214, 190));
  glow.setColorAt(0.25, QColor(255, 226, 180, 90));
  glow.setColorAt(1, QColor(255, 226, 180, 0));
  p.fillRect(all, glow);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xFF, 0xF6, 0xE2));
  p.drawEllipse(sun, 30, 30);

  // Thin clouds.
  p.setBrush(QColor(255, 255, 255, 70));
  for (const auto& [cx, cy, w] : std::array<std::array<double, 3>, 4>{
           {{150, 92, 170}, {240, 104, 120}, {610, 70, 200}, {700, 84, 110}}}) {
    p.drawRoundedRect(QRectF(cx - w / 2, cy - 6, w, 12), 6, 6);
  }

  // Hills from far to near, each through a little haze.
  const std::array<QColor, 4> layers{QColor(0xA9, 0xBC, 0xC9), QColor(0x7F, 0x9E, 0xAE),
                                     QColor(0x4E, 0x77, 0x83), QColor(0x27, 0x4D, 0x57)};
  const std::array<std::array<double, 3>, 4> shapes{
      {{250, 46, 0.6}, {300, 40, 2.2}, {338, 34, 4.0}, {372, 22, 5.3}}};
  for (size_t i = 0; i < layers.size(); ++i) {
    p.fillPath(Hill(shapes[i][0], shapes[i][1], shapes[i][2], kShore + 1), layers[i]);
    QLinearGradient haze(0, shapes[i][0] - 10, 0, kShore);
    haze.setColorAt(0, QColor(255, 240, 222, 0));
    haze.setColorAt(1, QColor(255, 240, 222, i + 1 < layers.size() ? 85 : 30));
    p.fillRect(QRectF(0, shapes[i][0] - 60, kWidth, kShore - shapes[i][0] + 61), haze);
  }

  // The lake mirrors the sky, darker, with the sun's path on it.
  QLinearGradient lake(0, kShore, 0, kHeight);
  lake.setColorAt(0, QColor(0xE9, 0xCF, 0xB0));
  lake.setColorAt(0.2, QColor(0x8F, 0xAE, 0xBF));
  lake.setColorAt(1, QColor(0x3C, 0x64, 0x78));
  p.fillRect(QRectF(0, kShore, kWidth, kHeight - kShore), lake);
  for (int i = 0; i < 16; ++i) {
    const double y = kShore + 6 + i * i * 0.55 + i * 3;
    const double w = 60 - i * 2.6 + 14 * std::sin(i * 1.7);
    p.setBrush(QColor(255, 244, 220, 150 - i * 8));
    p.drawRoundedRect(QRectF(sun.x() - w / 2 + 6 * std::sin(i * 2.3), y, w, 2.2), 1.1, 1.1);
  }
  p.setBrush(QColor(255, 255, 255, 40));
  for (int i = 0; i < 9; ++i) {
    const double x = 40 + std::fmod(i * 173.0, 720.0);
    p.drawRoundedRect(QRectF(x, kShore + 40 + i * 11, 70 + (i % 3) * 30, 1.6), 0.8, 0.8);
  }

  // A dark shore with pines on the left.
  QPainterPath shore;
  shore.moveTo(0, kShore - 8);
  shore.cubicTo(80, kShore - 14, 170, kShore - 2, 250, kShore + 8);
  shore.lineTo(250, kShore + 10);
  shore.cubicTo(160, kShore + 26, 80, kShore + 40, 0, kShore + 52);
  shore.closeSubpath();
  p.fillPath(shore, QColor(0x1C, 0x36, 0x3D));
  const QColor pine(0x17, 0x2E, 0x34);
  const std::array<std::array<double, 3>, 7> pines{{{22, kShore + 8, 118},
                                                    {58, kShore + 4, 92},
                                                    {88, kShore + 2, 136},
                                                    {124, kShore + 3, 84},
                                                    {152, kShore + 5, 104},
                                                    {190, kShore + 7, 70},
                                                    {215, kShore + 9, 52}}};
  for (const auto& [x, ground, height] : pines) PaintPine(p, x, ground, height, pine);

  // Two birds over the water.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x2A, 0x3B, 0x48, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
  for (const auto& [x, y, s] : std::array<std::array<double, 3>, 2>{{{430, 190, 9}, {452, 202, 6}}}) {
    QPainterPath bird;
    bird.moveTo(x - s, y - s * 0.3);
    bird.quadTo(x - s * 0.4, y - s * 0.6, x, y);
    bird.quadTo(x + s * 0.4, y - s * 0.6, x + s, y - s * 0.3);
    p.drawPath(bird);
  }
}

}  // namespace

void AddLandscapePicture(Catalogue& catalogue) {
  Picture picture;
  picture.name = QStringLiteral("img.jpg");
  picture.size = {static_cast<int>(kWidth), static_cast<int>(kHeight)};
  picture.alpha = false;
  picture.kind = FileKind::Jpeg;
  picture.twin = false;  // site content, not interface
  picture.role = QStringLiteral("picture copied into every new site");
  picture.paint = PaintLandscape;
  catalogue.Add(std::move(picture));
}

}  // namespace moxa::pictures
