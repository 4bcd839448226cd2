#pragma once

#include <QByteArray>
#include <QString>

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
// 16 MiB of body.
CurlGetResult CurlGet(const QByteArray& url, const std::function<bool(const char*, qsizetype)>& sink);

}  // namespace moxa
