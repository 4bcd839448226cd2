#include "templates/TemplateLibrary.h"

#include <QFileInfo>

namespace moxa {

TemplateLibrary TemplateLibrary::Scan(const Folders& folders) {
  std::vector<int> numbers;
  for (int n = 1; n <= kHighestNumber; ++n) {
    if (QFileInfo(folders.TemplateFolder(n) + QStringLiteral("index.html")).isFile()) {
      numbers.push_back(n);
    }
  }
  return TemplateLibrary(std::move(numbers));
}

std::optional<int> TemplateLibrary::NumberAt(int index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  return numbers_[static_cast<size_t>(index)];
}

void TemplateLibrary::Truncate(int count) {
  if (count >= 0 && count < Count()) numbers_.resize(static_cast<size_t>(count));
}

}  // namespace moxa
