#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

#include "app/shell/Pictures.h"
#include "editor/PictureCommands.h"
#include "editor/RtEditor.h"
#include "richtext/LinkTable.h"
#include "site/Folders.h"

class QWidget;

namespace moxa {

class DialogLayer;
class ImageDialog;

// The picture button's dialog: on its own darkened layer above the region
// editor, it inserts a picture from the computer or the web into the editor,
// plain or hyperlinked. A failure leaves the dialog open with what the user
// entered. A picture from the web downloads on a worker under the layer's
// busy overlay, whose Cancel gives the download up and brings the dialog
// back.
class PictureEditController : public QObject {
  Q_OBJECT
 public:
  using LinkAnswer = std::function<void(bool accepted, QString url, bool newWindow)>;
  // Replaceable in tests: the file dialog (caption, filter; the chosen path
  // or empty) and the message box.
  using ChooseFile = std::function<QString(QWidget* parent, const QString& filter)>;
  using ShowMessage = std::function<void(QWidget* parent, const QString& text)>;

  PictureEditController(editor::RtEditor& editor, rt::TEditorLinks& links, const Folders& folders,
                        const Pictures& pictures, QWidget* window,
                        std::function<void(LinkAnswer)> requestPictureLink,
                        QObject* parent = nullptr);
  ~PictureEditController() override;

  void OpenImageDialog();
  bool isOpen() const;
  // OK: inserts a picture from the computer, or starts the download of one
  // from the web (it goes in when it arrives, see downloadFinished); false
  // (dialog left open) on failure.
  bool AcceptImageDialog();
  void CancelImageDialog();
  // The busy overlay's Cancel: the download stops, its result is dropped
  // when it still comes, and the dialog shows again as the user left it.
  void CancelDownload();
  bool downloading() const { return bool(downloadCancel_); }

  ImageDialog* dialog() const { return dialog_; }
  const editor::EditorImages& images() const { return images_; }
  QString imageLinkUrl() const { return imageLinkUrl_; }
  bool imageLinkNewWindow() const { return imageLinkNewWindow_; }
  void setChooseFile(ChooseFile choose) { chooseFile_ = std::move(choose); }
  void setShowMessage(ShowMessage show) { showMessage_ = std::move(show); }

  static const QString kFileFilter;

 signals:
  // A picture went into the editor; the caret stands just after it.
  void inserted();
  // A download the user waited for is over: its picture went in, or the
  // dialog is back with the failure told. Not after Cancel.
  void downloadFinished(bool inserted);

 private:
  void Browse();
  void LinkToggled(bool checked);
  // The chosen file copied into the working folder; empty on failure.
  QString ComputerFile();
  void StartDownload();
  void DownloadArrived(const std::shared_ptr<std::atomic<bool>>& cancel, const QString& path);
  // Puts the picture at `source` (in the working folder) into the editor;
  // what to tell the user on failure, empty on success.
  QString Insert(const QString& source);
  void Fail(const QString& message);

  editor::RtEditor& editor_;
  rt::TEditorLinks& links_;
  Folders folders_;
  QWidget* window_;
  std::function<void(LinkAnswer)> requestPictureLink_;
  DialogLayer* layer_;
  ImageDialog* dialog_;
  editor::EditorImages images_;
  QString imageLinkUrl_;
  bool imageLinkNewWindow_ = false;
  ChooseFile chooseFile_;
  ShowMessage showMessage_;
  // The download the user waits for, shared with its worker; none when empty.
  std::shared_ptr<std::atomic<bool>> downloadCancel_;
};

}  // namespace moxa
