#include "app/gallery/PreviewPage.h"

#include "app/gallery/PreviewLinks.h"

#include <QTimer>

namespace moxa {

PreviewPage::PreviewPage(QObject* parent) : QWebEnginePage(parent) {}

bool PreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type,
                                          bool isMainFrame) {
  // The program's own loads, reloads and history steps, and what frames
  // inside the page load, are not the user's links.
  if (!isMainFrame || type == NavigationTypeTyped || type == NavigationTypeReload ||
      type == NavigationTypeBackForward) {
    return true;
  }
  const std::optional<QUrl> target = PreviewLinkTarget(url, root_);
  if (!target) return false;
  if (*target == url) return true;
  // The mapped file is loaded once this request has been turned down.
  QTimer::singleShot(0, this, [this, shown = *target] { setUrl(shown); });
  return false;
}

}  // namespace moxa
