#include "Catalogue.h"

#include <utility>

namespace moxa::pictures {

void Catalogue::Add(Picture picture) { pictures_.push_back(std::move(picture)); }

void Catalogue::Add(const QString& name, QSize size, bool alpha, const QString& role,
                    std::function<void(QPainter&)> paint) {
  Picture picture;
  picture.name = name;
  picture.size = size;
  picture.alpha = alpha;
  picture.role = role;
  picture.paint = std::move(paint);
  Add(std::move(picture));
}

}  // namespace moxa::pictures
