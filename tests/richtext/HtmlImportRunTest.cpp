// The importer's run: the style sheet it rebuilds, its events and counters,
// addresses, and the read-hyperlink hook with the link table.
#include "HtmlImportSupport.h"

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

using test::ImportHtml;

TEST(HtmlImportRunTest, ClearDocumentRebuildsTheStyleSheet) {
  TRtDocument document;
  TRtStyle style;  // the initial content: a list style the HTML does not need
  style.TextStyles.Add().FontName = QStringLiteral("Leftover");
  style.ParaStyles.Add().Alignment = rtaJustify;
  document.Data.AddText(QStringLiteral("old"), 1, 1);
  TRtHtmlImporter importer;
  importer.View = {&document, &style};
  importer.DefaultFontName = QStringLiteral("Verdana");
  importer.DefaultFontSize = 11;
  importer.LoadHtml("<p align=center><b>new</b></p>");
  EXPECT_EQ(DumpItems(document.Data),
            QStringList{QStringLiteral("main P p1 text s1 tag=0 \"new\"")});
  EXPECT_EQ(DumpStyleSheet(style),
            (QStringList{
                QStringLiteral("text 0: \"Verdana\" 11pt sys08 - shift=0 jump=0"),
                QStringLiteral("text 1: \"Verdana\" 11pt sys08 b shift=0 jump=0"),
                QStringLiteral("para 0: left indent=0"),
                QStringLiteral("para 1: center indent=0"),
            }));
  EXPECT_TRUE(style.TextStyles[0].Unicode);  // kept from the old style 0
  EXPECT_FALSE(style.TextStyles[1].Standard);
  EXPECT_FALSE(style.ParaStyles[1].Standard);

  // A second import starts again from nothing: its lists are all there is.
  importer.LoadHtml("<ul><li>x</ul>");
  EXPECT_EQ(style.TextStyles.Count(), 1);
  EXPECT_EQ(style.ParaStyles.Count(), 1);
  ASSERT_EQ(style.ListStyles.Count(), 1);
  EXPECT_FALSE(style.ListStyles[0].Standard);
  EXPECT_EQ(document.Data.LineCount(), 2);
}

TEST(HtmlImportRunTest, WithoutClearDocumentAppends) {
  TRtDocument document;
  TRtStyle style;
  document.Data.AddText(QStringLiteral("old"), 0, 0);
  TRtHtmlImporter importer;
  importer.View = {&document, &style};
  importer.ClearDocument = false;
  importer.LoadHtml("<p>new</p>");
  EXPECT_EQ(DumpItems(document.Data),
            (QStringList{QStringLiteral("main P p0 text s0 tag=0 \"old\""),
                         QStringLiteral("main P p0 text s0 tag=0 \"new\"")}));
  EXPECT_EQ(style.ListStyles.Count(), 1);
}

TEST(HtmlImportRunTest, NoViewNoImport) {
  TRtHtmlImporter importer;
  importer.LoadHtml("<p>x</p>");
  EXPECT_EQ(importer.CharCount(), 0);
}

TEST(HtmlImportRunTest, EventsAndCounters) {
  TRtDocument document;
  TRtStyle style;
  TRtHtmlImporter importer;
  importer.View = {&document, &style};
  QStringList comments;
  int newLines = 0;
  importer.OnComment = [&](const QString& comment) { comments << comment; };
  importer.OnNewLine = [&] { ++newLines; };
  importer.LoadHtml("<title>Caf\xC3\xA9 &amp; co</title>\n<!-- one -->ab\n<b>cd</b>\n<!--\ntwo-->");
  EXPECT_EQ(importer.Title(), QString::fromUtf8("Caf\xC3\xA9 & co"));
  EXPECT_EQ(comments,
            (QStringList{QStringLiteral("<!-- one -->"), QStringLiteral("<!--\ntwo-->")}));
  EXPECT_EQ(newLines, 4);
  EXPECT_EQ(importer.LineCount(), 5);
  EXPECT_EQ(importer.CharCount(), 5);  // "ab ", "cd" and no title
}

