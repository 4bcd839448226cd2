#pragma once

#include "app/shell/Pictures.h"

#include <QLabel>
#include <QWidget>

namespace moxa {

class SkinnedButton;

// A notice on the content frame's lower edge (the site-live and published
// panels): a light card with a title, rows of text and links, and a close
// button at its top right that slides it away.
class NoticePanel : public QWidget {
  Q_OBJECT

 public:
  NoticePanel(const Pictures& pictures, const QString& title, QWidget* parent = nullptr);

  static constexpr int kWidth = 260;

  QLabel* title() const { return title_; }
  SkinnedButton* closeButton() const { return close_; }
  // A label that shows `text` as a link and emits linkActivated on a click.
  static QLabel* MakeLink(const QString& text, QWidget* parent);
  static void SetLinkText(QLabel* link, const QString& text);

 signals:
  void closeRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* title_;
  SkinnedButton* close_;
};

}  // namespace moxa
