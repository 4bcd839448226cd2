#pragma once

#include "site/Folders.h"

#include <QLockFile>
#include <QString>

namespace moxa {

// One program at a time works on the user's site. The window and every
// moxa-tool command on the user's site hold this lock while they run, so
// neither writes the settings or the working folder under the other (each
// would otherwise write back what it loaded and lose the other's changes).
// The lock of a program that ended without letting go (a crash, a kill) is
// taken over. It lives in the per-user folder beside the working folder.
class SiteLock {
 public:
  explicit SiteLock(const Folders& folders);
  SiteLock(const SiteLock&) = delete;
  SiteLock& operator=(const SiteLock&) = delete;

  // False when another running program holds the site. Let go on destruction.
  [[nodiscard]] bool TryTake();

  // The lock file of these folders.
  static QString LockFileName(const Folders& folders);
  // Said to the program that finds the site held.
  static QString HeldElsewhereMessage();

 private:
  QLockFile file_;
};

}  // namespace moxa
