#include "app/shell/Splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

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
  fadeTimer_.setInterval(kStepMilliseconds);
  connect(&fadeTimer_, &QTimer::timeout, this, &Splash::NextFadeStep);
}

void Splash::ShowAndFadeIn() {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  alpha_ = 0;
  updates_ = 0;
  steps_ = SplashFadeSteps();
  fading_ = true;
  show();
  NextFadeStep();
  fadeTimer_.start();
}

void Splash::NextFadeStep() {
  if (updates_ >= static_cast<int>(steps_.size())) {
    EndFade();
    closeTimer_.start();
    return;
  }
  alpha_ = steps_[static_cast<size_t>(updates_++)];
  update();
}

void Splash::EndFade() {
  fadeTimer_.stop();
  if (!fading_) return;
  fading_ = false;
  emit fadeEnded();
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

// Closed half-way through its fade-in: whoever waits for its end goes on.
void Splash::closeEvent(QCloseEvent* event) {
  EndFade();
  QWidget::closeEvent(event);
}

}  // namespace moxa
