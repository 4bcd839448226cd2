#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

#include <functional>
#include <random>
#include <vector>

class QPainter;

namespace moxa::art {

using Random = std::mt19937;

// A number in [low, high) from the generator.
double Uniform(Random& random, double low, double high);

// A transparent canvas to paint on.
QImage Canvas(int width, int height);

// Blends a towards b: t = 0 gives a, t = 1 gives b.
QColor Mix(const QColor& a, const QColor& b, double t);

// Vertical gradient over the whole canvas through the given stops (position, colour).
void FillVertical(QPainter& painter, const QRectF& rect, const std::vector<std::pair<double, QColor>>& stops);

// Separable box blur, three passes (close to a Gaussian), in place.
void Blur(QImage& image, int radius);

// Paints what `draw` paints, blurred by `radius`, onto the painter's device at `offset`.
void PaintBlurred(QPainter& painter, QSize size, int radius, const std::function<void(QPainter&)>& draw,
                  QPointF offset = {});

// A soft shadow of `path`, offset and blurred, in `color`.
void SoftShadow(QPainter& painter, QSize size, const QPainterPath& path, QPointF offset, int radius, QColor color);

// Film grain of the given strength (0..255) and a darkening towards the corners.
void Grain(QImage& image, int strength, Random& random);
void Vignette(QImage& image, double strength);

// A mountain ridge: a closed polygon along y = baseY with random peaks of
// up to `amplitude`, roughness in (0, 1), filled down to `bottom`.
QPolygonF Ridge(double width, double baseY, double amplitude, double roughness, double bottom, Random& random);

// A stylised street map with a marker in the middle.
struct MapStyle {
  QColor land, park, water, road, mainRoad, block, marker;
};
void DrawMap(QPainter& painter, QSize size, const MapStyle& style, Random& random);

// Writes the picture as JPEG (no alpha: it is put on white first).
bool SaveJpeg(const QImage& image, const QString& path, int quality);

// One picture of a template: file name (inside bin/img/), size, painter.
struct Picture {
  QString fileName;
  QSize size;
  int quality;
  std::function<QImage(QSize, Random&)> paint;
};

std::vector<Picture> Template1Pictures();
std::vector<Picture> Template2Pictures();
std::vector<Picture> Template3Pictures();
std::vector<Picture> Template4Pictures();

}  // namespace moxa::art
