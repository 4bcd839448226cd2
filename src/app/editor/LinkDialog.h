#pragma once

#include "app/dialogs/LayerDialog.h"
#include "editor/LinkCommands.h"

#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace moxa {

// The link dialog: where a link points (a page of the site, an external
// address or an e-mail address) and whether it opens a new window. It
// holds the input only; LinkEditController acts on it.
class LinkDialog : public LayerDialog {
  Q_OBJECT

 public:
  explicit LinkDialog(const Pictures& pictures, QWidget* parent = nullptr);

  // "Choose A Page" followed by `pages` (file names without ".html").
  void setPages(const QStringList& pages);
  void setState(const editor::LinkDialogState& state);
  editor::LinkDialogState state() const;
  void setUnlinkVisible(bool visible);
  // False, after telling the user and focusing the field, when input is missing.
  bool validate();
  // Tells the user something in an information box.
  void inform(const QString& message);

  // Replaceable for tests; by default an information box.
  std::function<void(QWidget* parent, const QString& message)> showMessage;

 signals:
  void unlinkRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  QRadioButton* AddRadio(QWidget* panel, const QString& text, const char* name, QPoint at);
  QLineEdit* AddField(QWidget* panel, const char* name, QPoint at);
  void FocusFieldOf(QRadioButton* radio);

  QRadioButton* pageRadio_;
  QRadioButton* externalRadio_;
  QRadioButton* emailRadio_;
  QComboBox* pageBox_;
  QLineEdit* addressField_;
  QLineEdit* emailField_;
  QCheckBox* newWindowBox_;
  QLabel* unlink_;
};

// The frame of the link dialog and where its OK and "Cancel" sit on it.
LayerDialog::Placement LinkDialogPlacement();

}  // namespace moxa
