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
#include "templates/SiteCreation.h"

#include <QFileInfo>

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

// The page in the new template's look with the old page's words.
std::optional<QByteArray> RebuiltPage(const QString& templateFolder, const TSitePage& page,
                                      const QByteArray& oldText) {
  auto text = TemplatePageFor(templateFolder, page.FileName);
  if (!text) return std::nullopt;
  (void)PutRegionContents(*text, RegionContents(oldText));
  SetPageProperties(*text, {page.WindowTitle, page.Description, page.Keywords});
  return text;
}

// Rewrites every page of the staged working folder in the new template.
bool RebuildPages(Site& site, const Folders& staged, const QString& templateFolder) {
  for (TSitePage& page : site.SitePages()) {
    const QString path = staged.PageFile(page.FileName);
    if (!QFileInfo(path).isFile()) continue;  // a page whose file is gone stays gone
    bool ok = true;
    const QByteArray old = ReadTextFile(path, &ok);
    if (!ok) return false;
    const auto rebuilt = RebuiltPage(templateFolder, page, old);
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
  if (!RebuildPages(changed, staged, templateFolder) ||
      !RebuildMenus(changed, staged, templateNumber) ||
      !OpenPageInEditor(changed, staged, changed.HomePageFileName())) {
    return false;
  }
  if (!SaveSite(changed, store)) return false;
  if (!staging.SwapIn()) {
    (void)SaveSite(site, store);
    return false;
  }
  site = std::move(changed);
  return true;
}

}  // namespace moxa
