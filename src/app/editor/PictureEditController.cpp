#include "app/editor/PictureEditController.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

// A download under way ends with its controller (the region editor closing).
PictureEditController::~PictureEditController() {
  if (downloadCancel_) downloadCancel_->store(true);
}

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

QString PictureEditController::ComputerFile() {
  const QString work = folders_.WorkFolder();
  QDir().mkpath(work);
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
  if (downloading()) return false;
  if (images_.Full()) {
    Fail(editor::kNoMorePictures);
    return false;
  }
  if (dialog_->linkCheckBox()->isChecked() && links_.Full()) {
    Fail(editor::kNoMoreLinks);
    return false;
  }
  if (dialog_->fromWeb()) {
    StartDownload();
    return true;
  }
  const QString error = Insert(ComputerFile());
  if (!error.isEmpty()) {
    Fail(error);
    return false;
  }
  layer_->CloseDialogLayer();
  emit inserted();
  return true;
}

void PictureEditController::StartDownload() {
  const QString work = folders_.WorkFolder();
  QDir().mkpath(work);
  const QString url = editor::WithWebScheme(dialog_->webField()->text().trimmed());
  dialog_->webField()->setText(url);
  auto cancel = std::make_shared<std::atomic<bool>>(false);
  downloadCancel_ = cancel;
  layer_->ShowBusyOverlay(QStringLiteral("Downloading"), [this] { CancelDownload(); });
  // Off the UI thread, so a slow server never freezes the window.
  RunOnWorker<QString>(
      this, [url, work, cancel] { return editor::DownloadIntoWorkingFolder(url, work, cancel.get()); },
      [this, cancel](const QString& path) { DownloadArrived(cancel, path); });
}

void PictureEditController::CancelDownload() {
  if (!downloadCancel_) return;
  downloadCancel_->store(true);
  downloadCancel_.reset();
  layer_->HideBusyOverlay();
  layer_->ShowDialog(dialog_);
}

void PictureEditController::DownloadArrived(const std::shared_ptr<std::atomic<bool>>& cancel,
                                            const QString& path) {
  if (cancel != downloadCancel_) {
    // Given up: a picture that still came is nobody's.
    if (!path.isEmpty()) QFile::remove(path);
    return;
  }
  downloadCancel_.reset();
  const QString error = path.isEmpty() ? editor::kPictureNotAdded : Insert(path);
  layer_->HideBusyOverlay();
  if (!error.isEmpty()) {
    layer_->ShowDialog(dialog_);
    Fail(error);
    emit downloadFinished(false);
    return;
  }
  emit inserted();
  emit downloadFinished(true);
}

QString PictureEditController::Insert(const QString& source) {
  const auto picture = source.isEmpty() ? std::nullopt : editor::LoadPicture(source);
  if (!picture) return editor::kPictureNotAdded;
  const bool linked = dialog_->linkCheckBox()->isChecked();
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
  if (!error.isEmpty()) return error;
  editor::TEditorImage record;
  record.ImageUrl = dialog_->fromWeb() ? dialog_->webField()->text() : QFileInfo(source).fileName();
  record.RadioButton = dialog_->fromWeb() ? 1 : 0;
  record.HyperLinked = linked;
  record.AlternateText = insertion.AltText;
  record.Alignment = insertion.Alignment;
  record.NewWindow = imageLinkNewWindow_;
  record.LinkUrl = imageLinkUrl_;
  images_.Add(record);
  return {};
}

}  // namespace moxa
