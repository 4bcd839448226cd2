#include "site/SiteLock.h"

#include <QDir>
#include <QFileInfo>

namespace moxa {

SiteLock::SiteLock(const Folders& folders) : file_(LockFileName(folders)) {
  // A program may run for days: only a dead holder's lock is taken over, never an old one.
  file_.setStaleLockTime(0);
}

bool SiteLock::TryTake() {
  QDir().mkpath(QFileInfo(file_.fileName()).absolutePath());
  return file_.tryLock(0);
}

QString SiteLock::LockFileName(const Folders& folders) {
  return folders.TempFolder + QStringLiteral("site.lock");
}

QString SiteLock::HeldElsewhereMessage() {
  return QStringLiteral(
      "Moxa Website Builder is already open with your site. Close it, then try again.");
}

}  // namespace moxa
