#include "app/pagemanager/PageActions.h"

#include "app/dialogs/DialogLayer.h"
#include "app/dialogs/PageDialogs.h"
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "app/editor/EditorSession.h"
#include "app/pagemanager/PageManagerScreen.h"
#include "app/pagemanager/PageRowDrag.h"
#include "app/pagemanager/PageRows.h"

namespace moxa {

PageActions::PageActions(Parts parts, QObject* parent) : QObject(parent), p_(std::move(parts)) {
  CreateDialogs();
  Connect();
}

void PageActions::CreateDialogs() {
  const auto made = [this](auto* dialog, const char* name) {
    dialog->setObjectName(QString::fromLatin1(name));
    dialog->hide();
    connect(dialog, &LayerDialog::cancelled, &p_.layer, &DialogLayer::CloseDialogLayer);
    return dialog;
  };
  add_ = made(new PageNameDialog(p_.pictures, AddPagePlacement(), &p_.layer), "addPageDialog");
  saveAs_ = made(new PageNameDialog(p_.pictures, SavePageAsPlacement(), &p_.layer),
                 "savePageAsDialog");
  rename_ = made(new PageNameDialog(p_.pictures, RenamePagePlacement(), &p_.layer),
                 "renamePageDialog");
  properties_ = made(new PagePropertiesDialog(p_.pictures, &p_.layer), "pagePropertiesDialog");
  delete_ = made(new DeletePageDialog(p_.pictures, &p_.layer), "deletePageDialog");
}

void PageActions::Connect() {
  connect(add_, &LayerDialog::accepted, this, &PageActions::OnAddOk);
  connect(saveAs_, &LayerDialog::accepted, this, &PageActions::OnSaveAsOk);
  connect(rename_, &LayerDialog::accepted, this, &PageActions::OnRenameOk);
  connect(properties_, &LayerDialog::accepted, this, &PageActions::OnPropertiesOk);
  connect(delete_, &LayerDialog::accepted, this, &PageActions::OnDeleteOk);

  EditorScreen& screen = p_.editorScreen;
  connect(screen.savePageAsAction(), &QAction::triggered, this, &PageActions::OpenSaveAsDialog);
  connect(screen.pagePropertiesAction(), &QAction::triggered, this,
          &PageActions::OpenPropertiesDialog);
  connect(screen.renamePageAction(), &QAction::triggered, this, &PageActions::OpenRenameDialog);
  connect(screen.deletePageAction(), &QAction::triggered, this, &PageActions::OpenDeleteDialog);
  connect(&p_.editor, &EditorController::pageOpened, this, &PageActions::UpdateDeleteItem);

  PageManagerScreen& manager = p_.pageManager;
  connect(manager.newPageButton(), &SkinnedButton::clicked, this, &PageActions::OpenAddDialog);
  connect(manager.rows(), &PageRows::renameClicked, this, &PageActions::RenameRow);
  connect(manager.rows(), &PageRows::deleteClicked, this, &PageActions::DeleteRow);
  connect(manager.drag(), &PageRowDrag::dropped, this, &PageActions::MoveRow);
}

int PageActions::OpenPageIndex() const {
  return p_.site.IndexOfFileName(p_.site.OpenPageFileName);
}

bool PageActions::Show(LayerDialog* dialog) {
  // The layer refuses during a save's confirmation period.
  p_.layer.ShowDialog(dialog);
  return !dialog->isHidden();
}

void PageActions::UpdateDeleteItem() {
  const int index = OpenPageIndex();
  p_.editorScreen.setDeletePageEnabled(index >= 0 && !p_.site.Page(index).IsHomePage);
}

void PageActions::OpenAddDialog() {
  add_->Fill(QString(), QString(), true);
  if (Show(add_)) add_->FocusFirstField();
}

void PageActions::OpenSaveAsDialog() {
  if (OpenPageIndex() < 0) return;
  saveAs_->Fill(QString(), QString(), true);
  if (Show(saveAs_)) saveAs_->FocusFirstField();
}

void PageActions::OpenRenameDialog() {
  const int index = OpenPageIndex();
  if (index < 0) return;
  const TSitePage& page = p_.site.Page(index);
  rename_->Fill(page.FileName, page.Label_, !page.IsHomePage);
  if (Show(rename_)) rename_->FocusFirstField();
}

void PageActions::OpenPropertiesDialog() {
  const int index = OpenPageIndex();
  if (index < 0) return;
  properties_->Fill(ReadPagePropertiesOf(p_.site, p_.folders, index));
  if (Show(properties_)) properties_->FocusFirstField();
}

void PageActions::OpenDeleteDialog() {
  const int index = OpenPageIndex();
  if (index < 0 || p_.site.Page(index).IsHomePage) return;
  delete_->setPageName(p_.site.OpenPageFileName);
  Show(delete_);
}

void PageActions::RenameRow(int row) {
  if (row < 0 || row >= p_.site.PageCount()) return;
  if (p_.editor.OpenPage(p_.site.Page(row).FileName)) OpenRenameDialog();
}

void PageActions::DeleteRow(int row) {
  if (row < 0 || row >= p_.site.PageCount() || p_.site.Page(row).IsHomePage) return;
  if (p_.editor.OpenPage(p_.site.Page(row).FileName)) OpenDeleteDialog();
}

void PageActions::MoveRow(int from, int to) {
  const bool ok = MovePage(p_.site, Context(), from, to).ok();
  p_.pageManager.RefreshRows();
  p_.editor.RefreshPageList();
  if (!ok) p_.error(MessageText(PageMessage::FileError));
}

void PageActions::OnAddOk() {
  const std::vector<TSitePage> before = p_.site.SitePages();
  const PageOutcome outcome = AddPage(p_.site, Context(), add_->fileName(), add_->label());
  Finish(*add_, outcome, p_.site.SitePages() != before);
}

void PageActions::OnSaveAsOk() {
  const std::vector<TSitePage> before = p_.site.SitePages();
  const PageOutcome outcome =
      SavePageAs(p_.site, Context(), saveAs_->fileName(), saveAs_->label());
  Finish(*saveAs_, outcome, p_.site.SitePages() != before);
}

void PageActions::OnRenameOk() {
  const int index = OpenPageIndex();
  if (index < 0) return;
  const TSitePage& page = p_.site.Page(index);
  const QString typed = page.IsHomePage ? page.FileName : rename_->fileName();
  // The rename opens the page again from its file; unsaved edits would be
  // lost, so a valid rename saves them first.
  if (SanitizeFileName(typed, rename_->label()).Message == PageMessage::None &&
      p_.session.PageModified()) {
    p_.editor.Save();
    if (p_.session.PageModified()) return;
  }
  const std::vector<TSitePage> before = p_.site.SitePages();
  const PageOutcome outcome =
      RenamePage(p_.site, Context(), index, rename_->fileName(), rename_->label());
  Finish(*rename_, outcome, p_.site.SitePages() != before);
}

void PageActions::Finish(PageNameDialog& dialog, const PageOutcome& outcome, bool siteChanged) {
  if (outcome.Message != PageMessage::FileError) dialog.ShowCleaned(outcome.Names);
  if (outcome.ok()) {
    AfterPageChange();
    return;
  }
  if (outcome.Message == PageMessage::FileError) {
    // Whatever was done stays done and is shown; nothing done keeps the dialog.
    if (siteChanged) AfterPageChange(p_.site.OpenPageFileName);  // opens it again
    p_.error(MessageText(outcome.Message));
    return;
  }
  p_.inform(MessageText(outcome.Message));
  QWidget* field = outcome.Message == PageMessage::EmptyLabel || !dialog.fileNameField()->isEnabled()
                       ? static_cast<QWidget*>(dialog.labelField())
                       : dialog.fileNameField();
  field->setFocus(Qt::OtherFocusReason);
}

void PageActions::OnPropertiesOk() {
  const int index = OpenPageIndex();
  if (index < 0) return;
  if (!SetPageProperties(p_.site, p_.folders, index, properties_->properties())) {
    p_.error(MessageText(PageMessage::FileError));
    return;
  }
  p_.session.MarkModified();
  p_.layer.CloseDialogLayer();
}

void PageActions::OnDeleteOk() {
  const int index = OpenPageIndex();
  const int count = p_.site.PageCount();
  const bool ok = DeletePage(p_.site, Context(), index).ok();
  if (ok) AfterPageChange();
  else if (p_.site.PageCount() != count) AfterPageChange(p_.site.Page(0).FileName);
  else p_.layer.CloseDialogLayer();
  if (!ok) p_.error(MessageText(PageMessage::FileError));
}

void PageActions::AfterPageChange(const QString& reopen) {
  p_.layer.CloseDialogLayer();
  // A finished operation opened its page already: the editor catches up
  // (session, page selector, browser, This Page menu). One that stopped
  // half-way has the editor open the page itself.
  if (reopen.isEmpty()) {
    p_.editor.ShowOpenedPage();
  } else {
    p_.editor.OpenPage(reopen);
  }
  p_.pageManager.RefreshRows();
}

}  // namespace moxa
