#pragma once

#include <QString>
#include <QWebEnginePage>

namespace moxa {

// The page of a preview browser. Links the user follows stay inside the
// previewed folder: a page that exists there is shown (the hosted site's
// ".php" and "./" forms mapped to the local files); any other link does
// nothing, so the preview never shows the browser's error page.
class PreviewPage : public QWebEnginePage {
  Q_OBJECT

 public:
  explicit PreviewPage(QObject* parent = nullptr);

  // The folder the links may lead within; set with every page shown.
  void setRootFolder(const QString& folder) { root_ = folder; }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

 private:
  class LinkMapper;
  QString root_;
};

}  // namespace moxa
