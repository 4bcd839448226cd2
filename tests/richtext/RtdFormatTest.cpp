#include "richtext/RtdFormat.h"

#include "richtext/RtDescribe.h"
#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"
#include "RtBuilders.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

using test::Items;
using test::TestImage;


// A style sheet beyond the initial content, with values the application
// never sets, so that every field must travel.
TRtStyle RichStyle() {
  TRtStyle style;
  TFontInfo& link = style.TextStyles.Add();
  link.StyleName = QStringLiteral("Link \u00e9");
  link.Color = RtRgb(0, 0, 255);
  link.Style = fsUnderline | fsBold;
  link.Jump = true;
  link.SubSuperScriptType = rtsssSuperScript;
  link.CharScale = 80;
  link.HoverColor = RtRgb(9, 8, 7);
  link.BaseStyleNo = 0;
  link.UnderlineType = rtulWavy;
  link.Standard = false;
  TParaInfo& centred = style.ParaStyles.Add();
  centred.Alignment = rtaCenter;
  centred.LeftIndent = 40;
  centred.Background.Color = RtRgb(1, 2, 3);
  centred.Border = {rtbsDouble, RtRgb(4, 5, 6), 3, 2, {true, false, true, false}};
  centred.Tabs = {{30, rttaRight, QStringLiteral(".")}, {60, rttaCenter, QString()}};
  centred.NextParaNo = 0;
  TRtListInfo& bullets = style.ListStyles.Add();
  bullets.Levels.emplace_back().Font = {QStringLiteral("Symbol"), 12, rtcsSymbol, rtclNone, 0};
  bullets.Levels.emplace_back().ListType = rtlstUpperRoman;
  return style;
}

// Every item kind, tags, extra properties, merged cells and a nested table.
TRtDocument RichDocument() {
  TRtTable inner(1, 1);
  inner.Cell(0, 0)->Data = Items().P().T("inner");
  TRtTable table(2, 3);
  table.Cell(0, 0)->Data = Items().P(1).T("cell", 1, 11).P(1).Marker(1, 1);
  table.Cell(1, 0)->Data = Items().P().Table(inner);
  table.Cell(1, 1)->Color = RtRgb(10, 20, 30);
  table.Cell(1, 1)->VAlign = rtcBottom;
  table.Cell(1, 1)->BackgroundPicture = TestImage(3);
  table.Cell(1, 1)->BackgroundFileName = QStringLiteral("cell.png");
  table.MergeCells(1, 1, 2, 1);
  table.BestWidth = -80;
  table.BorderWidth = 1;
  table.BorderStyle = rttbColor;
  table.BackgroundPicture = test::TestJpeg();

  TRtDocument document =
      Items()
          .P()
          .T("Hello ")
          .T("link", 1, 5)
          .T(" \xF0\x9F\x98\x80 caf\xC3\xA9")
          .T("second line")
          .With([](TRtItem& i) { i.NewLine = true; })
          .P(1)
          .Marker(0, 2, 7)
          .T("item")
          .P()
          .Pic(test::TestJpeg(), "photo", 9)
          .With([](TRtItem& i) {
            i.SetExtraIntProperty(rteipImageWidth, 100);
            i.SetExtraIntProperty(rteipImageHeight, 25);
            i.SetExtraIntProperty(rteipSpacing, 2);
            i.SetExtraStrProperty(rtespImageFileName, QStringLiteral("/w/moxa_img1.jpg"));
            i.SetExtraStrProperty(rtespAltText, QStringLiteral("A photo"));
            i.VAlign = rtvaAbsMiddle;
          })
          .Hot(TestImage(2), -3)
          .Check("top")
          .Line(2)
          .With([](TRtItem& i) { i.Rule.Color = RtRgb(1, 1, 1); })
          .Table(table)
          .P()
          .T("")
          .Doc();
  document.Data.GetItem(2).Text += QChar(0xD800);  // a lone surrogate survives too
  document.Color = RtRgb(250, 250, 240);
  document.BackgroundPicture = test::TestJpeg();
  document.BackgroundStyle = rtbgTiledAndScrolled;
  document.BackgroundFileName = QStringLiteral("bg.jpg");
  document.LeftMargin = 7;
  document.BottomMargin = 0;
  return document;
}

QByteArray Saved(const TRtDocument& document, const TRtStyle& style) {
  const std::optional<QByteArray> bytes = SaveRtdToBytes(document, style);
  EXPECT_TRUE(bytes);
  return bytes.value_or(QByteArray());
}

