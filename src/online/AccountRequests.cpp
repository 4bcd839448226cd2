#include "online/AccountRequests.h"

#include "online/SiteName.h"
#include "platform/HttpFetch.h"

namespace moxa {

namespace {

bool IsSymbol(ushort c) {
  return (c >= 33 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 95) || (c >= 123 && c <= 126);
}

}  // namespace

PasswordStrength StrengthOf(const QString& password) {
  const QColor red(255, 0, 0), orange(255, 128, 0), green(0, 128, 0);
  const qsizetype n = password.size();
  if (n < 5) return {QStringLiteral("Too Short"), red};
  bool letter = false, digit = false, symbol = false;
  for (const QChar ch : password) {
    const ushort c = ch.unicode();
    letter |= (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    digit |= c >= '0' && c <= '9';
    symbol |= IsSymbol(c);
  }
  switch (int(letter) + int(digit) + int(symbol)) {
    case 0: return {QStringLiteral("Very Weak"), red};
    case 1: return n < 10 ? PasswordStrength{QStringLiteral("Weak"), red} : PasswordStrength{QStringLiteral("Medium"), orange};
    case 2: return n < 10 ? PasswordStrength{QStringLiteral("Medium"), orange} : PasswordStrength{QStringLiteral("Strong"), green};
    default: return {QStringLiteral("Strong"), green};
  }
}

bool SaveAccountOnline(TAccount& account, const QString& oldName, const ServiceEndpoints& service) {
  if (account.UnixName != oldName) {
    const QString changed = FetchUrlText(ChangeUnixUrl(service, oldName, account.UnixName));
    if (IsPlainSiteName(changed)) account.UnixName = changed;
  }
  const QString saved = FetchUrlText(UpdateAccountUrl(service, account));
  if (!IsPlainSiteName(saved)) return false;
  account.UnixName = saved;
  return true;
}

bool ChangeSiteAddress(TAccount& account, const QString& newName, const ServiceEndpoints& service) {
  const QString changed = FetchUrlText(ChangeUnixUrl(service, account.UnixName, newName));
  if (!IsPlainSiteName(changed)) return false;
  account.UnixName = changed;
  return true;
}

bool SetSiteAddressLive(TAccount& account, bool live, const ServiceEndpoints& service) {
  if (FetchUrlText(UnixStatusUrl(service, account.UnixName, live)).isEmpty()) return false;
  account.MoxaSiteStatus = live;
  return true;
}

QString AddressChangedMessage(const QString& siteAddress) {
  return QStringLiteral("Your site's address was successfully updated to ") + siteAddress;
}

QString AddressChangeFailedMessage() {
  return QStringLiteral(
      "There was a problem updating your site's address. Please check your internet connection.");
}

QString AddressStatusMessage(bool live, bool succeeded) {
  if (succeeded) {
    return live ? QStringLiteral("Your site's Moxa address was successfully enabled")
                : QStringLiteral("Your site's Moxa address was successfully disabled");
  }
  return live ? QStringLiteral("There was a problem enabling your site's Moxa address. Please check your "
                               "internet connection.")
              : QStringLiteral("There was a problem disabling your site's Moxa address. Please check your "
                               "internet connection.");
}

}  // namespace moxa
