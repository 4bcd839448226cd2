#include "Painting.h"

#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace moxa::art {

double Uniform(Random& random, double low, double high) {
  return low + (high - low) * (double(random() - Random::min()) / (double(Random::max() - Random::min()) + 1.0));
}

QImage Canvas(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
  return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                          a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

void FillVertical(QPainter& painter, const QRectF& rect, const std::vector<std::pair<double, QColor>>& stops) {
  QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
  for (const auto& [position, color] : stops) gradient.setColorAt(position, color);
  painter.fillRect(rect, gradient);
}

namespace {

// One horizontal box-blur pass over premultiplied ARGB rows.
void BlurRows(QImage& image, int radius) {
  const int width = image.width();
  std::vector<int> sums(4);
  std::vector<QRgb> row(width);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::copy(line, line + width, row.begin());
    int a = 0, r = 0, g = 0, b = 0;
    const int window = 2 * radius + 1;
    auto at = [&](int x) { return row[std::clamp(x, 0, width - 1)]; };
    for (int x = -radius; x <= radius; ++x) {
      const QRgb pixel = at(x);
      a += qAlpha(pixel); r += qRed(pixel); g += qGreen(pixel); b += qBlue(pixel);
    }
    for (int x = 0; x < width; ++x) {
      line[x] = qRgba(r / window, g / window, b / window, a / window);
      const QRgb leaving = at(x - radius);
      const QRgb entering = at(x + radius + 1);
      a += qAlpha(entering) - qAlpha(leaving);
      r += qRed(entering) - qRed(leaving);
      g += qGreen(entering) - qGreen(leaving);
      b += qBlue(entering) - qBlue(leaving);
    }
  }
}

QImage Transposed(const QImage& image) { return image.transformed(QTransform(0, 1, 1, 0, 0, 0)); }

}  // namespace

void Blur(QImage& image, int radius) {
  if (radius < 1) return;
  image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const int pass = std::max(1, radius / 2);
  for (int i = 0; i < 3; ++i) BlurRows(image, pass);
  image = Transposed(image);
  for (int i = 0; i < 3; ++i) BlurRows(image, pass);
  image = Transposed(image);
}

void PaintBlurred(QPainter& painter, QSize size, int radius, const std::function<void(QPainter&)>& draw,
                  QPointF offset) {
  // Blurring at a quarter of the size is much faster and looks the same.
  const int scale = radius >= 8 ? 4 : 1;
  QImage layer = Canvas(size.width() / scale + 1, size.height() / scale + 1);
  {
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1.0 / scale, 1.0 / scale);
    draw(p);
  }
  Blur(layer, std::max(1, radius / scale));
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(offset, QSizeF(layer.width() * scale, layer.height() * scale)), layer);
  painter.restore();
}

void SoftShadow(QPainter& painter, QSize size, const QPainterPath& path, QPointF offset, int radius, QColor color) {
  PaintBlurred(
      painter, size, radius,
      [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawPath(path.translated(offset));
      });
}

void Grain(QImage& image, int strength, Random& random) {
  image = image.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int n = int(Uniform(random, -strength, strength));
      const QRgb p = line[x];
      line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255), std::clamp(qBlue(p) + n, 0, 255));
    }
  }
}

void Vignette(QImage& image, double strength) {
  QPainter painter(&image);
  const QRectF r = image.rect();
  QRadialGradient gradient(r.center(), std::hypot(r.width(), r.height()) / 2);
  gradient.setColorAt(0.0, QColor(0, 0, 0, 0));
  gradient.setColorAt(0.55, QColor(0, 0, 0, 0));
  gradient.setColorAt(1.0, QColor(0, 0, 0, int(255 * strength)));
  painter.fillRect(r, gradient);
}

