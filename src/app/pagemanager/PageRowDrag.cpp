#include "app/pagemanager/PageRowDrag.h"

#include "app/pagemanager/PageRows.h"
#include "app/shell/StillPicture.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>

#include <algorithm>

namespace moxa {
namespace {
constexpr qreal kCornerRadius = 10;  // 20 x 20 corner ellipses
}  // namespace

PageRowDrag::PageRowDrag(PageRows& rows, QScrollArea& list, const Pictures& pictures)
    : QWidget(list.viewport()), rows_(rows), list_(list) {
  setObjectName(QStringLiteral("dragGhost"));
  setCursor(Qt::SizeAllCursor);
  setFocusPolicy(Qt::NoFocus);
  hide();
  slot_ = new StillPicture(pictures.Get(QStringLiteral("drop_slot.png")), rows_.canvas());
  slot_->setObjectName(QStringLiteral("dropSlot"));
  slot_->hide();
}

QWidget* PageRowDrag::dropSlot() const { return slot_; }

void PageRowDrag::Start(int row, QPoint cursor) {
  if (active_ || row < 0 || row >= rows_.count()) return;
  QWidget* canvas = rows_.canvas();
  QWidget* viewport = list_.viewport();
  const QPoint offset = canvas->mapTo(viewport, QPoint(0, 0));
  const int rowTop = rows_.row(row).top;
  dragged_ = target_ = row;
  grabOffset_ = cursor.y() - rowTop;
  rowTops_.resize(static_cast<size_t>(rows_.count()));
  for (int i = 0; i < rows_.count(); ++i) {
    rowTops_[static_cast<size_t>(i)] = rows_.row(i).top + offset.y();
  }
  // The ghost shows the row as it looked when it was picked up; the slot
  // takes the row's place.
  picture_ = canvas->grab(QRect(QPoint(0, rowTop), rows_.rowSize()));
  rows_.SetRowVisible(row, false);
  slot_->move(0, rowTop);
  slot_->show();
  slot_->raise();
  setGeometry(QRect(QPoint(offset.x(), rowTop + offset.y()), rows_.rowSize()));
  show();
  raise();
  active_ = true;
  grabMouse(Qt::SizeAllCursor);
  grabKeyboard();
}

void PageRowDrag::Follow(int y) {
  if (!active_) return;
  const int lowest = std::max(0, list_.viewport()->height() - rows_.rowSize().height());
  const int top = std::clamp(y - grabOffset_, 0, lowest);
  move(x(), top);
  const int under = RowUnder(top);
  // Between two rows the slot stays where the ghost last was.
  if (under < 0) return;
  slot_->move(0, rows_.row(under).top);
  if (under != target_) MakeRoom(under);
}

int PageRowDrag::RowUnder(int ghostTop) const {
  const int height = rows_.rowSize().height();
  for (size_t i = 0; i < rowTops_.size(); ++i) {
    if (rowTops_[i] <= ghostTop && ghostTop <= rowTops_[i] + height) return static_cast<int>(i);
  }
  return -1;
}

void PageRowDrag::MakeRoom(int newTarget) {
  // Back to their places the rows that made room for the last target ...
  for (int i = std::min(dragged_, target_); i <= std::max(dragged_, target_); ++i) {
    if (i != dragged_) rows_.PlaceRow(i, 0);
  }
  target_ = newTarget;
  // ... and out of the way the rows between the dragged row and the new one.
  const int pitch = rows_.rowPitch();
  for (int i = dragged_ + 1; i <= target_; ++i) rows_.PlaceRow(i, -pitch);
  for (int i = target_; i < dragged_; ++i) rows_.PlaceRow(i, pitch);
}

void PageRowDrag::Drop() {
  if (!active_) return;
  const int from = dragged_;
  const int to = target_;
  End();
  emit dropped(from, to);
}

void PageRowDrag::Cancel() {
  if (active_) End();
}

void PageRowDrag::End() {
  active_ = false;
  releaseKeyboard();
  releaseMouse();
  hide();
  slot_->hide();
  rowTops_.clear();
}

void PageRowDrag::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath outline;
  outline.addRoundedRect(QRectF(rect()), kCornerRadius, kCornerRadius);
  painter.setClipPath(outline);
  painter.setOpacity(kOpacity / 255.0);
  painter.drawPixmap(0, 0, picture_);
}

void PageRowDrag::mouseMoveEvent(QMouseEvent* event) {
  if (!active_) return;
  // A release that went elsewhere still ends the drag where the ghost is.
  if (!(event->buttons() & Qt::LeftButton)) {
    Drop();
    return;
  }
  Follow(mapToParent(event->position().toPoint()).y());
}

void PageRowDrag::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Drop();
}

// While a row is dragged, other buttons, keys and the wheel do nothing; a
// scroll would leave the rows' recorded places behind.
void PageRowDrag::mousePressEvent(QMouseEvent*) {}

void PageRowDrag::keyPressEvent(QKeyEvent*) {}

void PageRowDrag::wheelEvent(QWheelEvent*) {}

}  // namespace moxa
