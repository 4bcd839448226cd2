#pragma once

#include "app/shell/Pictures.h"
#include "app/shell/SkinnedButton.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMovie>
#include <QWidget>

class QWebEngineView;

namespace moxa {

// The page editor screen: the open page in a browser, the page selector,
// the This Page menu's label and the Save, Preview and Publish buttons.
class EditorScreen : public QWidget {
  Q_OBJECT

 public:
  EditorScreen(const Pictures& pictures, QWidget* parent = nullptr);

  QWebEngineView* browser() const { return browser_; }
  QComboBox* pageSelector() const { return selector_; }
  SkinnedButton* saveButton() const { return save_; }
  SkinnedButton* previewButton() const { return preview_; }
  SkinnedButton* publishButton() const { return publish_; }
  QLabel* thisPageLabel() const { return thisPage_; }
  // The This Page menu, popped up under its label.
  QMenu* thisPageMenu() const { return thisPageMenu_; }
  QAction* savePageAsAction() const { return savePageAs_; }
  QAction* pagePropertiesAction() const { return pageProperties_; }
  QAction* renamePageAction() const { return renamePage_; }
  QAction* deletePageAction() const { return deletePage_; }
  // "Delete Page" is offered for every page but the home page.
  void setDeletePageEnabled(bool enabled) { deletePage_->setEnabled(enabled); }
  // The area the site preview covers: the whole screen.
  QWidget* previewHost() const { return previewHost_; }
  // Shows or hides the preview's area. While it shows, the page selector,
  // This Page, Save, Preview and Publish lie under it and take no mouse,
  // key or focus: the page behind the preview cannot change.
  void ShowPreviewHost(bool shown);
  bool previewShown() const { return !previewHost_->isHidden(); }

  // Fills the selector with the site's pages and selects `open`, without
  // reporting it as the user's choice.
  void SetPages(const QStringList& fileNames, const QString& open);
  void ShowWorkingCopy(const QString& path);
  // The locked Save picture and the red animation while a save is confirmed.
  void ShowSaving(bool saving);
  void PopUpThisPageMenu();

 signals:
  void pageChosen(const QString& fileName);
  void thisPageClicked();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void StartEveryPageAtTheTop();

  const Pictures& pictures_;
  QWebEngineView* browser_;
  QWidget* browserPanel_;
  QWidget* previewHost_;
  QWidget* pageLabel_;
  QComboBox* selector_;
  QLabel* thisPage_;
  QMenu* thisPageMenu_;
  QAction* savePageAs_;
  QAction* pageProperties_;
  QAction* renamePage_;
  QAction* deletePage_;
  SkinnedButton* save_;
  SkinnedButton* preview_;
  SkinnedButton* publish_;
  bool startsAtTheTop_ = false;
  QLabel* savedMarker_;
  QMovie* savedMovie_;
  bool filling_ = false;
};

}  // namespace moxa
