#pragma once

#include "site/Folders.h"
#include "site/Site.h"

namespace moxa {

// Gives the existing site the look of template `templateNumber`: fresh
// assets, each page's file replaced by the template's file of the same name
// (a page the template lacks keeps its file), every page keeping its own
// title, description and keywords; then the menus are rebuilt, the home page
// opened and the account (with the new template choice) stored.
bool ApplyTemplate(Site& site, const Folders& folders, int templateNumber);

}  // namespace moxa
