#pragma once

#include "platform/Outcome.h"

#include <QByteArray>
#include <QString>

#include <atomic>

namespace moxa {

// One HTTP GET of a service request, its reply read into memory: redirects
// followed, a connect time-out of 10 s and an overall one of 60 s, so a
// dead host never hangs a job. A status of 400 or more, a reply over 16 MiB
// or any network failure gives empty text. Line breaks of the reply are
// dropped, nothing else is changed (the replies are one-line records).
// A set `cancel` flag ends the request early, as a failure.
QString FetchUrlText(const QByteArray& url, const std::atomic<bool>* cancel = nullptr);

// The same request with the reply's bytes as they came. A failure is
// ServiceUnreachable (the detail says why), or Cancelled.
Result<QByteArray> FetchUrlBytes(const QByteArray& url, const std::atomic<bool>* cancel = nullptr);

}  // namespace moxa
