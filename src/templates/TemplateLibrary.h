#pragma once

#include "site/Folders.h"

#include <optional>
#include <vector>

namespace moxa {

// The templates found in the data folder, in gallery order: the folder
// numbers N (1 to 150) whose folder holds an index.html. A gallery position
// (`SelectedTemplateIndex`) resolves to its folder number through this list.
class TemplateLibrary {
 public:
  static constexpr int kHighestNumber = 150;

  static TemplateLibrary Scan(const Folders& folders);
  explicit TemplateLibrary(std::vector<int> numbers = {}) : numbers_(std::move(numbers)) {}

  const std::vector<int>& Numbers() const { return numbers_; }
  int Count() const { return static_cast<int>(numbers_.size()); }
  // The folder number at gallery position `index`, if there is one.
  std::optional<int> NumberAt(int index) const;
  // Keeps the first `count` templates (the gallery stops at a broken screenshot).
  void Truncate(int count);

 private:
  std::vector<int> numbers_;
};

}  // namespace moxa
