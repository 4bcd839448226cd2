#include "app/gallery/PreviewPanel.h"

#include "app/gallery/PreviewPage.h"

#include <QFileInfo>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>
#include <QWebEngineView>

#include <algorithm>
#include <functional>

namespace moxa {
namespace {

const QColor kBarColour(0xF4, 0xF4, 0xF4);
const QColor kBarLine(0xD9, 0xD9, 0xD9);
const QColor kLinkColour(0x1F, 0x5F, 0x8B);

// Runs `onClick` when a left press is released over the widget.
template <typename Base>
class Clickable : public Base {
 public:
  using Base::Base;
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    pressed_ = event->button() == Qt::LeftButton;
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       this->rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && onClick) onClick();
  }

 private:
  bool pressed_ = false;
};

// The back arrow: its picture, or a plain drawn arrow when the picture is missing.
class BackArrow : public Clickable<QWidget> {
 public:
  BackArrow(const QPixmap& picture, QWidget* parent) : Clickable(parent), picture_(picture) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (!picture_.isNull()) {
      painter.drawPixmap(0, 0, picture_);
      return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kLinkColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const qreal mid = height() / 2.0;
    QPainterPath arrow;
    arrow.moveTo(width() - 4, mid);
    arrow.lineTo(4, mid);
    arrow.moveTo(10, mid - 6);
    arrow.lineTo(4, mid);
    arrow.lineTo(10, mid + 6);
    painter.drawPath(arrow);
  }

 private:
  QPixmap picture_;
};

}  // namespace

PreviewPanel::PreviewPanel(const Pictures& pictures, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("previewPanel"));
  auto* arrow = new BackArrow(pictures.Get(QStringLiteral("back_arrow.png")), this);
  arrow->setObjectName(QStringLiteral("backArrow"));
  arrow->resize(kArrowSize);
  arrow->setCursor(Qt::PointingHandCursor);
  arrow->onClick = [this] { GoBack(); };
  arrow_ = arrow;

  auto* link = new Clickable<QLabel>(this);
  link->setObjectName(QStringLiteral("backLink"));
  link->setCursor(Qt::PointingHandCursor);
  QPalette palette = link->palette();
  palette.setColor(QPalette::WindowText, kLinkColour);
  link->setPalette(palette);
  QFont font = link->font();
  font.setUnderline(true);
  link->setFont(font);
  link->onClick = [this] { GoBack(); };
  link_ = link;

  browserBox_ = new QWidget(this);
  view_ = new QWebEngineView(browserBox_);
  view_->setObjectName(QStringLiteral("previewBrowser"));
  // No browser in the program shows its own context menu.
  view_->setContextMenuPolicy(Qt::NoContextMenu);

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WidgetWithChildrenShortcut);
  connect(escape, &QShortcut::activated, this, &PreviewPanel::GoBack);
  hide();
}

void PreviewPanel::LayoutPreviewPanel() {
  if (parentWidget() != nullptr) setGeometry(parentWidget()->rect());
  PlaceChildren();
}

void PreviewPanel::showUrl(const QUrl& url) {
  // Made at the first preview: a browser page started with the window would
  // hold up the start screen.
  if (page_ == nullptr) {
    page_ = new PreviewPage(view_);
    view_->setPage(page_);
  }
  // The links of the page lead only within its folder.
  page_->setRootFolder(QFileInfo(url.toLocalFile()).absolutePath());
  view_->setUrl(url);
}

void PreviewPanel::setBackText(const QString& text) {
  link_->setText(text);
  PlaceChildren();
}

QString PreviewPanel::backText() const { return link_->text(); }

void PreviewPanel::GoBack() {
  hide();
  emit backClicked();
}

void PreviewPanel::resizeEvent(QResizeEvent*) { PlaceChildren(); }

void PreviewPanel::PlaceChildren() {
  link_->adjustSize();
  // A wide system font must not push the link past the edge: then the pair
  // moves left as far as needed.
  const int arrowLeft = std::min(width() - kArrowFromRight,
                                 width() - kRightMargin - link_->width() - kLinkAfterArrow);
  arrow_->move(arrowLeft, (kBarHeight - arrow_->height()) / 2);
  link_->move(arrowLeft + kLinkAfterArrow, (kBarHeight - link_->height()) / 2);
  browserBox_->setGeometry(0, kBarHeight, width(), std::max(0, height() - kBarHeight));
  // The view draws no border of its own, so it simply fills its box.
  view_->setGeometry(browserBox_->rect());
}

void PreviewPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(0, 0, width(), kBarHeight, kBarColour);
  painter.setPen(kBarLine);
  painter.drawLine(0, kBarHeight - 1, width() - 1, kBarHeight - 1);
}

}  // namespace moxa
