#pragma once

#include "platform/Keychain.h"
#include "site/Site.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace moxa {

class SettingsStore;

// Booleans are stored as "true"/"false"; only exactly "true" reads as true.
QString EncodeBool(bool value);
bool DecodeBool(const QString& text);
// A decimal integer with an optional minus sign and nothing else, in 32-bit range.
std::optional<qint32> ParseDecimal(const QString& text);

// Put the fifteen account values (with the template choice), or the page
// values (PageCount and fifteen values per page; the text values of pages
// beyond the new count are removed, their flags stay unread), into the store
// without committing, so several can be written as one change.
void WriteAccount(const Site& site, SettingsStore& store);
void WritePageTable(const Site& site, SettingsStore& store);

// Write and commit. False when the store could not be written; it then
// holds what it held before.
[[nodiscard]] bool SaveAccount(const Site& site, SettingsStore& store);
[[nodiscard]] bool SavePageTable(const Site& site, SettingsStore& store);
// The account and the page table as one change.
[[nodiscard]] bool SaveSite(const Site& site, SettingsStore& store);

enum class LoadSiteResult {
  NoSite,      // no UnixName stored: first start
  Loaded,      // account and pages read
  Unreadable,  // the store could not be read, or a stored number is missing or
               // not a number: there may well be a site, so never a first start
};

struct SiteLoad {
  LoadSiteResult Result = LoadSiteResult::NoSite;
  // Stored pages left out because their file name cannot name a page file.
  QStringList SkippedPages;
};

// The message for a store that could not be read.
QString UnreadableSettingsMessage();

// The account's password and the FTP password go to `keychain` from now on
// (see SettingsStore::KeepSecretsIn). Call before `LoadSite`. Until the
// keychain answers they read as unread (see PasswordsUnread).
void KeepPasswordsIn(const Keychain& keychain, SettingsStore& store, std::function<void()> noticeOnce);
// True when a password of `account` that is needed (the FTP password only
// with an FTP host) is empty only because it could not be read from the
// keychain: sending it would wipe the real one.
bool PasswordsUnread(const SettingsStore& store, const TAccount& account);
// Said where the passwords could not be read.
QString KeychainUnreadMessage();
// Told once when the passwords have to stay in the settings file.
QString KeychainMissingMessage();

// The start-up load: fills `site` from the store. `site` should be fresh.
SiteLoad LoadSite(const SettingsStore& store, Site& site);

}  // namespace moxa
