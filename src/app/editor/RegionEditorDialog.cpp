#include "app/editor/RegionEditorDialog.h"

#include <QKeyEvent>
#include <QLabel>

namespace moxa {
namespace {

constexpr QPoint kPanelAt(15, 15);
constexpr QSize kPanelSize(639, 320);
constexpr QRect kEditorArea(15, 44, 610, 254);
constexpr QSize kEditorSize(610, 253);

bool IsCtrlEnter(const QKeyEvent& key) {
  return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
         key.modifiers().testFlag(Qt::ControlModifier);
}

}  // namespace

RegionEditorDialog::RegionEditorDialog(const Pictures& pictures, QWidget* parent)
    : LayerDialog(pictures, RegionEditorPlacement(), parent) {
  setObjectName(QStringLiteral("regionEditorDialog"));
  content()->hide();
  panel_ = new QLabel(this);
  panel_->setObjectName(QStringLiteral("editorPanel"));
  static_cast<QLabel*>(panel_)->setPixmap(pictures.Get(QStringLiteral("editor_panel.png")));
  static_cast<QLabel*>(panel_)->setScaledContents(true);
  panel_->setGeometry(QRect(kPanelAt, kPanelSize));
  panel_->lower();
}

void RegionEditorDialog::setEditor(QWidget* editor) {
  auto* area = new QWidget(panel_);
  area->setObjectName(QStringLiteral("editorArea"));
  area->setAutoFillBackground(true);
  QPalette white = area->palette();
  white.setColor(QPalette::Window, Qt::white);
  area->setPalette(white);
  area->setGeometry(kEditorArea);
  editor->setParent(area);
  editor->setGeometry(QRect(QPoint(0, 0), kEditorSize));
  editor->installEventFilter(this);
  editor_ = editor;
}

bool RegionEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  // The editor takes Enter for a new paragraph and would swallow the
  // dialog's keys; Ctrl+Enter and Escape belong to the dialog.
  if (watched == editor_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (IsCtrlEnter(*key)) {
      emit accepted();
      return true;
    }
    if (key->key() == Qt::Key_Escape) {
      emit cancelled();
      return true;
    }
  }
  return LayerDialog::eventFilter(watched, event);
}

}  // namespace moxa
