#include "platform/HttpFetch.h"

#include "platform/CurlGet.h"

namespace moxa {

bool FetchUrlBytes(const QByteArray& url, QByteArray* body, QString* error, const std::atomic<bool>* cancel) {
  body->clear();
  const CurlGetResult result = CurlGet(url, [body](const char* data, qsizetype size) {
    body->append(data, size);
    return true;
  }, cancel);
  if (result.ok) return true;
  body->clear();
  if (error) *error = result.error;
  return false;
}

QString FetchUrlText(const QByteArray& url, const std::atomic<bool>* cancel) {
  QByteArray body;
  if (!FetchUrlBytes(url, &body, nullptr, cancel)) return {};
  body.replace("\r", "").replace("\n", "");
  return QString::fromUtf8(body);
}

}  // namespace moxa
