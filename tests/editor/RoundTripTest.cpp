// The editor's view holds everything the model holds: a document loaded
// into it and read back is the same document, for every region of every
// shipped template, every input of the importer's tests and fuzz corpus,
// and a document made of every kind of item and odd corner.
#include "EditorSupport.h"
#include "pages/Regions.h"
#include "richtext/HtmlImportCases.h"
#include "richtext/HtmlImportSupport.h"
#include "richtext/RtBuilders.h"
#include "richtext/RtdFormat.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>

namespace moxa::editor {
namespace {

using rt::test::Items;
using test::ExpectRoundTrip;

TEST(RoundTripTest, EveryTemplateRegion) {
  const QString root = moxa::test::SourceDir() + QStringLiteral("/data/templates");
  QDirIterator pages(root, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
  int regions = 0;
  while (pages.hasNext()) {
    const QString path = pages.next();
    const QString folder = QFileInfo(path).absolutePath() + u'/';
    for (const auto& [number, html] : RegionContents(moxa::test::ReadBytes(path))) {
      SCOPED_TRACE(QDir(root).relativeFilePath(path).toStdString() + " region " +
                   std::to_string(number));
      rt::test::Imported imported = rt::test::ImportHtml(html, folder);
      ExpectRoundTrip(imported.Document, imported.Style);
      ++regions;
    }
  }
  EXPECT_GE(regions, 100);
}

TEST(RoundTripTest, EveryImporterCase) {
  for (const rt::test::ImportCase* c : rt::test::AllImportCases()) {
    SCOPED_TRACE(c->name);
    rt::test::Imported imported = rt::test::ImportHtml(QByteArray(c->html));
    ExpectRoundTrip(imported.Document, imported.Style);
  }
}

TEST(RoundTripTest, EveryImporterCorpusInput) {
  rt::test::ForEachCorpusImport([](const QString&, rt::test::Imported& imported) {
    ExpectRoundTrip(imported.Document, imported.Style);
  });
}

TEST(RoundTripTest, EveryBinaryCorpusFile) {
  const QDir corpus(moxa::test::SourceDir() + QStringLiteral("/tests/fuzz/corpus/load_rtd"));
  int loaded = 0;
  for (const QString& name : corpus.entryList(QDir::Files)) {
    SCOPED_TRACE(name.toStdString());
    rt::TRtDocument document;
    rt::TRtStyle style;
    if (!rt::LoadRtdFromBytes(moxa::test::ReadBytes(corpus.filePath(name)), document, style)) {
      continue;
    }
    ExpectRoundTrip(document, style);
    ++loaded;
  }
  EXPECT_GE(loaded, 3);
}


rt::TRtStyle RichStyle() {
  rt::TRtStyle style;
  rt::TFontInfo& link = style.TextStyles.Add();
  link.Color = rt::RtRgb(0, 0, 255);
  link.Style = rt::fsUnderline;
  link.Jump = true;
  link.Standard = false;
  style.TextStyles.Add().Style = rt::fsBold;
  style.ParaStyles.Add().Alignment = rt::rtaCenter;
  rt::TRtListInfo& bullets = style.ListStyles.Add();
  bullets.Levels.emplace_back();
  bullets.Levels.emplace_back().ListType = rt::rtlstUpperRoman;
  return style;
}

// Every item kind and the corners of the mapping: neighbours alike in
// style and tag, empty items beside others, line breaks before every
// kind of item and empty lines, characters Qt reads as structure, tables
// first, last, side by side, merged and nested, extra properties where
// only the model keeps them.
rt::TRtDocument RichDocument() {
  rt::TRtTable inner(1, 1);
  inner.Cell(0, 0)->Data = Items().P().T("inner");
  rt::TRtTable table(2, 3);
  table.Cell(0, 0)->Data = Items().P(1).T("cell", 1, 11).P(1).Marker(1, 1);
  table.Cell(0, 2)->Data = rt::TCustomRtData();  // an empty cell
  table.Cell(1, 0)->Data = Items().P().Table(inner);
  table.Cell(1, 1)->Color = rt::RtRgb(10, 20, 30);
  table.Cell(1, 1)->VAlign = rt::rtcBottom;
  table.Cell(1, 1)->BackgroundFileName = QStringLiteral("cell.png");
  table.MergeCells(1, 1, 2, 1);
  table.BestWidth = -80;
  table.BorderWidth = 1;
  table.BackgroundPicture = rt::test::TestJpeg();

  rt::TRtDocument document =
      Items()
          .P()
          .Table(inner)
          .With([](rt::TRtItem& i) { i.Tag = 4; })
          .P()
          .Table(table)
          .P()
          .T("Hello ")
          .T("twin")
          .T("link", 1, 5)
          .T("link", 1, 5)
          .T("")
          .T("broken", 2)
          .With([](rt::TRtItem& i) { i.NewLine = true; })
          .T("")
          .With([](rt::TRtItem& i) { i.NewLine = true; })
          .T("")
          .With([](rt::TRtItem& i) { i.NewLine = true; })
          .T("after", 0, 3)
          .Pic(rt::test::TestJpeg(), "photo", 9)
          .With([](rt::TRtItem& i) {
            i.NewLine = true;
            i.SetExtraIntProperty(rt::rteipImageWidth, 100);
            i.SetExtraIntProperty(rt::rteipSpacing, 2);
            i.SetExtraStrProperty(rt::rtespImageFileName, QStringLiteral("/w/moxa_img1.jpg"));
            i.SetExtraStrProperty(rt::rtespAltText, QStringLiteral("A photo"));
            i.VAlign = rt::rtvaAbsMiddle;
          })
          .Hot(rt::test::TestImage(2), 7)
          .Check("anchor")
          .With([](rt::TRtItem& i) { i.NewLine = true; })
          .T("a\nb\rc\u2028d\u2029e\uFFFCf\uFDD0")
          .P()
          .T("")
          .T("  pre")
          .P()
          .T("")
          .With([](rt::TRtItem& i) {
            i.SetExtraStrProperty(rt::rtespAltText, QStringLiteral("on text"));
          })
          .P(1)
          .Marker(0, 2, 7)
          .T("item")
          .P(1)
          .Marker(0, 0, 1)
          .P()
          .Marker(0, 0, 2)
          .T("")
          .P()
          .Marker(0, 1, 3)
          .T("", 2)
          .With([](rt::TRtItem& i) { i.NewLine = true; })
          .P()
          .Line(2)
          .With([](rt::TRtItem& i) {
            i.Rule.Color = rt::RtRgb(1, 1, 1);
            i.Tag = 8;
          })
          .P()
          .Line()
          .P()
          .Check("first")
          .With([](rt::TRtItem& i) { i.NewLine = true; })  // ignored at a paragraph's start
          .P()
          .Table(table)
          .P()
          .Table(inner)
          .Doc();
  document.Color = rt::RtRgb(250, 250, 240);
  document.BackgroundPicture = rt::test::TestJpeg();
  document.BackgroundStyle = rt::rtbgTiledAndScrolled;
  document.BackgroundFileName = QStringLiteral("bg.jpg");
  document.LeftMargin = 7;
  document.BottomMargin = 0;
  return document;
}

TEST(RoundTripTest, EveryItemKindAndCorner) {
  rt::TRtStyle style = RichStyle();
  const rt::TRtDocument document = RichDocument();
  ASSERT_TRUE(rt::IsConsistent(document, style));
  ExpectRoundTrip(document, style);
  ExpectRoundTrip(rt::TRtDocument(), style);
}

TEST(RoundTripTest, FilesSavedByTheEditorLoadAsTheSameDocument) {
  rt::TRtStyle style = RichStyle();
  const rt::TRtDocument document = RichDocument();
  RtEditor first(style);
  first.LoadDocument(document);
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("temptext_.rtd"));
  ASSERT_TRUE(first.SaveRtd(file));

  rt::TRtStyle otherStyle;  // another editor's sheet: the file brings the styles
  RtEditor second(otherStyle);
  second.InsertStringTag(QStringLiteral("previous"), 1);
  ASSERT_TRUE(second.LoadRtd(file));
  EXPECT_TRUE(second.Document() == document) << test::Difference(document, second.Document());
  EXPECT_TRUE(otherStyle == style);
  EXPECT_FALSE(second.TextDocument()->isUndoAvailable());

  // An unreadable file changes nothing.
  EXPECT_FALSE(second.LoadRtd(folder.filePath(QStringLiteral("missing.rtd"))));
  EXPECT_TRUE(second.Document() == document);
}

}  // namespace
}  // namespace moxa::editor
