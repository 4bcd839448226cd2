#pragma once

#include "app/shell/Pictures.h"
#include "editor/RtEditor.h"
#include "richtext/LinkTable.h"

#include <QObject>
#include <QStringList>

#include <functional>

namespace moxa {

class DialogLayer;
class LinkDialog;

// The link dialog over the region editor: opened for the selection (link
// button, Ctrl+K), for a Ctrl+clicked link, or for a picture about to be
// inserted; its OK, Cancel and Unlink act on the editor and this edit's
// link table. The dialog lies on a layer of its own, above the editor's.
class LinkEditController : public QObject {
  Q_OBJECT

 public:
  using PictureDone = std::function<void(bool accepted, QString url, bool newWindow)>;

  // `pageNames`: the site's page file names without ".html", in page order.
  LinkEditController(editor::RtEditor& editor, rt::TEditorLinks& links,
                     std::function<QStringList()> pageNames, const Pictures& pictures,
                     QWidget* window);
  ~LinkEditController() override;

  // The link button: the whole link at the caret or selection, or a new one.
  void OpenForSelection();
  // Ctrl+click on link `jumpId`: that link, selected whole.
  void OpenForJump(int jumpId);
  // A link for a picture: OK hands back the address and the new-window
  // choice, the document untouched; Cancel hands back accepted = false.
  void OpenForPicture(PictureDone done);

  bool isOpen() const;
  LinkDialog* dialog() const { return dialog_; }
  DialogLayer* layer() const { return layer_; }

 signals:
  // The link button's frame: latched after OK, released after Unlink.
  void linkFrameLatched(bool latched);

 private:
  // Shows the dialog for the entry `tag` names (-1 or 0: a new link).
  void Open(int tag);
  void Show();
  void Accept();
  void Cancel();
  void DoUnlink();
  void Close();

  editor::RtEditor& editor_;
  rt::TEditorLinks& links_;
  std::function<QStringList()> pageNames_;
  DialogLayer* layer_;
  LinkDialog* dialog_;
  int currentIndex_ = -1;
  PictureDone pictureDone_;
};

}  // namespace moxa
