#include "app/shell/MainWindow.h"
#include "app/shell/SafeApplication.h"
#include "app/shell/Splash.h"

#include <QApplication>

#include <unistd.h>

namespace {

// The browser engine refuses to start its sandbox as root (a container, a
// live system); without a sandbox it still runs, so ask for none then.
void AllowBrowserEngineAsRoot() {
  if (geteuid() != 0) return;
  const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (!flags.contains("--no-sandbox")) {
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags + " --no-sandbox");
  }
}

}  // namespace

int main(int argc, char** argv) {
  AllowBrowserEngineAsRoot();
  QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  moxa::SafeApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(moxa::kApplicationName));
  QApplication::setApplicationDisplayName(QStringLiteral("Moxa Website Builder"));

  moxa::MainWindow window(moxa::Folders::ForApplication());
  window.LoadStoredSite();
  window.RestorePlacement();
  auto* splash = new moxa::Splash(window.pictures().Get(QStringLiteral("splash.png")));
  splash->ShowAndFadeIn();
  window.show();
  splash->raise();
  return QApplication::exec();
}
