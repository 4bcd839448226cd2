// Every region of every shipped template imports into a consistent
// document that holds all of the region's text and loads all its pictures.
#include "HtmlImportSupport.h"
#include "richtext/HtmlParser.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace moxa::rt {
namespace {

struct Region {
  QString page;  // template folder/file, for messages
  QString folder;
  QByteArray html;
};

std::vector<Region> TemplateRegions() {
  std::vector<Region> regions;
  const QString root = moxa::test::SourceDir() + QStringLiteral("/data/templates");
  QDirIterator pages(root, {QStringLiteral("*.html")}, QDir::Files, QDirIterator::Subdirectories);
  while (pages.hasNext()) {
    const QString path = pages.next();
    const QByteArray page = moxa::test::ReadBytes(path);
    for (qsizetype at = page.indexOf("<div id=\"moxadiv"); at >= 0;
         at = page.indexOf("<div id=\"moxadiv", at + 1)) {
      const qsizetype start = page.indexOf('>', at) + 1;
      const qsizetype end = page.indexOf("</div><!-- moxadiv", start);
      if (start <= 0 || end < 0) continue;
      regions.push_back({QDir(root).relativeFilePath(path), QFileInfo(path).absolutePath() + u'/',
                         page.mid(start, end - start)});
    }
  }
  return regions;
}

QString WithoutSpaces(QString text) {
  text.remove(QRegularExpression(QStringLiteral("\\s")));
  return text;
}

// The region's text as the tokenizer reads it, outside title, script and
// style elements: what the document must hold.
QString TokenText(const QByteArray& html) {
  THtmlParser parser(html);
  parser.LastWasSpace = true;
  QString text;
  QByteArray skipTo;
  while (!parser.Done()) {
    parser.Next();
    const QByteArray name = parser.TagName.toLower();
    if (parser.CurrBlock == cbTag) {
      if (skipTo.isEmpty() && (name == "title" || name == "script" || name == "style")) {
        skipTo = '/' + name;
      } else if (name == skipTo) {
        skipTo.clear();
      }
    } else if (parser.CurrBlock == cbText && skipTo.isEmpty()) {
      text += QString::fromUtf8(parser.TagName);
    }
  }
  return WithoutSpaces(text);
}

// The document's text in document order, a table's cells where it stands.
void CollectText(const TCustomRtData& data, QString& text) {
  for (const TRtItem& item : data.Items) {
    if (item.IsText()) text += item.Text;
    if (!item.Table) continue;
    for (const TRtTableRow& row : item.Table->Rows) {
      for (const auto& cell : row.Cells) {
        if (cell) CollectText(cell->Data, text);
      }
    }
  }
}

// The number of pictures.
qsizetype ExpectPicturesLoaded(const TCustomRtData& data, const QString& page) {
  qsizetype pictures = 0;
  ForEachData(data, [&](const TCustomRtData& part) {
    for (const TRtItem& item : part.Items) {
      if (!item.IsPicture()) continue;
      ++pictures;
      EXPECT_FALSE(*item.Picture == TRtPicture::InvalidPicture())
          << page.toStdString() << ": " << item.Extras().ImageFileName.toStdString();
    }
  });
  return pictures;
}

TEST(HtmlImportTemplatesTest, EveryRegionImportsWithAllItsText) {
  const std::vector<Region> regions = TemplateRegions();
  ASSERT_GE(regions.size(), 100u);
  for (const Region& region : regions) {
    const test::Imported imported = test::ImportHtml(region.html, region.folder);
    SCOPED_TRACE(region.page.toStdString());
    EXPECT_TRUE(IsConsistent(imported.Document, imported.Style));
    QString text;
    CollectText(imported.Document.Data, text);
    EXPECT_EQ(WithoutSpaces(text), TokenText(region.html));
    EXPECT_EQ(ExpectPicturesLoaded(imported.Document.Data, region.page), region.html.count("<img"));
    EXPECT_EQ(imported.CharCount, text.size());
  }
}

}  // namespace
}  // namespace moxa::rt
