#pragma once

#include "app/shell/Pictures.h"
#include "editor/FormatConversions.h"
#include "editor/RtEditor.h"

#include <QColor>
#include <QComboBox>
#include <QMessageBox>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace moxa {

class SkinnedButton;

// The region editor's formatting row: the font and size boxes and the
// eighteen buttons (links, pictures, character formats, lists, indentation,
// colours, alignment). Its commands are the editor's style conversions; it
// follows the caret through the editor's refresh events.
class FormatToolbar : public QWidget {
  Q_OBJECT

 public:
  // The colour dialog and the background question, replaceable in tests.
  struct Questions {
    std::function<std::optional<QColor>(const QColor& initial)> chooseColor;
    std::function<QMessageBox::StandardButton()> askBackground;
  };

  FormatToolbar(const Pictures& pictures, editor::RtEditor& editor, QWidget* panel);

  void setQuestions(Questions questions) { questions_ = std::move(questions); }
  // The text editor, which takes the keyboard back after a box is changed.
  void setEditorWidget(QWidget* editor) { editorWidget_ = editor; }
  // Ctrl+B, Ctrl+I, Ctrl+U act as their buttons and Ctrl+K asks for a link,
  // while the keyboard is anywhere in `scope`.
  void InstallShortcuts(QWidget* scope);
  // The background question, as the real one is asked.
  static std::unique_ptr<QMessageBox> MakeBackgroundQuestion(QWidget* parent);
  const editor::FormatState& state() const { return state_; }

  // The commands, as the buttons and keys run them.
  void ToggleBold();
  void ToggleItalic();
  void ToggleUnderline();
  void ToggleStrike();
  void Subscript();
  void Superscript();
  void NumberList();
  void BulletList();
  void Indent(bool more);
  void TextColor();
  void BackgroundColor();
  void Align(rt::TRtAlignment alignment);
  void ApplyFont();
  void ApplySize();

  // Follows the caret: the boxes and the latched buttons.
  void RefreshTextStyle();
  void RefreshParaStyle();
  // The link button's frame: latched after a link was made, normal again
  // at the next refresh.
  void ShowLinkLatched(bool latched);

  SkinnedButton* button(const QString& name) const;
  QComboBox* fontBox() const { return font_; }
  QComboBox* sizeBox() const { return size_; }

 signals:
  void linkRequested();
  void pictureRequested();

 private:
  SkinnedButton* AddButton(const QString& name, const QString& hint, const QString& icon, QPoint frame,
                           QPoint iconAt, const std::function<void()>& action);
  void Latch(const QString& name, bool on);
  void Convert(int code);
  editor::FormatInputs Inputs() const;
  void FocusEditor();

  const Pictures& pictures_;
  editor::RtEditor& editor_;
  editor::FormatState state_;
  Questions questions_;
  QWidget* editorWidget_ = nullptr;
  QComboBox* font_;
  QComboBox* size_;
  std::map<QString, SkinnedButton*> buttons_;
  std::map<QString, bool> latched_;
  QColor color_ = Qt::black;  // the colour dialog's current colour
  rt::TRtColor chosen_ = rt::rtclWindowText;
};

}  // namespace moxa
