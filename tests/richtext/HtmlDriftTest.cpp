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
    QFile picture(work_.filePath(QStringLiteral("photo.jpg")));
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
    importer.BasePath = work_.path() + QDir::separator();
    importer.OnReadHyperlink = MakeReadHyperlinkHook(links);
    importer.LoadHtml(region);
    const QString rtd = work_.filePath(QStringLiteral("temptext_.rtd"));
    TRtDocument edited;
    EXPECT_TRUE(SaveRtd(rtd, imported, style) && LoadRtd(rtd, edited, style));
    TRtSaveHTMLParams params;
    params.ImagesPrefix = QStringLiteral("moxa_img");
    params.Options = rtsoOverrideImages | rtsoNoHypertextImageBorders;
    params.OnWriteHyperlink = MakeWriteHyperlinkHandler(links);
    const QString file = work_.filePath(QStringLiteral("temptext_.html"));
    EXPECT_TRUE(SaveHTML(file, edited, style, params));
    if (importedLinks) *importedLinks = links;
    return BodyContent(ReadBytes(file));
  }

  QStringList Files() const { return QDir(work_.path()).entryList(QDir::Files); }

  QTemporaryDir work_;
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
      {"the white space of the markup opens no paragraph",
       "<div>\r\n  text</div>\r\n<ul>\r\n<li>\r\n one</li>\r\n</ul>\r\n<p>\r\n<a name=\"n\"></a>\r\n x</p>",
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

}  // namespace
}  // namespace moxa::rt
