#include "session/PublishedAddress.h"

#include "site/Plan.h"

namespace moxa {

PublishedAddress AddressOfPublishedSite(const TAccount& account, const ServiceEndpoints& service) {
  if (Plan::Of(account).HasOwnDomain() && !account.Domain.isEmpty()) {
    return {account.Domain, QStringLiteral("http://www.") + account.Domain};
  }
  const QString site = service.SiteAddress(account.UnixName);
  return {site, QStringLiteral("http://") + site};
}

}  // namespace moxa
