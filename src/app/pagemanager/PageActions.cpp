#include "app/pagemanager/PageActions.h"

#include "app/dialogs/DialogLayer.h"
#include "app/dialogs/PageDialogs.h"
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "app/editor/EditorSession.h"
#include "app/pagemanager/PageManagerScreen.h"
#include "app/pagemanager/PageRowDrag.h"
#include "app/pagemanager/PageRows.h"
#include "online/RecordValues.h"

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
  connect(manager.rows(), &PageRows::showInMenuToggled, this, &PageActions::ShowRowInMenu);
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
  properties_->Fill(ReadPagePropertiesOf(p_.site, Context().folders, index));
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
  const PageOutcome outcome = MovePage(p_.site, Context(), from, to);
  p_.pageManager.RefreshRows();
  p_.editor.RefreshPageList();
  if (!outcome.ok()) p_.error(MessageText(outcome.Message));
}

void PageActions::ShowRowInMenu(int row, bool show) {
  const PageOutcome outcome = SetShowInMenu(p_.site, Context(), row, show);
  p_.pageManager.rows()->RefreshTick(row);  // a failed change shows the tick as it was
  if (!outcome.ok()) p_.error(MessageText(outcome.Message));
}

bool PageActions::RefusedLabel(PageNameDialog& dialog) {
  const QString problem = RecordValuesProblem({{QStringLiteral("The page label"), dialog.label()}});
  if (problem.isEmpty()) return false;
  p_.inform(problem);
  dialog.labelField()->setFocus(Qt::OtherFocusReason);
  return true;
}

void PageActions::OnAddOk() {
  if (RefusedLabel(*add_)) return;
  Finish(*add_, AddPage(p_.site, Context(), add_->fileName(), add_->label()));
}

void PageActions::OnSaveAsOk() {
  if (RefusedLabel(*saveAs_)) return;
  Finish(*saveAs_, SavePageAs(p_.site, Context(), saveAs_->fileName(), saveAs_->label()));
}

void PageActions::OnRenameOk() {
  const int index = OpenPageIndex();
  if (index < 0 || RefusedLabel(*rename_)) return;
  // The renamed page is written from the working copy when it holds unsaved
  // edits, all in one operation: a refused rename saves nothing.
  const PageOutcome outcome = RenamePage(p_.site, Context(), index, rename_->fileName(),
                                         rename_->label(), p_.session.PageModified());
  Finish(*rename_, outcome);
}

void PageActions::Finish(PageNameDialog& dialog, const PageOutcome& outcome) {
  dialog.ShowCleaned(outcome.Names);
  if (outcome.ok()) {
    AfterPageChange();
    return;
  }
  switch (outcome.Message) {
    case PageMessage::FileError:
    case PageMessage::SettingsError:
    case PageMessage::TemplateError: ReportFailure(outcome); return;
    default: break;
  }
  p_.inform(MessageText(outcome.Message));
  QWidget* field = outcome.Message == PageMessage::EmptyLabel || !dialog.fileNameField()->isEnabled()
                       ? static_cast<QWidget*>(dialog.labelField())
                       : dialog.fileNameField();
  field->setFocus(Qt::OtherFocusReason);
}

void PageActions::ReportFailure(const PageOutcome& outcome) {
  p_.error(MessageText(outcome.Message));
}

void PageActions::OnPropertiesOk() {
  const int index = OpenPageIndex();
  if (index < 0) return;
  const PageProperties typed = properties_->properties();
  const QString problem = RecordValuesProblem({{QStringLiteral("The window title"), typed.WindowTitle},
                                               {QStringLiteral("The description"), typed.Description},
                                               {QStringLiteral("The keywords"), typed.Keywords}});
  if (!problem.isEmpty()) {
    p_.inform(problem);
    return;
  }
  const PageContext context = Context();
  if (!context.store || !SetPageProperties(p_.site, context.folders, *context.store, index, typed)) {
    p_.error(MessageText(PageMessage::FileError));
    return;
  }
  // The working copy went into the page file with the new values, earlier
  // edits included: nothing is left unsaved.
  p_.session.MarkSaved();
  p_.layer.CloseDialogLayer();
}

void PageActions::OnDeleteOk() {
  const PageOutcome outcome = DeletePage(p_.site, Context(), OpenPageIndex());
  if (outcome.ok()) {
    AfterPageChange();
    return;
  }
  p_.layer.CloseDialogLayer();
  ReportFailure(outcome);
}

void PageActions::AfterPageChange() {
  p_.layer.CloseDialogLayer();
  // The operation opened its page already: the editor catches up (session,
  // page selector, browser, This Page menu).
  p_.editor.ShowOpenedPage();
  p_.pageManager.RefreshRows();
}

}  // namespace moxa
