#include "app/editor/EditorController.h"

#include "app/dialogs/DialogLayer.h"
#include "app/editor/EditorScreen.h"
#include "app/editor/RegionEditController.h"
#include "app/editor/RegionTracker.h"
#include "app/editor/SaveButtonFreeze.h"
#include "app/gallery/PreviewPanel.h"
#include "pages/PageEditing.h"
#include "session/UserMessages.h"

#include <QLabel>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <utility>

namespace moxa {

QString EditorController::savePromptText() {
  return QStringLiteral("Changes have been made to this page. Would you like to save it?");
}

EditorController::EditorController(Site& site, const Folders& folders, const Pictures& pictures,
                                   EditorSession& session, EditorScreen& screen,
                                   DialogLayer& layer,
                                   std::function<void(const QString&)> showError, QObject* parent)
    : QObject(parent),
      site_(site),
      folders_(folders),
      session_(session),
      screen_(screen),
      layer_(layer),
      showError_(std::move(showError)) {
  prompt_ = new LayerDialog(pictures, SavePromptPlacement());
  prompt_->setObjectName(QStringLiteral("savePrompt"));
  auto* message = new QLabel(savePromptText(), prompt_->content());
  message->setObjectName(QStringLiteral("promptMessage"));
  message->setWordWrap(true);
  message->setAlignment(Qt::AlignCenter);
  message->setStyleSheet(QStringLiteral("font-size: 14px; color: #1f3b4d;"));
  auto* layout = new QVBoxLayout(prompt_->content());
  layout->addWidget(message);
  prompt_->hide();
  connect(prompt_, &LayerDialog::accepted, this, &EditorController::OnPromptSave);
  connect(prompt_, &LayerDialog::cancelled, this, &EditorController::OnPromptDontSave);
  prompt_->OfferDismiss();
  connect(prompt_, &LayerDialog::dismissed, this, &EditorController::OnPromptDismissed);

  preview_ = new PreviewPanel(pictures, screen_.previewHost());
  preview_->hide();
  connect(preview_, &PreviewPanel::backClicked, this, &EditorController::BackFromPreview);
  tracker_ = new RegionTracker(*screen_.browser(), *screen_.pageSelector(), pictures, this);
  RegionEditController::PageView page{
      [this] { return tracker_->hoverRegionNumber(); },
      [this] { return tracker_->ScrollOffset(); },
      [this](int offset) { tracker_->SetPendingScrollOffset(offset); },
      [this] { screen_.ShowWorkingCopy(folders_.WorkingCopyFile()); }};
  regionEditor_ = new RegionEditController(site_, folders_, pictures, session_, layer_,
                                           std::move(page), showError_, this);
  connect(tracker_, &RegionTracker::regionClicked, regionEditor_,
          &RegionEditController::OpenRegionEditor);

  FreezeDuringSaveConfirmation(*screen_.saveButton(), session_);
  connect(screen_.saveButton(), &SkinnedButton::clicked, this, &EditorController::Save);
  // Ctrl+S saves as the Save button does, wherever the focus is on the
  // editing screen (the page in the browser included), never from a dialog.
  auto* saveShortcut = new QShortcut(QKeySequence::Save, &screen_);
  saveShortcut->setContext(Qt::WidgetWithChildrenShortcut);
  connect(saveShortcut, &QShortcut::activated, this, &EditorController::Save);
  connect(screen_.previewButton(), &SkinnedButton::clicked, this, &EditorController::Preview);
  connect(&screen_, &EditorScreen::pageChosen, this, &EditorController::OnPageChosen);
  connect(&session_, &EditorSession::saveConfirmed, this, [this] { screen_.ShowSaving(false); });
}

bool EditorController::OpenPage(const QString& fileName) {
  if (!session_.Open(fileName)) {
    showError_(QStringLiteral("The page \"%1\" could not be opened.").arg(fileName));
    RefreshPageList();
    return false;
  }
  ShowWorkingCopy();
  return true;
}

void EditorController::ShowOpenedPage() {
  session_.AdoptOpenedPage();
  ShowWorkingCopy();
}

void EditorController::ShowWorkingCopy() {
  // A page opened from elsewhere (the Page Manager's Edit) ends the preview
  // of the page before it.
  if (screen_.previewShown()) BackFromPreview();
  RefreshPageList();
  screen_.ShowWorkingCopy(folders_.WorkingCopyFile());
  emit pageOpened(site_.OpenPageFileName);
}

void EditorController::RefreshPageList() {
  QStringList names;
  for (const TSitePage& page : site_.SitePages()) names << page.FileName;
  screen_.SetPages(names, site_.OpenPageFileName);
}

void EditorController::OnPageChosen(const QString& fileName) {
  if (fileName == site_.OpenPageFileName) return;
  if (!session_.PageModified()) {
    OpenPage(fileName);
    return;
  }
  ShowPrompt([this, fileName] { OpenPage(fileName); }, true);
}

bool EditorController::HasUnsavedWork() const {
  return session_.PageModified() || regionEditor_->HasChangedText();
}

void EditorController::LeavePage(bool ask, std::function<void()> proceed) {
  if (!ask || !HasUnsavedWork()) {
    if (regionEditor_->editing()) regionEditor_->Cancel();
    proceed();
    return;
  }
  ShowPrompt(std::move(proceed), false);
}

void EditorController::ShowPrompt(std::function<void()> proceed, bool switchesPage) {
  proceed_ = std::move(proceed);
  promptSwitchesPage_ = switchesPage;
  prompt_->setCancelText(QStringLiteral("Don't Save"));
  layer_.ShowDialog(prompt_, true);
}

void EditorController::Proceed() {
  const std::function<void()> proceed = std::exchange(proceed_, {});
  if (proceed) proceed();
}

void EditorController::OnPromptSave() {
  // Text still in the region editor is part of what the user asked to keep.
  if (regionEditor_->HasChangedText() && !regionEditor_->CommitRegionEdit()) {
    regionEditor_->ShowAgain();
    return;
  }
  layer_.CloseDialogLayer();
  if (!SavePageNow()) {
    proceed_ = {};
    RefreshPageList();
    return;
  }
  Proceed();
}

bool EditorController::SaveEverything() {
  if (regionEditor_->HasChangedText() && !regionEditor_->CommitRegionEdit()) return false;
  if (regionEditor_->editing()) regionEditor_->Cancel();
  return !session_.PageModified() || SavePageNow();
}

bool EditorController::SavePageNow() {
  // The user asked for a save: it happens even within the confirmation
  // period of an earlier one.
  if (session_.Save(true) == EditorSession::SaveResult::Failed) {
    showError_(UserMessage(ErrorCode::PageNotSaved));
    return false;
  }
  screen_.ShowSaving(true);
  return true;
}

void EditorController::OnPromptDontSave() {
  if (regionEditor_->editing()) regionEditor_->Cancel();
  layer_.CloseDialogLayer();
  // A page switch opens the other page anyway; otherwise the changes go now,
  // so that nothing unsaved is left behind to be asked about again.
  if (!promptSwitchesPage_ && session_.PageModified() && session_.Discard()) {
    screen_.ShowWorkingCopy(folders_.WorkingCopyFile());
  }
  Proceed();
}

void EditorController::OnPromptDismissed() {
  proceed_ = {};
  if (regionEditor_->editing()) {
    regionEditor_->ShowAgain();
    return;
  }
  layer_.CloseDialogLayer();
  RefreshPageList();  // the selector back on the open page
}

void EditorController::Save() {
  switch (session_.Save()) {
    case EditorSession::SaveResult::Saved: screen_.ShowSaving(true); break;
    case EditorSession::SaveResult::Ignored: break;
    case EditorSession::SaveResult::Failed:
      screen_.ShowSaving(false);
      showError_(UserMessage(ErrorCode::PageNotSaved));
      break;
  }
}

void EditorController::Preview() {
  const QString page = RefreshPreview(site_, folders_);
  if (page.isEmpty()) {
    showError_(QStringLiteral("The preview could not be prepared."));
    return;
  }
  tracker_->StopTracking();
  screen_.ShowPreviewHost(true);
  preview_->setBackText(QStringLiteral("Back to Editing"));
  preview_->show();
  preview_->LayoutPreviewPanel();
  preview_->showUrl(QUrl::fromLocalFile(page));
  preview_->view()->setFocus(Qt::OtherFocusReason);
}

void EditorController::BackFromPreview() {
  const bool wasShown = screen_.previewShown();
  preview_->hide();
  screen_.ShowPreviewHost(false);
  if (!wasShown) return;
  screen_.previewButton()->setFocus(Qt::OtherFocusReason);
  tracker_->StartTracking();
}

}  // namespace moxa
