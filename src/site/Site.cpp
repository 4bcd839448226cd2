#include "site/Site.h"

namespace moxa {

bool Site::AppendPage(const TSitePage& page) {
  if (IsFull()) return false;
  pages_.push_back(page);
  return true;
}

int Site::IndexOfFileName(const QString& fileName) const {
  for (int i = 0; i < PageCount(); ++i) {
    if (pages_[static_cast<size_t>(i)].FileName == fileName) return i;
  }
  return -1;
}

QString Site::HomePageFileName() const {
  for (const TSitePage& page : pages_) {
    if (page.IsHomePage) return page.FileName;
  }
  return pages_.empty() ? QString() : pages_.front().FileName;
}

void Site::Reset() {
  SiteAccount = TAccount{};
  SelectedTemplateIndex = 0;
  OpenPageFileName.clear();
  pages_.clear();
}

}  // namespace moxa
