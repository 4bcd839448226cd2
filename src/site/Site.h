#pragma once

#include "site/Account.h"
#include "site/SitePage.h"

#include <QString>

#include <functional>

#include <vector>

namespace moxa {

// Told after each page of a long job on the site: `done` of `total`. Called
// on the thread that runs the job.
using PageProgress = std::function<void(int done, int total)>;

// Everything about the one site that outlives a restart, apart from the page
// files: the account, the template choice and the page table in page order.
// The main window owns one and hands it by reference to the logic.
class Site {
 public:
  // The page table never holds more pages than this.
  static constexpr int kPageCapacity = 1001;

  TAccount SiteAccount;
  // Position of the chosen template in the gallery (not its folder number).
  qint32 SelectedTemplateIndex = 0;
  // File name of the page open in the editor; memory only.
  QString OpenPageFileName;

  const std::vector<TSitePage>& SitePages() const { return pages_; }
  std::vector<TSitePage>& SitePages() { return pages_; }
  int PageCount() const { return static_cast<int>(pages_.size()); }
  // Index of the last page; -1 when the site has no pages.
  int LastPageIndex() const { return PageCount() - 1; }
  bool IsFull() const { return PageCount() >= kPageCapacity; }

  TSitePage& Page(int index) { return pages_.at(static_cast<size_t>(index)); }
  const TSitePage& Page(int index) const { return pages_.at(static_cast<size_t>(index)); }

  // Appends a page; false (and nothing changes) when the table is full.
  bool AppendPage(const TSitePage& page);
  void ClearPages() { pages_.clear(); }
  // Index of the page with this file name (exact match), or -1.
  int IndexOfFileName(const QString& fileName) const;

  // The home page's file name (the first page when none is marked); "" without pages.
  QString HomePageFileName() const;

  // Back to the state of a fresh start: no account, template 0, no pages.
  void Reset();

 private:
  std::vector<TSitePage> pages_;
};

}  // namespace moxa
