#pragma once

#include "online/ServiceEndpoints.h"
#include "site/Account.h"

#include <QString>

namespace moxa {

// The address a published site is seen at, as the program shows it (without
// a scheme) and as a browser opens it: its own domain where its plan has one
// and the domain is known, else its address on the service.
struct PublishedAddress {
  QString Shown;
  QString Url;
};
PublishedAddress AddressOfPublishedSite(const TAccount& account, const ServiceEndpoints& service);

}  // namespace moxa
