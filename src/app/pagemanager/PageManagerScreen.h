#pragma once

#include "app/shell/Pictures.h"
#include "app/shell/SkinnedButton.h"
#include "site/Site.h"

#include <QScrollArea>
#include <QWidget>

namespace moxa {

class PageRowDrag;
class PageRows;

// The Page Manager screen: the site's pages as rows in a scrolling list,
// with the New Page and Export buttons above them. The rows are made when
// the screen is shown and freed when it is left.
class PageManagerScreen : public QWidget {
  Q_OBJECT

 public:
  PageManagerScreen(Site& site, const Pictures& pictures, QWidget* parent = nullptr);

  SkinnedButton* exportButton() const { return export_; }
  SkinnedButton* newPageButton() const { return newPage_; }
  QScrollArea* pageList() const { return list_; }
  PageRows* rows() const { return rows_; }
  PageRowDrag* drag() const { return drag_; }

  void BuildPageRows();
  void FreePageRows();
  // After a page operation: the rows again from the page table, when they
  // are showing.
  void RefreshRows();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QScrollArea* list_;
  SkinnedButton* export_;
  SkinnedButton* newPage_;
  PageRows* rows_;
  PageRowDrag* drag_;
};

// A screen that is a plain panel until its content arrives.
class PlainScreen : public QWidget {
  Q_OBJECT

 public:
  PlainScreen(const QString& objectName, const QString& title, QWidget* parent = nullptr);
};

}  // namespace moxa
