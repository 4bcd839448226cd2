#include "app/shell/MainWindow.h"
#include "app/shell/SafeApplication.h"
#include "app/shell/Splash.h"
#include "site/SiteLock.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

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

  const moxa::Folders folders = moxa::Folders::ForApplication();
  // A second program on the same site would write back what it loaded over
  // the first one's changes.
  moxa::SiteLock lock(folders);
  if (!lock.TryTake()) {
    QMessageBox::warning(nullptr, QStringLiteral("Moxa Website Builder"), moxa::SiteLock::HeldElsewhereMessage());
    return 1;
  }
  moxa::MainWindow window(folders);
  window.LoadStoredSite();
  window.RestorePlacement();
  auto* splash = new moxa::Splash(window.pictures().Get(QStringLiteral("splash.png")));
  // The window comes up under the splash once it has faded in (or was
  // clicked away before).
  QObject::connect(splash, &moxa::Splash::fadeEnded, &window, [&window, splash = QPointer<moxa::Splash>(splash)] {
    window.show();
    if (splash) splash->raise();
  });
  splash->ShowAndFadeIn();
  return QApplication::exec();
}
