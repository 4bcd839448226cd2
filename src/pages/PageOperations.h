#pragma once

#include "pages/FileNameRules.h"
#include "pages/PageHead.h"
#include "site/Folders.h"
#include "site/Site.h"

namespace moxa {

// What the page operations work on besides the site: the folders and the
// folder number of the site's template.
struct PageContext {
  Folders folders;
  int templateNumber = 1;
};

// The outcome of a dialog operation: the cleaned field texts (for the
// interface to show) and the refusal, if any. On a refusal nothing changed.
struct PageOutcome {
  PageMessage Message = PageMessage::None;
  CleanedNames Names;
  bool ok() const { return Message == PageMessage::None; }
};

// Adds a page made from the template's home page at the end of the site,
// saves the table, rebuilds the menus and opens the new page.
PageOutcome AddPage(Site& site, const PageContext& context, const QString& fileName,
                    const QString& label);

// Adds a page made from the working copy (the open page with its unsaved
// edits) at the end of the site; otherwise as AddPage.
PageOutcome SavePageAs(Site& site, const PageContext& context, const QString& fileName,
                       const QString& label);

// Renames page `index` (its file and label). The home page keeps its file
// name whatever is typed: only its label changes.
PageOutcome RenamePage(Site& site, const PageContext& context, int index,
                       const QString& fileName, const QString& label);

// Writes new head values into the open page: into the record, the page file
// (links enabled) and the working copy (links kept disabled). The table is
// not stored and the menus are not rebuilt.
bool SetPageProperties(Site& site, const Folders& folders, int index,
                       const PageProperties& properties);

// The head values shown by the page-properties dialog for page `index`.
PageProperties ReadPagePropertiesOf(const Site& site, const Folders& folders, int index);

// Deletes page `index` (never the home page), its file and preview copy;
// saves the table, rebuilds the menus and opens the first page.
bool DeletePage(Site& site, const PageContext& context, int index);

// Moves the page at `from` to `to` in the page order; saves the table and
// rebuilds the menus.
bool MovePage(Site& site, const PageContext& context, int from, int to);

}  // namespace moxa
