#include "app/shell/Splash.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>

namespace moxa {

std::vector<int> SplashFadeSteps() {
  std::vector<int> steps;
  for (int alpha = 0; alpha < 255;) {
    alpha += ((alpha >> 5) ^ 7) + 1;
    steps.push_back(alpha);
  }
  return steps;
}

Splash::Splash(const QPixmap& picture, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture) {
  setObjectName(QStringLiteral("splash"));
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_DeleteOnClose);
  setFocusPolicy(Qt::StrongFocus);
  resize(picture_.isNull() ? QSize(1, 1) : picture_.deviceIndependentSize().toSize());
  closeTimer_.setSingleShot(true);
  closeTimer_.setInterval(kShowMilliseconds);
  connect(&closeTimer_, &QTimer::timeout, this, &QWidget::close);
}

int Splash::ShowAndFadeIn() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  alpha_ = 0;
  show();
  int updates = 0;
  for (int alpha : SplashFadeSteps()) {
    alpha_ = alpha;
    repaint();
    ++updates;
    QCoreApplication::processEvents();
    QThread::msleep(10);
  }
  closeTimer_.start();
  return updates;
}

void Splash::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(rect(), Qt::transparent);
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setOpacity(alpha_ / 255.0);
  painter.drawPixmap(rect(), picture_);
}

void Splash::mousePressEvent(QMouseEvent*) { close(); }

void Splash::keyPressEvent(QKeyEvent*) { close(); }

}  // namespace moxa
