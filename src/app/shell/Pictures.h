#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

namespace moxa {

// The three pictures of one skinned button.
struct SkinSet {
  QPixmap normal;
  QPixmap hover;
  QPixmap pressed;
};

// The interface pictures of the data folder, loaded once and shared. On a
// high-density screen the "@2x" twin is used when it exists. A missing
// picture gives a null pixmap: the widget that shows it draws nothing
// rather than failing.
class Pictures {
 public:
  static constexpr int kSkinSets = 24;

  explicit Pictures(const QString& dataFolder, qreal devicePixelRatio = 1.0);

  // The picture named `fileName` (e.g. "m1.png"), cached.
  QPixmap Get(const QString& fileName) const;
  // Skin set n (1..24): "na.png", "nb.png", "nc.png".
  SkinSet Skin(int n) const;
  // Path of a data file, for pictures loaded by other means (animations).
  QString Path(const QString& fileName) const { return dataFolder_ + fileName; }
  // The "@2x" twin's path when the screen wants it and it exists, else Path().
  QString BestPath(const QString& fileName) const;

 private:
  QString dataFolder_;
  qreal ratio_;
  mutable QHash<QString, QPixmap> cache_;
};

}  // namespace moxa
