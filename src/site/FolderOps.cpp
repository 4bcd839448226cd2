#include "site/FolderOps.h"

#include "site/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace moxa {
namespace {

constexpr QDir::Filters kEveryEntry =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

}  // namespace

bool CopyFolder(const QString& source, const QString& destination, bool replace) {
  const QFileInfo sourceInfo(source);
  if (!sourceInfo.isDir() || sourceInfo.isSymLink()) return false;
  const QFileInfo destinationInfo(destination);
  // A link in the destination's place would lead the copy out of its folder.
  if (destinationInfo.isSymLink() || (destinationInfo.exists() && !destinationInfo.isDir())) {
    return false;
  }
  if (!destinationInfo.exists() && !QDir().mkdir(destination)) return false;
  bool ok = true;
  const QDir destinationDir(destination);
  for (const QFileInfo& entry : QDir(source).entryInfoList(kEveryEntry)) {
    if (entry.isSymLink()) continue;  // could lead back into the tree or out of it
    const QString target = destinationDir.filePath(entry.fileName());
    if (entry.isDir()) {
      ok = CopyFolder(entry.filePath(), target, replace) && ok;
    } else if (replace) {
      ok = CopyFileReplacing(entry.filePath(), target) && ok;
    } else if (!QFileInfo::exists(target) && !QFileInfo(target).isSymLink()) {
      ok = QFile::copy(entry.filePath(), target) && ok;
    }
  }
  return ok;
}

bool RemoveTree(const QString& path) {
  const QFileInfo info(path);
  if (info.isSymLink() || (info.exists() && !info.isDir())) return QFile::remove(path);
  if (!info.exists()) return true;
  // Qt's recursive removal deletes links inside the folder without
  // following them; only a link at the top would be followed, handled above.
  return QDir(path).removeRecursively();
}

void ClearFolderFiles(const QString& folder) {
  const QDir dir(folder);
  if (!dir.exists()) return;
  for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
    QFile::remove(entry.filePath());
  }
}

bool CopyFileReplacing(const QString& source, const QString& destination) {
  QFile file(source);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  return WriteFileSafely(destination, bytes);
}

}  // namespace moxa