TEST(HtmlImportRunTest, SeparateLinesAndFreeListLevels) {
  const test::Imported separate =
      ImportHtml("a\nb<ul><li type=square>c</ul>", QStringLiteral("/w/"), [](TRtHtmlImporter& i) {
        i.SeparateLines = true;
        i.EnforceListLevels = false;
      });
  EXPECT_EQ(separate.ItemLines(),
            (QStringList{QStringLiteral("main P p0 text s0 tag=0 \"a \""),
                         QStringLiteral("main - p0 text s0 tag=0 \"b\""),
                         QStringLiteral("main P p0 marker l0.0 start=1 tag=0"),
                         QStringLiteral("main - p0 text s0 tag=0 \"c\"")}));
  // The level follows the item's own type, not the list's.
  EXPECT_EQ(separate.StyleLines().last(),
            QStringLiteral("list 0: [0 bullet \"\\u00a7\" \"Wingdings\" 12pt 0/24/48]"));
  const test::Imported joined = ImportHtml("a\nb<ul><li type=square>c</ul>");
  EXPECT_EQ(joined.ItemLines().first(), QStringLiteral("main P p0 text s0 tag=0 \"a b\""));
  EXPECT_EQ(joined.StyleLines().last(),
            QStringLiteral("list 0: [0 bullet \"\\u00b7\" \"Symbol\" 12pt 0/24/48]"));
}

TEST(HtmlImportRunTest, ByteOrderMarkDropped) {
  const test::Imported imported = ImportHtml(
      "\xEF\xBB\xBF"
      "caf\xC3\xA9");
  EXPECT_EQ(imported.ItemLines(),
            QStringList{QStringLiteral("main P p0 text s0 tag=0 \"caf\\u00e9\"")});
}

TEST(HtmlImportRunTest, BodyAttributes) {
  const test::Imported imported =
      ImportHtml("<body bgcolor=#102030 text=green link=red>a<a href=x.html>l</a></body>");
  EXPECT_EQ(imported.Document.Color, RtRgb(0x10, 0x20, 0x30));
  EXPECT_EQ(
      imported.StyleLines().mid(0, 2),
      (QStringList{QStringLiteral("text 0: \"Times New Roman\" 12pt #008000 - shift=0 jump=0"),
                   QStringLiteral("text 1: \"Times New Roman\" 12pt #ff0000 u shift=0 jump=1")}));
}

TEST(HtmlImportRunTest, ResolvePath) {
  struct Case {
    const char* base;
    const char* address;
    const char* resolved;
  };
  const Case cases[] = {
      {"/w/site/", "about-us.html", "/w/site/about-us.html"},
      {"/w/site/", "bin/img/a.jpg", "/w/site/bin/img/a.jpg"},
      {"/w/site/", "/x.html", "/x.html"},  // the root of a path is empty here
      {"/w/site/", "#top", "#top"},
      {"/w/site/", "http://example.com/a", "http://example.com/a"},
      {"/w/site/", "MAILTO:a@b.c", "MAILTO:a@b.c"},
      {"/w/site/", "www.example.com", "/w/site/www.example.com"},  // no ":"
      {"/w/site/", "C:\\pics\\a.jpg", "C:\\pics\\a.jpg"},
      {"/w/site/", "a:b", "a:b"},  // a drive letter
      {"/w/site/", "ab:c", "/w/site/ab:c"},
      {"C:\\w\\", "about-us.html", "C:\\w\\about-us.html"},
      {"C:\\w\\", "\\x.html", "C:\\x.html"},
      {"http://host.example/dir/", "/x.html", "http://host.example/x.html"},
      {"http://host.example/dir/", "y.html", "http://host.example/dir/y.html"},
      {"", "y.html", "y.html"},
  };
  for (const Case& c : cases) {
    TRtHtmlImporter importer;
    importer.BasePath = QString::fromUtf8(c.base);
    EXPECT_EQ(importer.ResolvePath(QString::fromUtf8(c.address)), QString::fromUtf8(c.resolved))
        << c.base << " + " << c.address;
  }
}

