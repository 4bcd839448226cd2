// The clipboard: what a copy offers, and every paste going through the
// engine's own readers so that only engine content arrives.
#include "EditorSupport.h"
#include "richtext/HtmlExporter.h"
#include "richtext/RtBuilders.h"

#include <QImage>
#include <QMimeData>

#include <memory>

namespace moxa::editor {
namespace {

using rt::test::Items;
using rt::test::TestImage;

class ClipboardTest : public test::EditorTest {
 protected:
  // The document's own HTML, as the export writes it.
  QString ExportedHtml() const {
    const auto html = rt::WriteHtml(editor.Document(), style, {}, [](const rt::TRtHtmlPicture&) {
      return std::optional<QString>(QStringLiteral("p.jpg"));
    });
    return html ? QString::fromLatin1(*html) : QString();
  }
  void Paste(const QMimeData& mime) {
    ASSERT_TRUE(editor.CanInsertFromMimeData(mime));
    editor.InsertFromMimeData(mime);
  }
};

TEST_F(ClipboardTest, OfficeHtmlArrivesAsEngineContent) {
  Load(Items().P().T("start "));
  PlaceCaret(0, 7);
  const rt::TFontInfo normalBefore = style.TextStyles[0];
  QMimeData mime;
  mime.setHtml(QStringLiteral(
      "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\"><head><style>"
      "body { font-size: 30pt; color: red } p.MsoNormal { margin: 0cm }</style></head>"
      "<body><!--StartFragment--><p class=MsoNormal style='margin:0cm;font-family:\"Calibri\"'>"
      "<span style='font-size:12.0pt;mso-bidi-font-family:Arial'>Hello <b>bold</b>"
      "<o:p></o:p></span></p><p class=MsoNormal><span lang=EN-GB>second</span></p>"
      "<!--EndFragment--></body></html>"));
  Paste(mime);

  const rt::TCustomRtData items = Model();
  QStringList texts;
  for (const rt::TRtItem& item : items.Items) texts << item.Text;
  EXPECT_EQ(texts.join(u'|'), QStringLiteral("start |Hello |bold|second"));
  EXPECT_TRUE(style.TextStyles[items.GetItem(2).StyleNo].Has(rt::fsBold));
  EXPECT_TRUE(items.GetItem(3).ParaStart);
  EXPECT_TRUE(rt::IsConsistent(editor.Document(), style));
  // The pasted style sheet changed no style the document had.
  EXPECT_TRUE(style.TextStyles[0] == normalBefore);
  const QString html = ExportedHtml();
  for (const char* foreign : {"Mso", "style=", "o:p", "span", "lang=", "Calibri", "class="}) {
    EXPECT_FALSE(html.contains(QLatin1String(foreign), Qt::CaseInsensitive)) << foreign;
  }
  // One paste, one undo step.
  editor.Undo();
  EXPECT_EQ(rt::DumpItems(Model()), rt::DumpItems(Items().P().T("start ")));
}

TEST_F(ClipboardTest, PicturesOfPastedHtmlAreNeverLookedForOnDisk) {
  Load(Items().P().T(""));
  QMimeData mime;
  mime.setHtml(QStringLiteral("<img src=\"file:///etc/hostname\"><img src=\"../secret.png\">"));
  Paste(mime);
  const rt::TCustomRtData items = Model();
  ASSERT_EQ(items.LineCount(), 2);
  for (const rt::TRtItem& item : items.Items) {
    EXPECT_TRUE(*item.Picture == rt::TRtPicture::InvalidPicture());
  }
}

TEST_F(ClipboardTest, PlainTextIsTypedInTheCurrentStyle) {
  Load(Items().P().T("ab", test::kBoldStyle));
  PlaceCaret(0, 2);
  QMimeData mime;
  mime.setText(QStringLiteral("one\r\ntwo"));
  Paste(mime);
  const rt::TCustomRtData items = Model();
  ASSERT_EQ(items.LineCount(), 2);
  EXPECT_EQ(items.GetItem(0).Text, QStringLiteral("aone"));
  EXPECT_EQ(items.GetItem(1).Text, QStringLiteral("twob"));
  EXPECT_TRUE(items.GetItem(1).ParaStart);
  EXPECT_EQ(items.GetItem(1).StyleNo, test::kBoldStyle);
}

TEST_F(ClipboardTest, AnImageIsInsertedAsAPicture) {
  Load(Items().P().T("x"));
  PlaceCaret(0, 2);
  QMimeData mime;
  QImage image(5, 4, QImage::Format_RGB32);
  image.fill(Qt::green);
  mime.setImageData(image);
  Paste(mime);
  ASSERT_EQ(editor.LineCount(), 2);
  EXPECT_EQ(editor.GetItemStyle(1), rt::rtikPicture);
  EXPECT_EQ(Model().GetItem(1).Picture->Decoded().size(), QSize(5, 4));
}

TEST_F(ClipboardTest, CopyOffersTextHtmlAndTheEnginesFormat) {
  Load(Items()
           .P()
           .T("Hello ")
           .T("link", test::kLinkStyle, 5)
           .Pic(TestImage(4), "", 6)
           .P()
           .T("next"));
  EXPECT_EQ(editor.CreateMimeData(), nullptr);  // nothing selected
  Select(0, 3, 3, 3);
  const std::unique_ptr<QMimeData> mime(editor.CreateMimeData());
  ASSERT_TRUE(mime);
  EXPECT_EQ(mime->text(), QStringLiteral("llo link\nne"));
  EXPECT_TRUE(mime->hasFormat(QString::fromLatin1(kRtdMimeType)));
  ASSERT_TRUE(mime->hasHtml());
  EXPECT_TRUE(mime->html().contains(QStringLiteral("src=\"data:image/png;base64,")));
  EXPECT_FALSE(mime->html().contains(QStringLiteral("file:")));

  // Pasted into another editor over the same sheet: the same items, tags included.
  rt::TRtStyle otherStyle = test::TestStyles();
  RtEditor other(otherStyle);
  other.InsertFromMimeData(*mime);
  const rt::TCustomRtData pasted = other.Document().Data;
  ASSERT_EQ(pasted.LineCount(), 4);
  EXPECT_EQ(pasted.GetItem(0).Text, QStringLiteral("llo "));
  EXPECT_EQ(pasted.GetItem(1).Tag, 5);
  EXPECT_EQ(pasted.GetItem(1).StyleNo, test::kLinkStyle);
  EXPECT_TRUE(*pasted.GetItem(2).Picture == TestImage(4));
  EXPECT_EQ(pasted.GetItem(3).Text, QStringLiteral("ne"));

  // The HTML alone brings the picture back from its data: URL.
  QMimeData htmlOnly;
  htmlOnly.setHtml(mime->html());
  RtEditor third(otherStyle);
  third.InsertFromMimeData(htmlOnly);
  bool picture = false;
  for (const rt::TRtItem& item : third.Document().Data.Items) {
    if (item.IsPicture()) picture = item.Picture->Decoded() == TestImage(4).Decoded();
  }
  EXPECT_TRUE(picture);
}

TEST_F(ClipboardTest, ASelectedPictureIsAlsoOfferedAsAnImage) {
  Load(Items().P().T("a").Pic(TestImage(5), "", 1).T("b"));
  Select(1, 0, 1, 1);
  const std::unique_ptr<QMimeData> mime(editor.CreateMimeData());
  ASSERT_TRUE(mime);
  EXPECT_TRUE(mime->hasImage());
  EXPECT_EQ(qvariant_cast<QImage>(mime->imageData()).size(), QSize(3, 2));
}

TEST_F(ClipboardTest, StylesOfThePasteAreFoundOrAdded) {
  Load(Items().P().T(""));
  QMimeData mime;
  mime.setHtml(QStringLiteral("<b>x</b><i>y</i><b>z</b>"));
  const int before = style.TextStyles.Count();
  Paste(mime);
  const rt::TCustomRtData items = Model();
  EXPECT_EQ(items.GetItem(0).StyleNo, test::kBoldStyle);  // the existing bold style
  EXPECT_EQ(items.GetItem(2).StyleNo, test::kBoldStyle);
  EXPECT_EQ(style.TextStyles.Count(), before + 1);  // italic is new
  EXPECT_FALSE(style.TextStyles[items.GetItem(1).StyleNo].Standard);
}

TEST_F(ClipboardTest, PastedTablesStayWithinTheNestingLimit) {
  // As deep as the model allows at the top; pasted into a cell, one level too deep.
  rt::TCustomRtData deep = Items().P().T("deepest");
  for (int level = 0; level < rt::kMaxTableNesting; ++level) {
    rt::TRtTable table(1, 1);
    table.Cell(0, 0)->Data = deep;
    deep = Items().P().Table(table);
  }
  rt::TRtTable outer(1, 1);
  outer.Cell(0, 0)->Data = Items().P().T("cell");
  Load(Items().P().Table(outer));
  QTextCursor inCell(editor.TextDocument());
  inCell.setPosition(2);
  editor.SetCursor(inCell);
  ASSERT_TRUE(editor.TopLevelEditor().Container().Table);
  editor.InsertDocument(deep);
  const rt::TRtDocument document = editor.Document();
  EXPECT_TRUE(rt::IsConsistent(document, style));
  bool kept = false;
  rt::ForEachData(document.Data, [&](const rt::TCustomRtData& data) {
    for (const rt::TRtItem& item : data.Items)
      kept = kept || item.Text == QStringLiteral("deepest");
  });
  EXPECT_TRUE(kept);
}

}  // namespace
}  // namespace moxa::editor
