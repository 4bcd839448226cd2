#pragma once

#include <QImage>

namespace moxa::tools {

struct PageDifference {
  int HeightBefore = 0;
  int HeightAfter = 0;
  double DifferingShare = 0;  // of the taller rendering's pixels, 0 to 1
};

// Compares two renderings of one page pixel by pixel; where one is shorter,
// its missing rows count as differing.
PageDifference ComparePages(const QImage& before, const QImage& after);

}  // namespace moxa::tools