QPolygonF Ridge(double width, double baseY, double amplitude, double roughness, double bottom, Random& random) {
  // Midpoint displacement over 2^9 segments.
  const int count = 513;
  std::vector<double> heights(count, 0.0);
  heights[0] = Uniform(random, -0.5, 0.5) * amplitude;
  heights[count - 1] = Uniform(random, -0.5, 0.5) * amplitude;
  double spread = amplitude;
  for (int step = count - 1; step > 1; step /= 2) {
    for (int i = step / 2; i < count; i += step) {
      heights[i] = (heights[i - step / 2] + heights[i + step / 2]) / 2 + Uniform(random, -0.5, 0.5) * spread;
    }
    spread *= roughness;
  }
  QPolygonF polygon;
  polygon << QPointF(0, bottom);
  for (int i = 0; i < count; ++i) polygon << QPointF(width * i / (count - 1), baseY - heights[i]);
  polygon << QPointF(width, bottom);
  return polygon;
}

void DrawMap(QPainter& painter, QSize size, const MapStyle& style, Random& random) {
  const double w = size.width();
  const double h = size.height();
  painter.fillRect(QRectF(0, 0, w, h), style.land);
  painter.setRenderHint(QPainter::Antialiasing);

  // City blocks between a rotated street grid.
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.translate(w / 2, h / 2);
  painter.rotate(Uniform(random, -14, 14));
  const double pitchX = w / 7.5;
  const double pitchY = h / 6.0;
  painter.setBrush(style.block);
  for (double x = -w; x < w; x += pitchX) {
    for (double y = -h; y < h; y += pitchY) {
      if (Uniform(random, 0, 1) < 0.25) continue;
      painter.drawRoundedRect(QRectF(x + 7, y + 7, pitchX - 14, pitchY - 14), 4, 4);
    }
  }
  QPen road(style.road, 6, Qt::SolidLine, Qt::RoundCap);
  painter.setPen(road);
  for (double x = -w; x < w; x += pitchX) painter.drawLine(QPointF(x, -h), QPointF(x, h));
  for (double y = -h; y < h; y += pitchY) painter.drawLine(QPointF(-w, y), QPointF(w, y));
  painter.setPen(QPen(style.mainRoad, 12, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(-w, pitchY * 0.0), QPointF(w, pitchY * 0.0));
  painter.drawLine(QPointF(pitchX * 2, -h), QPointF(pitchX * 2, h));
  painter.restore();

  // Parks over the grid.
  painter.setPen(Qt::NoPen);
  painter.setBrush(style.park);
  for (int i = 0; i < 3; ++i) {
    const QRectF park(Uniform(random, 0, w * 0.8), Uniform(random, 0, h * 0.5), Uniform(random, w * 0.12, w * 0.2),
                      Uniform(random, h * 0.12, h * 0.2));
    painter.drawRoundedRect(park, 14, 14);
  }
  // A river across the map.
  QPainterPath river(QPointF(-20, h * Uniform(random, 0.65, 0.85)));
  river.cubicTo(QPointF(w * 0.3, h * 0.55), QPointF(w * 0.6, h * 1.05), QPointF(w + 20, h * 0.75));
  painter.setPen(QPen(style.water, h * 0.07, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(river);

  // The marker: a drop shape with a hole, on a soft shadow.
  const QPointF tip(w / 2, h / 2 + h * 0.06);
  const double r = h * 0.075;
  QPainterPath pin;
  pin.moveTo(tip);
  pin.cubicTo(tip + QPointF(-r * 0.3, -r * 0.9), tip + QPointF(-r * 1.1, -r * 1.4), tip + QPointF(-r, -r * 2.1));
  pin.arcTo(QRectF(tip.x() - r, tip.y() - r * 3.1, 2 * r, 2 * r), 180, -180);
  pin.cubicTo(tip + QPointF(r * 1.1, -r * 1.4), tip + QPointF(r * 0.3, -r * 0.9), tip);
  SoftShadow(painter, size, pin, QPointF(r * 0.3, r * 0.3), int(r * 0.5), QColor(0, 0, 0, 90));
  painter.setPen(Qt::NoPen);
  painter.setBrush(style.marker);
  painter.drawPath(pin);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(tip.x(), tip.y() - r * 2.1), r * 0.38, r * 0.38);
}

bool SaveJpeg(const QImage& image, const QString& path, int quality) {
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  {
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
  }
  QImageWriter writer(path, "jpeg");
  writer.setQuality(quality);
  writer.setOptimizedWrite(true);
  writer.setProgressiveScanWrite(true);
  return writer.write(flat.convertToFormat(QImage::Format_RGB888));
}

}  // namespace moxa::art
