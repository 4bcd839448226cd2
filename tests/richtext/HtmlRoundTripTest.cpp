// Every region of every shipped template through import, export and import
// again, as the editor's cycle does it: the document comes back the same,
// and a second export writes the same bytes.
#include "richtext/HtmlExporter.h"

#include "richtext/HtmlImporter.h"
#include "richtext/LinkTable.h"
#include "richtext/LinkTableExport.h"
#include "richtext/RtDescribe.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace moxa::rt {
namespace {

using moxa::test::ReadBytes;

struct Region {
  QString page;  // data/templates/N/file.html
  QString number;
  QByteArray html;
};

// The regions of every page, each checked to close where the next begins.
std::vector<Region> TemplateRegions() {
  static const QRegularExpression marker(
      QStringLiteral("<div id=\"moxadiv(\\d+)\">(.*?)</div><!-- moxadiv"),
      QRegularExpression::DotMatchesEverythingOption);
  std::vector<Region> regions;
  const QDir templates(moxa::test::SourceDir() + QStringLiteral("/data/templates"));
  for (const QString& folder : templates.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QDir dir(templates.filePath(folder));
    for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files)) {
      const QByteArray page = ReadBytes(dir.filePath(name));
      auto matches = marker.globalMatch(QString::fromUtf8(page));
      int found = 0;
      while (matches.hasNext()) {
        const auto match = matches.next();
        regions.push_back({dir.filePath(name), match.captured(1), match.captured(2).toUtf8()});
        ++found;
      }
      EXPECT_EQ(found, page.count("<div id=\"moxadiv")) << name.toStdString();
    }
  }
  return regions;
}

struct Imported {
  TRtDocument document;
  TRtStyle style;
  TEditorLinks links;
};

// As a region is opened: the working folder as base path, links into the table.
std::unique_ptr<Imported> Import(const QByteArray& html, const QString& folder) {
  auto imported = std::make_unique<Imported>();
  TRtHtmlImporter importer;
  importer.View = {&imported->document, &imported->style};
  importer.BasePath = folder + QDir::separator();
  importer.OnReadHyperlink = MakeReadHyperlinkHook(imported->links);
  importer.LoadHtml(html);
  return imported;
}

bool Export(const Imported& imported, const QString& file) {
  TRtSaveHTMLParams params;
  params.ImagesPrefix = QStringLiteral("moxa_img");
  params.Options = rtsoOverrideImages | rtsoNoHypertextImageBorders;
  params.OnWriteHyperlink = MakeWriteHyperlinkHandler(imported.links);
  return SaveHTML(file, imported.document, imported.style, params);
}

// What the editor puts between the region's markers.
QByteArray BodyContent(const QByteArray& html) {
  const qsizetype start = html.indexOf('>', html.indexOf("<body")) + 1;
  return html.mid(start, html.indexOf("</body>") - start);
}

// The file names of the pictures, which the export changes by design; the
// pictures themselves must come back.
QStringList TakeFileNames(TCustomRtData& data) {
  QStringList names;
  ForEachData(data, [&names](TCustomRtData& container) {
    for (TRtItem& item : container.Items) {
      if (!item.IsPicture()) continue;
      names << QFileInfo(item.GetExtraStrProperty(rtespImageFileName)).fileName();
      item.SetExtraStrProperty(rtespImageFileName, QString());
    }
  });
  return names;
}

// The formatting a document shows, with style numbers that do not depend
// on the order or the number of styles the reader made. Reading back the
// exported markup names the same formatting in other ways: the base font
// element turns the window-text colour into black, and a font element
// around a bold element makes a style for the font alone that no item
// uses. So each style number becomes the index of its formatting (system
// colours at their value, names and origin aside) in order of first use.
// A marker's number on a bullet level shows nowhere (its li carries none),
// so it is left out.
struct Formatting {
  std::vector<TFontInfo> fonts;
  std::vector<TParaInfo> paras;
  std::vector<TRtListInfo> lists;
};

