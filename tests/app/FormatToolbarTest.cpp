// The formatting toolbar on a real editor, offscreen: hints, the mouse
// feedback and latches of its buttons, bold at the caret, sub- and
// superscript, the background question and its three answers, the boxes and
// the keys.
#include "app/editor/FormatToolbar.h"
#include "app/shell/SkinnedButton.h"
#include "richtext/RtBuilders.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace moxa {
namespace {

class FormatToolbarTest : public ::testing::Test {
 protected:
  FormatToolbarTest() : pictures_(test::SourceDir() + QStringLiteral("/data/")) {
    panel_.resize(639, 320);
    toolbar_ = new FormatToolbar(pictures_, editor_, &panel_);
    toolbar_->setQuestions({[this](const QColor& initial) -> std::optional<QColor> {
                              offered_ = initial;
                              ++colourDialogs_;
                              return answerColour_;
                            },
                            [this] { return answerBackground_; }});
    panel_.show();
    rt::TRtDocument document;
    document.Data = rt::test::Items().P().T("some words here");
    editor_.LoadDocument(document);
  }
  void SelectAll() { editor_.SetSelectionBounds(0, 1, 0, 16); }
  void PlaceCaret(int offset) { editor_.SetSelectionBounds(0, offset, 0, offset); }
  const rt::TFontInfo& ItemStyle() { return style_.TextStyles[editor_.GetItemStyle(0)]; }
  bool Shows(const char* name, const QPixmap& picture) {
    return toolbar_->button(QLatin1String(name))->currentPicture().cacheKey() == picture.cacheKey();
  }

  Pictures pictures_;
  rt::TRtStyle style_;
  editor::RtEditor editor_{style_};
  QWidget panel_;
  FormatToolbar* toolbar_;
  std::optional<QColor> answerColour_;
  QMessageBox::StandardButton answerBackground_ = QMessageBox::Cancel;
  QColor offered_;
  int colourDialogs_ = 0;
};

TEST_F(FormatToolbarTest, EveryButtonHasItsHintAndItsPlace) {
  const struct {
    const char* name;
    const char* hint;
    QPoint at;
  } cases[] = {{"link", "Add a Link", {158, 15}},        {"picture", "Add an Image", {184, 15}},
               {"bold", "Bold Text", {216, 15}},         {"italic", "Italic Text", {240, 15}},
               {"underline", "Underline Text", {264, 15}}, {"strikeout", "Strikeout Text", {288, 15}},
               {"subscript", "Subscript Text", {312, 15}}, {"superscript", "Superscript Text", {336, 15}},
               {"numberList", "Number List", {370, 15}},  {"bulletList", "Bullet List", {394, 15}},
               {"indentLess", "Reduce Indentation", {423, 15}}, {"indentMore", "Increase Indentation", {445, 16}},
               {"textColor", "Change Text Color", {475, 15}}, {"backColor", "Change Text Background Color", {499, 15}},
               {"alignLeft", "Align Left", {529, 15}},   {"alignCenter", "Align Center", {553, 15}},
               {"alignRight", "Align Right", {577, 15}}, {"justify", "Justify", {601, 15}}};
  for (const auto& c : cases) {
    SkinnedButton* button = toolbar_->button(QLatin1String(c.name));
    ASSERT_NE(button, nullptr) << c.name;
    EXPECT_EQ(button->toolTip(), QLatin1String(c.hint));
    EXPECT_EQ(button->pos(), c.at) << c.name;
    EXPECT_EQ(button->size(), QSize(24, 22)) << c.name;
  }
  EXPECT_EQ(toolbar_->fontBox()->geometry(), QRect(16, 15, 88, 22));
  EXPECT_EQ(toolbar_->sizeBox()->geometry(), QRect(107, 15, 38, 22));
  // The widest size shows whole in the narrow box (a line edit keeps 2 px each side).
  const QLineEdit* sizeText = toolbar_->sizeBox()->lineEdit();
  EXPECT_GE(sizeText->width() - 4, sizeText->fontMetrics().horizontalAdvance(QStringLiteral("72")));
}

TEST_F(FormatToolbarTest, ButtonsFollowTheMouseUnlessLatched) {
  const SkinSet skin = pictures_.Skin(24);
  SkinnedButton* italic = toolbar_->button(QStringLiteral("italic"));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(italic, &enter);
  EXPECT_TRUE(Shows("italic", skin.hover));
  QTest::mousePress(italic, Qt::LeftButton);
  EXPECT_TRUE(Shows("italic", skin.pressed));
  QTest::mouseRelease(italic, Qt::LeftButton);  // runs the command: italic latches on
  EXPECT_TRUE(toolbar_->state().ItalicOn);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(italic, &leave);
  EXPECT_TRUE(Shows("italic", skin.pressed));
  QCoreApplication::sendEvent(italic, &enter);
  EXPECT_TRUE(Shows("italic", skin.pressed));
}

TEST_F(FormatToolbarTest, ButtonsWithoutALatchFollowTheMouseOnly) {
  const SkinSet skin = pictures_.Skin(24);
  QSignalSpy links(toolbar_, &FormatToolbar::linkRequested);
  for (const char* name : {"link", "indentMore", "picture"}) {
    SCOPED_TRACE(name);
    SkinnedButton* button = toolbar_->button(QLatin1String(name));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(button, &enter);
    EXPECT_TRUE(Shows(name, skin.hover));
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_TRUE(Shows(name, skin.pressed));
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_TRUE(Shows(name, skin.hover));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_TRUE(Shows(name, skin.normal));
  }
  EXPECT_EQ(links.count(), 1);
}

TEST_F(FormatToolbarTest, BoldAtTheCaretLatchesUntilTheCaretMovesIntoOtherText) {
  PlaceCaret(5);
  const QString before = editor_.TextDocument()->toPlainText();
  const int plain = editor_.GetItemStyle(0);
  toolbar_->ToggleBold();
  EXPECT_EQ(editor_.TextDocument()->toPlainText(), before);
  EXPECT_EQ(editor_.GetItemStyle(0), plain);  // the text keeps its style
  EXPECT_TRUE(style_.TextStyles[editor_.CurTextStyleNo()].Has(rt::fsBold));
  EXPECT_TRUE(Shows("bold", pictures_.Skin(24).pressed));

  PlaceCaret(10);
  EXPECT_FALSE(toolbar_->state().BoldOn);
  EXPECT_TRUE(Shows("bold", pictures_.Skin(24).normal));
}

TEST_F(FormatToolbarTest, SubscriptWhileSuperscriptIsOnSwitchesInOneStep) {
  SelectAll();
  toolbar_->Superscript();
  EXPECT_EQ(ItemStyle().SubSuperScriptType, rt::rtsssSuperScript);
  toolbar_->Subscript();
  EXPECT_EQ(ItemStyle().SubSuperScriptType, rt::rtsssSubscript);
  EXPECT_FALSE(toolbar_->state().SuperscriptOn);
  EXPECT_TRUE(Shows("subscript", pictures_.Skin(24).pressed));
  EXPECT_FALSE(Shows("superscript", pictures_.Skin(24).pressed));
}

TEST_F(FormatToolbarTest, TheBackgroundQuestionsThreeAnswers) {
  SelectAll();
  answerBackground_ = QMessageBox::Cancel;
  toolbar_->BackgroundColor();
  EXPECT_EQ(colourDialogs_, 0);
  EXPECT_EQ(editor_.GetItemStyle(0), 0);

  answerBackground_ = QMessageBox::No;  // transparent text: the dialog starts at white
  answerColour_ = QColor(250, 240, 10);
  toolbar_->BackgroundColor();
  EXPECT_EQ(colourDialogs_, 1);
  EXPECT_EQ(offered_, QColor(Qt::white));
  EXPECT_EQ(ItemStyle().BackColor, rt::RtRgb(250, 240, 10));

  SelectAll();
  answerBackground_ = QMessageBox::Yes;
  toolbar_->BackgroundColor();
  EXPECT_EQ(colourDialogs_, 1);  // no colour dialog
  EXPECT_EQ(ItemStyle().BackColor, rt::rtclNone);
}

TEST(BackgroundQuestionTest, AsksWithItsCaptionTextAndThreeAnswers) {
  const std::unique_ptr<QMessageBox> box = FormatToolbar::MakeBackgroundQuestion(nullptr);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Text Background"));
  EXPECT_EQ(box->text(), QStringLiteral("Make the selected text background transparent?\n"
                                        "(YES - make transparent; NO - choose color)"));
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(box->icon(), QMessageBox::Question);
}

TEST_F(FormatToolbarTest, TheSizeBoxAppliesOnlyAPlainNumber) {
  SelectAll();
  const int before = ItemStyle().Size;
  toolbar_->sizeBox()->setEditText(QStringLiteral(" 18"));
  toolbar_->ApplySize();
  EXPECT_EQ(ItemStyle().Size, before);
  toolbar_->sizeBox()->setEditText(QStringLiteral("18"));
  toolbar_->ApplySize();
  EXPECT_EQ(ItemStyle().Size, 18);
}

// The keys and the boxes with a stand-in for the text editor holding the
// keyboard.
class FormatToolbarKeysTest : public FormatToolbarTest {
 protected:
  FormatToolbarKeysTest() {
    text_ = new QWidget(&panel_);
    text_->setFocusPolicy(Qt::StrongFocus);
    text_->setGeometry(15, 44, 610, 253);
    text_->show();
    toolbar_->setEditorWidget(text_);
    toolbar_->InstallShortcuts(&panel_);
    panel_.activateWindow();
  }
  void SetUp() override {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&panel_));
    text_->setFocus();
  }
  QWidget* text_;
};

