#include "platform/CurlGet.h"

#include <curl/curl.h>

#include <memory>

namespace moxa {

namespace {

constexpr long kConnectTimeoutSeconds = 10;
constexpr long kTotalTimeoutSeconds = 60;
constexpr curl_off_t kMostBodyBytes = 16 * 1024 * 1024;

struct Sink {
  const std::function<bool(const char*, qsizetype)>* take;
  curl_off_t received = 0;
  bool tooLarge = false;
};

size_t Receive(char* data, size_t size, size_t count, void* user) {
  auto* sink = static_cast<Sink*>(user);
  const size_t bytes = size * count;
  if (sink->received + curl_off_t(bytes) > kMostBodyBytes) {
    sink->tooLarge = true;
    return 0;  // stops the transfer with an error
  }
  if (!(*sink->take)(data, qsizetype(bytes))) return 0;
  sink->received += curl_off_t(bytes);
  return bytes;
}

// libcurl asks at least once a second, also while nothing arrives.
int StopWhenCancelled(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto* cancel = static_cast<const std::atomic<bool>*>(user);
  return cancel->load() ? 1 : 0;
}

}  // namespace

void EnsureCurlReady() {
  static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  (void)ready;
}

CurlGetResult CurlGet(const QByteArray& url, const std::function<bool(const char*, qsizetype)>& take,
                      const std::atomic<bool>* cancel) {
  EnsureCurlReady();
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> handle(curl_easy_init(), &curl_easy_cleanup);
  if (!handle) return {false, QStringLiteral("the download could not be started"), {}};
  CURL* curl = handle.get();
  Sink sink{&take};
  char message[CURL_ERROR_SIZE] = {};
  curl_easy_setopt(curl, CURLOPT_URL, url.constData());
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, kTotalTimeoutSeconds);
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, kMostBodyBytes);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &Receive);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, message);
  if (cancel) {
    if (cancel->load()) return {false, QStringLiteral("cancelled"), {}};
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &StopWhenCancelled);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(cancel));
  }
  const CURLcode code = curl_easy_perform(curl);
  if (sink.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
    return {false, QStringLiteral("the reply is larger than 16 MiB"), {}};
  }
  if (code == CURLE_ABORTED_BY_CALLBACK) return {false, QStringLiteral("cancelled"), {}};
  if (code != CURLE_OK) {
    return {false, QString::fromUtf8(message[0] ? message : curl_easy_strerror(code)), {}};
  }
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  if (status >= 400) return {false, QStringLiteral("the server answered %1").arg(status), {}};
  char* type = nullptr;
  curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &type);
  return {true, {}, type ? QString::fromUtf8(type) : QString()};
}

}  // namespace moxa
