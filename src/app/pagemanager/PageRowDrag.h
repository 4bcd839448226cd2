#pragma once

#include "app/shell/Pictures.h"

#include <QPixmap>
#include <QWidget>

#include <vector>

class QScrollArea;

namespace moxa {

class PageRows;
class StillPicture;

// Reordering the Page Manager's rows by dragging. This widget is the ghost:
// a translucent picture of the dragged row that follows the cursor up and
// down, never leaving the list. While it lasts the ghost holds the mouse and
// the keyboard, so nothing else in the window reacts. The other rows make
// room and the drop slot shows where the page will land; the release reports
// the move, which the owner performs.
class PageRowDrag : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kOpacity = 180;  // of 255

  PageRowDrag(PageRows& rows, QScrollArea& list, const Pictures& pictures);

  // A press on row i's handle at `cursor` (canvas coordinates).
  void Start(int row, QPoint cursor);
  // The cursor at `y` in the list's visible area.
  void Follow(int y);
  void Drop();
  // Ends a drag without a drop (the rows are going away).
  void Cancel();

  bool active() const { return active_; }
  int dragged() const { return dragged_; }
  int target() const { return target_; }
  QWidget* dropSlot() const;
  const QPixmap& picture() const { return picture_; }

 signals:
  void dropped(int from, int to);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void End();
  int RowUnder(int ghostTop) const;
  void MakeRoom(int newTarget);

  PageRows& rows_;
  QScrollArea& list_;
  StillPicture* slot_;
  QPixmap picture_;
  bool active_ = false;
  int dragged_ = -1;
  int target_ = -1;
  int grabOffset_ = 0;
  std::vector<int> rowTops_;  // each row's top in the visible area when the drag began
};

}  // namespace moxa
