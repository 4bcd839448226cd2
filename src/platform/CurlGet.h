#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

namespace moxa {

// libcurl's global set-up, done once before the first handle (thread-safe).
void EnsureCurlReady();

struct CurlGetResult {
  bool ok = false;
  QString error;        // why it failed, for the developer's eyes
  QString contentType;  // as the server sent it
};

// One HTTP GET, the body handed to `sink` piece by piece (false stops the
// transfer): redirects followed, a status of 400 or more a failure, 10 s to
// connect and 60 s in all, so a dead host never hangs a job, and at most
// 16 MiB of body. A set `cancel` flag ends the request within about a
// second, even one waiting for a silent server.
CurlGetResult CurlGet(const QByteArray& url, const std::function<bool(const char*, qsizetype)>& sink,
                      const std::atomic<bool>* cancel = nullptr);

}  // namespace moxa
