#include "pages/PageEditing.h"

#include "pages/LinkPrefix.h"
#include "site/FolderOps.h"
#include "site/PageNames.h"
#include "site/SiteStore.h"
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
  if (!IsUsablePageFileName(fileName) || !QFileInfo(path).isFile() ||
      !PathStaysInside(folders.WorkFolder(), path)) {
    return false;
  }
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

namespace {

// `page` (the working copy with its links enabled) into the open page's file.
bool WriteOpenPage(const Site& site, const Folders& folders, const QByteArray& page) {
  // An empty working copy means it is missing or unreadable: writing it
  // would wipe the page.
  if (site.OpenPageFileName.isEmpty() || page.isEmpty()) return false;
  const QString path = folders.PageFile(site.OpenPageFileName);
  if (!PathStaysInside(folders.WorkFolder(), path)) return false;
  return WriteTextFile(page, path);
}

}  // namespace

bool SavePage(const Site& site, const Folders& folders) {
  if (site.OpenPageFileName.isEmpty()) return false;
  return WriteOpenPage(site, folders, ReadWorkingCopyCleaned(folders));
}

bool SaveOpenPage(Site& site, const Folders& folders, SettingsStore& store) {
  const int index = site.IndexOfFileName(site.OpenPageFileName);
  if (index < 0) return false;
  const QByteArray page = ReadWorkingCopyCleaned(folders);
  if (page.isEmpty()) return false;
  bool readable = true;
  const QByteArray saved = ReadTextFile(folders.PageFile(site.OpenPageFileName), &readable);
  if (readable && saved == page) return true;
  if (!site.Page(index).Changed) {
    Site marked = site;
    marked.Page(index).Changed = true;
    if (!SavePageTable(marked, store)) return false;
    site.Page(index).Changed = true;
  }
  return WriteOpenPage(site, folders, page);
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
  // Every copy counts: a preview that shows stale pages is no preview.
  bool ok = true;
  for (const TSitePage& page : site.SitePages()) {
    ok = CopyFileReplacing(folders.PageFile(page.FileName),
                           folders.PreviewPageFile(page.FileName)) &&
         ok;
  }
  for (const QString& picture : EditorPictureNames(folders)) {
    ok = CopyFileReplacing(folders.WorkFolder() + picture, preview + picture) && ok;
  }
  // Assets the pages link; normally already there since site creation.
  ok = CopyFolder(folders.WorkFolder() + QStringLiteral("bin"), preview + QStringLiteral("bin")) &&
       ok;
  const QString sitePicture = QStringLiteral("img.jpg");
  if (!QFileInfo::exists(preview + sitePicture) &&
      QFileInfo::exists(folders.WorkFolder() + sitePicture)) {
    ok = CopyFileReplacing(folders.WorkFolder() + sitePicture, preview + sitePicture) && ok;
  }

  const QByteArray openPage = ReadWorkingCopyCleaned(folders);
  if (!ok || site.OpenPageFileName.isEmpty() || openPage.isEmpty()) return QString();
  const QString target = folders.PreviewPageFile(site.OpenPageFileName);
  return WriteTextFile(openPage, target) ? target : QString();
}

ExportResult ExportSite(const Site& site, const Folders& folders, const QString& folder,
                        const PageProgress& progress) {
  ExportResult result;
  const QString target = WithTrailingSlash(folder);
  auto fail = [&result](const QString& name) {
    result.Ok = false;
    result.FailedFiles << name;
  };
  auto copy = [&](const QString& from, const QString& name) {
    if (!CopyFileReplacing(from, target + name)) fail(name);
  };
  // Exporting into the working folder would copy the site into itself.
  const QString work = QFileInfo(folders.WorkFolder()).canonicalFilePath();
  const QString chosen = QFileInfo(target).canonicalFilePath();
  if (!QFileInfo(target).isDir() || chosen.isEmpty() ||
      (!work.isEmpty() && (chosen == work || chosen.startsWith(work + QLatin1Char('/'))))) {
    result.Ok = false;
    return result;
  }
  int done = 0;
  for (const TSitePage& page : site.SitePages()) {
    if (progress) progress(done++, site.PageCount());
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
  // The template's assets replace those an earlier export left there.
  if (!CopyFolder(folders.WorkFolder() + QStringLiteral("bin"), target + QStringLiteral("bin"),
                  true)) {
    fail(QStringLiteral("bin"));
  }
  return result;
}

}  // namespace moxa
