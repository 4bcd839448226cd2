#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace moxa::pictures {

enum class FileKind { Png, Jpeg, Gif };

// One file of the data folder. Painting happens in logical pixels: the writer
// scales the painter for the "@2x" twin, so both are drawn, never upscaled.
struct Picture {
  QString name;  // file name in the data folder, e.g. "7a.png"
  QSize size;    // logical size in pixels
  bool alpha = true;
  QString role;  // one line for the manifest
  FileKind kind = FileKind::Png;
  bool twin = true;  // also write NAME@2x.EXT at twice the size
  std::function<void(QPainter&)> paint;
  // Animations: `frames` pictures, each shown `delay` hundredths of a second.
  int frames = 1;
  int delay = 0;
  std::function<void(QPainter&, int frame)> paintFrame;
};

class Catalogue {
 public:
  void Add(Picture picture);
  // Still pictures, the common case.
  void Add(const QString& name, QSize size, bool alpha, const QString& role,
           std::function<void(QPainter&)> paint);
  const std::vector<Picture>& Pictures() const { return pictures_; }

 private:
  std::vector<Picture> pictures_;
};

// The groups of pictures, one source file each.
void AddButtonPictures(Catalogue& catalogue);
void AddShellPictures(Catalogue& catalogue);
void AddDialogPictures(Catalogue& catalogue);
void AddEditorPictures(Catalogue& catalogue);
void AddPagePictures(Catalogue& catalogue);
void AddLandscapePicture(Catalogue& catalogue);

// The placeholder page uploaded as the first page of a new hosted site.
QByteArray PlaceholderPage();

}  // namespace moxa::pictures
