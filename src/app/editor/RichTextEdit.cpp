#include "app/editor/RichTextEdit.h"

#include "editor/RtEditor.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace moxa {

EditKey EditKeyOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers =
      event.modifiers() &
      (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
  if (event.key() == Qt::Key_Z && modifiers == Qt::ControlModifier) return EditKey::kUndo;
  if (event.key() == Qt::Key_Y && modifiers == Qt::ControlModifier) return EditKey::kRedo;
  if (event.key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
    return EditKey::kRedo;
  }
  return EditKey::kNone;
}

RichTextEdit::RichTextEdit(editor::RtEditor& editor, QWidget* parent)
    : QTextEdit(parent), editor_(editor) {
  setDocument(editor_.TextDocument());
  setContextMenuPolicy(Qt::PreventContextMenu);
  viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
  connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextEdit::PushCursor);
  connect(this, &QTextEdit::selectionChanged, this, &RichTextEdit::PushCursor);
  connect(&editor_, &editor::RtEditor::documentReplacing, this, [this] { replacing_ = true; });
  connect(&editor_, &editor::RtEditor::cursorMoved, this, &RichTextEdit::PullCursor);
  PullCursor();
}

void RichTextEdit::PushCursor() {
  // While the document clears itself, even a copy of the widget's cursor
  // would be made and dropped inside the document's own walk over its cursors.
  if (syncing_ || replacing_) return;
  QScopedValueRollback guard(syncing_, true);
  editor_.SetCursor(textCursor());
  // The editor may have chosen the typing format (after a picture, say).
  if (editor_.Cursor().charFormat() != textCursor().charFormat()) setTextCursor(editor_.Cursor());
}

void RichTextEdit::PullCursor() {
  replacing_ = false;
  if (syncing_) return;
  QScopedValueRollback guard(syncing_, true);
  if (document() != editor_.TextDocument()) setDocument(editor_.TextDocument());
  setTextCursor(editor_.Cursor());
}

bool RichTextEdit::event(QEvent* event) {
  // The undo keys are the editor's even where a window defines them as shortcuts.
  if (event->type() == QEvent::ShortcutOverride &&
      EditKeyOf(*static_cast<QKeyEvent*>(event)) != EditKey::kNone) {
    event->accept();
    return true;
  }
  return QTextEdit::event(event);
}

void RichTextEdit::keyPressEvent(QKeyEvent* event) {
  switch (EditKeyOf(*event)) {
    case EditKey::kUndo:
      editor_.Undo();
      event->accept();
      return;
    case EditKey::kRedo:
      editor_.Redo();
      event->accept();
      return;
    case EditKey::kNone:
      break;
  }
  QTextEdit::keyPressEvent(event);
}

int RichTextEdit::CharacterAt(const QPoint& viewportPoint) const {
  const QPointF inDocument(viewportPoint.x() + horizontalScrollBar()->value(),
                           viewportPoint.y() + verticalScrollBar()->value());
  return document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
}

void RichTextEdit::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    QTextCursor cursor = textCursor();
    cursor.clearSelection();
    setTextCursor(cursor);
    event->accept();
    return;
  }
  QTextEdit::mousePressEvent(event);
  if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier)) {
    const int position = CharacterAt(event->position().toPoint());
    if (position >= 0) editor_.FollowJumpAt(position);
  }
}

void RichTextEdit::contextMenuEvent(QContextMenuEvent* event) { event->accept(); }

QMimeData* RichTextEdit::createMimeDataFromSelection() const { return editor_.CreateMimeData(); }

bool RichTextEdit::canInsertFromMimeData(const QMimeData* source) const {
  return source && editor_.CanInsertFromMimeData(*source);
}

void RichTextEdit::insertFromMimeData(const QMimeData* source) {
  if (!source) return;
  PushCursor();
  editor_.InsertFromMimeData(*source);
  ensureCursorVisible();
}

}  // namespace moxa
