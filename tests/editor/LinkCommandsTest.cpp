// The link operations on a real editor: selecting a whole link, the
// dialog's view of a link table entry and the address it makes, new links,
// edits and Unlink, checked in the editor's items and in the exported HTML.
#include "EditorSupport.h"
#include "editor/LinkCommands.h"
#include "richtext/HtmlExporter.h"
#include "richtext/LinkTableExport.h"
#include "richtext/RtBuilders.h"

namespace moxa::editor {
namespace {

using rt::test::Items;

LinkDialogState State(rt::TEditorLinkKind kind, QString page = {}, QString address = {},
                      QString email = {}, bool newWindow = false) {
  return {kind, page, address, email, newWindow};
}

class LinkCommandsTest : public test::EditorTest {
 protected:
  LinkCommandsTest() {
    editor.OnStyleConversion = [this](int styleNo, int code, bool, int& newStyleNo) {
      ConvertLinkStyle(style, styleNo, code, newStyleNo);
    };
  }
  // "plain " | "first" (link 1) | " mid " | "second" (link 2) | " end"
  void LoadTwoLinks() {
    links.Add({.Url = "about-us.html"});
    links.Add({.Url = "http://example.com/x", .NewWindow = true, .RadioButton = rt::elkExternal});
    Load(Items()
             .P()
             .T("plain ")
             .T("first", test::kLinkStyle, 1)
             .T(" mid ")
             .T("second", test::kLinkStyle, 2)
             .T(" end"));
  }
  QString Html() {
    rt::TRtSaveHTMLParams params;
    params.OnWriteHyperlink = rt::MakeWriteHyperlinkHandler(links);
    const std::optional<QByteArray> html = rt::WriteHtml(
        editor.Document(), style, params, [](const rt::TRtHtmlPicture&) {
          return std::optional<QString>(QStringLiteral("p.png"));
        });
    return html ? QString::fromUtf8(*html) : QString();
  }
  QString SelectedText() const { return editor.Cursor().selectedText(); }

