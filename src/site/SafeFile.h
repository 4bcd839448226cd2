#pragma once

#include <QByteArray>
#include <QString>

namespace moxa {

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path`, so a crash or a full disk never leaves a half-written file: the
// previous content stays intact unless the whole new content is in place.
// False (and the target untouched) on any failure.
[[nodiscard]] bool WriteFileSafely(const QString& path, const QByteArray& bytes);

}  // namespace moxa