TEST_F(FormatToolbarKeysTest, CtrlBIUActAsTheirButtonsAndCtrlKAsksForALink) {
  QSignalSpy links(toolbar_, &FormatToolbar::linkRequested);
  SelectAll();
  const struct {
    Qt::Key key;
    rt::TFontStyle style;
  } cases[] = {{Qt::Key_B, rt::fsBold}, {Qt::Key_I, rt::fsItalic}, {Qt::Key_U, rt::fsUnderline}};
  for (const auto& c : cases) {
    QTest::keyClick(text_, c.key, Qt::ControlModifier);
    EXPECT_TRUE(ItemStyle().Has(c.style)) << c.key;
  }
  QTest::keyClick(text_, Qt::Key_B, Qt::ControlModifier);  // and off again
  EXPECT_FALSE(ItemStyle().Has(rt::fsBold));
  EXPECT_TRUE(ItemStyle().Has(rt::fsItalic));
  EXPECT_EQ(links.count(), 0);
  QTest::keyClick(text_, Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(links.count(), 1);
}

TEST_F(FormatToolbarKeysTest, APickedFontAppliesAndGivesTheTextTheKeyboard) {
  SelectAll();
  QComboBox* fonts = toolbar_->fontBox();
  ASSERT_GT(fonts->count(), 1);
  const int other = fonts->currentIndex() == 0 ? 1 : 0;
  fonts->setFocus();
  fonts->setCurrentIndex(other);
  emit fonts->activated(other);
  EXPECT_EQ(ItemStyle().FontName, fonts->itemText(other));
  EXPECT_TRUE(text_->hasFocus());
}

}  // namespace
}  // namespace moxa
