#pragma once

#include <QString>

#include <memory>

namespace moxa {

// How an FTP login protects itself.
enum class FtpSecurity {
  Plain,        // no TLS (the hosting service's own server on loopback)
  ControlTls,   // TLS on the commands (user name and password), when offered
};

struct FtpLogin {
  QString Host;  // a host name or address, without a port
  int Port = 21;
  QString User;
  QString Password;
  FtpSecurity Security = FtpSecurity::Plain;
  QString CaFile;  // certificates to trust besides the system's (empty: the system's only)
};

// "host" or "host:port" as a login's host and port; `port` when none is given.
void SplitFtpHost(const QString& hostAndPort, int port, FtpLogin& login);

// One FTP connection for a run of uploads (passive mode, binary), kept open
// from one file to the next. Every step is checked: a refused login, a
// folder that cannot be entered or a transfer that breaks off fails the
// upload with a message naming the file and the reason.
class FtpUploader {
 public:
  explicit FtpUploader(FtpLogin login);
  ~FtpUploader();
  FtpUploader(const FtpUploader&) = delete;
  FtpUploader& operator=(const FtpUploader&) = delete;

  // Stores `localFile` as `remoteName` in `folder` ("/a/b/" from the FTP
  // root, "" or "/" for the root). The folder must exist.
  [[nodiscard]] bool Upload(const QString& folder, const QString& localFile, const QString& remoteName,
              QString* error);

 private:
  struct Handle;
  FtpLogin login_;
  std::unique_ptr<Handle> handle_;
};

}  // namespace moxa
