#include "platform/HttpFetch.h"

#include "platform/CurlGet.h"

namespace moxa {

Result<QByteArray> FetchUrlBytes(const QByteArray& url, const std::atomic<bool>* cancel) {
  QByteArray body;
  const CurlGetResult result = CurlGet(url, [&body](const char* data, qsizetype size) {
    body.append(data, size);
    return true;
  }, cancel);
  if (result.ok) return body;
  if (cancel && cancel->load()) return Outcome(ErrorCode::Cancelled);
  return Outcome(ErrorCode::ServiceUnreachable, result.error);
}

QString FetchUrlText(const QByteArray& url, const std::atomic<bool>* cancel) {
  Result<QByteArray> fetched = FetchUrlBytes(url, cancel);
  if (!fetched) return {};
  QByteArray& body = fetched.value();
  body.replace("\r", "").replace("\n", "");
  return QString::fromUtf8(body);
}

}  // namespace moxa
