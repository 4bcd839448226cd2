#include "PageDifference.h"

#include <algorithm>

namespace moxa::tools {

PageDifference ComparePages(const QImage& before, const QImage& after) {
  PageDifference result{before.height(), after.height(), 0};
  const QImage a = before.convertToFormat(QImage::Format_RGB32);
  const QImage b = after.convertToFormat(QImage::Format_RGB32);
  const int width = std::max(a.width(), b.width());
  const int height = std::max(a.height(), b.height());
  if (width == 0 || height == 0) return result;
  qint64 differing = 0;
  for (int y = 0; y < height; ++y) {
    const bool inA = y < a.height();
    const bool inB = y < b.height();
    if (!inA || !inB) {
      differing += width;
      continue;
    }
    const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      const bool bothHave = x < a.width() && x < b.width();
      if (!bothHave || rowA[x] != rowB[x]) ++differing;
    }
  }
  result.DifferingShare = static_cast<double>(differing) / (static_cast<double>(width) * height);
  return result;
}

}  // namespace moxa::tools
