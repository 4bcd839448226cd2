#pragma once

#include "site/FileBatch.h"
#include "site/Folders.h"

#include <QString>

namespace moxa {

class SettingsStore;

// A prepared file batch written down before the change it belongs to is
// stored, so that a kill anywhere between the store's commit and the last
// rename is finished at the next start, and one before the commit undone.
// The change's commit carries the journal's id; the journal is finished
// only when the store names that id.

// Writes the moves and removals of the prepared `batch` with `id`.
[[nodiscard]] bool WriteBatchJournal(const FileBatch& batch, const QString& journalPath,
                                     const QString& id);
void RemoveBatchJournal(const QString& journalPath);
// Finishes the journal's batch when `storedId` is its id (files not yet
// renamed go into place, the removals are done), else removes its
// temporary files; then the journal goes.
void RecoverBatchJournal(const QString& journalPath, const QString& storedId);

// The page operations' journal and the settings value of their last change.
inline constexpr char kPageChangeIdName[] = "PageChangeId";
QString PageChangeJournal(const Folders& folders);
// An interrupted page operation finished or undone, as the store says.
void RecoverPageChange(const Folders& folders, const SettingsStore& store);

}  // namespace moxa
