#include "richtext/RawByteStringList.h"

#include <cstring>

namespace moxa::rt {

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

constexpr size_t kGrowBy = 8;  // capacity grows by 8 entries at a time

}  // namespace

QByteArray& TRtRawByteStringList::NextSlot() {
  if (static_cast<size_t>(count_) == items_.size()) {
    if (items_.size() == items_.capacity()) items_.reserve(items_.capacity() + kGrowBy);
    items_.emplace_back();
  }
  return items_[static_cast<size_t>(count_++)];
}

void TRtRawByteStringList::Add(std::string_view text) {
  QByteArray& slot = NextSlot();
  slot.resize(static_cast<qsizetype>(text.size()));
  if (!text.empty()) std::memcpy(slot.data(), text.data(), text.size());
}

void TRtRawByteStringList::AddPair(std::string_view name, std::string_view value,
                                   bool hasValue, bool lowerName) {
  QByteArray& slot = NextSlot();
  const size_t size = name.size() + (hasValue ? 1 + value.size() : 0);
  slot.resize(static_cast<qsizetype>(size));
  char* out = slot.data();
  for (char c : name) *out++ = lowerName ? LowerAscii(c) : c;
  if (!hasValue) return;
  *out++ = '=';
  if (!value.empty()) std::memcpy(out, value.data(), value.size());
}

int TRtRawByteStringList::IndexOfName(std::string_view name) const {
  for (int i = 0; i < count_; ++i) {
    const QByteArray& entry = items_[static_cast<size_t>(i)];
    const qsizetype eq = entry.indexOf('=');
    if (eq >= 0 && std::string_view(entry.constData(), static_cast<size_t>(eq)) == name) return i;
  }
  return -1;
}

QByteArray TRtRawByteStringList::GetValue(std::string_view name) const {
  const int index = IndexOfName(name);
  if (index < 0) return QByteArray();
  const QByteArray& entry = items_[static_cast<size_t>(index)];
  return entry.mid(static_cast<qsizetype>(name.size()) + 1);
}

}  // namespace moxa::rt
