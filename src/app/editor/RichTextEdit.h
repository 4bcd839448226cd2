#pragma once

#include <QTextEdit>

class QMimeData;

namespace moxa {

namespace editor {
class RtEditor;
}

// The content editor's text field: shows an RtEditor's document and keeps
// its caret and selection in step with the editor's cursor both ways, so
// the editor's operations act where the user points. Typing uses the
// editor's current text style; Ctrl+click on a hyperlink raises the
// editor's OnJump; a right click only removes the selection (no menu);
// Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo; copy, cut and paste go
// through the editor's clipboard logic.
class RichTextEdit : public QTextEdit {
  Q_OBJECT

 public:
  explicit RichTextEdit(editor::RtEditor& editor, QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  QMimeData* createMimeDataFromSelection() const override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void PushCursor();  // the widget's caret to the editor
  void PullCursor();  // the editor's cursor to the widget
  // The document position of the character under a viewport point; -1 if none.
  int CharacterAt(const QPoint& viewportPoint) const;

  editor::RtEditor& editor_;
  bool syncing_ = false;
  // Between the editor's documentReplacing() and its next cursorMoved().
  bool replacing_ = false;
};

// Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z: what the editor does with a key, if anything.
enum class EditKey { kNone, kUndo, kRedo };
EditKey EditKeyOf(const QKeyEvent& event);

}  // namespace moxa
