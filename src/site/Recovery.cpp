#include "site/Recovery.h"

#include "site/BatchJournal.h"
#include "site/StagedWorkFolder.h"

namespace moxa {

void RecoverUnfinishedChanges(const Folders& folders, const SettingsStore& store) {
  // The folder first: a page journal lives in the working folder it describes.
  RecoverWorkFolder(folders, store);
  RecoverPageChange(folders, store);
}

}  // namespace moxa
