#include "templates/SiteCreation.h"

#include "pages/MenuRebuild.h"
#include "pages/PageEditing.h"
#include "pages/PageHead.h"
#include "platform/SettingsStore.h"
#include "site/FolderOps.h"
#include "site/SiteStore.h"
#include "site/StagedSite.h"
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

// Writes the page from its template source with its title, into the
// working folder and its preview copy.
bool SeedPageFile(const Folders& folders, const QString& templateFolder, const TSitePage& page) {
  bool ok = true;
  QByteArray text = ReadTextFile(TemplateSourceFor(templateFolder, page.FileName), &ok);
  if (!ok || text.isEmpty()) return false;
  SetWindowTitle(text, page.WindowTitle);
  return WriteTextFile(text, folders.PageFile(page.FileName)) &&
         WriteTextFile(text, folders.PreviewPageFile(page.FileName));
}

// The whole site written into the (empty) working folder of `folders`.
bool BuildSiteFiles(Site& site, const Folders& folders, int templateNumber) {
  const QString templateFolder = folders.TemplateFolder(templateNumber);
  site.ClearPages();
  for (const DefaultPage& d : kDefaultPages) {
    if (!AddDefaultPage(site, folders, templateNumber, QString::fromUtf8(d.label),
                        QString::fromUtf8(d.fileName))) {
      return false;
    }
  }
  site.OpenPageFileName = site.Page(0).FileName;

  // The site picture, where the data folder has one.
  const QString picture = folders.DataFolder() + QStringLiteral("img.jpg");
  const bool hasPicture = QFileInfo::exists(picture);
  if ((hasPicture &&
       !CopyFileReplacing(picture, folders.WorkFolder() + QStringLiteral("img.jpg"))) ||
      (hasPicture &&
       !CopyFileReplacing(picture, folders.PreviewFolder() + QStringLiteral("img.jpg"))) ||
      !ReplaceTemplateAssets(templateFolder, folders.WorkFolder()) ||
      !ReplaceTemplateAssets(templateFolder, folders.PreviewFolder())) {
    return false;
  }
  for (int i = 0; i < site.PageCount(); ++i) {
    TSitePage& page = site.Page(i);
    page.ShowInMenu = true;
    // Visitors see the title in the browser tab and in search results.
    page.WindowTitle = page.Label_;
    page.IsHomePage = i == 0;
    if (!SeedPageFile(folders, templateFolder, page)) return false;
  }
  // Template menus link "./" and ".php" forms: point them at the site's pages.
  return RebuildMenus(site, folders, templateNumber) &&
         OpenPageInEditor(site, folders, site.Page(0).FileName);
}

}  // namespace

QString TemplateSourceFor(const QString& templateFolder, const QString& fileName) {
  const QString own = templateFolder + fileName + QStringLiteral(".html");
  return QFileInfo(own).isFile() ? own : templateFolder + QStringLiteral("index.html");
}

bool ReplaceTemplateAssets(const QString& templateFolder, const QString& siteFolder) {
  const QString bin = siteFolder + QStringLiteral("bin");
  return RemoveTree(bin) && CopyFolder(templateFolder + QStringLiteral("bin"), bin);
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
    if (!QFileInfo::exists(target) && !QFile::copy(index, target)) return false;
  }
  return true;
}

StagedSite StageNewSite(const Site& site, const Folders& folders, int templateNumber) {
  StagedSite staged;
  staged.Failure = ErrorCode::SiteNotCreated;
  if (!QFileInfo(folders.TemplateFolder(templateNumber) + QStringLiteral("index.html")).isFile()) {
    return staged;  // no such template: nothing to build from
  }
  auto folder = std::make_shared<StagedWorkFolder>(folders);
  if (!folder->Create()) return staged;
  staged.Record = site;
  if (!BuildSiteFiles(staged.Record, folder->Staged(), templateNumber)) return staged;
  staged.Folder = std::move(folder);
  staged.Failure = ErrorCode::None;
  return staged;
}

Outcome CreateSite(Site& site, const Folders& folders, int templateNumber, SettingsStore* store) {
  StagedSite staged = StageNewSite(site, folders, templateNumber);
  return PutStagedSiteInPlace(staged, site, store, ErrorCode::SiteNotCreated);
}

}  // namespace moxa
