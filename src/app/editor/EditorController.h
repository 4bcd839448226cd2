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
  // Before leaving the page (a tab, New Site): the prompt when there are
  // unsaved changes and the editor is showing. True when it was shown.
  bool AskToSaveChanges(bool editorShowing);
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
  void ShowPrompt();
  void OnPromptSave();
  void OnPromptDontSave();

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
};

}  // namespace moxa
