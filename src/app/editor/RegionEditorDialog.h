#pragma once

#include "app/dialogs/LayerDialog.h"
#include "app/shell/Pictures.h"

#include <QWidget>

namespace moxa {

// The region editor on the dialog layer: the editor frame, the editor panel
// with the toolbar's strip (its buttons come with the formatting commands)
// and, in the white area below it, the rich-text editor. OK and Ctrl+Enter
// accept, Cancel and Escape cancel.
class RegionEditorDialog : public LayerDialog {
  Q_OBJECT

 public:
  RegionEditorDialog(const Pictures& pictures, QWidget* parent = nullptr);

  // The panel that holds the toolbar and the editor.
  QWidget* editorPanel() const { return panel_; }
  // Puts the editor widget into its place (610 x 253 in the white area).
  void setEditor(QWidget* editor);
  QWidget* editor() const { return editor_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* panel_;
  QWidget* editor_ = nullptr;
};

}  // namespace moxa
