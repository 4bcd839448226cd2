#include "app/shell/WindowChrome.h"

#include <QMouseEvent>
#include <QWindow>

namespace moxa {

WindowChrome::WindowChrome(QWidget* window, const Pictures& pictures)
    : QObject(window), window_(window), pictures_(pictures) {
  body_ = Picture(QStringLiteral("body_background.png"), true, QStringLiteral("bodyBackground"));
  headerBand_ = Picture(QStringLiteral("header_band.png"), true, QStringLiteral("headerBand"));
  logo_ = Picture(QStringLiteral("logo.png"), false, QStringLiteral("logo"));
  logo_->setAccessibleName(QStringLiteral("Moxa Website Builder"));
  headerArt_ = Picture(QStringLiteral("header_art.png"), false, QStringLiteral("headerArt"));
  for (int i = 0; i < 3; ++i) {
    steps_[i] = Picture(QStringLiteral("step%1.png").arg(i + 1), false,
                        QStringLiteral("stepIndicator%1").arg(i + 1));
  }
  frame_ = Picture(QStringLiteral("content_frame.png"), true, QStringLiteral("contentFrame"));
  strip_ = Picture(QStringLiteral("frame_strip.png"), true, QStringLiteral("frameStrip"));
  leftPiece_ = Picture(QStringLiteral("frame_side_left.png"), true, QStringLiteral("frameSideLeft"));
  rightPiece_ =
      Picture(QStringLiteral("frame_side_right.png"), true, QStringLiteral("frameSideRight"));
  banners_[0] = Picture(QStringLiteral("banner_welcome.png"), false, QStringLiteral("welcomeBanner"));
  banners_[1] =
      Picture(QStringLiteral("banner_new_site.png"), false, QStringLiteral("newSiteBanner"));
  const char* cornerNames[] = {"corner_tl.png", "corner_tr.png", "corner_bl.png", "corner_br.png"};
  for (int i = 0; i < 4; ++i) {
    corners_[i] = Picture(QString::fromLatin1(cornerNames[i]), false,
                          QStringLiteral("corner%1").arg(i));
  }
  for (auto& border : borders_) {
    border = new QWidget(window_);
    border->setAutoFillBackground(true);
    QPalette palette = border->palette();
    palette.setColor(QPalette::Window, QColor(0xcc, 0xcc, 0xcc));
    border->setPalette(palette);
  }
  grip_ = Picture(QStringLiteral("grip.png"), false, QStringLiteral("resizeGrip"));
  grip_->setCursor(Qt::SizeFDiagCursor);

  minimise_ = new SkinnedButton(pictures.Skin(2), QStringLiteral("Minimise"), window_);
  maximise_ = new SkinnedButton(pictures.Skin(3), QStringLiteral("Maximise"), window_);
  close_ = new SkinnedButton(pictures.Skin(4), QStringLiteral("Close"), window_);
  minimise_->setObjectName(QStringLiteral("minimiseButton"));
  maximise_->setObjectName(QStringLiteral("maximiseButton"));
  close_->setObjectName(QStringLiteral("closeButton"));

  for (QLabel* handle : {headerBand_, logo_, headerArt_, steps_[0], steps_[1], steps_[2]}) {
    handle->installEventFilter(this);
  }
  grip_->installEventFilter(this);
  ShowStep(2);
}

QLabel* WindowChrome::Picture(const QString& fileName, bool stretched, const QString& name) {
  auto* label = new QLabel(window_);
  label->setObjectName(name);
  label->setPixmap(pictures_.Get(fileName));
  label->setScaledContents(stretched);
  if (!stretched && !label->pixmap().isNull()) {
    label->resize(label->pixmap().deviceIndependentSize().toSize());
  }
  return label;
}

void WindowChrome::ShowStep(int n) {
  step_ = n;
  for (int i = 0; i < 3; ++i) steps_[i]->setVisible(i + 1 == n);
}

void WindowChrome::ShowBanner(bool newSiteBanner) { bannerNewSite_ = newSiteBanner; }

void WindowChrome::Apply(const ShellGeometry& g, bool maximised, bool onStartScreen) {
  headerBand_->setGeometry(g.headerBand);
  body_->setGeometry(g.body);
  logo_->move(g.logo.topLeft());
  headerArt_->setGeometry(g.headerArt);
  for (QLabel* step : steps_) step->setGeometry(g.stepIndicator);
  frame_->setGeometry(g.frame);
  strip_->setGeometry(g.strip);
  leftPiece_->setGeometry(g.leftPiece);
  rightPiece_->setGeometry(g.rightPiece);
  leftPiece_->setVisible(g.piecesVisible);
  rightPiece_->setVisible(g.piecesVisible);
  for (int i = 0; i < 2; ++i) {
    banners_[i]->setGeometry(g.banner);
    banners_[i]->setVisible(onStartScreen && (i == 1) == bannerNewSite_);
  }
  const std::array<QRect, 4> borders = {g.borderLeft, g.borderRight, g.borderTop, g.borderBottom};
  for (int i = 0; i < 4; ++i) {
    borders_[i]->setGeometry(borders[i]);
    borders_[i]->setVisible(!maximised);
    corners_[i]->setGeometry(g.corners[i]);
    corners_[i]->setVisible(!maximised);
  }
  grip_->setGeometry(g.grip);
  grip_->setVisible(!maximised);
  minimise_->move(g.minimise.topLeft());
  maximise_->move(g.maximise.topLeft());
  close_->move(g.close.topLeft());
}

void WindowChrome::RaiseFront() {
  for (QWidget* w : {static_cast<QWidget*>(minimise_), static_cast<QWidget*>(maximise_),
                     static_cast<QWidget*>(close_), static_cast<QWidget*>(grip_)}) {
    w->raise();
  }
  for (QWidget* border : borders_) border->raise();
  for (QLabel* corner : corners_) corner->raise();
}

bool WindowChrome::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grip_) return HandleGrip(event);
  return HandleDrag(event);
}

bool WindowChrome::HandleDrag(QEvent* event) {
  if (!draggingAllowed_) return false;
  auto* mouse = dynamic_cast<QMouseEvent*>(event);
  if (!mouse) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (mouse->button() != Qt::LeftButton) return false;
      // Let the window system move the window where it can: it snaps and
      // follows the user's settings.
      if (window_->windowHandle() && window_->windowHandle()->startSystemMove()) return true;
      dragging_ = true;
      dragOffset_ = mouse->globalPosition().toPoint() - window_->pos();
      return true;
    case QEvent::MouseMove:
      if (dragging_) window_->move(mouse->globalPosition().toPoint() - dragOffset_);
      return dragging_;
    case QEvent::MouseButtonRelease:
      dragging_ = false;
      return false;
    default: return false;
  }
}

bool WindowChrome::HandleGrip(QEvent* event) {
  auto* mouse = dynamic_cast<QMouseEvent*>(event);
  if (!mouse) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      gripDragging_ = mouse->button() == Qt::LeftButton;
      gripStart_ = mouse->globalPosition().toPoint();
      gripStartSize_ = window_->size();
      return true;
    case QEvent::MouseMove:
      if (gripDragging_) {
        const QPoint delta = mouse->globalPosition().toPoint() - gripStart_;
        window_->resize(gripStartSize_ + QSize(delta.x(), delta.y()));
      }
      return true;
    case QEvent::MouseButtonRelease:
      gripDragging_ = false;
      emit gripReleased();
      return true;
    default: return false;
  }
}

}  // namespace moxa
