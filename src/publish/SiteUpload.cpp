#include "publish/SiteUpload.h"

#include "site/SafeFile.h"
#include "site/TextFiles.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace moxa {

namespace {

struct PageUpload {
  int index;
  QByteArray wrapped;
};

}  // namespace

QString StagingFile(const Folders& folders) { return folders.WorkFolder() + QStringLiteral("uperdyup.html"); }

QStringList PicturesOfPage(const QByteArray& pageText, const QString& workFolder) {
  static const QRegularExpression kPicture(QStringLiteral("moxa_img\\d+\\.[a-z]+"),
                                           QRegularExpression::CaseInsensitiveOption);
  QStringList pictures;
  for (auto match = kPicture.globalMatch(QString::fromUtf8(pageText)); match.hasNext();) {
    const QString name = match.next().captured(0);
    if (!pictures.contains(name) && QFileInfo(workFolder + name).isFile()) pictures << name;
  }
  return pictures;
}

bool UploadChangedPages(Site& site, const Folders& folders, const WrapTarget& target,
                        FtpUploader& uploader, const QString& folder, const UploadProgress& progress,
                        QString* error) {
  if (folder.isEmpty()) {
    if (error) *error = QStringLiteral("no folder to upload into");
    return false;
  }
  std::vector<PageUpload> pages;
  QStringList pictures;
  for (int i = 0; i < site.PageCount(); ++i) {
    if (!site.Page(i).Changed) continue;
    const QString file = folders.PageFile(site.Page(i).FileName);
    bool read = false;
    const QByteArray text = ReadTextFile(file, &read);
    if (!read || !QFileInfo(file).isFile()) {
      if (error) *error = QStringLiteral("%1: the page file cannot be read").arg(QFileInfo(file).fileName());
      return false;
    }
    pages.push_back({i, WrapPageAsPhp(text, target, true)});
    for (const QString& picture : PicturesOfPage(text, folders.WorkFolder())) {
      if (!pictures.contains(picture)) pictures << picture;
    }
  }
  const int total = int(pictures.size() + pages.size());
  int done = 0;
  if (progress) progress(done, total);
  // Pictures first: a page never shows up before what it shows.
  for (const QString& picture : pictures) {
    if (!uploader.Upload(folder, folders.WorkFolder() + picture, picture, error)) return false;
    if (progress) progress(++done, total);
  }
  for (const PageUpload& page : pages) {
    const QString remote = site.Page(page.index).FileName + QStringLiteral(".html.php");
    if (!WriteFileSafely(StagingFile(folders), page.wrapped)) {
      if (error) *error = remote + QStringLiteral(": the staging file cannot be written");
      return false;
    }
    if (!uploader.Upload(folder, StagingFile(folders), remote, error)) return false;
    site.Page(page.index).Changed = false;
    if (progress) progress(++done, total);
  }
  return true;
}

}  // namespace moxa
