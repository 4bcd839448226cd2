#include "app/gallery/PreviewPage.h"

#include "pages/PreviewLinks.h"

#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>

namespace moxa {

// Sends a followed link in the hosted site's form ("about-us.php", "./")
// to the local file it stands for, before the browser looks for it.
class PreviewPage::LinkMapper : public QWebEngineUrlRequestInterceptor {
 public:
  LinkMapper(const QString& root, QObject* parent)
      : QWebEngineUrlRequestInterceptor(parent), root_(root) {}

  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    if (info.resourceType() != QWebEngineUrlRequestInfo::ResourceTypeMainFrame) return;
    const std::optional<QUrl> target = PreviewLinkTarget(info.requestUrl(), root_);
    if (target && *target != info.requestUrl()) info.redirect(*target);
  }

 private:
  const QString& root_;
};

PreviewPage::PreviewPage(QObject* parent) : QWebEnginePage(parent) {
  setUrlRequestInterceptor(new LinkMapper(root_, this));
}

bool PreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type,
                                          bool isMainFrame) {
  // The program's own loads, reloads and history steps, and what frames
  // inside the page load, are not the user's links.
  if (!isMainFrame || type == NavigationTypeTyped || type == NavigationTypeReload ||
      type == NavigationTypeBackForward || type == NavigationTypeRedirect) {
    return true;
  }
  return PreviewLinkTarget(url, root_).has_value();
}

}  // namespace moxa
