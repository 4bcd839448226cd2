#pragma once

#include "site/Folders.h"
#include "site/Site.h"

#include <QByteArray>

namespace moxa {

class FileBatch;

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

// Stages into `batch` the main and second menu of every page file of the
// site, listing the pages shown in the menu in page order, each item copied
// from the template's own markup with the page's label and a link to its
// file. A page's content already staged in the batch is used in place of
// its file. Sets Changed on every page whose text changes. The open page's
// working copy gets the same menus, its links still disabled and its unsaved
// edits kept. False when the template or a page file could not be read.
bool StageMenuRebuild(Site& site, const Folders& folders, int templateNumber, FileBatch& batch);

// StageMenuRebuild and the batch committed: every page gets its new menus,
// or (on any failure) none does.
[[nodiscard]] bool RebuildMenus(Site& site, const Folders& folders, int templateNumber);

}  // namespace moxa
