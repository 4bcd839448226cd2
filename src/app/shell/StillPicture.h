#pragma once

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace moxa {

// A picture that does nothing but show itself at its own size. Lighter than
// a label, which matters where a screen makes thousands of them.
class StillPicture : public QWidget {
 public:
  explicit StillPicture(const QPixmap& pixmap, QWidget* parent = nullptr)
      : QWidget(parent), pixmap_(pixmap) {
    resize(pixmap_.deviceIndependentSize().toSize());
  }

  const QPixmap& pixmap() const { return pixmap_; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap_);
  }

 private:
  QPixmap pixmap_;
};

}  // namespace moxa
