#include "pages/PageEditing.h"

#include "pages/LinkPrefix.h"
#include "site/FolderOps.h"
#include "site/TextFiles.h"

#include <QDir>
#include <QFileInfo>

namespace moxa {
namespace {

constexpr int kMaxEditorPictures = 1000;

}  // namespace

bool OpenPageInEditor(Site& site, const Folders& folders, const QString& fileName) {
  if (fileName.isEmpty()) return false;
  const QString path = folders.PageFile(fileName);
  if (!QFileInfo(path).isFile()) return false;
  bool ok = true;
  const QByteArray page = ReadTextFile(path, &ok);
  if (!ok || !WriteTextFile(AddEditorLinkPrefixes(page), folders.WorkingCopyFile())) return false;
  site.OpenPageFileName = fileName;
  return true;
}

QByteArray ReadWorkingCopyCleaned(const Folders& folders) {
  bool ok = true;
  const QByteArray copy = ReadTextFile(folders.WorkingCopyFile(), &ok);
  return ok ? RemoveEditorLinkPrefixes(copy) : QByteArray();
}

bool SavePage(const Site& site, const Folders& folders) {
  if (site.OpenPageFileName.isEmpty()) return false;
  const QByteArray page = ReadWorkingCopyCleaned(folders);
  // An empty working copy means it is missing or unreadable: writing it
  // would wipe the page.
  if (page.isEmpty()) return false;
  return WriteTextFile(page, folders.PageFile(site.OpenPageFileName));
}

QStringList EditorPictureNames(const Folders& folders) {
  QStringList names;
  for (int n = 1; n <= kMaxEditorPictures; ++n) {
    const QString name = QStringLiteral("moxa_img%1.jpg").arg(n);
    if (!QFileInfo::exists(folders.WorkFolder() + name)) break;
    names << name;
  }
  return names;
}

QString RefreshPreview(const Site& site, const Folders& folders) {
  const QString preview = folders.PreviewFolder();
  if (!QDir().mkpath(preview)) return QString();
  for (const TSitePage& page : site.SitePages()) {
    CopyFileReplacing(folders.PageFile(page.FileName), folders.PreviewPageFile(page.FileName));
  }
  for (const QString& picture : EditorPictureNames(folders)) {
    CopyFileReplacing(folders.WorkFolder() + picture, preview + picture);
  }
  // Assets the pages link; normally already there since site creation.
  CopyFolder(folders.WorkFolder() + QStringLiteral("bin"), preview + QStringLiteral("bin"));
  const QString sitePicture = QStringLiteral("img.jpg");
  if (!QFileInfo::exists(preview + sitePicture)) {
    CopyFileReplacing(folders.WorkFolder() + sitePicture, preview + sitePicture);
  }

  const QByteArray openPage = ReadWorkingCopyCleaned(folders);
  if (site.OpenPageFileName.isEmpty() || openPage.isEmpty()) return QString();
  const QString target = folders.PreviewPageFile(site.OpenPageFileName);
  return WriteTextFile(openPage, target) ? target : QString();
}

ExportResult ExportSite(const Site& site, const Folders& folders, const QString& folder) {
  ExportResult result;
  const QString target = WithTrailingSlash(folder);
  auto copy = [&](const QString& from, const QString& name) {
    if (!CopyFileReplacing(from, target + name)) {
      result.Ok = false;
      result.FailedFiles << name;
    }
  };
  if (!QDir(target).exists()) {
    result.Ok = false;
    return result;
  }
  for (const TSitePage& page : site.SitePages()) {
    copy(folders.PageFile(page.FileName), page.FileName + QStringLiteral(".html"));
  }
  // The pages show the site picture and the editor's pictures: without
  // them an exported page would have holes.
  const QString sitePicture = QStringLiteral("img.jpg");
  if (QFileInfo::exists(folders.WorkFolder() + sitePicture)) {
    copy(folders.WorkFolder() + sitePicture, sitePicture);
  }
  for (const QString& picture : EditorPictureNames(folders)) {
    copy(folders.WorkFolder() + picture, picture);
  }
  CopyFolder(folders.WorkFolder() + QStringLiteral("bin"), target + QStringLiteral("bin"));
  return result;
}

}  // namespace moxa
