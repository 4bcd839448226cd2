#pragma once

#include <QString>

namespace moxa {

// Copies every entry of `source` into `destination` (created when missing,
// one level), recursing into sub-folders. A file already present in the
// destination is kept as it is. Files that cannot be copied are skipped.
void CopyFolder(const QString& source, const QString& destination);

// Deletes every file directly inside `folder`; sub-folders stay.
void ClearFolderFiles(const QString& folder);

// Copies `source` over `destination`, written safely: the destination is
// either the whole new copy or left as it was. False when the source cannot
// be read or the destination cannot be written.
bool CopyFileReplacing(const QString& source, const QString& destination);

}  // namespace moxa
