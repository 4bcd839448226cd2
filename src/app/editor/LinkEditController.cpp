#include "app/editor/LinkEditController.h"

#include "app/dialogs/DialogLayer.h"
#include "app/editor/LinkDialog.h"
#include "editor/LinkCommands.h"

namespace moxa {

LinkEditController::LinkEditController(editor::RtEditor& editor, rt::TEditorLinks& links,
                                       std::function<QStringList()> pageNames,
                                       const Pictures& pictures, QWidget* window)
    : QObject(window),
      editor_(editor),
      links_(links),
      pageNames_(std::move(pageNames)),
      layer_(new DialogLayer(pictures, window)),
      dialog_(new LinkDialog(pictures, layer_)) {
  layer_->setObjectName(QStringLiteral("linkDialogLayer"));
  layer_->hide();
  dialog_->hide();
  connect(dialog_, &LayerDialog::accepted, this, &LinkEditController::Accept);
  connect(dialog_, &LayerDialog::cancelled, this, &LinkEditController::Cancel);
  connect(dialog_, &LinkDialog::unlinkRequested, this, &LinkEditController::DoUnlink);
}

LinkEditController::~LinkEditController() = default;

bool LinkEditController::isOpen() const { return layer_->isVisible() && dialog_->isVisible(); }

void LinkEditController::OpenForSelection() {
  editor::SelectWholeLink(editor_);
  Open(editor::FindLinkInSelection(editor_));
}

void LinkEditController::OpenForJump(int jumpId) {
  const std::optional<editor::RtJumpPoint> point = editor_.GetJumpPointLocation(jumpId);
  if (!point) return;
  editor::RtDataView view = point->View;
  const int item = point->ItemNo;
  // Unlink acts on the selection: it must be the clicked link.
  view.SetSelectionBounds(item, view.GetOffsBeforeItem(item), item, view.GetOffsAfterItem(item));
  Open(view.GetItemTag(item));
}

void LinkEditController::OpenForPicture(PictureDone done) {
  pictureDone_ = std::move(done);
  currentIndex_ = -1;
  dialog_->setPages(pageNames_ ? pageNames_() : QStringList());
  dialog_->setUnlinkVisible(false);
  dialog_->setState(editor::NewLinkState(dialog_->state().NewWindow));
  Show();
}

void LinkEditController::Open(int tag) {
  pictureDone_ = nullptr;
  // A tag naming no entry (0, or a number past the table) opens a new link.
  currentIndex_ = tag > 0 && links_.Find(tag) ? rt::LinkIndexOf(tag) : -1;
  const QStringList pages = pageNames_ ? pageNames_() : QStringList();
  dialog_->setPages(pages);
  dialog_->setUnlinkVisible(currentIndex_ >= 0);
  if (currentIndex_ < 0) {
    dialog_->setState(editor::NewLinkState(false));
  } else {
    editor::LinkDialogState state = dialog_->state();
    editor::ShowLinkEntry(links_.Links[static_cast<size_t>(currentIndex_)], pages, state);
    dialog_->setState(state);
  }
  Show();
}

void LinkEditController::Show() {
  layer_->ShowDialog(dialog_);
  if (!dialog_->isVisible()) return;  // the layer is held back (a save is confirming)
  dialog_->setFocus();
}

void LinkEditController::Accept() {
  if (!isOpen() || !dialog_->validate()) return;
  const editor::LinkDialogState state = dialog_->state();
  if (pictureDone_) {
    PictureDone done = std::move(pictureDone_);
    Close();
    done(true, editor::LinkAddressOf(state), state.NewWindow);
    return;
  }
  const rt::TEditorHyperLink entry = editor::LinkEntryOf(state);
  if (currentIndex_ < 0) {
    const QString error = editor::AddLink(editor_, links_, entry);
    if (!error.isEmpty()) {
      dialog_->inform(error);
      return;
    }
  } else {
    editor::EditLink(links_, currentIndex_, entry);
  }
  Close();
  emit linkFrameLatched(true);
}

void LinkEditController::Cancel() {
  if (!isOpen()) return;
  PictureDone done = std::move(pictureDone_);
  Close();
  if (done) done(false, QString(), false);
}

void LinkEditController::DoUnlink() {
  if (!isOpen() || currentIndex_ < 0 || pictureDone_) return;
  editor::Unlink(editor_);
  Close();
  emit linkFrameLatched(false);
}

void LinkEditController::Close() {
  pictureDone_ = nullptr;
  layer_->CloseDialogLayer();
}

}  // namespace moxa
