#pragma once

#include "online/ServiceEndpoints.h"
#include "site/Account.h"

#include <QColor>
#include <QString>

namespace moxa {

// What the account screen's meter says of a password.
struct PasswordStrength {
  QString Text;  // "Too Short", "Very Weak", "Weak", "Medium" or "Strong"
  QColor Color;
};
PasswordStrength StrengthOf(const QString& password);

// The account save's requests: the address change when the name changed
// (a refusal is passed over), then every field. On success the name the
// service answers is adopted. False, with the account as the screen left
// it, when the service did not take the fields.
bool SaveAccountOnline(TAccount& account, const QString& oldName, const ServiceEndpoints& service);

// The site-live panel's address change: the name the service registered is
// adopted. False, with the name unchanged, on failure.
bool ChangeSiteAddress(TAccount& account, const QString& newName, const ServiceEndpoints& service);

// Switches the free address off or on; MoxaSiteStatus follows on success.
bool SetSiteAddressLive(TAccount& account, bool live, const ServiceEndpoints& service);

// The messages of these requests.
QString AddressChangedMessage(const QString& siteAddress);
QString AddressChangeFailedMessage();
QString AddressStatusMessage(bool live, bool succeeded);

}  // namespace moxa
