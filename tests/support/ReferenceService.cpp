#include "support/ReferenceService.h"

#include "support/TestSupport.h"

#include <QProcess>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace moxa::test {

int FreePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return 0;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  ::close(fd);
  return port;
}

namespace {

QString ServiceScript(const char* name) {
  return SourceDir() + QStringLiteral("/service/") + QLatin1String(name);
}

}  // namespace

ReferenceService::ReferenceService() {
  // A free port can be taken by another test between the look and the
  // service's bind, which ends that server at once: try fresh ports then.
  for (int attempt = 0; attempt < 3 && !running_; ++attempt) {
    if (attempt > 0) QProcess::execute(ServiceScript("stop"), {QStringLiteral("--state"), state_.path()});
    webPort_ = FreePort();
    ftpPort_ = FreePort();
    domainFtpPort_ = FreePort();
    QProcess start;
    start.setProcessChannelMode(QProcess::MergedChannels);
    start.start(ServiceScript("start"),
                {QStringLiteral("--web-port"), QString::number(webPort_), QStringLiteral("--ftp-port"),
                 QString::number(ftpPort_), QStringLiteral("--domain-ftp-port"),
                 QString::number(domainFtpPort_), QStringLiteral("--state"), state_.path()});
    running_ = start.waitForFinished(60000) && start.exitStatus() == QProcess::NormalExit &&
               start.exitCode() == 0;
    output_ += QString::fromUtf8(start.readAll());
  }
}

ReferenceService::~ReferenceService() {
  QProcess::execute(ServiceScript("stop"), {QStringLiteral("--state"), state_.path()});
}

void ReferenceService::StopFtp() {
  const QList<QByteArray> pids = ReadBytes(state_.filePath(QStringLiteral("pids"))).simplified().split(' ');
  if (pids.size() == 2) {
    QProcess::execute(QStringLiteral("kill"), {QStringLiteral("--"), QStringLiteral("-") + QString::fromLatin1(pids[1])});
  }
}

ServiceEndpoints ReferenceService::Endpoints() const {
  const QString web = QStringLiteral("localhost:%1").arg(webPort_);
  return {web, web, QStringLiteral("127.0.0.1:%1").arg(ftpPort_),
          {QStringLiteral("lookup1.") + web, QStringLiteral("lookup2.") + web,
           QStringLiteral("lookup3.") + web}};
}

}  // namespace moxa::test
