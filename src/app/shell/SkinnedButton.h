#pragma once

#include "app/shell/Pictures.h"

#include <QWidget>

#include <functional>

namespace moxa {

// A button drawn from a skin set: normal, hover and pressed pictures. It
// also takes the keyboard focus and clicks on Space or Enter, so every
// command of the interface can be reached without a mouse.
class SkinnedButton : public QWidget {
  Q_OBJECT

 public:
  // The picture shown when the mouse button is released over the button.
  enum class AfterRelease { Normal, Hover, Unchanged };

  SkinnedButton(const SkinSet& skin, const QString& accessibleName, QWidget* parent = nullptr);

  void setAfterRelease(AfterRelease after) { afterRelease_ = after; }
  // While the predicate holds, mouse feedback is ignored (a selected tab, a
  // Save button during its confirmation period); with `clicksToo` the click,
  // by mouse or key, is ignored as well.
  void setFeedbackFrozen(std::function<bool()> frozen, bool clicksToo = false) {
    frozen_ = std::move(frozen);
    clicksFrozen_ = clicksToo;
  }
  void setSkin(const SkinSet& skin);
  // Shows `pixmap` until showNormalPicture(): the selected tab, the locked Save.
  void showPicture(const QPixmap& pixmap);
  void showNormalPicture();
  const QPixmap& currentPicture() const { return current_; }

  QSize sizeHint() const override;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool Frozen() const { return frozen_ && frozen_(); }
  bool ClickIgnored() const { return clicksFrozen_ && Frozen(); }
  void Show(const QPixmap& pixmap);

  SkinSet skin_;
  QPixmap current_;
  AfterRelease afterRelease_ = AfterRelease::Normal;
  std::function<bool()> frozen_;
  bool clicksFrozen_ = false;
  bool keyboardFocus_ = false;  // the focus mark is for keyboard users only
};

}  // namespace moxa
