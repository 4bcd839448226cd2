#pragma once

#include "platform/SettingsStore.h"
#include "site/SiteStore.h"

namespace moxa::test {

// The user's store (in the test's temporary home) opened afresh for one
// save or load, as a new run of the program would see it.
inline bool SaveAccountNow(const Site& site) {
  SettingsStore store;
  return SaveAccount(site, store);
}
inline bool SavePageTableNow(const Site& site) {
  SettingsStore store;
  return SavePageTable(site, store);
}
inline LoadSiteResult LoadSiteNow(Site& site) {
  const SettingsStore store;
  return LoadSite(store, site).Result;
}

}  // namespace moxa::test
