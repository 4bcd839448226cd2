#include "site/Account.h"

namespace moxa {

TAccount NewSiteAccount(const TAccount&, const QString& unixName) {
  TAccount account;
  account.UnixName = unixName;
  account.FtpPort = kNewSiteFtpPort;
  account.HostingPackage = QStringLiteral("free");
  account.MoxaSiteStatus = true;
  account.UnixCreated = false;
  return account;
}

}  // namespace moxa
