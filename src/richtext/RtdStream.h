#pragma once

// Little-endian primitives of the binary document format. Internal to the
// format's sources.

#include "richtext/RtEnums.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <type_traits>

namespace moxa::rt {

class RtdWriter {
 public:
  void U8(std::uint8_t value) { out_.append(static_cast<char>(value)); }
  void U32(std::uint32_t value);
  void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
  void Bool(bool value) { U8(value ? 1 : 0); }
  void Bytes(const QByteArray& bytes);
  void Str(const QString& text);  // UTF-16 code units, so any QString comes back unchanged
  void Raw(const char* data, qsizetype size) { out_.append(data, size); }
  template <class E>
    requires std::is_enum_v<E>
  void Enum(E value) {
    U8(static_cast<std::uint8_t>(value));
  }
  QByteArray Take() { return std::move(out_); }

 private:
  QByteArray out_;
};

// Reads with a sticky failure: after the first short read or bad value every
// read gives zero and Ok() is false, so callers check once per structure.
class RtdReader {
 public:
  explicit RtdReader(const QByteArray& bytes) : data_(bytes) {}

  std::uint8_t U8();
  std::uint32_t U32();
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  bool Bool();
  QByteArray Bytes();
  QString Str();
  bool Raw(char* out, qsizetype size);
  template <class E>
    requires std::is_enum_v<E>
  E Enum() {
    const int value = U8();
    if (value >= kRtEnumCount<E>) Fail();
    return ok_ ? static_cast<E>(value) : E{};
  }
  // A count of things that each take at least `minBytes` of the file: one
  // that the rest of the file cannot hold is refused, which keeps hostile
  // counts from allocating.
  int Count(qsizetype minBytes);

  void Fail() { ok_ = false; }
  bool Ok() const { return ok_; }
  qsizetype Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ == data_.size(); }

 private:
  const char* Take(qsizetype size);

  const QByteArray& data_;
  qsizetype pos_ = 0;
  bool ok_ = true;
};

}  // namespace moxa::rt