TEST(HtmlImportRunTest, ReadHyperlinkHookGetsTheAddressAsWrittenAndResolved) {
  TRtDocument document;
  TRtStyle style;
  TRtHtmlImporter importer;
  importer.View = {&document, &style};
  importer.BasePath = QStringLiteral("/w/");
  std::vector<TRtReadHyperlink> seen;
  importer.OnReadHyperlink = [&](const TRtReadHyperlink& link) {
    seen.push_back(link);
    return static_cast<std::int32_t>(seen.size() * 10);
  };
  importer.LoadHtml(
      "<a href=about-us.html>x<b>y</b></a><a href=\"#top\" target=_BLANK>t</a>"
      "<a href=\"http://e.example/?a=1&amp;b=2\">h</a><a href=empty.html></a>");
  ASSERT_EQ(seen.size(), 3u);  // once per link with items; none for the empty one
  EXPECT_EQ(seen[0].Target, QStringLiteral("about-us.html"));
  EXPECT_EQ(seen[0].ResolvedTarget, QStringLiteral("/w/about-us.html"));
  EXPECT_FALSE(seen[0].NewWindow);
  EXPECT_EQ(seen[1].ResolvedTarget, QStringLiteral("#top"));
  EXPECT_TRUE(seen[1].NewWindow);
  EXPECT_EQ(seen[2].Target, QStringLiteral("http://e.example/?a=1&amp;b=2"));
  EXPECT_EQ(seen[2].ResolvedTarget, QStringLiteral("http://e.example/?a=1&b=2"));
  EXPECT_EQ(DumpItems(document.Data),
            (QStringList{QStringLiteral("main P p0 text s1 tag=10 \"x\""),
                         QStringLiteral("main - p0 text s2 tag=10 \"y\""),
                         QStringLiteral("main - p0 text s1 tag=20 \"t\""),
                         QStringLiteral("main - p0 text s1 tag=30 \"h\"")}));
}

TEST(HtmlImportRunTest, WithoutHookLinksCarryNoNumber) {
  const test::Imported imported = ImportHtml("<a href=a.html>x</a>", QStringLiteral("/w/"),
                                             [](TRtHtmlImporter& i) { i.OnReadHyperlink = {}; });
  EXPECT_EQ(imported.ItemLines(), QStringList{QStringLiteral("main P p0 text s1 tag=0 \"x\"")});
}

TEST(HtmlImportRunTest, LinkTableKeepsEachLinkAsWritten) {
  const test::Imported imported = ImportHtml(
      "<a href=about-us.html>a</a> <a href=\"mailto:x@y.example\">m</a> "
      "<a href=\"../up.html\" target=_blank>u</a> <a href=\"http://e.example/\">e</a>");
  EXPECT_EQ(imported.LinkLines(),
            (QStringList{QStringLiteral("link 1: \"about-us.html\" page"),
                         QStringLiteral("link 2: \"mailto:x@y.example\" email"),
                         QStringLiteral("link 3: \"../up.html\" external newwindow"),
                         QStringLiteral("link 4: \"http://e.example/\" external")}));
  EXPECT_EQ(imported.Links.Find(2)->Url, QStringLiteral("mailto:x@y.example"));
  EXPECT_EQ(imported.Links.Find(0), nullptr);
  EXPECT_EQ(imported.Links.Find(5), nullptr);
}

TEST(HtmlImportRunTest, LinkTableRemoveMovesLaterEntriesDown) {
  TEditorLinks links;
  const auto link = [](const char* url) {
    TEditorHyperLink entry;
    entry.Url = QString::fromUtf8(url);
    return entry;
  };
  EXPECT_EQ(links.Add(link("a.html")), 1);
  EXPECT_EQ(links.Add(link("b.html")), 2);
  EXPECT_EQ(links.Add(link("c.html")), 3);
  links.Remove(0);
  links.Remove(7);  // nothing there
  EXPECT_EQ(links.Count(), 2);
  EXPECT_EQ(links.Find(1)->Url, QStringLiteral("b.html"));
  EXPECT_EQ(links.LastLinkIndex(), 1);
  EXPECT_EQ(LinkKindOf(QStringLiteral("contact-us.html")), elkPage);
  EXPECT_EQ(LinkKindOf(QStringLiteral("dir/contact-us.html")), elkExternal);
  EXPECT_EQ(LinkKindOf(QStringLiteral("MailTo:a@b")), elkEmail);
}

}  // namespace
}  // namespace moxa::rt
