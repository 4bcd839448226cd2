// Character references through the editor's cycle, import, export, import,
// export: the characters they stand for reach the document, come back from
// the exported markup, and the second export writes the first one's bytes.
#include "HtmlImportSupport.h"
#include "richtext/HtmlExporter.h"
#include "richtext/LinkTableExport.h"

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

using test::Imported;
using test::ImportHtml;

// What the editor puts between the region's markers.
QByteArray ExportedBody(const Imported& imported) {
  TRtSaveHTMLParams params;
  params.ImagesPrefix = QStringLiteral("moxa_img");
  params.Options = rtsoOverrideImages | rtsoNoHypertextImageBorders;
  params.OnWriteHyperlink = MakeWriteHyperlinkHandler(imported.Links);
  const auto namer = [](const TRtHtmlPicture&) -> std::optional<QString> {
    return QStringLiteral("moxa_img1.jpg");
  };
  const std::optional<QByteArray> html =
      WriteHtml(imported.Document, imported.Style, params, namer);
  if (!html) return {};
  const qsizetype start = html->indexOf('>', html->indexOf("<body")) + 1;
  return html->mid(start, html->indexOf("</body>") - start);
}

// The document's text items joined, paragraph breaks aside.
std::string TextOf(const Imported& imported) {
  QString text;
  for (const TRtItem& item : imported.Document.Data.Items) {
    if (item.IsText()) text += item.Text;
  }
  return text.toStdString();
}

TEST(HtmlReferenceRoundTripTest, CharactersSurviveRepeatedEdits) {
  const struct {
    const char* html;
    const char* text;    // the document's text, UTF-8
    const char* marked;  // what the export writes for it, in part
  } cases[] = {
      {"<p>&#128512; &#x1F600; &#X1F600;</p>",
       "\xF0\x9F\x98\x80 \xF0\x9F\x98\x80 \xF0\x9F\x98\x80", "&#128512; &#128512;"},
      {"<p>&#x2014;&#8212;&mdash;</p>", "\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94",
       "&#8212;&#8212;&#8212;"},
      {"<p>&euro;5 &rsquo;&ldquo;&rdquo;&hellip;</p>",
       "\xE2\x82\xAC" "5 \xE2\x80\x99\xE2\x80\x9C\xE2\x80\x9D\xE2\x80\xA6", "&#8364;5 &#8217;"},
      {"<p>&Afr;&nGt;</p>", "\xF0\x9D\x94\x84\xE2\x89\xAB\xE2\x83\x92", "&#120068;&#8811;&#8402;"},
      {"<p>&copy 2024 &amp more</p>", "\xC2\xA9 2024 & more", "&#169; 2024 &amp; more"},
      {"<p>&#0;&#xD800;&#1114112;</p>", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", "&#65533;"},
      {"<p>&#150; &#x80;</p>", "\xE2\x80\x93 \xE2\x82\xAC", "&#8211; &#8364;"},
      {"<p>AT&T rocks</p>", "AT&T rocks", "AT&amp;T rocks"},
      {"<p>Q&A &bogus; R&D; &#; &</p>", "Q&A &bogus; R&D; &#; &",
       "Q&amp;A &amp;bogus; R&amp;D; &amp;#; &amp;"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.html);
    const Imported first = ImportHtml(c.html);
    EXPECT_EQ(TextOf(first), c.text);
    const QByteArray exported = ExportedBody(first);
    EXPECT_TRUE(exported.contains(c.marked)) << exported.toStdString();

    const Imported second = ImportHtml(exported);
    EXPECT_EQ(TextOf(second), c.text);
    EXPECT_EQ(ExportedBody(second), exported);
  }
}

}  // namespace
}  // namespace moxa::rt