template <class T>
int IndexOf(std::vector<T>& seen, const T& value) {
  const auto at = std::find(seen.begin(), seen.end(), value);
  if (at != seen.end()) return static_cast<int>(at - seen.begin());
  seen.push_back(value);
  return static_cast<int>(seen.size()) - 1;
}

Formatting Canonical(TRtDocument& document, const TRtStyle& style) {
  Formatting seen;
  ForEachData(document.Data, [&](TCustomRtData& data) {
    for (TRtItem& item : data.Items) {
      TParaInfo para = style.ParaStyles[item.ParaNo];
      para.StyleName.clear();
      para.Standard = false;
      item.ParaNo = IndexOf(seen.paras, para);
      if (item.IsText()) {
        TFontInfo font = style.TextStyles[item.StyleNo];
        font.StyleName.clear();
        font.Standard = false;
        font.Color = ResolveSystemColor(font.Color);
        item.StyleNo = IndexOf(seen.fonts, font);
      }
      if (item.IsListMarker()) {
        TRtListInfo list;
        list.Levels = style.ListStyles[item.Marker.ListNo].Levels;
        if (list.Levels[static_cast<size_t>(item.Marker.Level)].ListType == rtlstBullet) {
          item.Marker.StartFrom = 0;
        }
        item.Marker.ListNo = IndexOf(seen.lists, list);
      }
    }
  });
  return seen;
}

void ExpectSameFormatting(const Formatting& a, const Formatting& b) {
  ASSERT_EQ(a.fonts.size(), b.fonts.size());
  for (size_t i = 0; i < a.fonts.size(); ++i) EXPECT_EQ(a.fonts[i], b.fonts[i]) << i;
  ASSERT_EQ(a.paras.size(), b.paras.size());
  for (size_t i = 0; i < a.paras.size(); ++i) EXPECT_EQ(a.paras[i], b.paras[i]) << i;
  ASSERT_EQ(a.lists.size(), b.lists.size());
  for (size_t i = 0; i < a.lists.size(); ++i) EXPECT_EQ(a.lists[i], b.lists[i]) << i;
}

TEST(HtmlRoundTripTest, EveryTemplateRegionComesBackAsTheSameDocument) {
  const std::vector<Region> regions = TemplateRegions();
  ASSERT_GT(regions.size(), 100u);  // eight templates of four or five pages
  for (const Region& region : regions) {
    SCOPED_TRACE((region.page + QStringLiteral(" region ") + region.number).toStdString());
    const std::unique_ptr<Imported> first =
        Import(region.html, QFileInfo(region.page).absolutePath());
    QTemporaryDir work;
    const QString file = work.filePath(QStringLiteral("temptext_.html"));
    ASSERT_TRUE(Export(*first, file));
    const QByteArray exported = ReadBytes(file);
    const std::unique_ptr<Imported> second = Import(BodyContent(exported), work.path());

    EXPECT_EQ(second->links.Links, first->links.Links);
    const QStringList pictures = TakeFileNames(second->document.Data);
    TakeFileNames(first->document.Data);
    ExpectSameFormatting(Canonical(second->document, second->style),
                         Canonical(first->document, first->style));
    EXPECT_EQ(second->document, first->document);
    for (int n = 1; n <= pictures.size(); ++n) {
      EXPECT_EQ(pictures[n - 1], QStringLiteral("moxa_img%1.jpg").arg(n));
    }

    // The next edit of the region writes the same bytes and no new picture.
    const QStringList files = QDir(work.path()).entryList(QDir::Files);
    const std::unique_ptr<Imported> again = Import(BodyContent(exported), work.path());
    ASSERT_TRUE(Export(*again, file));
    EXPECT_EQ(ReadBytes(file), exported);
    EXPECT_EQ(QDir(work.path()).entryList(QDir::Files), files);
  }
}

}  // namespace
}  // namespace moxa::rt
