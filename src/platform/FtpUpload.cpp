#include "platform/FtpUpload.h"

#include "platform/CurlGet.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QUrl>

#include <curl/curl.h>

namespace moxa {

namespace {

constexpr long kConnectTimeoutSeconds = 10;
// A transfer slower than one byte a second for this long has broken off.
constexpr long kStallSeconds = 30;

size_t ReadFromFile(char* buffer, size_t size, size_t count, void* file) {
  const qint64 read = static_cast<QFile*>(file)->read(buffer, qint64(size * count));
  return read < 0 ? CURL_READFUNC_ABORT : size_t(read);
}

// ftp://host:port/%2Fa/b/name: "%2F" makes the path start at the root, not
// at the login's home folder; every part percent-encoded.
QByteArray UploadUrl(const FtpLogin& login, const QString& folder, const QString& name) {
  QByteArray url = "ftp://" + QUrl::toPercentEncoding(login.Host, ":[]") + ':' +
                   QByteArray::number(login.Port) + "/%2F";
  for (const QString& part : folder.split(u'/', Qt::SkipEmptyParts)) {
    url += QUrl::toPercentEncoding(part) + '/';
  }
  return url + QUrl::toPercentEncoding(name);
}

}  // namespace

void SplitFtpHost(const QString& hostAndPort, int port, FtpLogin& login) {
  const qsizetype colon = hostAndPort.lastIndexOf(u':');
  bool ok = false;
  const int given = colon > 0 ? hostAndPort.mid(colon + 1).toInt(&ok) : 0;
  login.Host = ok && given > 0 && given < 65536 ? hostAndPort.left(colon) : hostAndPort;
  login.Port = ok && given > 0 && given < 65536 ? given : port;
}

struct FtpUploader::Handle {
  CURL* curl = (EnsureCurlReady(), curl_easy_init());
  char message[CURL_ERROR_SIZE] = {};
  ~Handle() {
    if (curl) curl_easy_cleanup(curl);
  }
};

FtpUploader::FtpUploader(FtpLogin login) : login_(std::move(login)), handle_(new Handle) {}

FtpUploader::~FtpUploader() = default;

bool FtpUploader::Upload(const QString& folder, const QString& localFile, const QString& remoteName,
                         QString* error) {
  const auto fail = [&](const QString& reason) {
    if (error) *error = QStringLiteral("%1: %2").arg(remoteName, reason);
    return false;
  };
  CURL* curl = handle_->curl;
  if (!curl) return fail(QStringLiteral("the FTP library could not start"));
  QFile file(localFile);
  if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());

  const QByteArray url = UploadUrl(login_, folder, remoteName);
  const QByteArray user = login_.User.toUtf8();
  const QByteArray password = login_.Password.toUtf8();
  const QByteArray caFile = login_.CaFile.toLocal8Bit();
  curl_easy_setopt(curl, CURLOPT_URL, url.constData());
  curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
  curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
  curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl, CURLOPT_READFUNCTION, ReadFromFile);
  curl_easy_setopt(curl, CURLOPT_READDATA, &file);
  curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(file.size()));
  curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);
  curl_easy_setopt(curl, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_NONE));
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, handle_->message);
  if (login_.Security == FtpSecurity::ControlTls) {
    curl_easy_setopt(curl, CURLOPT_USE_SSL, long(CURLUSESSL_CONTROL));
    if (!caFile.isEmpty()) curl_easy_setopt(curl, CURLOPT_CAINFO, caFile.constData());
  }
  handle_->message[0] = '\0';
  const CURLcode result = curl_easy_perform(curl);
  curl_easy_setopt(curl, CURLOPT_READDATA, nullptr);
  if (result == CURLE_OK) return true;
  const QString detail = QString::fromUtf8(handle_->message).trimmed();
  return fail(detail.isEmpty() ? QString::fromUtf8(curl_easy_strerror(result)) : detail);
}

}  // namespace moxa
