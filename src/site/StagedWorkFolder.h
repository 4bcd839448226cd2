#pragma once

#include "site/Folders.h"

namespace moxa {

// A new working folder built beside the current one and swapped in whole,
// so an operation that rewrites the site either completes or leaves the old
// site exactly as it was. Dropped without `SwapIn`, it removes itself.
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
  // The staged folder becomes the working folder; the old one is removed.
  [[nodiscard]] bool SwapIn();

 private:
  Folders folders_;
  Folders staged_;
  bool swapped_ = false;
};

// Completes or undoes a swap that was interrupted (the program ended between
// its two renames), and removes leftovers. Run before the site is loaded.
void RecoverWorkFolder(const Folders& folders);

}  // namespace moxa