  rt::TEditorLinks links;
};

TEST_F(LinkCommandsTest, CaretOrPartialSelectionWidensToTheWholeLink) {
  LoadTwoLinks();
  struct Case {
    const char* name;
    RtSelectionBounds bounds;
    QString selected;
    int tag;
  };
  const Case cases[] = {
      {"caret inside", {1, 3, 1, 3}, "first", 1},
      {"selection cutting into the link", {0, 3, 1, 2}, "ain first", 1},
      {"selection across both", {1, 4, 3, 2}, "first mid second", 1},
      {"start at the end of the plain item", {0, 7, 1, 3}, "first", 1},
      {"plain only", {2, 2, 2, 4}, "mi", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Select(c.bounds.StartItem, c.bounds.StartOffs, c.bounds.EndItem, c.bounds.EndOffs);
    SelectWholeLink(editor);
    EXPECT_EQ(SelectedText(), c.selected);
    EXPECT_EQ(FindLinkInSelection(editor), c.tag);
  }
}

TEST_F(LinkCommandsTest, EdgesOnItemBoundariesBelongToTheInnerItem) {
  LoadTwoLinks();
  // From the end of "first" to the start of "second": only " mid ".
  Select(1, 6, 3, 1);
  EXPECT_EQ(FindLinkInSelection(editor), -1);
  SetSelectionLinkNumber(editor, 7);
  EXPECT_EQ(editor.GetItemTag(1), 1);
  EXPECT_EQ(editor.GetItemTag(2), 7);
  EXPECT_EQ(editor.GetItemTag(3), 2);
  editor.Undo();
  EXPECT_EQ(editor.GetItemTag(2), 0);

  PlaceCaret(2, 2);
  EXPECT_EQ(FindLinkInSelection(editor), -1);  // no selection
}

TEST_F(LinkCommandsTest, DialogShowsAnEntry) {
  const QStringList pages = {"index", "about-us", "About"};
  struct Case {
    const char* name;
    rt::TEditorHyperLink link;
    rt::TEditorLinkKind kind;
    QString page, address, email;
  };
  const Case cases[] = {
      {"page", {.Url = "about-us.html"}, rt::elkPage, "about-us", "kept", "kept"},
      {"page, exact case", {.Url = "about.html"}, rt::elkPage, "", "kept", "kept"},
      {"external", {.Url = "http://a.b/c.html", .RadioButton = 1}, rt::elkExternal, "kept",
       "http://a.b/c.html", "kept"},
      {"e-mail", {.Url = "mailto:me@x.org", .RadioButton = 2}, rt::elkEmail, "kept", "kept",
       "me@x.org"},
      {"e-mail, upper case", {.Url = "MAILTO:me@x.org", .RadioButton = 2}, rt::elkEmail, "kept",
       "kept", "me@x.org"},
      {"e-mail, mixed case", {.Url = "MailTo:a@b", .RadioButton = 2}, rt::elkEmail, "kept", "kept",
       "a@b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LinkDialogState state{rt::elkPage, "kept", "kept", "kept", true};
    ShowLinkEntry(c.link, pages, state);
    EXPECT_EQ(state.Kind, c.kind);
    EXPECT_EQ(state.Page, c.page);
    EXPECT_EQ(state.Address, c.address);
    EXPECT_EQ(state.Email, c.email);
    EXPECT_FALSE(state.NewWindow);
  }
}

TEST_F(LinkCommandsTest, InputMakesTheAddressOrAMessage) {
  struct Case {
    const char* name;
    LinkDialogState state;
    QString address;  // empty: refused
    QString message;
    LinkField field;
  };
  const Case cases[] = {
      {"page", State(rt::elkPage, "about-us"), "about-us.html", "", LinkField::Page},
      {"no page", State(rt::elkPage, ""), "", "Please select a page.", LinkField::Page},
      {"external as typed", State(rt::elkExternal, "", " www.x.org "), " www.x.org ", "",
       LinkField::Page},
      {"blank external", State(rt::elkExternal, "", "   "), "", "Please enter a url.",
       LinkField::Address},
      {"e-mail", State(rt::elkEmail, "", "", "me@x.org"), "mailto:me@x.org", "", LinkField::Page},
      {"blank e-mail", State(rt::elkEmail, "", "", " "), "", "Please enter an email address.",
       LinkField::Email},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<LinkInputError> error = ValidateLinkInput(c.state);
    if (c.message.isEmpty()) {
      EXPECT_FALSE(error);
      EXPECT_EQ(LinkAddressOf(c.state), c.address);
    } else {
      ASSERT_TRUE(error);
      EXPECT_EQ(error->Message, c.message);
      EXPECT_EQ(error->Field, c.field);
    }
  }
}

TEST_F(LinkCommandsTest, NewLinkWithoutSelectionInsertsNewLink) {
  Load(Items().P().T("Hello world"));
  PlaceCaret(0, 7);
  const rt::TEditorHyperLink entry =
      LinkEntryOf(State(rt::elkPage, "contact-us", "", "", true));
  EXPECT_EQ(AddLink(editor, links, entry), QString());
  EXPECT_EQ(links.Count(), 1);
  EXPECT_EQ(links.Links[0].RadioButton, rt::elkPage);
  EXPECT_TRUE(editor.Document().Data.Items.size() >= 3u);
  EXPECT_TRUE(style.TextStyles[editor.GetItemStyle(1)].Jump);
  EXPECT_EQ(editor.GetItemTag(1), 1);
  EXPECT_TRUE(Html().contains("<a href=\"contact-us.html\" target=_blank>"));
  EXPECT_TRUE(Html().contains("New link"));
}

TEST_F(LinkCommandsTest, NewLinkOnSelectionConvertsAndTagsIt) {
  Load(Items().P().T("Hello world"));
  Select(0, 7, 0, 12);
  const rt::TEditorHyperLink entry = LinkEntryOf(State(rt::elkEmail, "", "", "me@x.org"));
  EXPECT_EQ(AddLink(editor, links, entry), QString());
  const int link = editor.GetItemStyle(1);
  EXPECT_EQ(style.TextStyles[link].Color, 0x00FF0000u);
  EXPECT_TRUE(style.TextStyles[link].Style & rt::fsUnderline);
  EXPECT_TRUE(style.TextStyles[link].Jump);
  EXPECT_EQ(editor.GetItemTag(1), 1);
  EXPECT_TRUE(Html().contains("<a href=\"mailto:me@x.org\">"));
  EXPECT_FALSE(Html().contains("target"));
}

TEST_F(LinkCommandsTest, FullTableRefusesANewLinkAndChangesNothing) {
  Load(Items().P().T("Hello world"));
  for (int i = 0; i < rt::TEditorLinks::kCapacity; ++i) links.Add({.Url = "a.html"});
  Select(0, 1, 0, 6);
  const rt::TCustomRtData before = Model();
  EXPECT_EQ(AddLink(editor, links, {.Url = "b.html"}), "This region cannot hold more links.");
  EXPECT_EQ(links.Count(), rt::TEditorLinks::kCapacity);
  EXPECT_TRUE(Model() == before);
}

TEST_F(LinkCommandsTest, EditingAnEntryLeavesTheDocument) {
  LoadTwoLinks();
  const rt::TCustomRtData before = Model();
  EditLink(links, 0, LinkEntryOf(State(rt::elkExternal, "", "http://new.org")));
  EXPECT_EQ(links.Links[0].Url, "http://new.org");
  EXPECT_EQ(links.Links[0].RadioButton, rt::elkExternal);
  EXPECT_TRUE(Model() == before);
  EXPECT_TRUE(Html().contains("<a href=\"http://new.org\">"));
}

TEST_F(LinkCommandsTest, UnlinkMakesPlainTextAndOtherLinksKeepTheirAddresses) {
  LoadTwoLinks();
  PlaceCaret(1, 2);
  SelectWholeLink(editor);
  Unlink(editor);
  for (int item = 0; item < editor.LineCount(); ++item) {
    const rt::TRtItem it = editor.RootEditor().GetItem(item);
    if (!it.Text.contains("first")) continue;
    EXPECT_EQ(it.Tag, 0);
    const rt::TFontInfo& font = style.TextStyles[it.StyleNo];
    EXPECT_EQ(font.Color, rt::rtclWindowText);
    EXPECT_FALSE(font.Style & rt::fsUnderline);
    EXPECT_FALSE(font.Jump);
  }
  const QString html = Html();
  EXPECT_FALSE(html.contains("about-us.html"));
  EXPECT_TRUE(html.contains("<a href=\"http://example.com/x\" target=_blank>"))
      << html.toStdString();
  EXPECT_EQ(editor.GetItemTag(editor.LineCount() - 2), 2);
}

}  // namespace
}  // namespace moxa::editor
