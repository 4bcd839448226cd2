#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app/dialogs/LayerDialog.h"

namespace moxa {

class SkinnedButton;

// The frame of the image dialog: OK and "Cancel" where dialog_image.png
// draws them, no close button.
LayerDialog::Placement ImageDialogPlacement();

// "Choose An Image": a picture from the computer or the web, its alignment,
// alternate text and whether it is hyperlinked. Only the form; what OK does
// is the controller's.
class ImageDialog : public LayerDialog {
  Q_OBJECT
 public:
  ImageDialog(const Pictures& pictures, QWidget* parent = nullptr);

  // As the dialog opens: the computer chosen, no alignment, empty fields;
  // the link check box keeps its state.
  void Reset();

  bool fromWeb() const { return webRadio_->isChecked(); }
  QLineEdit* fileField() const { return fileField_; }
  QLineEdit* webField() const { return webField_; }
  QComboBox* alignmentBox() const { return alignment_; }
  QLineEdit* altTextField() const { return altText_; }
  QCheckBox* linkCheckBox() const { return link_; }
  QRadioButton* computerRadio() const { return computerRadio_; }
  QRadioButton* webRadio() const { return webRadio_; }
  SkinnedButton* browseButton() const { return browse_; }

 signals:
  void browseClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QRadioButton* computerRadio_;
  QLineEdit* fileField_;
  SkinnedButton* browse_;
  QRadioButton* webRadio_;
  QLineEdit* webField_;
  QComboBox* alignment_;
  QLineEdit* altText_;
  QCheckBox* link_;
};

}  // namespace moxa
