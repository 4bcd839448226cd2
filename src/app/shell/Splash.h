#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace moxa {

// The constant alpha of each step of the splash fade-in: starting at 0, each
// step adds ((A >> 5) ^ 7) + 1 until 255 is reached (85 steps).
std::vector<int> SplashFadeSteps();

// The start-up picture with its own transparency: fades in over the main
// window, closes itself after 4 seconds, or at a click or a key.
class Splash : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kShowMilliseconds = 4000;

  explicit Splash(const QPixmap& picture, QWidget* parent = nullptr);

  // Shows the splash and runs the fade-in; returns the number of updates.
  int ShowAndFadeIn();
  int opacityStep() const { return alpha_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap picture_;
  int alpha_ = 0;
  QTimer closeTimer_;
};

}  // namespace moxa
