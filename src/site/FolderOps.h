#pragma once

#include <QString>

namespace moxa {

// Copies every entry of `source` into `destination` (created when missing,
// one level), recursing into sub-folders. A file already present in the
// destination is kept as it is. Files that cannot be copied are skipped.
void CopyFolder(const QString& source, const QString& destination);

// Deletes every file directly inside `folder`; sub-folders stay.
void ClearFolderFiles(const QString& folder);

}  // namespace moxa
