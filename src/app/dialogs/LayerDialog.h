#pragma once

#include "app/shell/Pictures.h"
#include "app/shell/SkinnedButton.h"

#include <QLabel>
#include <QPoint>
#include <QWidget>

namespace moxa {

// A dialog of the dialog layer: a frame picture with an OK button, a
// "Cancel" link and a close button at the places the frame is drawn for.
// Escape cancels and Enter accepts, as in any dialog.
class LayerDialog : public QWidget {
  Q_OBJECT

 public:
  struct Placement {
    QString framePicture;
    QSize frameSize;
    QPoint ok;
    QPoint cancel;
    QPoint close;
    bool hasCloseButton = true;
  };

  LayerDialog(const Pictures& pictures, const Placement& placement, QWidget* parent = nullptr);

  void setCancelText(const QString& text);
  // A third answer beside OK and the "Cancel" link (which then says
  // something else, such as "Don't Save"): a "Cancel" link of its own, and
  // Escape and the close button answer it too, so closing the dialog never
  // takes the stronger answer.
  void OfferDismiss();
  QLabel* dismissLink() const { return dismiss_; }
  QString cancelText() const { return cancelText_; }
  // The area inside the frame where the dialog's own content goes.
  QWidget* content() const { return content_; }
  SkinnedButton* okButton() const { return ok_; }

 signals:
  void accepted();
  void cancelled();
  // The third answer, once offered: leave things as they were.
  void dismissed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PlaceLinks();
  // Escape and the close button.
  void Close();

  QPixmap frame_;
  SkinnedButton* ok_;
  QLabel* cancel_;
  QLabel* dismiss_ = nullptr;
  SkinnedButton* close_;
  QWidget* content_;
  QPoint cancelAt_;
  QString cancelText_ = QStringLiteral("Cancel");
};

// The unsaved-changes prompt.
LayerDialog::Placement SavePromptPlacement();
// The page dialogs.
LayerDialog::Placement AddPagePlacement();
LayerDialog::Placement SavePageAsPlacement();
LayerDialog::Placement RenamePagePlacement();
LayerDialog::Placement PagePropertiesPlacement();
LayerDialog::Placement DeletePagePlacement();
// The region editor: the OK button and "Cancel" link where they sit on the
// save-as frame when it is centred like this one, and no close button.
LayerDialog::Placement RegionEditorPlacement();

}  // namespace moxa
