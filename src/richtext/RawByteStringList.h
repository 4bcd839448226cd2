#pragma once

#include <QByteArray>

#include <string_view>
#include <vector>

namespace moxa::rt {

// A growable list of 8-bit strings, as the tokenizer stores a tag's
// attributes: "name=value" or a bare name. Clear keeps the strings' memory,
// so a tokenizer that reuses one list allocates nothing once warmed up.
class TRtRawByteStringList {
 public:
  int Count() const { return count_; }
  const QByteArray& operator[](int index) const { return items_.at(static_cast<size_t>(index)); }
  void Clear() { count_ = 0; }
  void Add(std::string_view text);
  // Appends "name=value", or the bare name without `value`; the name
  // lowered (ASCII) when `lowerName`.
  void AddPair(std::string_view name, std::string_view value, bool hasValue, bool lowerName);

  // The first entry that contains "=" and whose part before the first "="
  // equals `name` (case-sensitive); -1 when none.
  int IndexOfName(std::string_view name) const;
  // The text after that entry's name and "="; empty when there is none.
  QByteArray GetValue(std::string_view name) const;

 private:
  QByteArray& NextSlot();

  std::vector<QByteArray> items_;
  int count_ = 0;
};

}  // namespace moxa::rt
