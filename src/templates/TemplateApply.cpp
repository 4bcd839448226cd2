#include "templates/TemplateApply.h"

#include "pages/MenuRebuild.h"
#include "pages/PageEditing.h"
#include "pages/PageHead.h"
#include "pages/Regions.h"
#include "platform/SettingsStore.h"
#include "site/FolderOps.h"
#include "site/SiteStore.h"
#include "site/StagedSite.h"
#include "site/TextFiles.h"
#include "templates/KeptPictures.h"
#include "templates/SiteCreation.h"

#include <QFileInfo>

#include <map>
#include <optional>

namespace moxa {
namespace {

// The template's page of the same name, or its home page.
std::optional<QByteArray> TemplatePageFor(const QString& templateFolder, const QString& fileName) {
  bool ok = true;
  const QByteArray text = ReadTextFile(TemplateSourceFor(templateFolder, fileName), &ok);
  if (!ok || text.isEmpty()) return std::nullopt;
  return text;
}

// The page's own head value: the page file's, which the user edits and
// visitors see, else the one of the table.
QString HeadValue(const QString& inFile, const QString& inTable) {
  return inFile.isEmpty() ? inTable : inFile;
}

// The page in the new template's look with the old page's words, head
// values and pictures; the table takes the head values it carries.
std::optional<QByteArray> RebuiltPage(const QString& templateFolder, TSitePage& page,
                                      const QByteArray& oldText, KeptPictures& pictures) {
  auto text = TemplatePageFor(templateFolder, page.FileName);
  if (!text) return std::nullopt;
  std::map<int, QByteArray> contents = RegionContents(oldText);
  for (auto& [number, content] : contents) {
    if (!pictures.Keep(content)) return std::nullopt;
  }
  (void)PutRegionContents(*text, contents);
  const PageProperties old = ReadPageProperties(oldText);
  page.WindowTitle = HeadValue(old.WindowTitle, page.WindowTitle);
  page.Description = HeadValue(old.Description, page.Description);
  page.Keywords = HeadValue(old.Keywords, page.Keywords);
  SetPageProperties(*text, {page.WindowTitle, page.Description, page.Keywords});
  return text;
}

// Rewrites every page of the staged working folder in the new template.
bool RebuildPages(Site& site, const Folders& folders, const Folders& staged,
                  const QString& templateFolder, const PageProgress& progress) {
  KeptPictures pictures(folders.WorkFolder(), staged.WorkFolder());
  int done = 0;
  for (TSitePage& page : site.SitePages()) {
    if (progress) progress(done++, site.PageCount());
    const QString path = staged.PageFile(page.FileName);
    if (!QFileInfo(path).isFile()) continue;  // a page whose file is gone stays gone
    bool ok = true;
    const QByteArray old = ReadTextFile(path, &ok);
    if (!ok) return false;
    const auto rebuilt = RebuiltPage(templateFolder, page, old, pictures);
    if (!rebuilt || !WriteTextFile(*rebuilt, path)) return false;
    page.Changed = true;
  }
  return true;
}

}  // namespace

QStringList PagesLosingText(const Site& site, const Folders& folders, int templateNumber) {
  QStringList labels;
  const QString templateFolder = folders.TemplateFolder(templateNumber);
  for (const TSitePage& page : site.SitePages()) {
    auto text = TemplatePageFor(templateFolder, page.FileName);
    if (!text) return {};
    const QByteArray old = ReadTextFile(folders.PageFile(page.FileName));
    if (!PutRegionContents(*text, RegionContents(old)).empty()) labels << page.Label_;
  }
  return labels;
}

StagedSite StageTemplateChange(const Site& site, const Folders& folders, int templateNumber,
                               int templateIndex, const PageProgress& progress) {
  StagedSite staged;
  staged.Failure = ErrorCode::TemplateNotApplied;
  const QString templateFolder = folders.TemplateFolder(templateNumber);
  if (site.PageCount() == 0) return staged;
  if (!QFileInfo(templateFolder + QStringLiteral("index.html")).isFile()) {
    return staged;  // no such template: nothing to build from
  }
  auto folder = std::make_shared<StagedWorkFolder>(folders);
  if (!folder->Create()) return staged;
  const Folders& inStaging = folder->Staged();
  // Everything of the site comes along (pictures, pages, the working copy);
  // the assets come fresh from the template.
  if (!CopyFolder(folders.WorkFolder(), inStaging.WorkFolder()) ||
      !ReplaceTemplateAssets(templateFolder, inStaging.WorkFolder()) ||
      !ReplaceTemplateAssets(templateFolder, inStaging.PreviewFolder())) {
    return staged;
  }
  staged.Record = site;
  staged.Record.SelectedTemplateIndex = templateIndex;
  if (!RebuildPages(staged.Record, folders, inStaging, templateFolder, progress) ||
      !RebuildMenus(staged.Record, inStaging, templateNumber) ||
      !OpenPageInEditor(staged.Record, inStaging, staged.Record.HomePageFileName())) {
    return staged;
  }
  staged.Folder = std::move(folder);
  staged.Failure = ErrorCode::None;
  return staged;
}

Outcome ApplyTemplate(Site& site, const Folders& folders, int templateNumber, int templateIndex,
                      SettingsStore& store) {
  StagedSite staged = StageTemplateChange(site, folders, templateNumber, templateIndex);
  return PutStagedSiteInPlace(staged, site, &store, ErrorCode::TemplateNotApplied);
}

}  // namespace moxa
