#include "support/LocalHttpServer.h"

#include "support/ReferenceService.h"

#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace moxa::test {

bool Answers(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(quint16(port));
  const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return connected;
}

LocalHttpServer::LocalHttpServer(const QString& folder) : port_(FreePort()) {
  server_.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-m"), QStringLiteral("http.server"), QStringLiteral("--bind"),
                 QStringLiteral("127.0.0.1"), QString::number(port_), QStringLiteral("--directory"), folder});
  if (!server_.waitForStarted()) return;
  for (int i = 0; i < 100 && !Answers(port_); ++i) QThread::msleep(100);
  running_ = Answers(port_);
}

LocalHttpServer::~LocalHttpServer() {
  server_.kill();
  server_.waitForFinished();
}

}  // namespace moxa::test
