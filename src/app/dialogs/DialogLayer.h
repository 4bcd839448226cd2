#pragma once

#include "app/shell/Pictures.h"

#include <QImage>
#include <QLabel>
#include <QMovie>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <vector>

namespace moxa {

// Every colour channel halved: the frozen, darkened picture of the window
// behind a dialog (white becomes 127, 127, 127).
QImage DarkenSnapshot(const QImage& snapshot);

// The full-window layer on which dialogs and the busy overlay lie. Showing
// it freezes a darkened snapshot of the window behind; while it is shown
// nothing behind it can be reached. Exactly one dialog (a child widget the
// caller adds) or the busy overlay is visible on it at a time. While it
// shows it also holds the keyboard: everything behind it is disabled, so no
// focus, key or shortcut reaches the screens, and Tab cycles inside it.
class DialogLayer : public QWidget {
  Q_OBJECT

 public:
  DialogLayer(const Pictures& pictures, QWidget* window);

  // Prepares the layer over the window: snapshot, darkening, full size.
  // Does nothing while `blocked` says so (a save's confirmation period).
  void ShowDialogLayer(bool evenIfBlocked = false);
  // Shows `dialog` centred on the layer, hiding every other dialog on it.
  // `evenIfBlocked` is for the unsaved-changes prompt, whose question must
  // be asked whenever the user leaves a changed page.
  void ShowDialog(QWidget* dialog, bool evenIfBlocked = false);
  // With `onCancel`, the overlay offers a Cancel button (Escape presses it)
  // that calls it once; the job itself decides when the overlay goes.
  void ShowBusyOverlay(const QString& caption, std::function<void()> onCancel = {});
  // A new caption for the overlay that shows (a job's progress).
  void SetBusyCaption(const QString& caption);
  void HideBusyOverlay();
  void CloseDialogLayer();

  void setBlocked(std::function<bool()> blocked) { blocked_ = std::move(blocked); }
  void setOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }
  bool busy() const { return isVisible() && busyBox_->isVisible(); }
  QString busyCaption() const { return caption_->text(); }
  QPushButton* busyCancelButton() const { return cancel_; }
  const QImage& background() const { return background_; }

 signals:
  // The layer is being prepared over the window (a dialog or the busy
  // overlay follows); emitted before the snapshot of the window is taken.
  void layerShown();
  // CloseDialogLayer or HideBusyOverlay hid it.
  void layerClosed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CentreChildren();
  void CancelBusyJob();
  // Gives the keyboard focus back to where it was before the layer opened.
  void RestoreFocus();
  // Disables the window's other pieces while the layer shows, and gives
  // back exactly those that were enabled.
  void HoldWindow();
  void ReleaseWindow();

  const Pictures& pictures_;
  QImage background_;
  QWidget* busyBox_;
  QLabel* busyPicture_;
  QLabel* caption_;
  QMovie* movie_ = nullptr;
  QPushButton* cancel_;
  std::function<void()> onCancel_;
  std::function<bool()> blocked_;
  std::function<void()> onClose_;
  QPointer<QWidget> focusBefore_;
  std::vector<QPointer<QWidget>> heldBack_;
  bool holding_ = false;
};

}  // namespace moxa
