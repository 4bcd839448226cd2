#pragma once

#include "platform/Keychain.h"
#include "platform/SettingsStore.h"
#include "site/Folders.h"
#include "site/SiteStore.h"
#include "support/TestSupport.h"
#include "support/gui/Eventually.h"

#include <gtest/gtest.h>

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

// The site as the program loads it at start, once the keychain has given
// the passwords.
inline LoadSiteResult LoadSiteWithPasswordsNow(Site& site) {
  const Keychain keychain(QString::fromLatin1(kApplicationName));
  SettingsStore store;
  KeepPasswordsIn(keychain, store, {});
  EXPECT_TRUE(Eventually([&store] { return !store.SecretsPending(); }, 20000));
  return LoadSite(store, site).Result;
}
// The user's settings file as it lies on disk.
inline QByteArray SettingsFileText() { return ReadBytes(SettingsStore().FileName()); }

}  // namespace moxa::test
