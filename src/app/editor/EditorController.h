#pragma once

#include "app/dialogs/LayerDialog.h"
#include "app/editor/EditorSession.h"
#include "app/shell/Pictures.h"
#include "site/Folders.h"
#include "site/Site.h"

#include <QObject>

#include <functional>

namespace moxa {

class DialogLayer;
class EditorScreen;
class PreviewPanel;
class RegionEditController;
class RegionTracker;

// The page editor screen at work: opening pages, the page selector with its
// unsaved-changes prompt, saving with its confirmation period, and the
// preview of the whole site.
class EditorController : public QObject {
  Q_OBJECT

 public:
  EditorController(Site& site, const Folders& folders, const Pictures& pictures,
                   EditorSession& session, EditorScreen& screen, DialogLayer& layer,
                   std::function<void(const QString&)> showError, QObject* parent = nullptr);

  // Opens the page and shows it; the selector follows.
  bool OpenPage(const QString& fileName);
  // Shows the page the page logic has just opened (no second copy).
  void ShowOpenedPage();
  // Refills the selector from the page table.
  void RefreshPageList();
  // Before the page is left (a tab, New Site, closing the window): when
  // there is unsaved work and `ask` (the editor is in front, or the window
  // closes), the user is asked Save, Don't Save or Cancel first. `proceed`
  // runs after a save or a "Don't Save", at once when nothing is unsaved,
  // and never after Cancel.
  void LeavePage(bool ask, std::function<void()> proceed);
  // Changes of the open page not in its file, or text typed into the
  // region editor and not yet confirmed.
  bool HasUnsavedWork() const;
  // Confirms text left in the region editor and saves the page, without
  // asking. False when either failed (the user has been told).
  bool SaveEverything();
  // The unsaved-changes question.
  static QString savePromptText();
  void Save();
  void Preview();
  void BackFromPreview();

  LayerDialog* savePrompt() const { return prompt_; }
  PreviewPanel* previewPanel() const { return preview_; }
  // The regions of the page shown and the highlight that picks one.
  RegionTracker* regionTracker() const { return tracker_; }
  RegionEditController* regionEditor() const { return regionEditor_; }

 signals:
  void pageOpened(const QString& fileName);

 private:
  void ShowWorkingCopy();
  void OnPageChosen(const QString& fileName);
  void ShowPrompt(std::function<void()> proceed, bool switchesPage);
  void OnPromptSave();
  void OnPromptDontSave();
  void OnPromptDismissed();
  bool SavePageNow();
  // Runs and forgets what waits for the prompt's answer.
  void Proceed();

  Site& site_;
  Folders folders_;
  EditorSession& session_;
  EditorScreen& screen_;
  DialogLayer& layer_;
  std::function<void(const QString&)> showError_;
  LayerDialog* prompt_;
  PreviewPanel* preview_;
  RegionTracker* tracker_;
  RegionEditController* regionEditor_;
  // What the unsaved-changes prompt leads on to once answered.
  std::function<void()> proceed_;
  bool promptSwitchesPage_ = false;
};

}  // namespace moxa
