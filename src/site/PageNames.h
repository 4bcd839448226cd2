#pragma once

#include <QString>

namespace moxa {

// True when `fileName` can name a page file of the working folder: not
// empty, none of the characters a typed name loses (so no "/", "\" or "."
// and never a path), no blank and no control character.
bool IsUsablePageFileName(const QString& fileName);

// True for the names of the program's own files in the working folder
// (the upload staging file), which no page may take.
bool IsReservedPageFileName(const QString& fileName);

// True when `path` (existing or not) resolves to a place inside `folder`,
// symbolic links followed: a page file that is a link to elsewhere is not
// the user's page and must not be read or written through.
bool PathStaysInside(const QString& folder, const QString& path);

}  // namespace moxa
