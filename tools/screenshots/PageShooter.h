#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QVariant>

class QWebEngineView;

namespace moxa::tools {

// Chooses the offscreen platform and a browser engine without GPU (and
// without its sandbox when run as root), unless the environment says
// otherwise. Call before the application object is made.
void PrepareHeadlessEngine();

// Renders local HTML files in one browser view and grabs what it shows.
// Synchronous: each call runs its own event loop until the page has loaded,
// its fonts and pictures are ready and it has been painted.
class PageShooter {
 public:
  PageShooter();
  ~PageShooter();
  PageShooter(const PageShooter&) = delete;
  PageShooter& operator=(const PageShooter&) = delete;

  // The page at its viewport size; with fullPage the view grows to the
  // page's whole height first. A null image and a message on failure.
  QImage Shoot(const QString& htmlFile, QSize viewport, bool fullPage, QString* error);

  // Loads the page at the viewport size, waits until its fonts and pictures
  // are ready and returns what `script` evaluates to there. An invalid value
  // and a message on failure.
  QVariant Inspect(const QString& htmlFile, QSize viewport, const QString& script, QString* error);

 private:
  bool Load(const QString& htmlFile, QString* error);
  QVariant Evaluate(const QString& script);
  void WaitUntilReady();
  void Settle(int milliseconds);

  QWebEngineView* view_;
};

// The gallery thumbnail: the desktop rendering scaled to the thumbnail size,
// 24-bit RGB without alpha.
QImage MakeThumbnail(const QImage& rendering, QSize thumbnailSize);

}  // namespace moxa::tools
