#pragma once

#include "app/Pictures.h"
#include "app/SkinnedButton.h"

#include <QScrollArea>
#include <QWidget>

namespace moxa {

// The Page Manager screen: the site's pages as rows, with the New Page and
// Export buttons above them.
class PageManagerScreen : public QWidget {
  Q_OBJECT

 public:
  PageManagerScreen(const Pictures& pictures, QWidget* parent = nullptr);

  SkinnedButton* exportButton() const { return export_; }
  SkinnedButton* newPageButton() const { return newPage_; }
  QScrollArea* pageList() const { return list_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QScrollArea* list_;
  SkinnedButton* export_;
  SkinnedButton* newPage_;
};

// A screen that is a plain panel until its content arrives.
class PlainScreen : public QWidget {
  Q_OBJECT

 public:
  PlainScreen(const QString& objectName, const QString& title, QWidget* parent = nullptr);
};

}  // namespace moxa
