#include "app/editor/RegionEditController.h"

#include "app/dialogs/DialogLayer.h"
#include "app/editor/EditorSession.h"
#include "app/editor/FormatToolbar.h"
#include "app/editor/LinkEditController.h"
#include "app/editor/PictureEditController.h"
#include "app/editor/RegionEditorDialog.h"
#include "app/editor/RichTextEdit.h"
#include "editor/RegionEditCycle.h"
#include "richtext/RtDocument.h"

namespace moxa {

RegionEditController::RegionEditController(Site& site, const Folders& folders,
                                           const Pictures& pictures, EditorSession& session,
                                           DialogLayer& layer, PageView view,
                                           std::function<void(const QString&)> showError,
                                           QObject* parent)
    : QObject(parent),
      site_(site),
      folders_(folders),
      session_(session),
      layer_(layer),
      view_(std::move(view)),
      showError_(std::move(showError)),
      editor_(style_) {
  editor_.StartUp();
  dialog_ = new RegionEditorDialog(pictures);
  widget_ = new RichTextEdit(editor_);
  widget_->setObjectName(QStringLiteral("regionEditor"));
  dialog_->setEditor(widget_);
  dialog_->hide();
  connect(dialog_, &LayerDialog::accepted, this, &RegionEditController::CommitRegionEdit);
  connect(dialog_, &LayerDialog::cancelled, this, &RegionEditController::CancelOrAsk);
  CreateFormatting(pictures);
}

void RegionEditController::CreateFormatting(const Pictures& pictures) {
  toolbar_ = new FormatToolbar(pictures, editor_, dialog_->editorPanel());
  QWidget* window = layer_.parentWidget();
  const auto pageNames = [this] {
    QStringList names;
    for (const TSitePage& page : site_.SitePages()) names << page.FileName;
    return names;
  };
  linkEditor_ = new LinkEditController(editor_, links_, pageNames, pictures, window);
  linkEditor_->layer()->setBlocked([this] { return session_.SaveBusy(); });
  pictureEditor_ = new PictureEditController(
      editor_, links_, folders_, pictures, window,
      [this](PictureEditController::LinkAnswer answer) { linkEditor_->OpenForPicture(std::move(answer)); }, this);
  editor_.OnJump = [this](int jumpId) { linkEditor_->OpenForJump(jumpId); };
  connect(toolbar_, &FormatToolbar::linkRequested, linkEditor_, &LinkEditController::OpenForSelection);
  connect(toolbar_, &FormatToolbar::pictureRequested, pictureEditor_, &PictureEditController::OpenImageDialog);
  // The new picture is shown, however far down it went.
  connect(pictureEditor_, &PictureEditController::inserted, widget_, &QTextEdit::ensureCursorVisible);
  connect(linkEditor_, &LinkEditController::linkFrameLatched, toolbar_, &FormatToolbar::ShowLinkLatched);

  toolbar_->setEditorWidget(widget_);
  toolbar_->InstallShortcuts(dialog_);  // the usual keys, while the region editor shows
}

RegionEditController::~RegionEditController() {
  // The dialog lives on the layer once shown; before that it is ours.
  if (!dialog_->parent()) delete dialog_;
}

bool RegionEditController::OpenRegionEditor() {
  const int number = view_.hoveredRegionNumber ? view_.hoveredRegionNumber() : 0;
  if (number <= 0 || editing()) return false;
  rt::TRtDocument imported;
  // The files first: a region that cannot be opened shows nothing at all
  // rather than an empty darkened layer.
  if (!editor::OpenRegion(folders_, number, imported, style_, links_) ||
      !editor_.LoadRtd(editor::RegionRtdFile(folders_))) {
    return false;
  }
  const int scroll = view_.scrollOffset ? view_.scrollOffset() : 0;
  // During a save's confirmation period the layer stays closed.
  layer_.ShowDialog(dialog_);
  if (!dialog_->isVisible()) return false;

  // Applied at the next load: the reload after OK, or whatever load follows a cancel.
  if (view_.setPendingScrollOffset) view_.setPendingScrollOffset(scroll);
  openNumber_ = number;
  widget_->setFocus(Qt::OtherFocusReason);
  return true;
}

bool RegionEditController::CommitRegionEdit() {
  if (!editing()) return false;
  const bool changed = HasChangedText();
  if (!editor::CommitRegion(folders_, openNumber_, editor_.Document(), style_, links_)) {
    showError_(editor::ChangesNotAppliedMessage());
    widget_->setFocus(Qt::OtherFocusReason);
    return false;
  }
  // OK without a change leaves nothing to save.
  if (changed) session_.MarkModified();
  if (view_.reload) view_.reload();
  Close();
  return true;
}

void RegionEditController::Cancel() {
  if (!editing()) return;
  Close();
}

void RegionEditController::CancelOrAsk() {
  if (!editing()) return;
  if (HasChangedText() &&
      !(confirm_ && confirm_(QStringLiteral("The changes you made to this text will be lost. Discard them?")))) {
    widget_->setFocus(Qt::OtherFocusReason);
    return;
  }
  Close();
}

void RegionEditController::ShowAgain() {
  if (!editing()) return;
  layer_.ShowDialog(dialog_, true);
  widget_->setFocus(Qt::OtherFocusReason);
}

bool RegionEditController::HasChangedText() const {
  return editing() && editor_.TextDocument()->isModified();
}

void RegionEditController::Close() {
  openNumber_ = 0;
  layer_.CloseDialogLayer();
}

}  // namespace moxa
