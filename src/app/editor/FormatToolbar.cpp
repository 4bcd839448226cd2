#include "app/editor/FormatToolbar.h"

#include "app/shell/SkinnedButton.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOptionComplex>

namespace moxa {

namespace {

using editor::FormatState;

rt::TRtColor ToRtColor(const QColor& color) { return rt::RtRgb(color.red(), color.green(), color.blue()); }

QColor FromRtColor(rt::TRtColor color) {
  if (color == rt::rtclNone || color == rt::rtclWindow) return Qt::white;
  if (color == rt::rtclWindowText) return Qt::black;
  return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

// The size box is only 38 wide: with the usual drop-down arrow its text
// field would scroll "10" out of sight, so the arrow is made narrower.
class NarrowArrowStyle : public QProxyStyle {
 public:
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override {
    QRect rect = QProxyStyle::subControlRect(control, option, sub, widget);
    if (control != CC_ComboBox) return rect;
    constexpr int kArrowWidth = 13;
    if (sub == SC_ComboBoxArrow) rect.setLeft(option->rect.right() - kArrowWidth + 1);
    if (sub == SC_ComboBoxEditField) rect.setRight(option->rect.right() - kArrowWidth);
    return rect;
  }
};

const char* const kSizes[] = {"8", "9", "10", "11", "12", "14", "16", "18", "20",
                              "22", "24", "26", "28", "36", "48", "72"};

}  // namespace

FormatToolbar::FormatToolbar(const Pictures& pictures, editor::RtEditor& editor, QWidget* panel)
    : QWidget(panel), pictures_(pictures), editor_(editor) {
  setObjectName(QStringLiteral("formatToolbar"));
  setGeometry(0, 0, panel->width(), 44);

  font_ = new QComboBox(this);
  font_->setObjectName(QStringLiteral("fontBox"));
  font_->addItems(QFontDatabase::families());
  font_->setGeometry(16, 15, 88, 22);
  font_->setToolTip(QStringLiteral("Font"));
  size_ = new QComboBox(this);
  size_->setObjectName(QStringLiteral("sizeBox"));
  size_->setEditable(true);
  size_->setInsertPolicy(QComboBox::NoInsert);
  for (const char* item : kSizes) size_->addItem(QLatin1String(item));
  size_->setGeometry(107, 15, 38, 22);
  auto* narrow = new NarrowArrowStyle;
  narrow->setParent(size_);
  size_->setStyle(narrow);
  size_->setToolTip(QStringLiteral("Size"));
  connect(font_, &QComboBox::activated, this, &FormatToolbar::ApplyFont);
  connect(size_, &QComboBox::activated, this, &FormatToolbar::ApplySize);
  connect(size_->lineEdit(), &QLineEdit::returnPressed, this, &FormatToolbar::ApplySize);

  const auto l = [](int x, int y) { return QPoint(x, y); };
  AddButton(QStringLiteral("link"), QStringLiteral("Add a Link"), QStringLiteral("tb_link.png"), l(158, 15), l(161, 16),
            [this] { emit linkRequested(); });
  AddButton(QStringLiteral("picture"), QStringLiteral("Add an Image"), QStringLiteral("tb_picture.png"), l(184, 15),
            l(188, 18), [this] { emit pictureRequested(); });
  AddButton(QStringLiteral("bold"), QStringLiteral("Bold Text"), QStringLiteral("tb_bold.png"), l(216, 15), l(221, 18),
            [this] { ToggleBold(); });
  AddButton(QStringLiteral("italic"), QStringLiteral("Italic Text"), QStringLiteral("tb_italic.png"), l(240, 15),
            l(246, 18), [this] { ToggleItalic(); });
  AddButton(QStringLiteral("underline"), QStringLiteral("Underline Text"), QStringLiteral("tb_underline.png"),
            l(264, 15), l(270, 18), [this] { ToggleUnderline(); });
  AddButton(QStringLiteral("strikeout"), QStringLiteral("Strikeout Text"), QStringLiteral("tb_strikeout.png"),
            l(288, 15), l(290, 18), [this] { ToggleStrike(); });
  AddButton(QStringLiteral("subscript"), QStringLiteral("Subscript Text"), QStringLiteral("tb_subscript.png"),
            l(312, 15), l(314, 18), [this] { Subscript(); });
  AddButton(QStringLiteral("superscript"), QStringLiteral("Superscript Text"), QStringLiteral("tb_superscript.png"),
            l(336, 15), l(338, 18), [this] { Superscript(); });
  AddButton(QStringLiteral("numberList"), QStringLiteral("Number List"), QStringLiteral("tb_number_list.png"),
            l(370, 15), l(373, 18), [this] { NumberList(); });
  AddButton(QStringLiteral("bulletList"), QStringLiteral("Bullet List"), QStringLiteral("tb_bullet_list.png"),
            l(394, 15), l(397, 18), [this] { BulletList(); });
  AddButton(QStringLiteral("indentLess"), QStringLiteral("Reduce Indentation"), QStringLiteral("tb_indent_less.png"),
            l(423, 15), l(427, 18), [this] { Indent(false); });
  AddButton(QStringLiteral("indentMore"), QStringLiteral("Increase Indentation"), QStringLiteral("tb_indent_more.png"),
            l(445, 16), l(451, 18), [this] { Indent(true); });
  AddButton(QStringLiteral("textColor"), QStringLiteral("Change Text Color"), QStringLiteral("tb_text_color.png"),
            l(475, 15), l(479, 18), [this] { TextColor(); });
  AddButton(QStringLiteral("backColor"), QStringLiteral("Change Text Background Color"),
            QStringLiteral("tb_background_color.png"), l(499, 15), l(503, 18), [this] { BackgroundColor(); });
  AddButton(QStringLiteral("alignLeft"), QStringLiteral("Align Left"), QStringLiteral("tb_align_left.png"), l(529, 15),
            l(533, 18), [this] { Align(rt::rtaLeft); });
  AddButton(QStringLiteral("alignCenter"), QStringLiteral("Align Center"), QStringLiteral("tb_align_center.png"),
            l(553, 15), l(557, 18), [this] { Align(rt::rtaCenter); });
  AddButton(QStringLiteral("alignRight"), QStringLiteral("Align Right"), QStringLiteral("tb_align_right.png"),
            l(577, 15), l(581, 18), [this] { Align(rt::rtaRight); });
  AddButton(QStringLiteral("justify"), QStringLiteral("Justify"), QStringLiteral("tb_justify.png"), l(601, 15),
            l(605, 18), [this] { Align(rt::rtaJustify); });

  questions_.chooseColor = [this](const QColor& initial) -> std::optional<QColor> {
    const QColor color = QColorDialog::getColor(initial, window());
    if (!color.isValid()) return std::nullopt;
    return color;
  };
  questions_.askBackground = [this] {
    return static_cast<QMessageBox::StandardButton>(MakeBackgroundQuestion(window())->exec());
  };

  editor_.OnStyleConversion = [this](int styleNo, int code, bool, int& newStyleNo) {
    newStyleNo = editor::ConvertTextStyle(editor_.Style(), styleNo, code, state_, Inputs());
  };
  editor_.OnParaStyleConversion = [this](int styleNo, int code, bool, int& newStyleNo) {
    newStyleNo = editor::ConvertParaStyle(editor_.Style(), styleNo, code, state_);
  };
  editor_.OnCurTextStyleChanged = [this] { RefreshTextStyle(); };
  editor_.OnCurParaStyleChanged = [this] { RefreshParaStyle(); };
  RefreshTextStyle();
  RefreshParaStyle();
}

std::unique_ptr<QMessageBox> FormatToolbar::MakeBackgroundQuestion(QWidget* parent) {
  return std::make_unique<QMessageBox>(
      QMessageBox::Question, QStringLiteral("Text Background"),
      QStringLiteral("Make the selected text background transparent?\n"
                     "(YES - make transparent; NO - choose color)"),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
}

void FormatToolbar::InstallShortcuts(QWidget* scope) {
  const auto key = [this, scope](QKeyCombination combination, std::function<void()> action) {
    auto* shortcut = new QShortcut(QKeySequence(combination), scope);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, std::move(action));
  };
  key(Qt::CTRL | Qt::Key_B, [this] { ToggleBold(); });
  key(Qt::CTRL | Qt::Key_I, [this] { ToggleItalic(); });
  key(Qt::CTRL | Qt::Key_U, [this] { ToggleUnderline(); });
  key(Qt::CTRL | Qt::Key_K, [this] { emit linkRequested(); });
}

SkinnedButton* FormatToolbar::AddButton(const QString& name, const QString& hint, const QString& icon, QPoint frame,
                                        QPoint iconAt, const std::function<void()>& action) {
  auto* button = new SkinnedButton(pictures_.Skin(24), hint, this);
  button->setObjectName(name + QStringLiteral("Button"));
  button->move(frame);
  button->setAfterRelease(SkinnedButton::AfterRelease::Hover);
  // A latched button keeps its pressed plate whatever the mouse does.
  button->setFeedbackFrozen([this, name] { return latched_[name]; });
  button->setFocusPolicy(Qt::NoFocus);  // the caret stays in the text
  auto* picture = new QLabel(button);
  picture->setPixmap(pictures_.Get(icon));
  picture->adjustSize();
  picture->move(iconAt - frame);
  picture->setAttribute(Qt::WA_TransparentForMouseEvents);  // the icon passes its mouse to the frame
  picture->setToolTip(hint);
  connect(button, &SkinnedButton::clicked, this, action);
  buttons_[name] = button;
  latched_[name] = false;
  return button;
}

SkinnedButton* FormatToolbar::button(const QString& name) const {
  const auto found = buttons_.find(name);
  return found == buttons_.end() ? nullptr : found->second;
}

void FormatToolbar::Latch(const QString& name, bool on) {
  latched_[name] = on;
  SkinnedButton* b = buttons_.at(name);
  if (on) {
    b->showPicture(pictures_.Skin(24).pressed);
  } else {
    b->showNormalPicture();
  }
}

editor::FormatInputs FormatToolbar::Inputs() const {
  return {font_->currentText(), size_->currentText(), chosen_};
}

void FormatToolbar::Convert(int code) {
  editor_.ApplyStyleConversion(code);
  editor_.Format();
}

void FormatToolbar::ToggleBold() {
  state_.BoldOn = !state_.BoldOn;
  Convert(editor::kConvertBold);
  Latch(QStringLiteral("bold"), state_.BoldOn);
}

void FormatToolbar::ToggleItalic() {
  state_.ItalicOn = !state_.ItalicOn;
  Convert(editor::kConvertItalic);
  Latch(QStringLiteral("italic"), state_.ItalicOn);
}

void FormatToolbar::ToggleUnderline() {
  state_.UnderlineOn = !state_.UnderlineOn;
  Convert(editor::kConvertUnderline);
  Latch(QStringLiteral("underline"), state_.UnderlineOn);
}

void FormatToolbar::ToggleStrike() {
  state_.StrikeOn = !state_.StrikeOn;
  Convert(editor::kConvertStrike);
  Latch(QStringLiteral("strikeout"), state_.StrikeOn);
}

void FormatToolbar::Subscript() {
  if (state_.SuperscriptOn) {
    state_.SuperscriptOn = false;
    Latch(QStringLiteral("superscript"), false);
  }
  state_.SubscriptOn = !state_.SubscriptOn;
  Convert(editor::kConvertSubSuper);
  Latch(QStringLiteral("subscript"), state_.SubscriptOn);
}

void FormatToolbar::Superscript() {
  if (state_.SubscriptOn) {
    state_.SubscriptOn = false;
    Latch(QStringLiteral("subscript"), false);
  }
  state_.SuperscriptOn = !state_.SuperscriptOn;
  Convert(editor::kConvertSubSuper);
  Latch(QStringLiteral("superscript"), state_.SuperscriptOn);
}

void FormatToolbar::NumberList() {
  state_.NumberListOn = !state_.NumberListOn;
  if (state_.NumberListOn) {
    editor_.ApplyListStyle(editor::NumberListStyle(editor_), 0, 0, false, false);
  } else {
    editor_.RemoveLists(false);
  }
  Latch(QStringLiteral("numberList"), state_.NumberListOn);
}

void FormatToolbar::BulletList() {
  state_.BulletListOn = !state_.BulletListOn;
  if (state_.BulletListOn) {
    editor_.ApplyListStyle(editor::BulletListStyle(editor_.Style()), 0, 0, false, false);
  } else {
    editor_.RemoveLists(false);
  }
  Latch(QStringLiteral("bulletList"), state_.BulletListOn);
}

void FormatToolbar::Indent(bool more) {
  editor_.ApplyParaStyleConversion(more ? editor::kIndentMore : editor::kIndentLess);
}

void FormatToolbar::TextColor() {
  const std::optional<QColor> color = questions_.chooseColor(color_);
  if (!color) return;
  color_ = *color;
  chosen_ = ToRtColor(*color);
  Convert(editor::kConvertColor);
}

void FormatToolbar::BackgroundColor() {
  switch (questions_.askBackground()) {
    case QMessageBox::Yes:
      chosen_ = rt::rtclNone;
      Convert(editor::kConvertBackColor);
      return;
    case QMessageBox::No: {
      const rt::TRtColor current = editor_.Style().TextStyles[editor_.CurTextStyleNo()].BackColor;
      color_ = current == rt::rtclNone ? QColor(Qt::white) : FromRtColor(current);
      const std::optional<QColor> color = questions_.chooseColor(color_);
      if (!color) return;
      color_ = *color;
      chosen_ = ToRtColor(*color);
      Convert(editor::kConvertBackColor);
      return;
    }
    default: return;
  }
}

void FormatToolbar::Align(rt::TRtAlignment alignment) {
  state_.CurrentAlignment = alignment;
  editor_.ApplyParaStyleConversion(editor::kConvertAlignment);
  Latch(QStringLiteral("alignLeft"), alignment == rt::rtaLeft);
  Latch(QStringLiteral("alignCenter"), alignment == rt::rtaCenter);
  Latch(QStringLiteral("alignRight"), alignment == rt::rtaRight);
  Latch(QStringLiteral("justify"), alignment == rt::rtaJustify);
}

void FormatToolbar::FocusEditor() {
  if (editorWidget_) editorWidget_->setFocus(Qt::OtherFocusReason);
}

void FormatToolbar::ApplyFont() {
  Convert(editor::kConvertFont);
  FocusEditor();
}

void FormatToolbar::ApplySize() {
  if (!editor::SizeTextApplies(size_->currentText())) return;
  Convert(editor::kConvertSize);
  FocusEditor();
}

void FormatToolbar::RefreshTextStyle() {
  const int styleNo = editor_.CurTextStyleNo();
  if (styleNo < 0 || styleNo >= editor_.Style().TextStyles.Count()) return;
  const rt::TFontInfo& s = editor_.Style().TextStyles[styleNo];
  font_->setCurrentIndex(font_->findText(s.FontName));
  size_->setEditText(QString::number(s.Size));
  state_.BoldOn = s.Has(rt::fsBold);
  state_.ItalicOn = s.Has(rt::fsItalic);
  state_.UnderlineOn = s.Has(rt::fsUnderline);
  state_.StrikeOn = s.Has(rt::fsStrikeOut);
  state_.SubscriptOn = s.SubSuperScriptType == rt::rtsssSubscript;
  state_.SuperscriptOn = s.SubSuperScriptType == rt::rtsssSuperScript;
  Latch(QStringLiteral("bold"), state_.BoldOn);
  Latch(QStringLiteral("italic"), state_.ItalicOn);
  Latch(QStringLiteral("underline"), state_.UnderlineOn);
  Latch(QStringLiteral("strikeout"), state_.StrikeOn);
  Latch(QStringLiteral("subscript"), state_.SubscriptOn);
  Latch(QStringLiteral("superscript"), state_.SuperscriptOn);
  Latch(QStringLiteral("numberList"), state_.NumberListOn);
  Latch(QStringLiteral("bulletList"), state_.BulletListOn);
  Latch(QStringLiteral("link"), false);
}

void FormatToolbar::RefreshParaStyle() {
  const int paraNo = editor_.CurParaStyleNo();
  if (paraNo < 0 || paraNo >= editor_.Style().ParaStyles.Count()) return;
  // Only the toolbar follows: moving the caret never changes the text.
  state_.CurrentAlignment = editor_.Style().ParaStyles[paraNo].Alignment;
  Latch(QStringLiteral("alignLeft"), state_.CurrentAlignment == rt::rtaLeft);
  Latch(QStringLiteral("alignCenter"), state_.CurrentAlignment == rt::rtaCenter);
  Latch(QStringLiteral("alignRight"), state_.CurrentAlignment == rt::rtaRight);
  Latch(QStringLiteral("justify"), state_.CurrentAlignment == rt::rtaJustify);
}

void FormatToolbar::ShowLinkLatched(bool latched) { Latch(QStringLiteral("link"), latched); }

}  // namespace moxa
