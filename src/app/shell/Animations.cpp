#include "app/shell/Animations.h"

#include "app/shell/ShellLayout.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QPropertyAnimation>
#include <QVariantAnimation>
#include <QWidget>

#include <utility>

namespace moxa {
namespace {

constexpr int kSlideMilliseconds = 100;
constexpr int kOpenMilliseconds = 60;
constexpr int kOpenSteps = 6;
constexpr int kOpenRisePerStep = 21;
const char* const kSlideIn = "noticeSlideIn";
const char* const kSlideOut = "noticeSlideOut";

// The bottom edge stays on the frame's bottom while the height changes.
void PlaceOnFrameBottom(QWidget* panel, const QRect& frame, int height) {
  panel->setGeometry(frame.left(), frame.top() + frame.height() - height, panel->width(), height);
}

// One slide per panel: a new one takes over from where the last one stood.
void StopSlide(QWidget* panel) {
  for (const char* name : {kSlideIn, kSlideOut}) {
    if (auto* running = panel->findChild<QVariantAnimation*>(QLatin1String(name), Qt::FindDirectChildrenOnly)) {
      running->setObjectName(QString());
      running->stop();  // stopped half-way: no finished(), so an outgoing panel is not hidden
    }
  }
}

QVariantAnimation* StartSlide(QWidget* panel, const QRect& frame, int from, int to, const char* name) {
  auto* slide = new QVariantAnimation(panel);
  slide->setObjectName(QLatin1String(name));
  slide->setDuration(kSlideMilliseconds);
  slide->setStartValue(from);
  slide->setEndValue(to);
  // Over, though only deleted later: no longer the panel's running slide.
  QObject::connect(slide, &QAbstractAnimation::finished, slide, [slide] { slide->setObjectName(QString()); });
  QObject::connect(slide, &QVariantAnimation::valueChanged, panel,
                   [panel, frame](const QVariant& height) { PlaceOnFrameBottom(panel, frame, height.toInt()); });
  return slide;
}

// Drops the user's clicks and keys on one window while it lives.
class InputGuard : public QObject {
 public:
  InputGuard(QWidget* window, QObject* parent) : QObject(parent), window_(window) {
    qApp->installEventFilter(this);
  }
  ~InputGuard() override { Release(); }
  void Release() {
    if (qApp) qApp->removeEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride: {
        auto* widget = qobject_cast<QWidget*>(watched);
        return widget && window_ && widget->window() == window_;
      }
      case QEvent::Shortcut:
        return window_ && QApplication::activeWindow() == window_;
      default:
        return false;
    }
  }

 private:
  QPointer<QWidget> window_;
};

}  // namespace

QAbstractAnimation* SlideNoticeIn(QWidget* panel, const QRect& frame, int fullHeight) {
  StopSlide(panel);
  PlaceOnFrameBottom(panel, frame, 0);
  panel->show();
  panel->raise();
  QVariantAnimation* slide = StartSlide(panel, frame, 0, fullHeight, kSlideIn);
  slide->start(QAbstractAnimation::DeleteWhenStopped);
  return slide;
}

QAbstractAnimation* SlideNoticeOut(QWidget* panel, const QRect& frame) {
  StopSlide(panel);
  QVariantAnimation* slide = StartSlide(panel, frame, panel->height(), 0, kSlideOut);
  QObject::connect(slide, &QAbstractAnimation::finished, panel, &QWidget::hide);
  slide->start(QAbstractAnimation::DeleteWhenStopped);
  return slide;
}

bool SlidingOut(const QWidget* panel) {
  return panel->findChild<QVariantAnimation*>(QLatin1String(kSlideOut), Qt::FindDirectChildrenOnly) != nullptr;
}

QAbstractAnimation* OpenContentFrame(QWidget* window, QWidget* frame, QWidget* startPanel,
                                     std::function<void()> then) {
  startPanel->hide();
  // Each of the six steps of the movement grows the frame by a sixth of
  // what separates it from the window's edges and lifts it a little.
  const int dh = (window->height() - ShellMetrics::kBodyTop - frame->height() - ShellMetrics::kStripHeight) /
                 kOpenSteps;
  const int dw = (window->width() - frame->width() - 60) / kOpenSteps;
  const QRect from = frame->geometry();
  const QRect to(from.x() - kOpenSteps * (dw / 2), from.y() - kOpenSteps * kOpenRisePerStep,
                 from.width() + kOpenSteps * dw, from.height() + kOpenSteps * dh);
  auto* grow = new QPropertyAnimation(frame, "geometry", frame);
  grow->setDuration(kOpenMilliseconds);
  grow->setStartValue(from);
  grow->setEndValue(to);
  auto* guard = new InputGuard(window, grow);
  QObject::connect(grow, &QAbstractAnimation::finished, guard, &InputGuard::Release);
  if (then) QObject::connect(grow, &QAbstractAnimation::finished, window, std::move(then));
  grow->start(QAbstractAnimation::DeleteWhenStopped);
  return grow;
}

}  // namespace moxa
