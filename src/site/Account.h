#pragma once

#include <QString>

namespace moxa {

// The site's account on the hosting service. A non-empty UnixName means a
// site exists.
struct TAccount {
  QString FirstName;
  QString LastName;
  QString Email;
  QString Password;
  QString UnixName;
  QString Domain;
  QString FtpHost;
  QString FtpUsername;
  QString FtpPassword;
  qint32 FtpPort = 0;
  QString FtpPath;
  QString HostingPackage = QStringLiteral("free");  // "free", "plus" or "max"
  bool MoxaSiteStatus = false;
  bool UnixCreated = false;

  bool operator==(const TAccount&) const = default;
};

// The FTP port a new site starts with.
inline constexpr qint32 kNewSiteFtpPort = 21;  // the FTP port; an own-domain upload uses it

// The account of a new site named `unixName`, made from the current one:
// names, e-mail, password, own domain and FTP details emptied, the port
// `kNewSiteFtpPort`, the address switched on. A new site starts on the free
// plan: a paid plan belongs to the old site and its domain, and a new site
// without that domain could never be published. The new name is not
// registered yet, whatever the old one was.
TAccount NewSiteAccount(const TAccount& current, const QString& unixName);

}  // namespace moxa
