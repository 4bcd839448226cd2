#pragma once

#include "site/Folders.h"
#include "site/Site.h"

#include <QString>

namespace moxa {

// Makes a new site of four pages (Home, About Us, Picture Gallery, Contact
// Us) from template folder `templateNumber` in the working folder: fills the
// page table, copies the assets and the site picture, titles every page
// "Window Title", links the menus to the site's own pages, and opens the home
// page. Nothing is stored. False when the working folder or a page could
// not be written.
bool CreateSiteFiles(Site& site, const Folders& folders, int templateNumber);

// CreateSiteFiles, then the account and the page table stored. This is the
// whole work of the new-site flow; the interface runs it off the UI thread.
bool CreateSite(Site& site, const Folders& folders, int templateNumber);

// Appends one page to the table and seeds its file and preview copy from
// the template's index.html.
bool AddDefaultPage(Site& site, const Folders& folders, int templateNumber, const QString& label,
                    const QString& fileName);

// Replaces the folder's "bin" with a fresh copy of the template's, so no
// asset of an earlier template lingers in a sub-folder.
void ReplaceTemplateAssets(const QString& templateFolder, const QString& siteFolder);

}  // namespace moxa
