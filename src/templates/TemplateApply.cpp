#include "templates/TemplateApply.h"

#include "pages/MenuRebuild.h"
#include "pages/PageEditing.h"
#include "pages/PageHead.h"
#include "pages/Regions.h"
#include "platform/SettingsStore.h"
#include "site/FolderOps.h"
#include "site/SiteStore.h"
#include "site/StagedWorkFolder.h"
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
                  const QString& templateFolder) {
  KeptPictures pictures(folders.WorkFolder(), staged.WorkFolder());
  for (TSitePage& page : site.SitePages()) {
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

bool ApplyTemplate(Site& site, const Folders& folders, int templateNumber, int templateIndex,
                   SettingsStore& store) {
  const QString templateFolder = folders.TemplateFolder(templateNumber);
  if (site.PageCount() == 0) return false;
  if (!QFileInfo(templateFolder + QStringLiteral("index.html")).isFile()) return false;

  StagedWorkFolder staging(folders);
  if (!staging.Create()) return false;
  const Folders& staged = staging.Staged();
  // Everything of the site comes along (pictures, pages, the working copy);
  // the assets come fresh from the template.
  if (!CopyFolder(folders.WorkFolder(), staged.WorkFolder()) ||
      !ReplaceTemplateAssets(templateFolder, staged.WorkFolder()) ||
      !ReplaceTemplateAssets(templateFolder, staged.PreviewFolder())) {
    return false;
  }
  Site changed = site;
  changed.SelectedTemplateIndex = templateIndex;
  if (!RebuildPages(changed, folders, staged, templateFolder) ||
      !RebuildMenus(changed, staged, templateNumber) ||
      !OpenPageInEditor(changed, staged, changed.HomePageFileName())) {
    return false;
  }
  if (!staging.MarkComplete(&store)) return false;
  // Stored first, with the staged folder's id: a kill before the swap is
  // finished by the next start.
  if (!SaveSite(changed, store)) return false;
  if (!staging.SwapIn()) {
    staging.RestoreStoredId(store);
    (void)SaveSite(site, store);
    return false;
  }
  site = std::move(changed);
  return true;
}

}  // namespace moxa
