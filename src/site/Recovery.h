#pragma once

#include "site/Folders.h"

namespace moxa {

class SettingsStore;

// What a kill cut short, finished or undone as the stored settings say: a
// swap of the working folder, then a page operation. Every program that
// opens the user's site runs it before loading the site.
void RecoverUnfinishedChanges(const Folders& folders, const SettingsStore& store);

}  // namespace moxa
