#pragma once

#include "app/shell/Pictures.h"

#include <QUrl>
#include <QWidget>

class QLabel;
class QWebEngineView;

namespace moxa {

class PreviewPage;

// A browser under a 25-pixel bar with a back arrow and a back link. The
// gallery shows a template's preview page in it ("Back to Templates"); the
// editor shows the whole site ("Back to Editing"). The owner puts it into
// the panel it should cover; going back hides it.
class PreviewPanel : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kBarHeight = 25;
  // The arrow and the link sit this far from the bar's right edge.
  static constexpr int kArrowFromRight = 130;
  static constexpr int kLinkAfterArrow = 30;
  static constexpr int kRightMargin = 8;
  static constexpr QSize kArrowSize{20, 20};

  explicit PreviewPanel(const Pictures& pictures, QWidget* parent = nullptr);

  // Fills the parent: the bar on top, the browser below it.
  void LayoutPreviewPanel();
  void showUrl(const QUrl& url);
  void setBackText(const QString& text);
  QString backText() const;
  QWebEngineView* view() const { return view_; }
  QWidget* backArrow() const { return arrow_; }
  QLabel* backLink() const { return link_; }

  // Hides the panel and tells the owner (the link, the arrow and Escape).
  void GoBack();

 signals:
  void backClicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void PlaceChildren();

  QWidget* arrow_;
  QLabel* link_;
  QWidget* browserBox_;
  QWebEngineView* view_;
  PreviewPage* page_ = nullptr;
};

}  // namespace moxa
