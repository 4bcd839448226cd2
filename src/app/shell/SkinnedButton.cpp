#include "app/shell/SkinnedButton.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace moxa {

SkinnedButton::SkinnedButton(const SkinSet& skin, const QString& accessibleName, QWidget* parent)
    : QWidget(parent) {
  setAccessibleName(accessibleName);
  setToolTip(accessibleName);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_Hover);
  setSkin(skin);
}

void SkinnedButton::setSkin(const SkinSet& skin) {
  skin_ = skin;
  if (!skin_.normal.isNull()) resize(skin_.normal.deviceIndependentSize().toSize());
  Show(skin_.normal);
}

void SkinnedButton::showPicture(const QPixmap& pixmap) { Show(pixmap); }

void SkinnedButton::showNormalPicture() { Show(skin_.normal); }

QSize SkinnedButton::sizeHint() const {
  return skin_.normal.isNull() ? QSize(80, 24) : skin_.normal.deviceIndependentSize().toSize();
}

void SkinnedButton::Show(const QPixmap& pixmap) {
  current_ = pixmap;
  update();
}

void SkinnedButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!current_.isNull()) {
    painter.drawPixmap(rect(), current_);
  } else {
    // Without its picture the button still says what it does.
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect(), Qt::AlignCenter, accessibleName());
  }
  if (hasFocus() && keyboardFocus_) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
}

void SkinnedButton::enterEvent(QEnterEvent*) {
  if (!Frozen()) Show(skin_.hover);
}

void SkinnedButton::leaveEvent(QEvent*) {
  if (!Frozen()) Show(skin_.normal);
}

void SkinnedButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (!Frozen()) Show(skin_.pressed);
}

void SkinnedButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool inside = rect().contains(event->position().toPoint());
  if (!Frozen()) {
    switch (afterRelease_) {
      case AfterRelease::Normal: Show(skin_.normal); break;
      case AfterRelease::Hover: Show(inside ? skin_.hover : skin_.normal); break;
      case AfterRelease::Unchanged: break;
    }
  }
  if (inside && !ClickIgnored()) emit clicked();
}

void SkinnedButton::focusInEvent(QFocusEvent* event) {
  keyboardFocus_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
  QWidget::focusInEvent(event);
}

void SkinnedButton::focusOutEvent(QFocusEvent* event) {
  keyboardFocus_ = false;
  QWidget::focusOutEvent(event);
}

void SkinnedButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
      event->key() == Qt::Key_Enter) {
    if (!ClickIgnored()) emit clicked();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace moxa
