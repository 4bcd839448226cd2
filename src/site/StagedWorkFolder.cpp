#include "site/StagedWorkFolder.h"

#include "platform/SettingsStore.h"
#include "site/FolderOps.h"
#include "site/KillPoint.h"
#include "site/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

namespace moxa {
namespace {

// Written last into a staged folder; it stays with the folder once swapped in.
const QString kIdFileName = QStringLiteral(".moxa-folder-id");

QString WithoutTrailingSlash(const QString& path) {
  return path.endsWith(QLatin1Char('/')) ? path.chopped(1) : path;
}

QString WorkPath(const Folders& folders) { return WithoutTrailingSlash(folders.WorkFolder()); }

QString StagingPath(const Folders& folders) { return WorkPath(folders) + QStringLiteral(".new"); }

QString RetiredPath(const Folders& folders) { return WorkPath(folders) + QStringLiteral(".old"); }

bool Exists(const QString& path) { return QFileInfo::exists(path) || QFileInfo(path).isSymLink(); }

// The folder's id, or "" when it has none.
QString FolderId(const QString& folder) {
  QFile file(folder + u'/' + kIdFileName);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromLatin1(file.read(64)).trimmed();
}

// The two renames of a swap; a failure of the second puts the old folder back.
bool SwapFolders(const Folders& folders) {
  const QString work = WorkPath(folders);
  const QString retired = RetiredPath(folders);
  if (!RemoveTree(retired)) return false;
  const bool hadWork = Exists(work);
  if (hadWork && !QDir().rename(work, retired)) return false;
  KillPoint("between-swap-renames");
  if (!QDir().rename(StagingPath(folders), work)) {
    if (hadWork) QDir().rename(retired, work);
    return false;
  }
  (void)RemoveTree(retired);  // the new site is in place; a leftover goes at the next start
  return true;
}

// Whether the store describes the staged folder rather than the working one.
bool StoreDescribesStaged(const Folders& folders, const SettingsStore& store) {
  const QString staging = StagingPath(folders);
  if (!QFileInfo(staging).isDir()) return false;
  const QString named = store.ReadSetting(QString::fromLatin1(kWorkFolderIdName));
  if (named.isEmpty()) {
    // Settings from before ids: only a swap cut between its renames leaves
    // no working folder, and it started once the new site was stored.
    return !Exists(WorkPath(folders));
  }
  // A staged copy of the working folder carries the working folder's id
  // until it is marked complete: the working folder wins then.
  return FolderId(staging) == named && FolderId(WorkPath(folders)) != named;
}

}  // namespace

StagedWorkFolder::StagedWorkFolder(const Folders& folders)
    : folders_(folders), staged_(folders.WithWorkFolder(StagingPath(folders))) {}

StagedWorkFolder::~StagedWorkFolder() {
  // A leftover is removed again by the next staging or at the next start.
  if (!swapped_ && !kept_) (void)RemoveTree(StagingPath(folders_));
}

bool StagedWorkFolder::Create() {
  return RemoveTree(StagingPath(folders_)) && QDir().mkpath(staged_.PreviewFolder());
}

bool StagedWorkFolder::MarkComplete(SettingsStore* store) {
  const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
  if (!WriteFileSafely(StagingPath(folders_) + u'/' + kIdFileName, id.toLatin1())) return false;
  KillPoint("staged-folder-complete");
  if (store) {
    previousId_ = store->ReadSetting(QString::fromLatin1(kWorkFolderIdName));
    store->WriteSetting(QString::fromLatin1(kWorkFolderIdName), id);
  }
  return true;
}

void StagedWorkFolder::RestoreStoredId(SettingsStore& store) const {
  const QString name = QString::fromLatin1(kWorkFolderIdName);
  if (previousId_.isEmpty()) {
    store.RemoveSetting(name);
  } else {
    store.WriteSetting(name, previousId_);
  }
}

bool StagedWorkFolder::SwapIn() {
  KillPoint("before-swap");
  swapped_ = SwapFolders(folders_);
  return swapped_;
}

void RecoverWorkFolder(const Folders& folders, const SettingsStore& store) {
  const QString work = WorkPath(folders);
  if (StoreDescribesStaged(folders, store) && !SwapFolders(folders)) {
    return;  // kept for the next start rather than losing the stored site's pages
  }
  if (!Exists(work) && QFileInfo(RetiredPath(folders)).isDir()) {
    QDir().rename(RetiredPath(folders), work);
  }
  (void)RemoveTree(StagingPath(folders));
  (void)RemoveTree(RetiredPath(folders));
}

}  // namespace moxa
