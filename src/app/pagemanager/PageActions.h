#pragma once

#include "app/shell/Pictures.h"
#include "pages/PageOperations.h"
#include "site/Folders.h"
#include "site/Site.h"

#include <QObject>

#include <functional>

namespace moxa {

class DeletePageDialog;
class DialogLayer;
class EditorController;
class EditorScreen;
class EditorSession;
class LayerDialog;
class PageManagerScreen;
class PageNameDialog;
class PagePropertiesDialog;

// The page operations as the user reaches them. The This Page menu, the New
// Page button and the Rename and Delete buttons of the Page Manager's rows
// open their dialogs on the dialog layer; OK runs the operation (which saves
// the table, rebuilds the menus and opens the page) and brings the editor
// and the rows up to date. A refused OK says why and keeps the dialog open.
// A row dropped after a drag moves its page.
class PageActions : public QObject {
  Q_OBJECT

 public:
  struct Parts {
    Site& site;
    // The folders, the site's template and the store, as they are now.
    std::function<PageContext()> context;
    EditorSession& session;
    EditorController& editor;
    EditorScreen& editorScreen;
    PageManagerScreen& pageManager;
    DialogLayer& layer;
    const Pictures& pictures;
    std::function<void(const QString&)> inform;
    std::function<void(const QString&)> error;
  };

  explicit PageActions(Parts parts, QObject* parent = nullptr);

  void OpenAddDialog();
  void OpenSaveAsDialog();
  void OpenRenameDialog();
  void OpenPropertiesDialog();
  void OpenDeleteDialog();
  // The buttons of row i: its page is opened first, then its dialog.
  void RenameRow(int row);
  void DeleteRow(int row);
  void MoveRow(int from, int to);
  // The show-in-menu tick of row i.
  void ShowRowInMenu(int row, bool show);

  PageNameDialog* addDialog() const { return add_; }
  PageNameDialog* saveAsDialog() const { return saveAs_; }
  PageNameDialog* renameDialog() const { return rename_; }
  PagePropertiesDialog* propertiesDialog() const { return properties_; }
  DeletePageDialog* deleteDialog() const { return delete_; }

 private:
  void CreateDialogs();
  void Connect();
  PageContext Context() const { return p_.context(); }
  int OpenPageIndex() const;
  bool Show(LayerDialog* dialog);
  void OnAddOk();
  void OnSaveAsOk();
  void OnRenameOk();
  void OnPropertiesOk();
  void OnDeleteOk();
  void Finish(PageNameDialog& dialog, const PageOutcome& outcome);
  // A label the service's records cannot carry: says why; the dialog stays open.
  bool RefusedLabel(PageNameDialog& dialog);
  // A failed operation changed nothing: says why; the dialog stays open.
  void ReportFailure(const PageOutcome& outcome);
  void AfterPageChange();
  void UpdateDeleteItem();

  Parts p_;
  PageNameDialog* add_ = nullptr;
  PageNameDialog* saveAs_ = nullptr;
  PageNameDialog* rename_ = nullptr;
  PagePropertiesDialog* properties_ = nullptr;
  DeletePageDialog* delete_ = nullptr;
};

}  // namespace moxa
