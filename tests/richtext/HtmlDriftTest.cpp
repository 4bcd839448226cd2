// A region through the editor's cycle again and again: import, the editor's
// binary file, export. Nothing the page holds may be lost or changed, and
// from the second edit on the region is written byte for byte the same.
#include "richtext/HtmlExporter.h"

#include "richtext/HtmlImporter.h"
#include "richtext/LinkTable.h"
#include "richtext/LinkTableExport.h"
#include "richtext/RtBuilders.h"
#include "richtext/RtdFormat.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace moxa::rt {
namespace {

using moxa::test::ReadBytes;

// What the editor puts between the region's markers.
QByteArray BodyContent(const QByteArray& html) {
  const qsizetype start = html.indexOf('>', html.indexOf("<body")) + 1;
  return html.mid(start, html.indexOf("</body>") - start);
}

// A working folder as the editor has it: one picture of the site in it.
class HtmlDriftTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(work_.isValid());
    UseFolder(QStringLiteral("site"));
  }

  // A fresh working folder from now on.
  void UseFolder(const QString& name) {
    ASSERT_TRUE(QDir(work_.path()).mkpath(name));
    folder_ = work_.filePath(name);
    QFile picture(folder_ + QStringLiteral("/photo.jpg"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.write(test::TestJpeg().Data);
  }

  // One edit: imported from the folder, through the binary file into the
  // editor's document, exported into the folder. The links as imported.
  QByteArray Edit(const QByteArray& region, TEditorLinks* importedLinks = nullptr) {
    TRtDocument imported;
    TRtStyle style;
    TEditorLinks links;
    TRtHtmlImporter importer;
    importer.View = {&imported, &style};
    importer.BasePath = folder_ + QDir::separator();
    importer.OnReadHyperlink = MakeReadHyperlinkHook(links);
    importer.LoadHtml(region);
    const QString rtd = folder_ + QStringLiteral("/temptext_.rtd");
    TRtDocument edited;
    EXPECT_TRUE(SaveRtd(rtd, imported, style) && LoadRtd(rtd, edited, style));
    TRtSaveHTMLParams params;
    params.ImagesPrefix = QStringLiteral("moxa_img");
    params.Options = rtsoOverrideImages | rtsoNoHypertextImageBorders;
    params.OnWriteHyperlink = MakeWriteHyperlinkHandler(links);
    const QString file = folder_ + QStringLiteral("/temptext_.html");
    EXPECT_TRUE(SaveHTML(file, edited, style, params));
    if (importedLinks) *importedLinks = links;
    return BodyContent(ReadBytes(file));
  }

  QStringList Files() const { return QDir(folder_).entryList(QDir::Files); }

  QTemporaryDir work_;
  QString folder_;
};

// One rule each: the markup the first edit writes holds `kept` and not
// `lost`, and the second edit writes the same bytes.
struct MendCase {
  const char* name;
  QByteArray input;
  std::vector<QByteArray> kept;
  std::vector<QByteArray> lost;
};

TEST_F(HtmlDriftTest, EachRuleKeepsWhatThePageHolds) {
  const MendCase cases[] = {
      {"a named anchor keeps its name",
       "<p><a name=\"menu\"></a>Menu</p><p><a href=\"#menu\">up</a></p>",
       {"<a name=\"menu\"></a>", "href=\"#menu\""}, {"RtCheckpoint"}},
      {"an anchor opening a paragraph stays in it",
       "<p>one</p><p><a name=\"two\"></a>two</p>", {"<div><a name=\"two\"></a>two</div>"}, {}},
      {"an anchor without a name is numbered", "<p><a name=\"\"></a>x</p>",
       {"<a name=\"RtCheckpoint0\"></a>"}, {}},
      {"a space before an anchor stays one space", "<p>a <a name=\"x\"></a>b</p>",
       {"<div>a&nbsp;<a name=\"x\"></a>b</div>"}, {}},
      {"an anchor written with line breaks around it",
       "<div>Menu\r\n<a name=\"RtCheckpoint1\"></a>\r\n</div>",
       {"<div>Menu&nbsp;<a name=\"RtCheckpoint1\"></a></div>"}, {}},
      {"the leading spaces of a paragraph stay",
       "<div>&nbsp; two</div><div>&nbsp;one</div><div><a name=\"a\"></a>&nbsp;after</div>",
       {"<div>&nbsp; two</div>", "<div>&nbsp;one</div>", "</a>&nbsp;after"}, {}},
      {"list items gain no white space",
       "<ul><li>one</li>\r\n<li>&nbsp;two</li>\r\n<li><b>three</b> </li></ul>",
       {"<li>one</li>\r\n<li>&nbsp;two</li>\r\n"}, {"one&nbsp;", "two&nbsp;", "one "}},
      {"a line break in a list item keeps to the item",
       "<ul><li>two<br>line two</li><li>a<br><br><b>b</b><br><img src=\"photo.jpg\"></li></ul>",
       {"<li>two<br>\r\nline two</li>", "<li>a<br>\r\n<br>\r\n<b>b</b><br>\r\n<img"},
       {"<li>line two"}},
      {"the space between two links stays between them",
       "<p><a href=\"a.html\">first</a> <a href=\"b.html\">second</a></p>",
       {"</a>&nbsp;<a href=\"b.html\"><font color=\"#0000ff\"><u>second</u>"}, {"&nbsp;second"}},
      {"table and cell background pictures are written",
       "<table background=\"photo.jpg\"><tr><td background=\"photo.jpg\">x</td>"
       "<td>y</td></tr></table>",
       {"<table border=0 cellpadding=1 cellspacing=2 background=\"moxa_img",
        "<td background=\"moxa_img", "<td><div>y</div>"},
       {}},
      {"a picture that is no readable file keeps its address",
       "<p><img src=\"http://example.com/pic.png\" width=10 height=10> "
       "<a href=\"a.html\"><img src=\"missing.png\" alt=\"gone\"></a></p>",
       {"<img border=0 width=10 height=10 src=\"http://example.com/pic.png\">",
        "pic.png\">&nbsp;<a href=\"a.html\"><img border=0 alt=\"gone\" src=\"missing.png\"></a>"},
       {"moxa_img"}},
      {"the spaces between pictures stay",
       "<p><img src=\"photo.jpg\"> <img src=\"missing.png\"> x</p>",
       {"\">&nbsp;<img border=0 src=\"missing.png\">&nbsp;x</div>"}, {}},
      {"the white space of the markup opens no paragraph",
       "<div>\r\n  text</div>\r\n<ul>\r\n<li>\r\n one</li>\r\n</ul>\r\n"
       "<p>\r\n<a name=\"n\"></a>\r\n x</p>",
       {"<div>text</div>", "<li>one", "<a name=\"n\"></a>x"}, {}},
  };
  for (const MendCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QByteArray first = Edit(c.input);
    for (const QByteArray& kept : c.kept) EXPECT_TRUE(first.contains(kept)) << first.data();
    for (const QByteArray& lost : c.lost) EXPECT_FALSE(first.contains(lost)) << first.data();
    EXPECT_EQ(Edit(first), first);
  }
}

// Markup that the cases below combine; each must survive every edit.
struct DriftCase {
  const char* name;
  QByteArray input;
  std::vector<QByteArray> survives;  // in the markup of every edit
};

// The addresses the links hold. A link whose text has parts in other
// styles is written as one a element per part, and read back as as many
// links of that address, so only the addresses are compared.
std::set<QString> Addresses(const TEditorLinks& links) {
  std::set<QString> urls;
  for (const TEditorHyperLink& link : links.Links) urls.insert(link.Url);
  return urls;
}

TEST_F(HtmlDriftTest, FiveEditsChangeNothingAfterTheFirst) {
  const DriftCase cases[] = {
      {"anchors and the links to them",
       "<p><a name=\"menu\"></a>Menu</p><p>see <a name=\"x\"></a>here</p>"
       "<p>a\r\n<a name=\"RtCheckpoint4\"></a>\r\n</p><p><a href=\"#menu\">up</a> "
       "<a href=\"#x\">x</a></p>",
       {"name=\"menu\"", "name=\"x\"", "name=\"RtCheckpoint4\"", "href=\"#menu\"",
        "href=\"#x\"", "Menu", "see", "here"}},
      {"lists with line breaks, formatting and nesting",
       "<ul>\r\n  <li>one</li>\r\n  <li>two<br>line two<br><br>after a gap</li>\r\n"
       "  <li><b>bold</b> and <i>italic</i>\r\n    <ol start=3><li>three</li><li>four<ul>"
       "<li>deep</li></ul></li></ol></li>\r\n</ul>\r\n<p>after</p>",
       {"one", "line two", "after a gap", "<b>bold</b>", "<li value=3>three", "deep", "after"}},
      {"links side by side and around pictures",
       "<p><a href=\"a.html\">first</a> <a href=\"http://example.com/?a=1&amp;b=2\">second</a>"
       " <a href=\"mailto:me@example.com\" target=\"_blank\"><img src=\"photo.jpg\"></a></p>"
       "<p>link <a href=\"c.html\">with <b>bold</b> part</a>.</p>",
       {"href=\"a.html\"", "first", "second", "mailto:me@example.com", "<img", "with", "part"}},
      {"tables", "<table border=1 width=\"80%\" background=\"photo.jpg\"><tr><th>head</th>"
       "<td bgcolor=\"#ff0000\" background=\"photo.jpg\">cell <a href=\"d.html\">link</a></td></tr>"
       "<tr><td colspan=2><ul><li>in a cell</li></ul><table><tr><td>inner</td></tr></table>"
       "</td></tr></table><p>after</p>",
       {"head", "cell", "href=\"d.html\"", "in a cell", "inner", "background=\"moxa_img"}},
      {"pictures that are and are not files",
       "<p><img src=\"photo.jpg\" alt=\"a photo\"> <img src=\"http://example.com/x.png\" "
       "width=30> <img src=\"missing.gif\"></p><p align=center><img src=\"photo.jpg\"></p>",
       {"alt=\"a photo\"", "src=\"http://example.com/x.png\"", "src=\"missing.gif\"",
        "src=\"moxa_img"}},
      {"white space",
       "<div>&nbsp;&nbsp; lead</div><div>two  spaces &nbsp; and&nbsp;&nbsp;more</div>"
       "<p>\r\n  plain\r\n  lines\r\n</p><p>trail&nbsp;</p><pre>  code\r\n    more</pre>"
       "<p>a<br>\r\nb</p><h2>title</h2><hr>",
       {"lead", "spaces", "more", "plain lines", "trail", "code", "title", "<hr"}},
      {"text that needs escaping", "<p>a &lt;b&gt; &amp; \"c\" &#233;t&#233;</p>",
       {"&lt;b&gt;", "&amp;", "&#233;t&#233;"}},
  };
  for (const DriftCase& c : cases) {
    SCOPED_TRACE(c.name);
    UseFolder(QString::fromUtf8(c.name));
    TEditorLinks firstLinks;
    const QByteArray first = Edit(c.input, &firstLinks);
    const QStringList files = Files();
    QByteArray markup = first;
    for (int edit = 2; edit <= 5; ++edit) {
      SCOPED_TRACE(edit);
      TEditorLinks links;
      markup = Edit(markup, &links);
      EXPECT_EQ(markup, first);
      EXPECT_EQ(Addresses(links), Addresses(firstLinks));
      EXPECT_EQ(Files(), files);  // no new picture file
    }
    for (const QByteArray& part : c.survives) EXPECT_TRUE(markup.contains(part)) << part.data();
  }
}

}  // namespace
}  // namespace moxa::rt
