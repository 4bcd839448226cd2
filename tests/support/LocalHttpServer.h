#pragma once

#include <QProcess>
#include <QString>

namespace moxa::test {

// Python's small HTTP server over `folder` on a free loopback port, for
// downloads from the web. It answers 301 for a folder address without its
// final slash (a redirect to follow) and 404 for what is not there.
class LocalHttpServer {
 public:
  explicit LocalHttpServer(const QString& folder);
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  bool Running() const { return running_; }
  int Port() const { return port_; }
  QString Url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(port_).arg(path);
  }

 private:
  QProcess server_;
  int port_ = 0;
  bool running_ = false;
};

// True when something accepts connections on the loopback port.
bool Answers(int port);

}  // namespace moxa::test