TEST(RtdFormatTest, ADocumentWithEveryItemKindSurvivesSaveAndLoad) {
  const TRtStyle style = RichStyle();
  const TRtDocument document = RichDocument();
  ASSERT_TRUE(IsConsistent(document, style)) << DescribeDocument(document).toStdString();
  const QByteArray bytes = Saved(document, style);

  TRtStyle fresh;  // another program's initial sheet
  TRtDocument loaded = Items().P().T("previous content").Doc();
  ASSERT_TRUE(LoadRtdFromBytes(bytes, loaded, fresh));
  EXPECT_EQ(loaded, document);
  EXPECT_EQ(fresh, style);
  // The JPEG is kept byte for byte.
  EXPECT_EQ(loaded.Data.GetItem(6).Picture->Data, test::TestJpeg().Data);
  EXPECT_EQ(loaded.Data.GetItem(6).Picture->Format, "jpeg");
  // Saving the loaded document gives the same bytes.
  EXPECT_EQ(Saved(loaded, fresh), bytes);
}

TEST(RtdFormatTest, StylesArePutAtTheNumbersTheyHadWhenSaved) {
  const TRtStyle saved = RichStyle();  // 2 text, 2 para, 2 list styles
  TRtStyle target;
  target.TextStyles[0].Size = 30;
  for (int i = 0; i < 3; ++i) target.TextStyles.Add().Size = 40 + i;
  TRtDocument document;
  ASSERT_TRUE(LoadRtdFromBytes(Saved(Items().P(1).T("x", 1).Doc(), saved), document, target));
  ASSERT_EQ(target.TextStyles.Count(), 4);
  EXPECT_EQ(target.TextStyles[0], saved.TextStyles[0]);
  EXPECT_EQ(target.TextStyles[1], saved.TextStyles[1]);
  EXPECT_EQ(target.TextStyles[2].Size, 41) << "entries past the file's stay";
  EXPECT_EQ(target.TextStyles[3].Size, 42);
  EXPECT_EQ(target.ParaStyles.Items, saved.ParaStyles.Items);
}

TEST(RtdFormatTest, AFileCutAnywhereLoadsAsFalseAndLeavesAnEmptyDocument) {
  const TRtStyle style = RichStyle();
  const QByteArray bytes = Saved(RichDocument(), style);
  TRtStyle target;
  target.TextStyles[0].Size = 99;
  const TRtStyle untouched = target;
  std::vector<qsizetype> cuts;
  for (qsizetype cut = 0; cut < bytes.size(); cut += 10) cuts.push_back(cut);
  cuts.push_back(bytes.size() - 1);
  for (qsizetype cut : cuts) {
    TRtDocument document = RichDocument();
    EXPECT_FALSE(LoadRtdFromBytes(bytes.first(cut), document, target)) << "cut at " << cut;
    EXPECT_EQ(document, TRtDocument()) << "cut at " << cut;
    EXPECT_EQ(target, untouched) << "cut at " << cut;
  }
}

TEST(RtdFormatTest, CorruptedBytesGiveFalseOrAConsistentDocument) {
  const TRtStyle style = RichStyle();
  const QByteArray bytes = Saved(RichDocument(), style);
  for (qsizetype at = 0; at < bytes.size(); ++at) {
    QByteArray corrupted = bytes;
    corrupted[at] = static_cast<char>(corrupted[at] ^ 0x5A);
    TRtStyle target;
    TRtDocument document;
    if (LoadRtdFromBytes(corrupted, document, target)) {
      EXPECT_TRUE(IsConsistent(document, target)) << "byte " << at;
    } else {
      EXPECT_EQ(document, TRtDocument()) << "byte " << at;
      EXPECT_EQ(target, TRtStyle()) << "byte " << at;
    }
  }
}

QByteArray Header(std::uint32_t version = kRtdVersion) {
  QByteArray bytes(kRtdMagic, 8);
  for (int i = 0; i < 4; ++i) bytes.append(static_cast<char>((version >> (8 * i)) & 0xFF));
  return bytes;
}

TEST(RtdFormatTest, RefusesForeignNewerAndHostileFiles) {
  const QByteArray valid = Saved(Items().P().T("x").Doc(), TRtStyle());
  const QByteArray hugeCount = Header() + QByteArray("\xFF\xFF\xFF\x7F", 4) + QByteArray(64, 'x');
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"empty", QByteArray()},
      {"another magic", QByteArray("NOTRTD\x1A\x00", 8) + valid.mid(8)},
      {"a newer version", Header(kRtdVersion + 1) + valid.mid(12)},
      {"bytes after the end", valid + QByteArray(1, '\0')},
      {"a count the file cannot hold", hugeCount},
      {"text in an html file", QByteArray("<html><body>hello</body></html>")},
  };
  for (const auto& c : cases) {
    TRtDocument document;
    TRtStyle style;
    EXPECT_FALSE(LoadRtdFromBytes(c.bytes, document, style)) << c.name;
    EXPECT_EQ(document, TRtDocument()) << c.name;
  }
}

