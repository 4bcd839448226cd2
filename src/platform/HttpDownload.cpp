#include "platform/HttpDownload.h"

#include <curl/curl.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <memory>

namespace moxa {
namespace {

constexpr long kConnectTimeoutSeconds = 10;
constexpr long kTotalTimeoutSeconds = 60;
constexpr curl_off_t kMaxReplyBytes = 16 * 1024 * 1024;

struct WriteTarget {
  QFile* file = nullptr;
  curl_off_t written = 0;
  bool tooLarge = false;
};

size_t WriteChunk(char* data, size_t size, size_t count, void* user) {
  auto* target = static_cast<WriteTarget*>(user);
  const size_t bytes = size * count;
  if (target->written + static_cast<curl_off_t>(bytes) > kMaxReplyBytes) {
    target->tooLarge = true;
    return 0;  // makes curl stop with a write error
  }
  if (target->file->write(data, static_cast<qint64>(bytes)) != static_cast<qint64>(bytes)) {
    return 0;
  }
  target->written += static_cast<curl_off_t>(bytes);
  return bytes;
}

void EnsureCurlInitialised() {
  static const bool initialised = [] {
    return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  }();
  (void)initialised;
}

DownloadResult Failure(const QString& error) { return DownloadResult{false, error, {}}; }

// Runs the transfer into `file`; on success fills the content type.
DownloadResult Transfer(const QString& url, QFile& file) {
  EnsureCurlInitialised();
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
  if (!curl) return Failure(QStringLiteral("The download could not be started."));
  const QByteArray address = url.toUtf8();
  WriteTarget target{&file};
  char errorBuffer[CURL_ERROR_SIZE] = {};
  CURL* h = curl.get();
  curl_easy_setopt(h, CURLOPT_URL, address.constData());
  curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(h, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(h, CURLOPT_TIMEOUT, kTotalTimeoutSeconds);
  curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, kMaxReplyBytes);
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &WriteChunk);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &target);
  curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer);
  const CURLcode code = curl_easy_perform(h);
  if (target.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
    return Failure(QStringLiteral("The reply is larger than 16 MiB."));
  }
  if (code != CURLE_OK) {
    const char* text = errorBuffer[0] ? errorBuffer : curl_easy_strerror(code);
    return Failure(QString::fromUtf8(text));
  }
  long status = 0;
  curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
  if (status >= 400) return Failure(QStringLiteral("The server answered %1.").arg(status));
  char* type = nullptr;
  curl_easy_getinfo(h, CURLINFO_CONTENT_TYPE, &type);
  return DownloadResult{true, {}, type ? QString::fromUtf8(type) : QString()};
}

}  // namespace

DownloadResult DownloadUrlToFile(const QString& url, const QString& path) {
  const QFileInfo info(path);
  QTemporaryFile temp(info.absoluteDir().filePath(QStringLiteral(".download-XXXXXX")));
  if (!temp.open()) return Failure(QStringLiteral("The file could not be written."));
  DownloadResult result = Transfer(url, temp);
  if (!result.ok) return result;  // the temporary file removes itself
  if (!temp.flush()) return Failure(QStringLiteral("The file could not be written."));
  QFile::remove(path);
  if (!temp.rename(path)) return Failure(QStringLiteral("The file could not be written."));
  temp.setAutoRemove(false);
  return result;
}

}  // namespace moxa
