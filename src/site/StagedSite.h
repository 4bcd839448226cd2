#pragma once

#include "platform/Outcome.h"
#include "site/Site.h"
#include "site/StagedWorkFolder.h"

#include <memory>

namespace moxa {

class SettingsStore;

// A whole new state of the site built beside the working folder: its files
// and the record that describes them. Staging works only on files and
// values, so a worker can do it; putting it in place touches the store and
// runs on the thread that owns the store.
struct StagedSite {
  std::shared_ptr<StagedWorkFolder> Folder;  // shared: a worker hands it back by value
  Site Record;
  // Set when staging failed: nothing of the site was touched.
  ErrorCode Failure = ErrorCode::None;

  bool ok() const { return Failure == ErrorCode::None && Folder != nullptr; }
};

// Puts a staged site in place, in the order that survives a kill: the
// folder marked complete, the new record stored with its id, the folder
// swapped in; `site` then becomes the record. On failure `site`, the store
// and the files are as they were and the outcome carries `failure`. When the
// swap failed and the old record could not be stored back, the store
// describes the staged folder: it is kept so the next start finishes the
// change, and the outcome is ChangeUnfinished.
Outcome PutStagedSiteInPlace(StagedSite& staged, Site& site, SettingsStore* store, ErrorCode failure);

}  // namespace moxa
