#pragma once

#include "richtext/RtDocument.h"
#include "richtext/RtStyle.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace moxa::rt {

// The engine's own binary document format: little-endian, a magic and a
// version, then the whole style sheet (so style numbers survive), the
// document's page properties and its items, tables and pictures included.
// Nothing but this program reads it.
inline constexpr char kRtdMagic[] = "MOXARTD\x1A";  // 8 bytes
inline constexpr std::uint32_t kRtdVersion = 1;

// The document as bytes; nothing when it breaks the model's rules
// (IsConsistent), since such a file could not be loaded back.
std::optional<QByteArray> SaveRtdToBytes(const TRtDocument& document, const TRtStyle& style);
// Writes the file whole or not at all: false, and any previous file kept,
// when the document is inconsistent or the file cannot be written.
[[nodiscard]] bool SaveRtd(const QString& fileName, const TRtDocument& document, const TRtStyle& style);

// Replaces `document` by the one in the bytes. The file's styles are put
// into `style` at their own numbers (replacing the entries there, appending
// the rest), so the loaded document's style numbers mean what they meant
// when it was saved. On any error (truncated, corrupted, hostile, a newer
// version): false, `document` empty and `style` untouched.
[[nodiscard]] bool LoadRtdFromBytes(const QByteArray& bytes, TRtDocument& document, TRtStyle& style);
[[nodiscard]] bool LoadRtd(const QString& fileName, TRtDocument& document, TRtStyle& style);

}  // namespace moxa::rt
