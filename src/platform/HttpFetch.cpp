#include "platform/HttpFetch.h"

#include <curl/curl.h>

namespace moxa {

namespace {

constexpr long kConnectTimeoutSeconds = 10;
constexpr long kTimeoutSeconds = 60;
constexpr qsizetype kMostReplyBytes = 16 * 1024 * 1024;

size_t Append(char* data, size_t size, size_t count, void* body) {
  auto* out = static_cast<QByteArray*>(body);
  const qsizetype bytes = qsizetype(size * count);
  if (out->size() + bytes > kMostReplyBytes) return 0;  // ends the transfer with an error
  out->append(data, bytes);
  return size * count;
}

}  // namespace

bool FetchUrlBytes(const QByteArray& url, QByteArray* body, QString* error) {
  body->clear();
  CURL* curl = curl_easy_init();
  if (!curl) return false;
  char message[CURL_ERROR_SIZE] = {};
  curl_easy_setopt(curl, CURLOPT_URL, url.constData());
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, kTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Append);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, body);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, message);
  const CURLcode result = curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  if (result == CURLE_OK) return true;
  body->clear();
  if (error) *error = message[0] ? QString::fromUtf8(message) : QString::fromUtf8(curl_easy_strerror(result));
  return false;
}

QString FetchUrlText(const QByteArray& url) {
  QByteArray body;
  if (!FetchUrlBytes(url, &body)) return {};
  body.replace("\r", "").replace("\n", "");
  return QString::fromUtf8(body);
}

}  // namespace moxa
