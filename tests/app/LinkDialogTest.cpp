// The link dialog as the user meets it over a real editor: opened for the
// caret, for a Ctrl+clicked link and for a picture; OK, Cancel, Unlink, the
// messages for missing input and a full link table, the keys.
#include "app/dialogs/DialogLayer.h"
#include "app/editor/LinkDialog.h"
#include "app/editor/LinkEditController.h"
#include "editor/LinkCommands.h"
#include "editor/RtEditor.h"
#include "richtext/HtmlExporter.h"
#include "richtext/LinkTableExport.h"
#include "richtext/RtBuilders.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace moxa {
namespace {

using rt::test::Items;

class LinkDialogTest : public ::testing::Test {
 protected:
  LinkDialogTest() {
    rt::TFontInfo& link = style.TextStyles.Add();
    link = style.TextStyles[0];
    link.Color = 0x00FF0000;
    link.Style = rt::fsUnderline;
    link.Jump = true;
    link.Standard = false;
    editor.OnStyleConversion = [this](int styleNo, int code, bool, int& newStyleNo) {
      editor::ConvertLinkStyle(style, styleNo, code, newStyleNo);
    };
    window.resize(1000, 700);
    window.show();
    controller = new LinkEditController(
        editor, links, [] { return QStringList{"index", "about-us", "contact-us"}; }, pictures,
        &window);
    dialog()->showMessage = [this](QWidget*, const QString& message) { messages << message; };
    // "plain " | "first" (link 1) | " mid " | "second" (link 2)
    links.Add({.Url = "about-us.html"});
    links.Add({.Url = "MAILTO:me@x.org", .RadioButton = rt::elkEmail});
    editor.LoadDocument(
        Items().P().T("plain ").T("first", 1, 1).T(" mid ").T("second", 1, 2).Doc());
  }

  LinkDialog* dialog() const { return controller->dialog(); }
  template <typename T>
  T* Find(const char* name) const {
    T* widget = dialog()->findChild<T*>(QLatin1String(name));
    EXPECT_TRUE(widget) << name;
    return widget;
  }
  QComboBox* PageBox() const { return Find<QComboBox>("pageBox"); }
  QLineEdit* Address() const { return Find<QLineEdit>("addressField"); }
  QLineEdit* Email() const { return Find<QLineEdit>("emailField"); }
  QRadioButton* Radio(const char* name) const { return Find<QRadioButton>(name); }
  bool UnlinkShown() const { return Find<QLabel>("unlinkLink")->isVisible(); }
  void Ok() { QTest::keyClick(dialog(), Qt::Key_Return); }
  void Unlink() { emit dialog()->unlinkRequested(); }
  void Caret(int item, int offset) { editor.SetSelectionBounds(item, offset, item, offset); }
  QString Html() {
    rt::TRtSaveHTMLParams params;
    params.OnWriteHyperlink = rt::MakeWriteHyperlinkHandler(links);
    const auto html = rt::WriteHtml(editor.Document(), style, params, [](const auto&) {
      return std::optional<QString>(QStringLiteral("p.png"));
    });
    return html ? QString::fromUtf8(*html) : QString();
  }

