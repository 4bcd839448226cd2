#include "templates/SiteCreation.h"

#include "pages/MenuRebuild.h"
#include "pages/PageEditing.h"
#include "pages/PageHead.h"
#include "site/FolderOps.h"
#include "site/SiteStore.h"
#include "site/TextFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace moxa {
namespace {

struct DefaultPage {
  const char* label;
  const char* fileName;
};
constexpr DefaultPage kDefaultPages[] = {{"Home", "index"},
                                         {"About Us", "about-us"},
                                         {"Picture Gallery", "picture-gallery"},
                                         {"Contact Us", "contact-us"}};

const QString kDefaultTitle = QStringLiteral("Window Title");

// The template's file for the page, or its home page when it has none.
QString TemplateSourceFor(const QString& templateFolder, const QString& fileName) {
  const QString own = templateFolder + fileName + QStringLiteral(".html");
  return QFileInfo(own).isFile() ? own : templateFolder + QStringLiteral("index.html");
}

// Writes the page from its template source with the default title, into
// the working folder and its preview copy.
bool SeedPageFile(const Folders& folders, const QString& templateFolder, const QString& fileName) {
  bool ok = true;
  QByteArray text = ReadTextFile(TemplateSourceFor(templateFolder, fileName), &ok);
  if (!ok || text.isEmpty()) return false;
  SetWindowTitle(text, kDefaultTitle);
  if (!WriteTextFile(text, folders.PageFile(fileName))) return false;
  WriteTextFile(text, folders.PreviewPageFile(fileName));
  return true;
}

}  // namespace

void ReplaceTemplateAssets(const QString& templateFolder, const QString& siteFolder) {
  const QString bin = siteFolder + QStringLiteral("bin");
  QDir(bin).removeRecursively();
  CopyFolder(templateFolder + QStringLiteral("bin"), bin);
}

bool AddDefaultPage(Site& site, const Folders& folders, int templateNumber, const QString& label,
                    const QString& fileName) {
  TSitePage page;
  page.Changed = true;
  page.Label_ = label;
  page.FileName = fileName;
  if (!site.AppendPage(page)) return false;
  const QString index = folders.TemplateFolder(templateNumber) + QStringLiteral("index.html");
  for (const QString& target : {folders.PageFile(fileName), folders.PreviewPageFile(fileName)}) {
    if (!QFileInfo::exists(target)) QFile::copy(index, target);
  }
  return true;
}

bool CreateSiteFiles(Site& site, const Folders& folders, int templateNumber) {
  const QString templateFolder = folders.TemplateFolder(templateNumber);
  if (!QFileInfo(templateFolder + QStringLiteral("index.html")).isFile()) return false;
  if (!QDir().mkpath(folders.PreviewFolder())) return false;

  site.ClearPages();
  for (const DefaultPage& d : kDefaultPages) {
    AddDefaultPage(site, folders, templateNumber, QString::fromUtf8(d.label),
                   QString::fromUtf8(d.fileName));
  }
  site.OpenPageFileName = site.Page(0).FileName;

  const QString picture = folders.DataFolder() + QStringLiteral("img.jpg");
  CopyFileReplacing(picture, folders.WorkFolder() + QStringLiteral("img.jpg"));
  CopyFileReplacing(picture, folders.PreviewFolder() + QStringLiteral("img.jpg"));
  QFile::remove(folders.WorkFolder() + QStringLiteral("editor_.html"));
  ReplaceTemplateAssets(templateFolder, folders.WorkFolder());
  ReplaceTemplateAssets(templateFolder, folders.PreviewFolder());

  for (int i = 0; i < site.PageCount(); ++i) {
    TSitePage& page = site.Page(i);
    page.ShowInMenu = true;
    page.WindowTitle = kDefaultTitle;
    page.IsHomePage = i == 0;
    // Always this template's file: never a page left over from an earlier site.
    if (!SeedPageFile(folders, templateFolder, page.FileName)) return false;
  }
  // Template menus link "./" and ".php" forms: point them at the site's pages.
  if (!RebuildMenus(site, folders, templateNumber)) return false;
  return OpenPageInEditor(site, folders, site.Page(0).FileName);
}

bool CreateSite(Site& site, const Folders& folders, int templateNumber) {
  if (!CreateSiteFiles(site, folders, templateNumber)) return false;
  return SaveAccount(site) && SavePageTable(site);
}

}  // namespace moxa
