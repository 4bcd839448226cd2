#include "app/dialogs/DialogLayer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace moxa {

QImage DarkenSnapshot(const QImage& snapshot) {
  QImage image = snapshot.convertToFormat(QImage::Format_RGB888);
  const int bytes = image.width() * 3;
  for (int y = 0; y < image.height(); ++y) {
    uchar* row = image.scanLine(y);
    for (int i = 0; i < bytes; ++i) row[i] = static_cast<uchar>(row[i] >> 1);
  }
  return image;
}

DialogLayer::DialogLayer(const Pictures& pictures, QWidget* window)
    : QWidget(window), pictures_(pictures) {
  setObjectName(QStringLiteral("dialogLayer"));
  hide();

  // The busy box: its picture, the animation and a one-word caption.
  auto* box = new QLabel(this);
  box->setPixmap(pictures_.Get(QStringLiteral("loading_box.png")));
  box->resize(box->pixmap().isNull() ? QSize(240, 96) : box->pixmap().deviceIndependentSize().toSize());
  if (box->pixmap().isNull()) box->setStyleSheet(QStringLiteral("background: white; border-radius: 10px;"));
  busyBox_ = box;
  busyBox_->setObjectName(QStringLiteral("busyOverlay"));
  busyPicture_ = new QLabel(busyBox_);
  busyPicture_->setGeometry(24, (busyBox_->height() - 48) / 2, 48, 48);
  caption_ = new QLabel(busyBox_);
  caption_->setObjectName(QStringLiteral("busyCaption"));
  caption_->setStyleSheet(QStringLiteral("font-size: 17px; font-weight: 600; color: #1f3b4d;"));
  caption_->setGeometry(busyPicture_->geometry().right() + 14, 0,
                        busyBox_->width() - busyPicture_->geometry().right() - 20, busyBox_->height());
  caption_->setWordWrap(true);  // a progress caption takes two lines
  busyBox_->hide();

  // Under the box, for jobs that can be given up.
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("busyCancel"));
  cancel_->hide();
  connect(cancel_, &QPushButton::clicked, this, &DialogLayer::CancelBusyJob);
}

void DialogLayer::ShowDialogLayer(bool evenIfBlocked) {
  if (!evenIfBlocked && blocked_ && blocked_()) return;
  QWidget* window = parentWidget();
  const bool wasVisible = isVisible();
  if (!wasVisible) focusBefore_ = QApplication::focusWidget();
  if (wasVisible) hide();
  // Before the snapshot: what lies over the page only while it is in front
  // (the region highlight) goes away first.
  emit layerShown();
  // The snapshot shows the window as the user saw it, not its disabled look.
  ReleaseWindow();
  const QPixmap snapshot = window->grab();
  background_ = DarkenSnapshot(snapshot.toImage());
  background_.setDevicePixelRatio(snapshot.devicePixelRatio());
  setGeometry(0, 0, window->width(), window->height());
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    child->hide();
  }
  raise();
  update();
}

void DialogLayer::ShowDialog(QWidget* dialog, bool evenIfBlocked) {
  if (!evenIfBlocked && blocked_ && blocked_()) return;
  ShowDialogLayer(evenIfBlocked);
  dialog->setParent(this);
  dialog->adjustSize();
  dialog->show();
  CentreChildren();
  show();
  raise();
  dialog->setFocus(Qt::OtherFocusReason);
  HoldWindow();
}

void DialogLayer::ShowBusyOverlay(const QString& caption, std::function<void()> onCancel) {
  if (!movie_) {
    movie_ = new QMovie(pictures_.BestPath(QStringLiteral("large_loading.gif")), QByteArray(), this);
    movie_->setScaledSize(QSize(48, 48));
    busyPicture_->setMovie(movie_);
  }
  // The overlay is shown even during a save's confirmation period: a job
  // must never run with the window open to the user.
  ShowDialogLayer(true);
  caption_->setText(caption);
  movie_->start();
  busyBox_->show();
  onCancel_ = std::move(onCancel);
  cancel_->setEnabled(true);
  cancel_->setVisible(bool(onCancel_));
  CentreChildren();
  show();
  raise();
  // The overlay takes the keys itself, so none goes to the screen behind.
  if (onCancel_) {
    cancel_->setFocus(Qt::OtherFocusReason);
  } else {
    busyBox_->setFocus(Qt::OtherFocusReason);
  }
  HoldWindow();
}

void DialogLayer::SetBusyCaption(const QString& caption) {
  if (busy()) caption_->setText(caption);
}

void DialogLayer::CancelBusyJob() {
  if (!onCancel_ || !cancel_->isEnabled()) return;
  cancel_->setEnabled(false);
  onCancel_();
}

void DialogLayer::HideBusyOverlay() {
  if (movie_) movie_->stop();
  busyBox_->hide();
  cancel_->hide();
  onCancel_ = nullptr;
  hide();
  ReleaseWindow();
  RestoreFocus();
  // Whatever stopped when the layer came (the page's region tracking)
  // starts again, as after a dialog.
  emit layerClosed();
}

void DialogLayer::CloseDialogLayer() {
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    child->hide();
  }
  hide();
  ReleaseWindow();
  RestoreFocus();
  if (onClose_) onClose_();
  emit layerClosed();
}

void DialogLayer::HoldWindow() {
  if (holding_) return;
  holding_ = true;
  for (QWidget* piece : parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    // A piece disabled for its own reasons stays so when the layer closes.
    if (piece == this || piece->isWindow() || !piece->isEnabled()) continue;
    // A layer that is not showing yet (a dialog's dialog) must stay usable
    // for when it opens over this one; a showing one is held like the rest.
    if (qobject_cast<DialogLayer*>(piece) && piece->isHidden()) continue;
    piece->setEnabled(false);
    heldBack_.emplace_back(piece);
  }
}

void DialogLayer::ReleaseWindow() {
  if (!holding_) return;
  holding_ = false;
  for (const QPointer<QWidget>& piece : heldBack_) {
    if (piece) piece->setEnabled(true);
  }
  heldBack_.clear();
}

void DialogLayer::RestoreFocus() {
  if (focusBefore_ && focusBefore_->isVisible()) {
    focusBefore_->setFocus(Qt::OtherFocusReason);
  } else {
    parentWidget()->setFocus(Qt::OtherFocusReason);
  }
}

void DialogLayer::CentreChildren() {
  for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    child->move(width() / 2 - child->width() / 2, height() / 2 - child->height() / 2);
  }
  cancel_->adjustSize();
  cancel_->move(width() / 2 - cancel_->width() / 2, busyBox_->geometry().bottom() + 12);
}

void DialogLayer::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), background_);
}

void DialogLayer::resizeEvent(QResizeEvent*) { CentreChildren(); }

void DialogLayer::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && busy() && cancel_->isVisible()) {
    CancelBusyJob();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace moxa
