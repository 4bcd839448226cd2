#include "app/editor/PictureEditController.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

#include "app/dialogs/DialogLayer.h"
#include "app/editor/ImageDialog.h"
#include "app/shell/Worker.h"

namespace moxa {

const QString PictureEditController::kFileFilter = QStringLiteral(
    "Bitmaps (*.bmp);;Jpegs (*.jpg);;PNG Images (*.png);;Gif Images (*.gif);;"
    "All Images (*.bmp *.jpg *.png *.gif)");

PictureEditController::PictureEditController(editor::RtEditor& editor, rt::TEditorLinks& links,
                                             const Folders& folders, const Pictures& pictures,
                                             QWidget* window,
                                             std::function<void(LinkAnswer)> requestPictureLink,
                                             QObject* parent)
    : QObject(parent),
      editor_(editor),
      links_(links),
      folders_(folders),
      window_(window),
      requestPictureLink_(std::move(requestPictureLink)),
      layer_(new DialogLayer(pictures, window)),
      dialog_(new ImageDialog(pictures, layer_)) {
  layer_->setObjectName(QStringLiteral("imageDialogLayer"));
  dialog_->hide();
  chooseFile_ = [](QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
  };
  showMessage_ = [](QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QApplication::applicationName(), text);
  };
  connect(dialog_, &LayerDialog::accepted, this, &PictureEditController::AcceptImageDialog);
  connect(dialog_, &LayerDialog::cancelled, this, &PictureEditController::CancelImageDialog);
  connect(dialog_, &ImageDialog::browseClicked, this, &PictureEditController::Browse);
  connect(dialog_->linkCheckBox(), &QCheckBox::toggled, this, &PictureEditController::LinkToggled);
}

PictureEditController::~PictureEditController() = default;

void PictureEditController::OpenImageDialog() {
  dialog_->Reset();
  layer_->ShowDialogLayer();
  layer_->ShowDialog(dialog_);
  layer_->raise();
  dialog_->fileField()->setFocus();
}

bool PictureEditController::isOpen() const { return layer_->isVisible() && dialog_->isVisible(); }

void PictureEditController::CancelImageDialog() { layer_->CloseDialogLayer(); }

void PictureEditController::Browse() {
  const QString path = chooseFile_(window_, kFileFilter);
  if (path.isEmpty()) return;
  dialog_->fileField()->setText(QDir::toNativeSeparators(path));
  dialog_->computerRadio()->setChecked(true);
}

void PictureEditController::LinkToggled(bool checked) {
  if (!checked || !requestPictureLink_) return;
  QPointer<ImageDialog> dialog = dialog_;
  requestPictureLink_([this, dialog](bool accepted, QString url, bool newWindow) {
    if (!dialog) return;
    if (!accepted) {
      dialog->linkCheckBox()->setChecked(false);
      return;
    }
    imageLinkUrl_ = url;
    imageLinkNewWindow_ = newWindow;
  });
}

void PictureEditController::Fail(const QString& message) { showMessage_(window_, message); }

QString PictureEditController::SourceFile() {
  const QString work = folders_.WorkFolder();
  QDir().mkpath(work);
  if (dialog_->fromWeb()) {
    const QString url = editor::WithWebScheme(dialog_->webField()->text().trimmed());
    dialog_->webField()->setText(url);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Off the UI thread, so a slow server never freezes the window.
    const QString path = WaitForWorker<QString>([url, work] { return editor::DownloadIntoWorkingFolder(url, work); });
    QApplication::restoreOverrideCursor();
    return path;
  }
  QString path = dialog_->fileField()->text().trimmed();
  if (path.isEmpty()) return {};
  // A bare name is taken from the working folder.
  if (!QFileInfo::exists(path)) {
    path = QDir(work).filePath(path);
    dialog_->fileField()->setText(QDir::toNativeSeparators(path));
  }
  return editor::CopyIntoWorkingFolder(path, work);
}

bool PictureEditController::AcceptImageDialog() {
  if (images_.Full()) {
    Fail(editor::kNoMorePictures);
    return false;
  }
  const bool linked = dialog_->linkCheckBox()->isChecked();
  if (linked && links_.Full()) {
    Fail(editor::kNoMoreLinks);
    return false;
  }
  const QString source = SourceFile();
  const auto picture = source.isEmpty() ? std::nullopt : editor::LoadPicture(source);
  if (!picture) {
    Fail(editor::kPictureNotAdded);
    return false;
  }
  // The keep copy is a convenience: its failure does not stop the insertion.
  editor::CopyToImagesFolder(source, folders_.ImagesKeepFolder());
  editor::PictureInsertion insertion;
  insertion.Picture = *picture;
  insertion.ImageFileName = source;
  insertion.AltText = dialog_->altTextField()->text();
  insertion.Alignment = dialog_->alignmentBox()->currentText();
  insertion.HyperLinked = linked;
  insertion.LinkUrl = imageLinkUrl_;
  insertion.NewWindow = imageLinkNewWindow_;
  const QString error = editor::InsertPictureIntoEditor(editor_, links_, insertion);
  if (!error.isEmpty()) {
    Fail(error);
    return false;
  }
  editor::TEditorImage record;
  record.ImageUrl = dialog_->fromWeb() ? dialog_->webField()->text() : QFileInfo(source).fileName();
  record.RadioButton = dialog_->fromWeb() ? 1 : 0;
  record.HyperLinked = linked;
  record.AlternateText = insertion.AltText;
  record.Alignment = insertion.Alignment;
  record.NewWindow = imageLinkNewWindow_;
  record.LinkUrl = imageLinkUrl_;
  images_.Add(record);
  layer_->CloseDialogLayer();
  emit inserted();
  return true;
}

}  // namespace moxa
