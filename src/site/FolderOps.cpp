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

void CopyFolder(const QString& source, const QString& destination) {
  QDir sourceDir(source);
  if (!sourceDir.exists()) return;
  QDir().mkdir(destination);
  const QDir destinationDir(destination);
  for (const QFileInfo& entry : sourceDir.entryInfoList(kEveryEntry)) {
    const QString target = destinationDir.filePath(entry.fileName());
    if (entry.isDir()) {
      // A link to a folder could lead back into the tree: do not follow it.
      if (!entry.isSymLink()) CopyFolder(entry.filePath(), target);
    } else if (!QFileInfo::exists(target)) {
      QFile::copy(entry.filePath(), target);
    }
  }
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
