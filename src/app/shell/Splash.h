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
  static constexpr int kStepMilliseconds = 10;

  explicit Splash(const QPixmap& picture, QWidget* parent = nullptr);

  // Shows the splash and starts the fade-in (a step every 10 ms, on the
  // application's own event loop); returns at once.
  void ShowAndFadeIn();
  int opacityStep() const { return alpha_; }
  // The fade-in steps painted so far.
  int fadeUpdates() const { return updates_; }

 signals:
  // Once: the fade-in is over, or the splash was closed before its end.
  void fadeEnded();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void NextFadeStep();
  void EndFade();

  QPixmap picture_;
  std::vector<int> steps_;
  int alpha_ = 0;
  int updates_ = 0;
  bool fading_ = false;
  QTimer fadeTimer_;
  QTimer closeTimer_;
};

}  // namespace moxa
