// The markup of the HTML export, as exact bytes.
#include "richtext/HtmlExporter.h"

#include "richtext/LinkTableExport.h"
#include "richtext/RtTable.h"
#include "support/TestSupport.h"
#include "RtBuilders.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace moxa::rt {
namespace {

using test::Items;
using test::TestImage;

// Text styles, paragraph styles and list styles as the editor's find-or-add
// makes them: copies of style 0 with the properties a command is about.
enum Text {
  kNormal,
  kBold,
  kLink,
  kMarked,      // a background colour
  kBigRedArial,
  kSameFace,    // the base face in other letter case
  kLowered,     // vertical shift below the line
  kCode,        // HTML code
  kBytes,       // 8-bit text
  kItalicUp,    // italic superscript
};
enum Para { kLeft, kCentred, kIndented, kRight, kJustified };
enum List { kNumbers, kBullets, kLetters, kQuote };

TFontInfo& AddText(TRtStyle& style) {
  TFontInfo& font = style.TextStyles.Add();
  font = style.TextStyles[0];
  font.Standard = false;
  return font;
}

TParaInfo& AddPara(TRtStyle& style, TRtAlignment alignment) {
  TParaInfo& para = style.ParaStyles.Add();
  para.Alignment = alignment;
  para.Standard = false;
  return para;
}

void AddList(TRtStyle& style, std::initializer_list<TRtListType> types) {
  TRtListInfo& list = style.ListStyles.Add();
  for (const TRtListType type : types) list.Levels.emplace_back().ListType = type;
}

TRtStyle EditorStyle() {
  TRtStyle style;
  AddText(style).Style = fsBold;
  TFontInfo& link = AddText(style);
  link.Color = RtRgb(0, 0, 255);
  link.Style = fsUnderline;
  link.Jump = true;
  AddText(style).BackColor = RtRgb(255, 255, 0);
  TFontInfo& big = AddText(style);
  big.FontName = QStringLiteral("Arial");
  big.Size = 18;
  big.Color = RtRgb(255, 0, 0);
  AddText(style).FontName = QStringLiteral("times new ROMAN");
  AddText(style).VShift = -25;
  AddText(style).HTMLCode = true;
  AddText(style).Unicode = false;
  TFontInfo& up = AddText(style);
  up.Style = fsItalic;
  up.SubSuperScriptType = rtsssSuperScript;

  AddPara(style, rtaCenter);
  TParaInfo& indented = AddPara(style, rtaLeft);
  indented.LeftIndent = 48;
  indented.Background.Color = RtRgb(200, 200, 255);
  AddPara(style, rtaRight);
  AddPara(style, rtaJustify);

  AddList(style, {rtlstBullet, rtlstBullet});
  AddList(style, {rtlstLowerAlpha});
  AddList(style, {rtlstBullet});
  style.ListStyles[kQuote].Levels[0].FormatString.clear();  // as the reader makes a blockquote
  return style;
}

// Tag 1: about-us.html in a new window; tag 2: an entry without address.
TEditorLinks TestLinks() {
  TEditorLinks links;
  links.Add({QStringLiteral("about-us.html"), 0, 0, true, elkPage, rtclNone, false});
  links.Add({});
  return links;
}

const QByteArray kHead =
    "<html><head><title>\r\n"
    "\r\n"
    "</title>\r\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
    "</head>\r\n";
const QByteArray kBody = "<body bgcolor=\"#ffffff\" leftmargin=5 topmargin=5 rightmargin=5 "
                         "bottommargin=5>\r\n";
const QByteArray kBaseFont = "<font size=3 color=\"#000000\" face=\"Times New Roman\">\r\n";
const QByteArray kEnd = "</font>\r\n</body></html>\r\n";

struct Exported {
  bool ok = false;
  QByteArray html;
  QStringList files;  // the folder's files afterwards
};

Exported Export(const TRtDocument& document, const TRtStyle& style,
                TRtWriteHyperlinkEvent handler = {}) {
  QTemporaryDir dir;
  TRtSaveHTMLParams params;
  params.ImagesPrefix = QStringLiteral("moxa_img");
  params.Options = rtsoOverrideImages | rtsoNoHypertextImageBorders;
  params.OnWriteHyperlink = std::move(handler);
  Exported result;
  result.ok = SaveHTML(dir.filePath(QStringLiteral("out.html")), document, style, params);
  if (result.ok) result.html = moxa::test::ReadBytes(dir.filePath(QStringLiteral("out.html")));
  result.files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
  return result;
}

// What lies between the base font's line and its closing line.
QByteArray Content(const QByteArray& html) {
  const QByteArray start = kHead + kBody + kBaseFont;
  if (!html.startsWith(start) || !html.endsWith(kEnd)) return "unexpected frame: " + html;
  return html.mid(start.size(), html.size() - start.size() - kEnd.size());
}

TEST(HtmlExportTest, HelloInALeftParagraphIsTheWholeFile) {
  const Exported out = Export(Items().P().T("Hello").Doc(), TRtStyle());
  ASSERT_TRUE(out.ok);
  EXPECT_EQ(out.html,
            "<html><head><title>\r\n"
            "\r\n"
            "</title>\r\n"
            "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
            "</head>\r\n"
            "<body bgcolor=\"#ffffff\" leftmargin=5 topmargin=5 rightmargin=5 bottommargin=5>\r\n"
            "<font size=3 color=\"#000000\" face=\"Times New Roman\">\r\n"
            "<div>Hello</div>\r\n"
            "</font>\r\n"
            "</body></html>\r\n");
  EXPECT_EQ(out.files, QStringList{QStringLiteral("out.html")});
}

struct MarkupCase {
  const char* name;
  TRtDocument document;
  QByteArray content;
};

TRtTable MergedTable() {
  TRtTable table(2, 2);
  table.Cell(0, 0)->Data = Items().P().T("1");
  table.Cell(0, 1)->Data = Items().P(kRight).T("2");
  table.Cell(0, 1)->VAlign = rtcTop;
  table.Cell(1, 0)->Data = Items().P().T("3", kLink, 1);
  table.Cell(1, 0)->Color = RtRgb(238, 238, 238);
  table.MergeCells(1, 0, 2, 1);
  table.BestWidth = -100;
  table.CellPadding = 6;
  table.CellHSpacing = 0;
  return table;
}

std::vector<MarkupCase> MarkupCases() {
  auto newLine = [](TRtItem& item) { item.NewLine = true; };
  auto counted = [](TRtItem& item) { item.Marker.UseStartFrom = false; };
  return {
      {"bold word in a centred paragraph", Items().P(kCentred).T("bold", kBold).Doc(),
       "<div align=center><b>bold</b></div>\r\n"},
      {"new-window link in the link style", Items().P().T("About us", kLink, 1).Doc(),
       "<div><a href=\"about-us.html\" target=_blank><font color=\"#0000ff\"><u>About us</u>"
       "</font></a></div>\r\n"},
      {"link whose entry has no address", Items().P().T("x", kLink, 2).Doc(),
       "<div><a><font color=\"#0000ff\"><u>x</u></font></a></div>\r\n"},
      {"link without a link number", Items().P().T("x", kLink, 0).Doc(),
       "<div><a><font color=\"#0000ff\"><u>x</u></font></a></div>\r\n"},
      {"numbered list of two items, then a paragraph",
       Items().P().Marker(kNumbers, 0, 1).T("one").Marker(kNumbers, 0, 2).T("two").P().T("after")
           .Doc(),
       "<ol>\r\n<li value=1>one</li>\r\n<li value=2>two</li>\r\n</ol>\r\n<div>after</div>\r\n"},
      {"two spaces, e acute and a less-than sign", Items().P().T("a  b \xC3\xA9 <").Doc(),
       "<div>a &nbsp;b &#233; &lt;</div>\r\n"},
      {"indentation and text background are not written",
       Items().P(kIndented).T("in").T("marked", kMarked).Doc(), "<div>inmarked</div>\r\n"},
      {"empty paragraph", Items().P().T("a").P().T("").P().T("b").Doc(),
       "<div>a</div>\r\n<div><br>\r\n</div>\r\n<div>b</div>\r\n"},
      {"character outside the basic plane is one reference",
       Items().P().T("\xF0\x9F\x98\x80!").Doc(), "<div>&#128512;!</div>\r\n"},
      {"spaces at the edges and in runs, no-break space, markup characters",
       Items().P().T(" a   b\xC2\xA0&>c ").Doc(),
       "<div>&nbsp;a &nbsp; b&nbsp;&amp;&gt;c&nbsp;</div>\r\n"},
      {"size, colour and face that differ", Items().P().T("big", kBigRedArial).Doc(),
       "<div><font size=5 color=\"#ff0000\" face=\"Arial\">big</font></div>\r\n"},
      {"face compared without case", Items().P().T("same", kSameFace).Doc(),
       "<div>same</div>\r\n"},
      {"vertical shift below the line", Items().P().T("2", kLowered).Doc(),
       "<div><sub>2</sub></div>\r\n"},
      {"italic superscript", Items().P().T("x", kItalicUp).Doc(),
       "<div><i><sup>x</sup></i></div>\r\n"},
      {"HTML code passes markup through", Items().P().T("<b>  x</b> \xC3\xA9", kCode).Doc(),
       "<div><b>  x</b> &#233;</div>\r\n"},
      {"8-bit text", Items().P().T("a   b<\xC3\xA9", kBytes).Doc(),
       "<div>a&nbsp;  b&lt;&#233;</div>\r\n"},
      {"right and justified paragraphs", Items().P(kRight).T("r").P(kJustified).T("j").Doc(),
       "<div align=right>r</div>\r\n<div align=justify>j</div>\r\n"},
      {"line break inside a paragraph", Items().P().T("a").T("b").With(newLine).Doc(),
       "<div>a<br>\r\nb</div>\r\n"},
      {"nested bullets", Items().P().Marker(kBullets, 0).T("a").Marker(kBullets, 1).T("b")
           .Marker(kBullets, 0).T("c").Doc(),
       "<ul>\r\n<li>a</li>\r\n<ul>\r\n<li>b</li>\r\n</ul>\r\n<li>c</li>\r\n</ul>\r\n"},
      {"another list style closes the open list",
       Items().P().Marker(kBullets, 0).T("a").Marker(kLetters, 0, 1).T("b").Doc(),
       "<ul>\r\n<li>a</li>\r\n</ul><ol type=\"a\">\r\n<li value=1>b</li>\r\n</ol>\r\n"},
      {"markers without start numbers count on", Items().P().Marker(kNumbers, 0, 5).T("a")
           .Marker(kNumbers, 0).With(counted).T("b").Marker(kNumbers, 1).With(counted).T("c")
           .Marker(kNumbers, 0).With(counted).T("d").Doc(),
       "<ol>\r\n<li value=5>a</li>\r\n<li value=6>b</li>\r\n<ol>\r\n<li value=1>c</li>\r\n"
       "</ol>\r\n<li value=7>d</li>\r\n</ol>\r\n"},
      {"quotation", Items().P().T("before").P().Marker(kQuote, 0).T("quoted").P(kCentred)
           .Marker(kQuote, 0).T("centred").P().T("after").Doc(),
       "<div>before</div>\r\n<blockquote>\r\n<div>quoted</div>\r\n<div align=center>centred</div>"
       "\r\n</blockquote>\r\n<div>after</div>\r\n"},
      {"named anchors keep their names; one without a name is numbered",
       Items().P().T("x").Check("top").Check("").Doc(),
       "<div>x<a name=\"top\"></a><a name=\"RtCheckpoint1\"></a></div>\r\n"},
      {"horizontal lines", Items().P().T("a").Line(2).Line().With([](TRtItem& item) {
         item.Rule.Color = RtRgb(1, 2, 3);
       }).P().T("b").Doc(),
       "<div>a</div>\r\n<hr noshade size=2>\r\n<hr noshade size=1 color=\"#010203\">\r\n"
       "<div>b</div>\r\n"},
      {"table with a merged row", Items().P().Table(MergedTable()).P().T("after").Doc(),
       "<div><table width=\"100%\" border=0 cellpadding=6 cellspacing=0>\r\n"
       "<tr>\r\n<td><div>1</div>\r\n</td>\r\n<td valign=top><div align=right>2</div>\r\n"
       "</td>\r\n</tr>\r\n<tr>\r\n<td colspan=2 bgcolor=\"#eeeeee\"><div><a href=\"about-us.html\""
       " target=_blank><font color=\"#0000ff\"><u>3</u></font></a></div>\r\n</td>\r\n</tr>\r\n"
       "</table>\r\n</div>\r\n<div>after</div>\r\n"},
      {"empty cell", Items().P().Table(TRtTable(1, 1)).Doc(),
       "<div><table border=0 cellpadding=1 cellspacing=2>\r\n<tr>\r\n<td><br>\r\n</td>\r\n"
       "</tr>\r\n</table>\r\n</div>\r\n"},
  };
}

TEST(HtmlExportTest, MarkupOfEachItemKind) {
  const TRtStyle style = EditorStyle();
  const TEditorLinks links = TestLinks();
  for (const MarkupCase& c : MarkupCases()) {
    const Exported out = Export(c.document, style, MakeWriteHyperlinkHandler(links));
    ASSERT_TRUE(out.ok) << c.name;
    EXPECT_EQ(Content(out.html), c.content) << c.name;
  }
}

TEST(HtmlExportTest, BaseStyleFlagsWrapTheBodyAndAreUndoneAroundPlainerText) {
  TRtStyle style = EditorStyle();
  TFontInfo& base = style.TextStyles[0];
  base.Style = fsBold | fsUnderline;
  base.SubSuperScriptType = rtsssSubscript;
  base.Color = RtRgb(0x12, 0x34, 0x56);
  style.TextStyles[kItalicUp].Color = base.Color;
  style.Color = rtclNone;
  TRtDocument document = Items().P().T("a").T("b", kItalicUp).Doc();
  document.LeftMargin = 0;
  document.BottomMargin = 12;
  const Exported out = Export(document, style);
  ASSERT_TRUE(out.ok);
  EXPECT_EQ(out.html,
            kHead +
                "<body leftmargin=0 topmargin=5 rightmargin=5 bottommargin=12>\r\n"
                "<font size=3 color=\"#123456\" face=\"Times New Roman\">\r\n"
                "<b><u><sub><div>a</u></b><i><sup>b</sup></i><b><u></div>\r\n"
                "</sub></u></b></font>\r\n"
                "</body></html>\r\n");
}

TEST(HtmlExportTest, HandlerIsRaisedOncePerHyperlinkInDocumentOrder) {
  const TRtStyle style = EditorStyle();
  TRtTable table(1, 1);
  table.Cell(0, 0)->Data = Items().P().T("in cell", kLink, 7);
  const TRtDocument document = Items()
                                   .P()
                                   .T("first", kLink, 5)
                                   .T(" plain ")
                                   .Hot(TestImage(1), 6)
                                   .P()
                                   .Table(table)
                                   .P()
                                   .T("last", kLink, 8)
                                   .Doc();
  std::vector<std::pair<int, std::int32_t>> seen;  // id, tag
  auto handler = [&seen](int id, const TCustomRtData& data, int itemNo, QString& target,
                         QString& extras) {
    EXPECT_TRUE(target.isEmpty() && extras.isEmpty());
    seen.emplace_back(id, data.GetItemTag(itemNo));
    target = QStringLiteral("t%1.html").arg(id);
  };
  const Exported out = Export(document, style, handler);
  ASSERT_TRUE(out.ok);
  const std::vector<std::pair<int, std::int32_t>> expected = {{0, 5}, {1, 6}, {2, 7}, {3, 8}};
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(out.html.contains("<a href=\"t1.html\"><img border=0 src=\"moxa_img1.jpg\"></a>"));
  EXPECT_TRUE(out.html.contains("<a href=\"t3.html\"><font"));

  seen.clear();
  ASSERT_TRUE(Export(Items().P().T("no links").Doc(), style, handler).ok);
  EXPECT_TRUE(seen.empty());
}

TEST(HtmlExportTest, AddressesAndAttributesStayAscii) {
  const TRtStyle style = EditorStyle();
  auto pictureProperties = [](TRtItem& item) {
    item.VAlign = rtvaAbsMiddle;
    item.SetExtraIntProperty(rteipImageWidth, 100);
    item.SetExtraIntProperty(rteipImageHeight, 25);
    item.SetExtraIntProperty(rteipSpacing, 3);
    // As the reader stores it: references as written.
    item.SetExtraStrProperty(rtespAltText, QString::fromUtf8("Caf&eacute; \"\xC3\xA9\""));
  };
  const TRtDocument document =
      Items().P().T("x", kLink, 1).Pic(TestImage(2)).With(pictureProperties).Doc();
  auto handler = [](int, const TCustomRtData&, int, QString& target, QString& extras) {
    target = QString::fromUtf8("caf\xC3\xA9.html?a=1&b=\"2\"");
    extras = QString::fromUtf8("title=\"\xE2\x82\xAC\"");
  };
  const Exported out = Export(document, style, handler);
  ASSERT_TRUE(out.ok);
  EXPECT_EQ(Content(out.html),
            "<div><a href=\"caf&#233;.html?a=1&b=&quot;2&quot;\" title=\"&#8364;\"><font "
            "color=\"#0000ff\"><u>x</u></font></a><img align=absmiddle border=0 width=100 "
            "height=25 alt=\"Caf&eacute; &quot;&#233;&quot;\" hspace=3 vspace=3 "
            "src=\"moxa_img1.jpg\"></div>\r\n");
  for (const char byte : out.html) EXPECT_LT(static_cast<unsigned char>(byte), 128);
}

TEST(HtmlExportTest, HotPicturesHaveNoBorderAttributeWithoutTheOption) {
  const TRtDocument document = Items().P().Hot(TestImage(1)).Pic(TestImage(2)).Doc();
  QTemporaryDir dir;
  TRtSaveHTMLParams params;
  params.ImagesPrefix = QStringLiteral("p");
  const QString file = dir.filePath(QStringLiteral("x.html"));
  ASSERT_TRUE(SaveHTML(file, document, EditorStyle(), params));
  EXPECT_EQ(Content(moxa::test::ReadBytes(file)),
            "<div><a><img src=\"p1.jpg\"></a><img border=0 src=\"p2.jpg\"></div>\r\n");
}

TEST(HtmlExportTest, HandlerThatThrowsFailsTheExportAndWritesNothing) {
  const TRtDocument document = Items().P().Pic(TestImage(1)).T("x", kLink, 1).Doc();
  auto handler = [](int, const TCustomRtData&, int, QString&, QString&) {
    throw std::runtime_error("no such link");
  };
  const Exported out = Export(document, EditorStyle(), handler);
  EXPECT_FALSE(out.ok);
  EXPECT_TRUE(out.files.isEmpty()) << out.files.join(' ').toStdString();
}

TEST(HtmlExportTest, InconsistentDocumentIsRefused) {
  const Exported out = Export(Items().P().T("x", 99).Doc(), EditorStyle());
  EXPECT_FALSE(out.ok);
  EXPECT_TRUE(out.files.isEmpty());
}

}  // namespace
}  // namespace moxa::rt
