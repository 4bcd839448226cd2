#include "templates/TemplateApply.h"

#include "pages/MenuRebuild.h"
#include "pages/PageEditing.h"
#include "pages/PageHead.h"
#include "site/FolderOps.h"
#include "site/SiteStore.h"
#include "site/TextFiles.h"
#include "templates/SiteCreation.h"

#include <QFileInfo>

namespace moxa {

bool ApplyTemplate(Site& site, const Folders& folders, int templateNumber) {
  const QString templateFolder = folders.TemplateFolder(templateNumber);
  if (site.PageCount() == 0) return false;
  if (!QFileInfo(templateFolder + QStringLiteral("index.html")).isFile()) return false;
  ReplaceTemplateAssets(templateFolder, folders.WorkFolder());
  ReplaceTemplateAssets(templateFolder, folders.PreviewFolder());

  for (const TSitePage& page : site.SitePages()) {
    const QString target = folders.PageFile(page.FileName);
    const QString source = templateFolder + page.FileName + QStringLiteral(".html");
    bool ok = true;
    QByteArray text = ReadTextFile(QFileInfo(source).isFile() ? source : target, &ok);
    if (!ok || text.isEmpty()) return false;
    SetPageProperties(text, {page.WindowTitle, page.Description, page.Keywords});
    if (!WriteTextFile(text, target)) return false;
  }
  if (!RebuildMenus(site, folders, templateNumber)) return false;
  const bool opened = OpenPageInEditor(site, folders, site.Page(0).FileName);
  return SaveAccount(site) && opened;
}

}  // namespace moxa
