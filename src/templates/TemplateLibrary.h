#pragma once

#include "site/Folders.h"

#include <QImage>

#include <optional>
#include <vector>

namespace moxa {

// The templates found in the data folder, in gallery order: the folder
// numbers N (1 to 150) whose folder holds an index.html. A gallery position
// (`SelectedTemplateIndex`) resolves to its folder number through this list.
// Scanned with its screenshots, the library ends before the first template
// whose screenshot cannot be read: the gallery can show no later one.
class TemplateLibrary {
 public:
  static constexpr int kHighestNumber = 150;

  static TemplateLibrary Scan(const Folders& folders);
  // Scan, each template's screenshot read into `screenshots` (same order).
  static TemplateLibrary ScanWithScreenshots(const Folders& folders,
                                             std::vector<QImage>& screenshots);
  explicit TemplateLibrary(std::vector<int> numbers = {}) : numbers_(std::move(numbers)) {}

  const std::vector<int>& Numbers() const { return numbers_; }
  int Count() const { return static_cast<int>(numbers_.size()); }
  // The folder number at gallery position `index`, if there is one.
  std::optional<int> NumberAt(int index) const;

 private:
  std::vector<int> numbers_;
};

}  // namespace moxa
