#include "editor/RegionEditCycle.h"

#include "pages/Regions.h"
#include "richtext/HtmlExporter.h"
#include "richtext/HtmlImporter.h"
#include "richtext/LinkTableExport.h"
#include "richtext/RtdFormat.h"
#include "site/SafeFile.h"
#include "site/TextFiles.h"

#include <QFile>

#include <algorithm>

namespace moxa::editor {
namespace {

constexpr qsizetype kTailAfterBody = 1000;

const RegionSpan* FirstRegion(const std::vector<RegionSpan>& regions, int number) {
  const auto found = std::find_if(regions.begin(), regions.end(),
                                  [number](const RegionSpan& r) { return r.Number == number; });
  return found == regions.end() ? nullptr : &*found;
}

// Reads a file that must exist; nothing when it is missing or unreadable.
std::optional<QByteArray> ReadExistingFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

// Removes a file left by an earlier edit; false when it is still there.
bool RemoveLeftover(const QString& path) {
  QFile::remove(path);
  return !QFile::exists(path);
}

}  // namespace

QString RegionHtmlFile(const Folders& folders) {
  return folders.WorkFolder() + QStringLiteral("temptext_.html");
}

QString RegionRtdFile(const Folders& folders) {
  return folders.WorkFolder() + QStringLiteral("temptext_.rtd");
}

QString RegionExportFile(const Folders& folders) {
  return folders.WorkFolder() + QStringLiteral("tempdivcontent_.html");
}

QString ChangesNotAppliedMessage() {
  return QStringLiteral("Your changes could not be applied to this page.");
}

std::optional<QByteArray> CutRegion(const QByteArray& page, int number) {
  const std::vector<RegionSpan> regions = FindRegions(page);
  const RegionSpan* region = FirstRegion(regions, number);
  if (!region) return std::nullopt;
  return page.mid(region->ContentStart, region->ContentEnd - region->ContentStart);
}

bool SpliceRegion(QByteArray& page, int number, const QByteArray& content) {
  const std::vector<RegionSpan> regions = FindRegions(page);
  const RegionSpan* region = FirstRegion(regions, number);
  if (!region) return false;
  page.replace(region->ContentStart, region->ContentEnd - region->ContentStart, content);
  return true;
}

std::optional<QByteArray> ExportedBody(const QByteArray& html) {
  const qsizetype body = html.indexOf("<body");
  if (body < 0) return std::nullopt;
  const qsizetype tagEnd = html.indexOf('>', body);
  if (tagEnd < 0) return std::nullopt;
  QByteArray content = html.mid(tagEnd + 1);
  const qsizetype bodyEnd = content.indexOf("</body>");
  if (bodyEnd >= 0) content.remove(bodyEnd, kTailAfterBody);
  return content;
}

bool OpenRegion(const Folders& folders, int number, rt::TRtDocument& document,
                rt::TRtStyle& style, rt::TEditorLinks& links) {
  bool readable = false;
  const QByteArray page = ReadTextFile(folders.WorkingCopyFile(), &readable);
  if (!readable) return false;
  const std::optional<QByteArray> content = CutRegion(page, number);
  if (!content) return false;
  // The region goes through a file, as the importer sees exactly the bytes
  // a later edit will see.
  const QString regionFile = RegionHtmlFile(folders);
  if (!WriteTextFile(*content, regionFile)) return false;
  const std::optional<QByteArray> html = ReadExistingFile(regionFile);
  if (!html) return false;

  links.Clear();
  rt::TRtHtmlImporter importer;
  importer.View = {&document, &style};
  importer.BasePath = folders.WorkFolder();
  importer.OnReadHyperlink = rt::MakeReadHyperlinkHook(links);
  importer.LoadHtml(*html);
  return rt::SaveRtd(RegionRtdFile(folders), document, style);
}

bool CommitRegion(const Folders& folders, int number, const rt::TRtDocument& document,
                  const rt::TRtStyle& style, const rt::TEditorLinks& links) {
  const QString exportFile = RegionExportFile(folders);
  if (!RemoveLeftover(exportFile)) return false;

  rt::TRtSaveHTMLParams params;
  params.ImagesPrefix = QStringLiteral("moxa_img");
  params.Options = rt::rtsoOverrideImages | rt::rtsoNoHypertextImageBorders;
  params.OnWriteHyperlink = rt::MakeWriteHyperlinkHandler(links);
  if (!rt::SaveHTML(exportFile, document, style, params)) return false;

  bool exportReadable = false;
  const QByteArray exported = ReadTextFile(exportFile, &exportReadable);
  if (!exportReadable || !QFile::exists(exportFile)) return false;
  const std::optional<QByteArray> body = ExportedBody(exported);
  if (!body) return false;

  bool pageReadable = false;
  QByteArray page = ReadTextFile(folders.WorkingCopyFile(), &pageReadable);
  if (!pageReadable || !SpliceRegion(page, number, *body)) return false;
  return WriteTextFile(page, folders.WorkingCopyFile());
}

}  // namespace moxa::editor
