#include "PageShooter.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QPainter>
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

namespace moxa::tools {

void PrepareHeadlessEngine() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (!flags.contains("--disable-gpu")) flags += " --disable-gpu";
  if (geteuid() == 0 && !flags.contains("--no-sandbox")) flags += " --no-sandbox";
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
}

namespace {

constexpr int kLoadTimeoutMs = 20000;
constexpr int kReadyTimeoutMs = 8000;

// Loads every font face the style sheets declare (a face is otherwise fetched
// only once text needs it, too late for a grab), then waits for the pictures
// and two animation frames, so that the compositor shows the finished page.
const char* const kPrepareScript =
    "window.__moxaReady = false;"
    "Promise.all(Array.from(document.fonts).map(function (f) { return f.load().catch(function () {}); }))"
    ".then(function () { return Promise.all(Array.from(document.images).map(function (i) {"
    "  return i.complete ? null : new Promise(function (r) { i.onload = i.onerror = r; }); })); })"
    ".then(function () { requestAnimationFrame(function () { requestAnimationFrame(function () {"
    "  window.__moxaReady = true; }); }); });";

}  // namespace

PageShooter::PageShooter() : view_(new QWebEngineView) {
  view_->setAttribute(Qt::WA_DontShowOnScreen);
  QWebEngineSettings* settings = view_->settings();
  settings->setAttribute(QWebEngineSettings::ShowScrollBars, false);
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  view_->resize(1200, 900);
  view_->show();
}

PageShooter::~PageShooter() { delete view_; }

bool PageShooter::Load(const QString& htmlFile, QString* error) {
  QEventLoop loop;
  bool finished = false;
  bool ok = false;
  QObject::connect(view_, &QWebEngineView::loadFinished, &loop, [&](bool success) {
    finished = true;
    ok = success;
    loop.quit();
  });
  QTimer::singleShot(kLoadTimeoutMs, &loop, &QEventLoop::quit);
  view_->load(QUrl::fromLocalFile(QFileInfo(htmlFile).absoluteFilePath()));
  loop.exec();
  QObject::disconnect(view_, &QWebEngineView::loadFinished, &loop, nullptr);
  if (!finished) {
    *error = QStringLiteral("timed out loading %1").arg(htmlFile);
    return false;
  }
  if (!ok) {
    *error = QStringLiteral("could not load %1").arg(htmlFile);
    return false;
  }
  return true;
}

QVariant PageShooter::Evaluate(const QString& script) {
  QEventLoop loop;
  QVariant result;
  view_->page()->runJavaScript(script, [&](const QVariant& value) {
    result = value;
    loop.quit();
  });
  QTimer::singleShot(kReadyTimeoutMs, &loop, &QEventLoop::quit);
  loop.exec();
  return result;
}

void PageShooter::WaitUntilReady() {
  Evaluate(QString::fromLatin1(kPrepareScript));
  for (int waited = 0; waited < kReadyTimeoutMs; waited += 100) {
    if (Evaluate(QStringLiteral("window.__moxaReady === true")).toBool()) return;
    Settle(100);
  }
}

void PageShooter::Settle(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

QImage PageShooter::Shoot(const QString& htmlFile, QSize viewport, bool fullPage, QString* error) {
  view_->resize(viewport);
  if (!Load(htmlFile, error)) return {};
  WaitUntilReady();
  Settle(500);
  if (fullPage) {
    // Scroll and stitch, so that the viewport (and with it every height
    // given in viewport units) stays as it is on a real screen.
    const int height = qMin(Evaluate(QStringLiteral("Math.ceil(document.documentElement.scrollHeight)")).toInt(), 20000);
    if (height > viewport.height()) {
      QImage page(viewport.width(), height, QImage::Format_RGB32);
      page.fill(Qt::white);
      QPainter painter(&page);
      for (int top = 0; top < height; top += viewport.height()) {
        const int scrollTo = qMin(top, height - viewport.height());
        Evaluate(QStringLiteral("window.scrollTo(0, %1)").arg(scrollTo));
        Settle(250);
        painter.drawImage(0, scrollTo, view_->grab().toImage());
      }
      return page;
    }
  }
  QImage image = view_->grab().toImage();
  if (image.isNull()) *error = QStringLiteral("nothing was rendered for %1").arg(htmlFile);
  return image;
}

QVariant PageShooter::Inspect(const QString& htmlFile, QSize viewport, const QString& script,
                              QString* error) {
  view_->resize(viewport);
  if (!Load(htmlFile, error)) return {};
  WaitUntilReady();
  const QVariant result = Evaluate(script);
  if (!result.isValid()) *error = QStringLiteral("the script gave nothing for %1").arg(htmlFile);
  return result;
}

QImage MakeThumbnail(const QImage& rendering, QSize thumbnailSize) {
  // Scaling in steps of at most one half keeps thin lines and text from
  // aliasing into noise.
  QImage image = rendering.convertToFormat(QImage::Format_RGB32);
  while (image.width() / 2 >= thumbnailSize.width() && image.height() / 2 >= thumbnailSize.height()) {
    image = image.scaled(image.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  image = image.scaled(thumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace moxa::tools
