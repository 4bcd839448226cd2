#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include "app/shell/Pictures.h"
#include "editor/HighlightPicture.h"

namespace moxa {

// The translucent frame over the region under the mouse, with its "Click
// to edit" badge and a hand cursor. It lies over the editor browser as a
// child widget; a click on it asks for the region to be edited. The mouse
// wheel goes on to the page below, so the page scrolls as usual.
class RegionHighlight : public QWidget {
  Q_OBJECT

 public:
  RegionHighlight(const Pictures& pictures, QWidget* parent);

  // Shows the frame at `geometry` (parent's coordinates), above its siblings.
  void ShowAt(const QRect& geometry);
  // The widget (or its focus proxy) that gets the wheel turned over the highlight.
  void setWheelTarget(QWidget* target) { wheelTarget_ = target; }
  const QImage& picture() const { return picture_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // Reads the pieces at their first use; the tint, the largest, only as
  // far as a highlight in this parent can reach.
  void LoadPieces();

  const Pictures& pictures_;
  HighlightPieces pieces_;
  QSize tintCovers_;
  QImage picture_;
  QPointer<QWidget> wheelTarget_;
  bool pressed_ = false;
};

}  // namespace moxa
