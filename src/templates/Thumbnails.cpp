#include "templates/Thumbnails.h"

#include <algorithm>
#include <cstring>

namespace moxa {

bool MirrorCopy(const QImage& source, QImage& destination, bool flipVertically,
                bool mirrorHorizontally) {
  if (source.format() != QImage::Format_RGB888) return false;
  const int width = source.width();
  const int height = source.height();
  destination = QImage(width, height, QImage::Format_RGB888);
  for (int y = 0; y < height; ++y) {
    const uchar* from = source.constScanLine(flipVertically ? height - 1 - y : y);
    uchar* to = destination.scanLine(y);
    if (!mirrorHorizontally) {
      std::memcpy(to, from, static_cast<size_t>(width) * 3);
      continue;
    }
    for (int x = 0; x < width; ++x) std::memcpy(to + 3 * x, from + 3 * (width - 1 - x), 3);
  }
  return true;
}

void FadeReflection(QImage& image) {
  if (image.format() != QImage::Format_RGB888) return;
  const int rows = std::min(image.height(), 51);
  const int bytes = image.width() * 3;
  for (int n = 0; n < rows; ++n) {
    uchar* row = image.scanLine(n);
    for (int i = 0; i < bytes; ++i) {
      const int faded = row[i] * (50 - n) / 50 + 255 * n / 50;
      row[i] = static_cast<uchar>((faded + 255) / 2);
    }
  }
}

QImage MakeReflection(const QImage& screenshot) {
  QImage reflection;
  if (!MirrorCopy(screenshot, reflection, true, false)) return QImage();
  FadeReflection(reflection);
  return reflection;
}

}  // namespace moxa
