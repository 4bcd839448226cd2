#pragma once

class QSaveFile;

namespace moxa {

// Commits a QSaveFile only when everything written reached the disk. Qt's
// own commit() does not notice a flush that failed (a full disk, a file-size
// limit) and would rename a short file over the old one; here such a file is
// discarded and the old one stays whole. False on any failure.
[[nodiscard]] bool CommitSaveFile(QSaveFile& file);

}  // namespace moxa
