#pragma once

#include <QByteArray>
#include <QString>

namespace moxa {

// Page files are 8-bit text (UTF-8), read and written without conversion.

// Reads the file line by line (CR LF, LF or a lone CR end a line) and
// returns the lines each followed by CR LF. A missing file gives "" with
// *ok true; a file that exists but cannot be read gives "" with *ok false.
QByteArray ReadTextFile(const QString& path, bool* ok = nullptr);

// Writes `text` so that the file ends with exactly one CR LF: one is added
// only when the text does not already end with CR LF, so reading a file and
// writing it back leaves it unchanged. Written safely; false on failure,
// with any previous file left intact.
[[nodiscard]] bool WriteTextFile(const QByteArray& text, const QString& path);

// `text` as WriteTextFile puts it on disk: ending with exactly one CR LF.
QByteArray TextFileBytes(const QByteArray& text);

// Line ends normalised to CR LF, each line followed by one (as ReadTextFile).
QByteArray NormalizeLineEnds(const QByteArray& bytes);

}  // namespace moxa
