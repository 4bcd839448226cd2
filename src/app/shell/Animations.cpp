#include "app/shell/Animations.h"

#include <QCoreApplication>
#include <QThread>
#include <QWidget>

namespace moxa {
namespace {

// The bottom edge stays on the frame's bottom while the height changes.
void PlaceOnFrameBottom(QWidget* panel, const QRect& frame, int height) {
  panel->setGeometry(frame.left(), frame.top() + frame.height() - height, panel->width(), height);
  panel->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QThread::msleep(10);
}

}  // namespace

void SlideNoticeIn(QWidget* panel, const QRect& frame, int fullHeight) {
  PlaceOnFrameBottom(panel, frame, 0);
  panel->show();
  panel->raise();
  for (int step = 1; step <= 10; ++step) PlaceOnFrameBottom(panel, frame, fullHeight / 10 * step);
  PlaceOnFrameBottom(panel, frame, fullHeight);
}

void SlideNoticeOut(QWidget* panel, const QRect& frame) {
  const int step = panel->height() / 10;
  for (int i = 1; i <= 10; ++i) PlaceOnFrameBottom(panel, frame, std::max(0, panel->height() - step));
  panel->hide();
}

}  // namespace moxa
