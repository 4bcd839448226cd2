#include "richtext/RtdStream.h"

#include <cstdint>
#include <cstring>

namespace moxa::rt {

void RtdWriter::U32(std::uint32_t value) {
  const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                         static_cast<char>((value >> 16) & 0xFF),
                         static_cast<char>((value >> 24) & 0xFF)};
  out_.append(bytes, 4);
}

void RtdWriter::Bytes(const QByteArray& bytes) {
  U32(static_cast<std::uint32_t>(bytes.size()));
  out_.append(bytes);
}

void RtdWriter::Str(const QString& text) {
  U32(static_cast<std::uint32_t>(text.size()));
  for (const QChar c : text) {
    const char16_t unit = c.unicode();
    out_.append(static_cast<char>(unit & 0xFF));
    out_.append(static_cast<char>(unit >> 8));
  }
}

const char* RtdReader::Take(qsizetype size) {
  if (!ok_ || size < 0 || size > Remaining()) {
    ok_ = false;
    return nullptr;
  }
  const char* at = data_.constData() + pos_;
  pos_ += size;
  return at;
}

std::uint8_t RtdReader::U8() {
  const char* at = Take(1);
  return at ? static_cast<std::uint8_t>(*at) : 0;
}

std::uint32_t RtdReader::U32() {
  const char* at = Take(4);
  if (!at) return 0;
  const auto* b = reinterpret_cast<const unsigned char*>(at);
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

bool RtdReader::Bool() {
  const std::uint8_t value = U8();
  if (value > 1) Fail();
  return ok_ && value == 1;
}

int RtdReader::Count(qsizetype minBytes) {
  const std::uint32_t count = U32();
  if (!ok_) return 0;
  if (minBytes < 1) minBytes = 1;
  if (count > static_cast<std::uint64_t>(Remaining() / minBytes) || count > INT32_MAX) {
    Fail();
    return 0;
  }
  return static_cast<int>(count);
}

QByteArray RtdReader::Bytes() {
  const int size = Count(1);
  const char* at = Take(size);
  return at ? QByteArray(at, size) : QByteArray();
}

QString RtdReader::Str() {
  const int size = Count(2);
  const char* at = Take(qsizetype{size} * 2);
  if (!at) return QString();
  QString text(size, Qt::Uninitialized);
  const auto* b = reinterpret_cast<const unsigned char*>(at);
  for (int i = 0; i < size; ++i) {
    text[i] = QChar(static_cast<char16_t>(b[2 * i] | b[2 * i + 1] << 8));
  }
  return text;
}

bool RtdReader::Raw(char* out, qsizetype size) {
  const char* at = Take(size);
  if (at && size > 0) std::memcpy(out, at, static_cast<size_t>(size));
  return at != nullptr;
}

}  // namespace moxa::rt
