#pragma once

#include <QString>

#include <atomic>

namespace moxa {

// The outcome of one download: on failure `error` says why and nothing was
// left at the target path.
struct DownloadResult {
  bool ok = false;
  QString error;
  QString contentType;  // as the server sent it, e.g. "image/png"
};

// Fetches `url` into `path`. The reply goes to a temporary file beside the
// target and is renamed into place only when complete, so a failed or cut-off
// download never leaves a half-written file. Redirects are followed; an HTTP
// status of 400 or more is a failure; connecting may take 10 s, the whole
// transfer 60 s; replies over 16 MiB are refused. A set `cancel` flag ends
// the transfer within about a second, as a failure.
[[nodiscard]] DownloadResult DownloadUrlToFile(const QString& url, const QString& path,
                                               const std::atomic<bool>* cancel = nullptr);

}  // namespace moxa
