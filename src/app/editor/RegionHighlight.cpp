#include "app/editor/RegionHighlight.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace moxa {
namespace {

// A piece as an image (its "@2x" twin on a sharp screen), cut to the
// top-left `cut` logical pixels when given.
QImage ReadPiece(const Pictures& pictures, const char* fileName, QSize cut = {}) {
  const QString name = QString::fromLatin1(fileName);
  const QString path = pictures.BestPath(name);
  const qreal ratio = path == pictures.Path(name) ? 1.0 : 2.0;
  QImageReader reader(path);
  if (cut.isValid() && reader.size().isValid()) {
    reader.setClipRect(
        QRect(QPoint(0, 0), cut * ratio).intersected(QRect(QPoint(0, 0), reader.size())));
  }
  QImage image = reader.read();
  image.setDevicePixelRatio(ratio);
  return image;
}

}  // namespace

RegionHighlight::RegionHighlight(const Pictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures) {
  setObjectName(QStringLiteral("regionHighlight"));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void RegionHighlight::ShowAt(const QRect& geometry) {
  setGeometry(geometry);
  show();
  raise();
}

void RegionHighlight::LoadPieces() {
  if (pieces_.SideEdge.isNull()) {
    pieces_.SideEdge = ReadPiece(pictures_, "i1.png");
    pieces_.TopEdge = ReadPiece(pictures_, "i2.png");
    pieces_.LargeBadge = ReadPiece(pictures_, "i3.png");
    pieces_.SmallBadge = ReadPiece(pictures_, "i5.png");
  }
  // The whole tint would take tens of megabytes; a highlight is never
  // higher than its parent, and wider only with its region.
  if (!tintCovers_.isValid() || size().width() > tintCovers_.width() ||
      size().height() > tintCovers_.height()) {
    tintCovers_ = size().expandedTo(parentWidget()->size());
    pieces_.Tint = ReadPiece(pictures_, "i4.png", tintCovers_);
  }
}

void RegionHighlight::resizeEvent(QResizeEvent*) {
  // Drawn once per size: moving the frame does not compose it again.
  LoadPieces();
  picture_ = ComposeHighlight(pieces_, size(), devicePixelRatioF());
}

void RegionHighlight::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), picture_);
}

void RegionHighlight::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void RegionHighlight::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

void RegionHighlight::wheelEvent(QWheelEvent* event) {
  if (!wheelTarget_) {
    event->ignore();
    return;
  }
  QWidget* receiver = wheelTarget_->focusProxy() ? wheelTarget_->focusProxy() : wheelTarget_.data();
  QWheelEvent passed(receiver->mapFromGlobal(event->globalPosition()), event->globalPosition(),
                     event->pixelDelta(), event->angleDelta(), event->buttons(), event->modifiers(),
                     event->phase(), event->inverted(), event->source(), event->pointingDevice());
  QCoreApplication::sendEvent(receiver, &passed);
  event->accept();
}

}  // namespace moxa