  const Pictures pictures{test::SourceDir() + QStringLiteral("/data/")};
  rt::TRtStyle style;
  editor::RtEditor editor{style};
  rt::TEditorLinks links;
  QWidget window;
  LinkEditController* controller = nullptr;
  QStringList messages;
};

TEST_F(LinkDialogTest, CaretInALinkShowsItAndOkKeepsItsEntry) {
  Caret(1, 3);
  controller->OpenForSelection();
  ASSERT_TRUE(controller->isOpen());
  EXPECT_EQ(editor.Cursor().selectedText(), "first");
  EXPECT_TRUE(UnlinkShown());
  EXPECT_TRUE(Radio("pageRadio")->isChecked());
  EXPECT_EQ(PageBox()->currentText(), "about-us");
  // Centred over the whole window, above everything.
  EXPECT_EQ(controller->layer()->geometry(), window.rect());
  EXPECT_EQ(dialog()->geometry().center(), window.rect().center());

  QSignalSpy latched(controller, &LinkEditController::linkFrameLatched);
  PageBox()->setCurrentText("contact-us");
  Ok();
  EXPECT_FALSE(controller->isOpen());
  EXPECT_EQ(links.Links[0].Url, "contact-us.html");
  EXPECT_EQ(links.Count(), 2);
  ASSERT_EQ(latched.count(), 1);
  EXPECT_TRUE(latched[0][0].toBool());
}

TEST_F(LinkDialogTest, CtrlClickedLinkIsSelectedWholeAndShown) {
  controller->OpenForJump(1);  // "second", the e-mail link
  ASSERT_TRUE(controller->isOpen());
  EXPECT_EQ(editor.Cursor().selectedText(), "second");
  EXPECT_TRUE(Radio("emailRadio")->isChecked());
  EXPECT_EQ(Email()->text(), "me@x.org");
  EXPECT_TRUE(UnlinkShown());
}

TEST_F(LinkDialogTest, NewLinkAtThePlainCaretInsertsNewLink) {
  Caret(0, 3);
  controller->OpenForSelection();
  ASSERT_TRUE(controller->isOpen());
  EXPECT_FALSE(UnlinkShown());
  EXPECT_EQ(PageBox()->currentText(), "Choose A Page");
  QTest::mouseClick(Address(), Qt::LeftButton);
  EXPECT_TRUE(Radio("externalRadio")->isChecked());
  Address()->setText("http://example.org/");
  Find<QCheckBox>("newWindowBox")->setChecked(true);
  Ok();
  EXPECT_FALSE(controller->isOpen());
  EXPECT_TRUE(Html().contains("<a href=\"http://example.org/\" target=_blank>"));
  EXPECT_TRUE(Html().contains("New link"));
}

TEST_F(LinkDialogTest, MissingInputKeepsTheDialogOpen) {
  struct Case {
    const char* radio;
    const char* message;
  };
  const Case cases[] = {{"pageRadio", "Please select a page."},
                        {"externalRadio", "Please enter a url."},
                        {"emailRadio", "Please enter an email address."}};
  Caret(0, 3);
  controller->OpenForSelection();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.radio);
    messages.clear();
    Radio(c.radio)->setChecked(true);
    Address()->setText("  ");
    Email()->setText(" ");
    Ok();
    EXPECT_EQ(messages, QStringList{c.message});
    EXPECT_TRUE(controller->isOpen());
  }
  EXPECT_EQ(links.Count(), 2);
}

TEST_F(LinkDialogTest, UnlinkMakesPlainTextAndTheOtherLinkKeepsItsAddress) {
  Caret(1, 2);
  controller->OpenForSelection();
  QSignalSpy latched(controller, &LinkEditController::linkFrameLatched);
  Unlink();
  EXPECT_FALSE(controller->isOpen());
  ASSERT_EQ(latched.count(), 1);
  EXPECT_FALSE(latched[0][0].toBool());
  const QString html = Html();
  EXPECT_FALSE(html.contains("about-us.html"));
  EXPECT_TRUE(html.contains("<a href=\"MAILTO:me@x.org\">")) << html.toStdString();
}

TEST_F(LinkDialogTest, CancelAndEscapeChangeNothing) {
  const rt::TRtDocument before = editor.Document();
  Caret(1, 2);
  controller->OpenForSelection();
  PageBox()->setCurrentText("index");
  QTest::keyClick(Address(), Qt::Key_Escape);
  EXPECT_FALSE(controller->isOpen());
  EXPECT_TRUE(editor.Document() == before);
  EXPECT_EQ(links.Links[0].Url, "about-us.html");
}

TEST_F(LinkDialogTest, FullTableRefusesANewLink) {
  while (!links.Full()) links.Add({.Url = "a.html"});
  const rt::TRtDocument before = editor.Document();
  editor.SetSelectionBounds(0, 1, 0, 4);
  controller->OpenForSelection();
  PageBox()->setCurrentText("index");
  Ok();
  EXPECT_EQ(messages, QStringList{"This region cannot hold more links."});
  EXPECT_TRUE(editor.Document() == before);
  EXPECT_EQ(links.Count(), rt::TEditorLinks::kCapacity);
}

TEST_F(LinkDialogTest, PictureLinkHandsBackTheAddressOnly) {
  const rt::TRtDocument before = editor.Document();
  std::vector<std::tuple<bool, QString, bool>> results;
  const auto done = [&](bool accepted, QString url, bool newWindow) {
    results.emplace_back(accepted, url, newWindow);
  };
  Caret(1, 2);
  controller->OpenForPicture(done);
  EXPECT_FALSE(UnlinkShown());
  EXPECT_EQ(PageBox()->currentText(), "Choose A Page");
  PageBox()->setCurrentText("about-us");
  Find<QCheckBox>("newWindowBox")->setChecked(true);
  Ok();
  controller->OpenForPicture(done);
  QTest::keyClick(dialog(), Qt::Key_Escape);
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0], std::make_tuple(true, QString("about-us.html"), true));
  EXPECT_FALSE(std::get<0>(results[1]));
  EXPECT_TRUE(editor.Document() == before);
  EXPECT_EQ(links.Count(), 2);
}

}  // namespace
}  // namespace moxa
