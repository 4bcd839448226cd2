#pragma once

#include "platform/Outcome.h"
#include "site/Folders.h"
#include "site/Site.h"
#include "site/StagedSite.h"

#include <QString>

namespace moxa {

class SettingsStore;

// Makes a new site of four pages (Home, About Us, Picture Gallery, Contact
// Us) from template folder `templateNumber`: fills the page table, copies
// the assets and the site picture, titles every page with its label, links
// the menus to the site's own pages and opens the home page. The new site is
// built beside the working folder and replaces it whole only once every
// file (and, with a store, the account and page table) is written: nothing
// of the old site is kept, and on any failure the old site is left exactly
// as it was, `site` included. The account of `site` is the new site's.
Outcome CreateSite(Site& site, const Folders& folders, int templateNumber, SettingsStore* store);

// The first half of `CreateSite`, which only writes files and so can run on
// a worker: the new site built beside the working folder. The second half
// is `PutStagedSiteInPlace` with SiteNotCreated.
StagedSite StageNewSite(const Site& site, const Folders& folders, int templateNumber);

// The template's file a page of that name is made from: its own, or the
// template's home page when it has none.
QString TemplateSourceFor(const QString& templateFolder, const QString& fileName);

// Appends one page to the table and seeds its file and preview copy from
// the template's index.html. False when the table is full or a file could
// not be written.
[[nodiscard]] bool AddDefaultPage(Site& site, const Folders& folders, int templateNumber,
                                  const QString& label, const QString& fileName);

// Replaces the folder's "bin" with a fresh copy of the template's, so no
// asset of an earlier template lingers in a sub-folder. A "bin" that is a
// link is replaced, never followed.
[[nodiscard]] bool ReplaceTemplateAssets(const QString& templateFolder, const QString& siteFolder);

}  // namespace moxa
