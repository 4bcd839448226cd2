#include "app/shell/Pictures.h"

#include <QFileInfo>

namespace moxa {

Pictures::Pictures(const QString& dataFolder, qreal devicePixelRatio)
    : dataFolder_(dataFolder), ratio_(devicePixelRatio) {}

QString Pictures::BestPath(const QString& fileName) const {
  if (ratio_ > 1.0) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString twin = fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot);
    if (QFileInfo::exists(dataFolder_ + twin)) return dataFolder_ + twin;
  }
  return dataFolder_ + fileName;
}

QPixmap Pictures::Get(const QString& fileName) const {
  const auto found = cache_.constFind(fileName);
  if (found != cache_.constEnd()) return *found;
  const QString path = BestPath(fileName);
  QPixmap pixmap(path);
  if (!pixmap.isNull() && path != Path(fileName)) pixmap.setDevicePixelRatio(2.0);
  cache_.insert(fileName, pixmap);
  return pixmap;
}

SkinSet Pictures::Skin(int n) const {
  const QString base = QString::number(n);
  return {Get(base + QStringLiteral("a.png")), Get(base + QStringLiteral("b.png")),
          Get(base + QStringLiteral("c.png"))};
}

}  // namespace moxa
