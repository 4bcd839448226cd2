#pragma once

#include "online/ServiceEndpoints.h"

#include <QString>
#include <QTemporaryDir>

namespace moxa::test {

// The reference hosting service (service/start), started on free loopback
// ports with its state in a temporary folder, and stopped again when this
// object goes. The demo account is seeded as on a fresh machine.
class ReferenceService {
 public:
  ReferenceService();
  ~ReferenceService();
  ReferenceService(const ReferenceService&) = delete;
  ReferenceService& operator=(const ReferenceService&) = delete;

  bool Running() const { return running_; }
  QString StartOutput() const { return output_; }
  ServiceEndpoints Endpoints() const;
  int WebPort() const { return webPort_; }
  int FtpPort() const { return ftpPort_; }
  int DomainFtpPort() const { return domainFtpPort_; }
  // The service's state folder (database, ftp/, outbox/).
  QString StateFolder() const { return state_.path(); }
  // Ends the FTP servers only (the web side keeps answering).
  void StopFtp();
  // The certificate of the own-domain FTP server.
  QString FtpCertificate() const { return state_.filePath(QStringLiteral("ftp-certificate.crt")); }

 private:
  QTemporaryDir state_;
  int webPort_ = 0;
  int ftpPort_ = 0;
  int domainFtpPort_ = 0;
  bool running_ = false;
  QString output_;
};

// A loopback TCP port that nothing listens on at the moment of asking.
int FreePort();

}  // namespace moxa::test
