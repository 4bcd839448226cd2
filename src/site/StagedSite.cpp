#include "site/StagedSite.h"

#include "platform/SettingsStore.h"
#include "site/SiteStore.h"

namespace moxa {

Outcome PutStagedSiteInPlace(StagedSite& staged, Site& site, SettingsStore* store, ErrorCode failure) {
  if (!staged.ok()) return Outcome(staged.Failure == ErrorCode::None ? failure : staged.Failure);
  StagedWorkFolder& folder = *staged.Folder;
  if (!folder.MarkComplete(store)) return Outcome(failure);
  // Stored first, with the staged folder's id: a kill before the swap is
  // finished by the next start.
  if (store && !SaveSite(staged.Record, *store)) return Outcome(ErrorCode::SettingsNotSaved);
  if (!folder.SwapIn()) {
    if (!store) return Outcome(failure);
    // The store already describes the new site: put the old one back.
    folder.RestoreStoredId(*store);
    if (SaveSite(site, *store)) return Outcome(failure);
    // Neither way round: the store keeps naming the staged folder, which
    // stays for the next start to swap in.
    folder.KeepForNextStart();
    return Outcome(ErrorCode::ChangeUnfinished);
  }
  site = std::move(staged.Record);
  return Outcome::Done();
}

}  // namespace moxa
