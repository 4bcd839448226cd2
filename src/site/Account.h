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

}  // namespace moxa
