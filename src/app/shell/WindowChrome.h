#pragma once

#include "app/shell/Pictures.h"
#include "app/shell/ShellLayout.h"
#include "app/shell/SkinnedButton.h"

#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QSize>

#include <array>

namespace moxa {

// The frame of the borderless main window: header, body, content frame,
// borders, rounded corners, caption buttons, step indicator and the resize
// grip. It moves the window when its header is dragged and resizes it from
// the grip; the window decides everything else.
class WindowChrome : public QObject {
  Q_OBJECT

 public:
  WindowChrome(QWidget* window, const Pictures& pictures);

  // Puts every piece where the layout says; the maximised window has no
  // borders, corners or grip.
  void Apply(const ShellGeometry& geometry, bool maximised, bool onStartScreen);
  // Shows step picture n (1 to 3).
  void ShowStep(int n);
  int step() const { return step_; }
  // Pieces that lie in front of the screens.
  void RaiseFront();
  // The banner pictures above the start screen: the welcome one at first
  // start, the other when the start screen is opened again for a new site.
  void ShowBanner(bool newSiteBanner);
  void setDraggingAllowed(bool allowed) { draggingAllowed_ = allowed; }

  SkinnedButton* minimiseButton() const { return minimise_; }
  SkinnedButton* maximiseButton() const { return maximise_; }
  SkinnedButton* closeButton() const { return close_; }
  QLabel* contentFrame() const { return frame_; }

 signals:
  void gripReleased();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* Picture(const QString& fileName, bool stretched, const QString& name);
  bool HandleDrag(QEvent* event);
  bool HandleGrip(QEvent* event);

  QWidget* window_;
  const Pictures& pictures_;
  QLabel* headerBand_;
  QLabel* body_;
  QLabel* logo_;
  QLabel* headerArt_;
  std::array<QLabel*, 3> steps_{};
  QLabel* frame_;
  QLabel* strip_;
  QLabel* leftPiece_;
  QLabel* rightPiece_;
  std::array<QLabel*, 2> banners_{};
  std::array<QLabel*, 4> corners_{};
  std::array<QWidget*, 4> borders_{};
  QLabel* grip_;
  SkinnedButton* minimise_;
  SkinnedButton* maximise_;
  SkinnedButton* close_;
  int step_ = 2;
  bool draggingAllowed_ = true;
  bool bannerNewSite_ = false;
  // Manual move and resize where the platform cannot do it for us.
  QPoint dragOffset_;
  bool dragging_ = false;
  QPoint gripStart_;
  QSize gripStartSize_;
  bool gripDragging_ = false;
};

}  // namespace moxa
