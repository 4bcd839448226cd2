#pragma once

#include "pages/FileNameRules.h"
#include "pages/PageHead.h"
#include "site/Folders.h"
#include "site/Site.h"

namespace moxa {

class SettingsStore;

// What the page operations work on besides the site: the folders, the
// folder number of the site's template and the store the page table is
// saved in.
struct PageContext {
  Folders folders;
  int templateNumber = 1;
  SettingsStore* store = nullptr;
};

// The outcome of a page operation. Every operation is all or nothing: the
// page files, the menus of the other pages, the working copy and the stored
// page table change together, or (on a refusal or a failure) nothing does.
struct PageOutcome {
  PageMessage Message = PageMessage::None;
  CleanedNames Names;  // the cleaned field texts, for the interface to show
  // The open page's unsaved edits went into the page file with the change.
  bool SavedOpenPageEdits = false;
  bool ok() const { return Message == PageMessage::None; }
};

// Adds a page made from the template's home page at the end of the site and
// opens it.
[[nodiscard]] PageOutcome AddPage(Site& site, const PageContext& context, const QString& fileName,
                                  const QString& label);

// Adds a page made from the working copy (the open page with its unsaved
// edits) at the end of the site; otherwise as AddPage.
[[nodiscard]] PageOutcome SavePageAs(Site& site, const PageContext& context,
                                     const QString& fileName, const QString& label);

// Renames page `index` (its file and label) and opens it. The home page
// keeps its file name whatever is typed: only its label changes. With
// `withUnsavedEdits` (page `index` is open with unsaved edits) the page is
// written from the working copy, so renaming never loses those edits; a
// refused rename saves nothing.
[[nodiscard]] PageOutcome RenamePage(Site& site, const PageContext& context, int index,
                                     const QString& fileName, const QString& label,
                                     bool withUnsavedEdits = false);

// Writes new head values into the open page: into the record, the page file
// (links enabled) and the working copy (links kept disabled). The table is
// stored with the page marked changed before the files are put in place, so
// the change is published also after a restart. The menus are not rebuilt.
[[nodiscard]] bool SetPageProperties(Site& site, const Folders& folders, SettingsStore& store, int index,
                                     const PageProperties& properties);

// The head values shown by the page-properties dialog for page `index`.
PageProperties ReadPagePropertiesOf(const Site& site, const Folders& folders, int index);

// Deletes page `index` (never the home page), its file and preview copy,
// and opens the first page.
[[nodiscard]] PageOutcome DeletePage(Site& site, const PageContext& context, int index);

// Moves the page at `from` to `to` in the page order.
[[nodiscard]] PageOutcome MovePage(Site& site, const PageContext& context, int from, int to);

// Shows or hides page `index` in the site's menus (the home page always
// stays in them).
[[nodiscard]] PageOutcome SetShowInMenu(Site& site, const PageContext& context, int index,
                                        bool show);

}  // namespace moxa
