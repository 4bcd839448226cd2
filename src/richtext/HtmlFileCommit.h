#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace moxa::rt {

// One file of a set that is written together.
struct TRtPendingFile {
  QString Name;  // inside the set's folder
  QByteArray Bytes;
};

// Writes `extras` into `folder` and then `mainPath`, all or nothing: every
// file is first written whole to a temporary file in the folder, then the
// extras are renamed into place and the main file last (replacing an
// existing main file). An extra may replace an existing file only with
// `replaceExtras`. On any failure the result is false, the temporary files
// are removed, and so are the extras already renamed into place where no
// file stood before (a file an extra replaced cannot be brought back).
bool CommitFiles(const QString& folder, const std::vector<TRtPendingFile>& extras,
                 const QString& mainPath, const QByteArray& mainBytes, bool replaceExtras);

}  // namespace moxa::rt
