#include "platform/HttpDownload.h"

#include "platform/CurlGet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace moxa {
namespace {

DownloadResult Failure(const QString& error) { return DownloadResult{false, error, {}}; }

}  // namespace

DownloadResult DownloadUrlToFile(const QString& url, const QString& path, const std::atomic<bool>* cancel) {
  const QFileInfo info(path);
  QTemporaryFile temp(info.absoluteDir().filePath(QStringLiteral(".download-XXXXXX")));
  if (!temp.open()) return Failure(QStringLiteral("The file could not be written."));
  const CurlGetResult got = CurlGet(url.toUtf8(), [&temp](const char* data, qsizetype size) {
    return temp.write(data, size) == size;
  }, cancel);
  if (!got.ok) return Failure(got.error);  // the temporary file removes itself
  if (!temp.flush()) return Failure(QStringLiteral("The file could not be written."));
  QFile::remove(path);
  if (!temp.rename(path)) return Failure(QStringLiteral("The file could not be written."));
  temp.setAutoRemove(false);
  return DownloadResult{true, {}, got.contentType};
}

}  // namespace moxa
