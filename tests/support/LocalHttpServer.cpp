#include "support/LocalHttpServer.h"

#include "support/ReferenceService.h"

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
  // Its log of requests is of no use here, and an unread pipe could fill up.
  server_.setStandardErrorFile(QProcess::nullDevice());
  // Unbuffered (-u): the server says it is serving once it listens.
  server_.start(QStringLiteral("/usr/bin/python3"),
                {QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                 QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QString::number(port_),
                 QStringLiteral("--directory"), folder});
  if (!server_.waitForStarted()) return;
  // No more output comes when the port was taken meanwhile: the server ends.
  QByteArray said;
  while (!said.contains("Serving HTTP") && server_.waitForReadyRead(10000)) {
    said += server_.readAllStandardOutput();
  }
  running_ = Answers(port_);
}

LocalHttpServer::~LocalHttpServer() {
  server_.kill();
  server_.waitForFinished();
}

}  // namespace moxa::test
