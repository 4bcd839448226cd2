#pragma once

#include "site/Folders.h"

#include <QString>

namespace moxa {

class SettingsStore;

// The settings value naming the working folder the stored site describes.
inline constexpr char kWorkFolderIdName[] = "WorkFolderId";

// A new working folder built beside the current one and swapped in whole,
// so an operation that rewrites the site either completes or leaves the old
// site exactly as it was. Dropped without `SwapIn`, it removes itself.
//
// The order that survives a kill at any point: build, `MarkComplete` (the
// folder gets an id file, the store the same id, not yet committed), commit
// the store with the new site, `SwapIn`. At the next start
// `RecoverWorkFolder` swaps in a staged folder whose id the store names and
// removes any other, so the pages always match the stored site.
class StagedWorkFolder {
 public:
  explicit StagedWorkFolder(const Folders& folders);
  ~StagedWorkFolder();
  StagedWorkFolder(const StagedWorkFolder&) = delete;
  StagedWorkFolder& operator=(const StagedWorkFolder&) = delete;

  // An empty staging folder (a leftover of an interrupted run is removed).
  [[nodiscard]] bool Create();
  // The same folders with the working folder at the staging place.
  const Folders& Staged() const { return staged_; }
  // The staged folder is whole: it gets a new id, which `store` (when
  // given) is told without a commit, so the caller's commit of the new site
  // names it.
  [[nodiscard]] bool MarkComplete(SettingsStore* store);
  // Puts back the id the store named before `MarkComplete`, for a caller
  // that stores the old site again after a failed swap.
  void RestoreStoredId(SettingsStore& store) const;
  // The staged folder becomes the working folder; the old one is removed.
  [[nodiscard]] bool SwapIn();
  // Leaves the staged folder where it is when this object goes: the store
  // names it, and the next start swaps it in.
  void KeepForNextStart() { kept_ = true; }

 private:
  Folders folders_;
  Folders staged_;
  QString previousId_;
  bool swapped_ = false;
  bool kept_ = false;
};

// Finishes or undoes a change of the working folder that a kill cut short,
// and removes leftovers: a complete staged folder whose id `store` names is
// swapped in (the store already describes it), any other is removed, and a
// working folder missing between the two renames of a swap comes back.
// Settings without an id (written before ids existed) keep the working
// folder. Run before the site is loaded.
void RecoverWorkFolder(const Folders& folders, const SettingsStore& store);

}  // namespace moxa
