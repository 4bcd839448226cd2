#include "app/pagemanager/PageManagerScreen.h"

#include "app/pagemanager/PageRowDrag.h"
#include "app/pagemanager/PageRows.h"
#include "app/shell/SlimScrollBar.h"

#include <QLabel>
#include <QVBoxLayout>

namespace moxa {

PageManagerScreen::PageManagerScreen(Site& site, const Pictures& pictures, QWidget* parent)
    : QWidget(parent) {
  setObjectName(QStringLiteral("pageManagerScreen"));
  list_ = new QScrollArea(this);
  list_->setObjectName(QStringLiteral("pageList"));
  list_->setFrameShape(QFrame::NoFrame);
  list_->setWidgetResizable(false);
  UseSlimScrollBar(list_);
  auto* canvas = new QWidget;
  canvas->setObjectName(QStringLiteral("pageRowsCanvas"));
  list_->setWidget(canvas);
  rows_ = new PageRows(site, pictures, canvas);
  drag_ = new PageRowDrag(*rows_, *list_, pictures);
  connect(rows_, &PageRows::handlePressed, drag_, &PageRowDrag::Start);
  export_ = new SkinnedButton(pictures.Skin(23), QStringLiteral("Export"), this);
  export_->setObjectName(QStringLiteral("exportButton"));
  export_->setToolTip(QStringLiteral("Copy the site's pages into a folder"));
  export_->setAfterRelease(SkinnedButton::AfterRelease::Hover);
  newPage_ = new SkinnedButton(pictures.Skin(21), QStringLiteral("New Page"), this);
  newPage_->setObjectName(QStringLiteral("newPageButton"));
  newPage_->setAfterRelease(SkinnedButton::AfterRelease::Hover);
}

void PageManagerScreen::BuildPageRows() {
  drag_->Cancel();
  rows_->BuildPageRows();
}

void PageManagerScreen::FreePageRows() {
  drag_->Cancel();
  rows_->FreePageRows();
}

void PageManagerScreen::RefreshRows() {
  if (rows_->built()) BuildPageRows();
}

void PageManagerScreen::resizeEvent(QResizeEvent*) {
  list_->setGeometry(24, 80, width() - 32, height() - 80);
  const int top = 80 - export_->height() - 12;
  export_->move(list_->x() + list_->width() - export_->width() - 15, top);
  newPage_->move(export_->x() - newPage_->width() - 15, top);
}

PlainScreen::PlainScreen(const QString& objectName, const QString& title, QWidget* parent)
    : QWidget(parent) {
  setObjectName(objectName);
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(title, this);
  heading->setStyleSheet(QStringLiteral("font-size: 20px; font-weight: 600; color: #1f3b4d;"));
  layout->addWidget(heading);
  layout->addStretch();
  layout->setContentsMargins(24, 24, 24, 24);
}

}  // namespace moxa