// Found by fuzzing: QImage looks colours up by index without a check, so an
// indexed picture whose pixels name no entry of its table made comparing
// (or drawing) it read outside the table.
TEST(RtdFormatTest, RefusesIndexedPicturesWhosePixelsLeaveTheirColourTable) {
  QImage indexed(4, 2, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(1, 2, 3), qRgb(4, 5, 6)});
  indexed.fill(1);
  QImage mono(9, 2, QImage::Format_Mono);
  mono.fill(1);
  const struct {
    const char* name;
    QImage image;
    bool loads;
  } cases[] = {
      {"indexes inside the table", indexed, true},
      {"mono with its two colours", mono, true},
      {"an index past the table", [&] {
         QImage bad = indexed;
         bad.scanLine(1)[3] = 7;  // setPixel would refuse it
         return bad;
       }(), false},
      {"no table at all", [&] {
         QImage bad = indexed;
         bad.setColorTable({});
         return bad;
       }(), false},
      {"mono with one colour", [&] {
         QImage bad = mono;
         bad.setColorTable({qRgb(0, 0, 0)});
         return bad;
       }(), false},
  };
  for (const auto& c : cases) {
    const TRtDocument picture = Items().P().Pic(TRtPicture::FromImage(c.image)).Doc();
    const QByteArray bytes = Saved(picture, TRtStyle());
    TRtDocument document;
    TRtStyle style;
    EXPECT_EQ(LoadRtdFromBytes(bytes, document, style), c.loads) << c.name;
  }
}

// Every seed and every input that once found a fault in the fuzz corpus
// keeps to the reader's promises.
TEST(RtdFormatTest, TheFuzzCorpusKeepsTheReadersPromises) {
  const QDir corpus(moxa::test::SourceDir() + QStringLiteral("/tests/fuzz/corpus/load_rtd"));
  const QStringList files = corpus.entryList(QDir::Files);
  ASSERT_FALSE(files.isEmpty());
  for (const QString& file : files) {
    const QByteArray bytes = moxa::test::ReadBytes(corpus.filePath(file));
    TRtStyle style;
    TRtDocument document;
    if (!LoadRtdFromBytes(bytes, document, style)) {
      EXPECT_EQ(document, TRtDocument()) << file.toStdString();
      continue;
    }
    EXPECT_TRUE(IsConsistent(document, style)) << file.toStdString();
    TRtStyle again;
    TRtDocument reloaded;
    ASSERT_TRUE(LoadRtdFromBytes(Saved(document, style), reloaded, again)) << file.toStdString();
    EXPECT_EQ(reloaded, document) << file.toStdString();
  }
}

TEST(RtdFormatTest, SavingRefusesADocumentThatCouldNotBeLoaded) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("temptext_.rtd"));
  const TRtStyle style;
  ASSERT_TRUE(SaveRtd(path, Items().P().T("kept").Doc(), style));
  const QByteArray before = moxa::test::ReadBytes(path);

  const TRtDocument broken = Items().P().T("x", 3).Doc();  // no text style 3
  EXPECT_FALSE(SaveRtdToBytes(broken, style));
  EXPECT_FALSE(SaveRtd(path, broken, style));
  EXPECT_EQ(moxa::test::ReadBytes(path), before) << "the previous file stays whole";

  // A full disk: the write seems to succeed until the data is flushed.
  {
    const moxa::test::FileSizeLimit full(static_cast<rlim_t>(before.size()));
    ASSERT_TRUE(full.ok());
    EXPECT_FALSE(SaveRtd(path, RichDocument(), RichStyle()));
  }
  EXPECT_EQ(moxa::test::ReadBytes(path), before) << "the previous file stays whole";
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(RtdFormatTest, FilesRoundTripAndFileErrorsAreFalse) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("temptext_.rtd"));
  const TRtStyle style = RichStyle();
  ASSERT_TRUE(SaveRtd(path, RichDocument(), style));
  TRtStyle target;
  TRtDocument document;
  ASSERT_TRUE(LoadRtd(path, document, target));
  EXPECT_EQ(document, RichDocument());

  EXPECT_FALSE(LoadRtd(dir.filePath(QStringLiteral("absent.rtd")), document, target));
  EXPECT_EQ(document, TRtDocument());
  EXPECT_FALSE(LoadRtd(dir.path(), document, target)) << "a folder";
  const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/x.rtd"));
  EXPECT_FALSE(SaveRtd(unwritable, RichDocument(), style));
}

}  // namespace
}  // namespace moxa::rt
