#include "site/StagedWorkFolder.h"

#include "site/FolderOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace moxa {
namespace {

QString WithoutTrailingSlash(const QString& path) {
  return path.endsWith(QLatin1Char('/')) ? path.chopped(1) : path;
}

QString StagingPath(const Folders& folders) {
  return WithoutTrailingSlash(folders.WorkFolder()) + QStringLiteral(".new");
}

QString RetiredPath(const Folders& folders) {
  return WithoutTrailingSlash(folders.WorkFolder()) + QStringLiteral(".old");
}

}  // namespace

StagedWorkFolder::StagedWorkFolder(const Folders& folders)
    : folders_(folders), staged_(folders.WithWorkFolder(StagingPath(folders))) {}

StagedWorkFolder::~StagedWorkFolder() {
  // A leftover is removed again by the next staging or at the next start.
  if (!swapped_) (void)RemoveTree(StagingPath(folders_));
}

bool StagedWorkFolder::Create() {
  return RemoveTree(StagingPath(folders_)) && QDir().mkpath(staged_.PreviewFolder());
}

bool StagedWorkFolder::SwapIn() {
  const QString work = WithoutTrailingSlash(folders_.WorkFolder());
  const QString retired = RetiredPath(folders_);
  if (!RemoveTree(retired)) return false;
  const bool hadWork = QFileInfo::exists(work) || QFileInfo(work).isSymLink();
  if (hadWork && !QDir().rename(work, retired)) return false;
  if (!QDir().rename(StagingPath(folders_), work)) {
    if (hadWork) QDir().rename(retired, work);
    return false;
  }
  swapped_ = true;
  (void)RemoveTree(retired);  // the new site is in place; a leftover goes at the next start
  return true;
}

void RecoverWorkFolder(const Folders& folders) {
  const QString work = WithoutTrailingSlash(folders.WorkFolder());
  // Between the two renames of a swap: the new folder was complete.
  if (!QFileInfo::exists(work) && QFileInfo(StagingPath(folders)).isDir()) {
    QDir().rename(StagingPath(folders), work);
  }
  if (!QFileInfo::exists(work) && QFileInfo(RetiredPath(folders)).isDir()) {
    QDir().rename(RetiredPath(folders), work);
  }
  (void)RemoveTree(StagingPath(folders));
  (void)RemoveTree(RetiredPath(folders));
}

}  // namespace moxa
