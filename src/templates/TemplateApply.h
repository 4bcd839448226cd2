#pragma once

#include "platform/Outcome.h"
#include "site/Folders.h"
#include "site/Site.h"
#include "site/StagedSite.h"

#include <QStringList>

namespace moxa {

class SettingsStore;

// The labels of the pages whose text the template has no place for: a region
// that holds content in the page but whose number the template's page lacks.
// Empty when the template keeps every word (or cannot be read).
QStringList PagesLosingText(const Site& site, const Folders& folders, int templateNumber);

// Gives the existing site the look of template `templateNumber` (gallery
// position `templateIndex`) and keeps its words: fresh assets; every page
// rebuilt from the template's page of the same name (or its home page),
// with the content of each region moved over from the old page by region
// number and the page's own title, description and keywords; the menus
// rebuilt; the home page opened; the account (with the new template choice)
// and the page table stored. All or nothing: built beside the working
// folder and swapped in at the end; on failure the site, the store and
// `site` are as they were.
Outcome ApplyTemplate(Site& site, const Folders& folders, int templateNumber, int templateIndex,
                      SettingsStore& store);

// The first half of `ApplyTemplate`, which only reads and writes files and
// so can run on a worker: the site in the new look, built beside the working
// folder. The second half is `PutStagedSiteInPlace` with TemplateNotApplied.
StagedSite StageTemplateChange(const Site& site, const Folders& folders, int templateNumber,
                               int templateIndex, const PageProgress& progress = {});

}  // namespace moxa
