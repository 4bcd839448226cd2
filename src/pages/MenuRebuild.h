#pragma once

#include "site/Folders.h"
#include "site/Site.h"

#include <QByteArray>

namespace moxa {

// How a template writes its main menu, recognised from the home item's end
// in the lower-cased index.html (tested in this order).
enum class MainMenuForm {
  None,
  List,        // ... home</a></li>
  Span,        // ... home</a></span>
  Bar,         // ... home</a> |
  NestedSpan,  // ... home</span></a></li>
};

// The optional second menu, named by a comment in the page itself.
enum class SecondMenuType { None, Type1, Type1b, Type2, Type2b };

MainMenuForm RecognizeMainMenuForm(const QByteArray& loweredIndex);
SecondMenuType RecognizeSecondMenuType(const QByteArray& page);

// Rewrites the main and second menu inside every page file of the site so
// they list all pages in page order, each item copied from the template's
// own markup with the page's label and a link to its file. Sets Changed on
// every page it writes. The template files are read once. The open page's
// working copy gets the same menus, its links still disabled and its unsaved
// edits kept. False when a page file could not be read or written; pages
// written before keep their menus.
bool RebuildMenus(Site& site, const Folders& folders, int templateNumber);

}  // namespace moxa
