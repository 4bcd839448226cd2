#include "app/dialogs/LayerDialog.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace moxa {
namespace {
// The least room between the "Cancel" link and the OK button.
constexpr int kCancelGap = 4;
}  // namespace

LayerDialog::Placement SavePromptPlacement() {
  return {QStringLiteral("dialog_save_prompt.png"), QSize(439, 225), QPoint(366, 178),
          QPoint(319, 190), QPoint(404, 10)};
}

namespace {
// The add, save-as and rename frames are alike but for their titles.
LayerDialog::Placement NameDialogPlacement(const QString& framePicture) {
  return {framePicture, QSize(450, 345), QPoint(377, 298), QPoint(330, 310), QPoint(410, 10)};
}
}  // namespace

LayerDialog::Placement AddPagePlacement() {
  return NameDialogPlacement(QStringLiteral("dialog_add.png"));
}

LayerDialog::Placement SavePageAsPlacement() {
  return NameDialogPlacement(QStringLiteral("dialog_save_as.png"));
}

LayerDialog::Placement RenamePagePlacement() {
  return NameDialogPlacement(QStringLiteral("dialog_rename.png"));
}

LayerDialog::Placement PagePropertiesPlacement() {
  return {QStringLiteral("dialog_properties.png"), QSize(575, 518), QPoint(502, 471),
          QPoint(455, 483), QPoint(540, 10)};
}

LayerDialog::Placement DeletePagePlacement() {
  return {QStringLiteral("dialog_delete.png"), QSize(575, 225), QPoint(502, 178),
          QPoint(455, 190), QPoint(540, 10)};
}

LayerDialog::Placement RegionEditorPlacement() {
  const QSize frame(669, 400);
  const QSize saveAsFrame = SavePageAsPlacement().frameSize;
  const QPoint saveAsAt((frame.width() - saveAsFrame.width()) / 2,
                        (frame.height() - saveAsFrame.height()) / 2);
  LayerDialog::Placement placement{QStringLiteral("dialog_editor.png"), frame,
                                   saveAsAt + QPoint(477, 318), saveAsAt + QPoint(430, 330),
                                   QPoint()};
  placement.hasCloseButton = false;
  return placement;
}

LayerDialog::LayerDialog(const Pictures& pictures, const Placement& placement, QWidget* parent)
    : QWidget(parent), frame_(pictures.Get(placement.framePicture)), cancelAt_(placement.cancel) {
  setFixedSize(placement.frameSize);
  setFocusPolicy(Qt::StrongFocus);
  content_ = new QWidget(this);
  content_->setGeometry(20, 50, width() - 40, placement.ok.y() - 60);

  ok_ = new SkinnedButton(pictures.Skin(10), QStringLiteral("OK"), this);
  ok_->move(placement.ok);
  connect(ok_, &SkinnedButton::clicked, this, &LayerDialog::accepted);

  cancel_ = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#1f5f8b\">Cancel</a>"), this);
  cancel_->setObjectName(QStringLiteral("cancelLink"));
  cancel_->setCursor(Qt::PointingHandCursor);
  setCancelText(cancelText_);
  connect(cancel_, &QLabel::linkActivated, this, &LayerDialog::cancelled);

  close_ = new SkinnedButton(pictures.Skin(4), QStringLiteral("Close"), this);
  close_->move(placement.close);
  connect(close_, &SkinnedButton::clicked, this, &LayerDialog::Close);
  close_->setVisible(placement.hasCloseButton);
}

void LayerDialog::setCancelText(const QString& text) {
  cancelText_ = text;
  cancel_->setText(QStringLiteral("<a href=\"#\" style=\"color:#1f5f8b\">%1</a>").arg(text.toHtmlEscaped()));
  cancel_->adjustSize();
  PlaceLinks();
}

void LayerDialog::PlaceLinks() {
  // "Don't Save" is longer than "Cancel": it grows to the left, and as far
  // as its length needs so that it ends clear of the OK button.
  QPoint at = cancelText_ == QLatin1String("Cancel") ? cancelAt_ : cancelAt_ - QPoint(15, 0);
  at.setX(std::min(at.x(), ok_->x() - kCancelGap - cancel_->width()));
  cancel_->move(at);
  if (dismiss_) dismiss_->move(at.x() - 3 * kCancelGap - dismiss_->width(), at.y());
}

void LayerDialog::OfferDismiss() {
  if (dismiss_) return;
  dismiss_ = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#1f5f8b\">Cancel</a>"), this);
  dismiss_->setObjectName(QStringLiteral("dismissLink"));
  dismiss_->setCursor(Qt::PointingHandCursor);
  dismiss_->adjustSize();
  connect(dismiss_, &QLabel::linkActivated, this, &LayerDialog::dismissed);
  PlaceLinks();
}

void LayerDialog::Close() {
  if (dismiss_) {
    emit dismissed();
  } else {
    emit cancelled();
  }
}

void LayerDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (frame_.isNull()) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::white);
    painter.setPen(QColor(0xcc, 0xcc, 0xcc));
    painter.drawRoundedRect(rect().adjusted(0, 0, -1, -1), 10, 10);
  } else {
    painter.drawPixmap(rect(), frame_);
  }
}

void LayerDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape: Close(); return;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit accepted(); return;
    default: QWidget::keyPressEvent(event);
  }
}

}  // namespace moxa
