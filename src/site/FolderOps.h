#pragma once

#include <QString>

namespace moxa {

// Copies every entry of `source` into `destination` (created when missing),
// recursing into sub-folders; links are never followed. A file already
// present in the destination is kept unless `replace`. False when anything
// could not be copied (the rest is still copied).
[[nodiscard]] bool CopyFolder(const QString& source, const QString& destination, bool replace = false);

// Removes `path` whatever it is: a folder with everything in it, a file, or
// a symbolic link (only the link itself: what it points to is never touched).
// True when nothing is left at `path`.
[[nodiscard]] bool RemoveTree(const QString& path);

// Deletes every file directly inside `folder`; sub-folders stay.
void ClearFolderFiles(const QString& folder);

// Copies `source` over `destination`, written safely: the destination is
// either the whole new copy or left as it was. False when the source cannot
// be read or the destination cannot be written.
[[nodiscard]] bool CopyFileReplacing(const QString& source, const QString& destination);

}  // namespace moxa
