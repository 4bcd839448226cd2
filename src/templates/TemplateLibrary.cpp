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

TemplateLibrary TemplateLibrary::ScanWithScreenshots(const Folders& folders,
                                                     std::vector<QImage>& screenshots) {
  TemplateLibrary library = Scan(folders);
  screenshots.clear();
  for (const int number : library.numbers_) {
    QImage screenshot(folders.TemplateFolder(number) + QStringLiteral("ss.png"));
    if (screenshot.isNull()) break;
    screenshots.push_back(std::move(screenshot));
  }
  library.numbers_.resize(screenshots.size());
  return library;
}

std::optional<int> TemplateLibrary::NumberAt(int index) const {
  if (index < 0 || index >= Count()) return std::nullopt;
  return numbers_[static_cast<size_t>(index)];
}

}  // namespace moxa
