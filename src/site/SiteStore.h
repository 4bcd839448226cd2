#pragma once

#include "site/Site.h"

#include <QString>

#include <optional>

namespace moxa {

class SettingsStore;

// Booleans are stored as "true"/"false"; only exactly "true" reads as true.
QString EncodeBool(bool value);
bool DecodeBool(const QString& text);
// A decimal integer with an optional minus sign and nothing else, in 32-bit range.
std::optional<qint32> ParseDecimal(const QString& text);

// Writes the fifteen account values (and the template choice) and commits.
// False when the store could not be written.
bool SaveAccount(const Site& site, SettingsStore& store);
bool SaveAccount(const Site& site);

// Rewrites the page values: PageCount and fifteen values per page. The text
// values of pages beyond the new count are removed; their flags stay unread.
bool SavePageTable(const Site& site, SettingsStore& store);
bool SavePageTable(const Site& site);

enum class LoadSiteResult {
  NoSite,   // no UnixName stored: first start
  Loaded,   // account and pages read
  Stopped,  // a stored number was not a number; what came before it is kept
};

// The start-up load: fills `site` from the store. `site` should be fresh.
LoadSiteResult LoadSite(const SettingsStore& store, Site& site);
LoadSiteResult LoadSite(Site& site);

}  // namespace moxa
