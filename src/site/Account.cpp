#include "site/Account.h"

namespace moxa {

TAccount NewSiteAccount(const TAccount& current, const QString& unixName) {
  TAccount account;
  account.UnixName = unixName;
  account.FtpPort = kNewSiteFtpPort;
  account.HostingPackage = current.HostingPackage;
  account.MoxaSiteStatus = true;
  account.UnixCreated = false;
  return account;
}

}  // namespace moxa
