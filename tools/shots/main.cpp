// moxa-shots OUTPUT_FOLDER [--template N]
// Starts the program's main window offscreen with an empty store in a
// temporary home, walks through the screens of a new site and writes one
// PNG per screen into OUTPUT_FOLDER: start, gallery, editor, the editor
// with the highlight over a region under the mouse, the region editor
// open on that region, its toolbar with a latched button, the link and
// image dialogs, the Page Manager of
// the new site, the Page Manager after two pages were added
// (six pages, one hidden from the menu) and the rename dialog. With the
// reference hosting service started on free ports in a temporary folder:
// the published and site-live notices, the account screen, the plans screen
// and both steps of the upgrade dialog.
#include "app/dialogs/PageDialogs.h"
#include "app/editor/EditorController.h"
#include "app/editor/EditorScreen.h"
#include "app/editor/RegionEditController.h"
#include "app/editor/FormatToolbar.h"
#include "app/editor/ImageDialog.h"
#include "app/editor/LinkDialog.h"
#include "app/editor/LinkEditController.h"
#include "app/editor/PictureEditController.h"
#include "app/editor/RegionEditorDialog.h"
#include "app/editor/RegionHighlight.h"
#include "app/editor/RegionTracker.h"
#include "app/gallery/GalleryScreen.h"
#include "app/pagemanager/PageActions.h"
#include "app/account/AccountScreen.h"
#include "app/pagemanager/PageManagerScreen.h"
#include "app/plans/PlansScreen.h"
#include "app/plans/UpgradeController.h"
#include "app/plans/UpgradeDialog.h"
#include "app/publish/PublishController.h"
#include "app/publish/PublishedPanel.h"
#include "app/publish/SiteLivePanel.h"
#include "app/shell/MainWindow.h"
#include "app/shell/SkinnedButton.h"
#include "app/start/StartScreen.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>
#include <optional>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>

namespace {

void Shoot(QWidget& window, const QString& folder, const QString& name) {
  QTest::qWait(300);
  const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
  window.grab().save(path);
  std::printf("%s\n", path.toLocal8Bit().constData());
}

// A page added the way a user adds one: New Page, the two fields, OK.
void AddPage(moxa::MainWindow& window, const QString& fileName, const QString& label) {
  emit window.pageManagerScreen()->newPageButton()->clicked();
  moxa::PageNameDialog* dialog = window.pageActions()->addDialog();
  dialog->fileNameField()->setText(fileName);
  dialog->labelField()->setText(label);
  emit dialog->accepted();
}

void ClickRowButton(moxa::MainWindow& window, const QString& name) {
  if (auto* button = window.findChild<moxa::SkinnedButton*>(name)) emit button->clicked();
}

int FreePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  if (fd >= 0) ::close(fd);
  return port;
}

// The reference hosting service on free ports, state in `state`; its
// endpoints, or nothing when it did not start.
std::optional<moxa::ServiceEndpoints> StartService(const QString& state) {
  const int web = FreePort(), ftp = FreePort(), domainFtp = FreePort();
  const int code = QProcess::execute(QStringLiteral(MOXA_SERVICE_DIR "/start"),
                                     {QStringLiteral("--web-port"), QString::number(web), QStringLiteral("--ftp-port"),
                                      QString::number(ftp), QStringLiteral("--domain-ftp-port"),
                                      QString::number(domainFtp), QStringLiteral("--state"), state});
  if (code != 0) return std::nullopt;
  const QString host = QStringLiteral("localhost:%1").arg(web);
  return moxa::ServiceEndpoints{host, host, QStringLiteral("127.0.0.1:%1").arg(ftp),
                                {QStringLiteral("lookup1.") + host, QStringLiteral("lookup2.") + host,
                                 QStringLiteral("lookup3.") + host}};
}

template <typename Condition>
void WaitFor(Condition condition, int milliseconds = 15000) {
  for (int waited = 0; waited < milliseconds && !condition(); waited += 20) QTest::qWait(20);
}

// Publishing, the notices, the account and the plans, against the service.
void ShootOnlineScreens(moxa::MainWindow& window, const QString& out) {
  window.upgrade()->setVerdictPause(0);
  QSignalSpy published(window.publishing(), &moxa::PublishController::publishFinished);
  emit window.editorScreen()->publishButton()->clicked();
  published.wait(60000);
  moxa::PublishedPanel* notice = window.publishing()->publishedPanel();
  WaitFor([&] { return notice->isVisible() && notice->height() == moxa::PublishedPanel::kFreeHeight; });
  Shoot(window, out, QStringLiteral("7-published"));
  emit notice->closeRequested();
  moxa::SiteLivePanel* live = window.publishing()->siteLivePanel();
  window.publishing()->ShowSiteLivePanel();
  WaitFor([&] { return live->isVisible() && live->height() == moxa::SiteLivePanel::kHeight; });
  Shoot(window, out, QStringLiteral("8-site-live"));
  emit live->closeRequested();

  window.SelectTabAndScreen(2);
  window.accountScreen()->firstName()->setText(QStringLiteral("Joe"));
  window.accountScreen()->email()->setText(QStringLiteral("joe@bakery.example"));
  window.accountScreen()->password()->setText(QStringLiteral("Bread&Butter7"));
  window.accountScreen()->confirm()->setText(QStringLiteral("Bread&Butter7"));
  Shoot(window, out, QStringLiteral("9-account"));

  window.SelectTabAndScreen(5);
  Shoot(window, out, QStringLiteral("10-plans"));
  emit window.plansScreen()->upgradeRequested(QStringLiteral("max"));
  moxa::UpgradeDialog* dialog = window.upgrade()->dialog();
  dialog->nameField()->setText(QStringLiteral("joes-bakery"));
  Shoot(window, out, QStringLiteral("11-upgrade-domain"));
  QSignalSpy checked(window.upgrade(), &moxa::UpgradeController::domainChecked);
  emit dialog->accepted();
  checked.wait(15000);
  Shoot(window, out, QStringLiteral("12-upgrade-summary"));
  emit dialog->cancelled();
}

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  setenv("HOME", home.path().toLocal8Bit().constData(), 1);
  setenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit().constData(), 1);
  setenv("XDG_DATA_HOME", (home.path() + "/.local/share").toLocal8Bit().constData(), 1);
  // The pictures' passwords are made up: they stay out of the user's keychain.
  setenv("DBUS_SESSION_BUS_ADDRESS", ("unix:path=" + home.path() + "/no-session-bus").toLocal8Bit().constData(), 1);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(moxa::kApplicationName));
  const QStringList args = QApplication::arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: moxa-shots OUTPUT_FOLDER [--template K]\n");
    return 2;
  }
  const QString out = args.at(1);
  QDir().mkpath(out);
  const int templateIndex = args.contains(QStringLiteral("--template"))
                                ? args.at(args.indexOf(QStringLiteral("--template")) + 1).toInt()
                                : 0;

  moxa::MainWindow window(moxa::Folders::ForApplication());
  window.setSiteCreationMinimum(0);
  // Messages are printed, never a modal box that nobody could answer.
  const auto say = [](const QString& text) { std::fprintf(stderr, "moxa-shots: %s\n", text.toLocal8Bit().constData()); };
  window.setPrompts({say, say, [] { return QString(); }, [](const QString&) { return true; },
                     [](const QString&) {}, [] { return QString(); },
                     [](const QString&) { return moxa::SaveAnswer::DontSave; }});
  QTemporaryDir serviceState;
  const std::optional<moxa::ServiceEndpoints> service = StartService(serviceState.path());
  if (service) {
    window.setServiceEndpoints(*service);
    // The notices come when asked for, not in the middle of the editor's pictures.
    window.publishing()->setPauses(0, 0, 24 * 3600 * 1000);
  } else {
    std::fprintf(stderr, "moxa-shots: the reference service did not start; its screens are left out\n");
  }
  window.LoadStoredSite();
  window.show();
  Shoot(window, out, QStringLiteral("1-start"));

  window.startScreen()->nameField()->setText(QStringLiteral("Joe's Bakery"));
  QTest::keyClick(window.startScreen()->nameField(), Qt::Key_Return);
  window.galleryScreen()->setSelectedIndex(templateIndex);
  Shoot(window, out, QStringLiteral("2-gallery"));

  QSignalSpy created(&window, &moxa::MainWindow::siteCreationFinished);
  emit window.galleryScreen()->nextClicked();
  created.wait(30000);
  QSignalSpy loaded(window.editorScreen()->browser(), &QWebEngineView::loadFinished);
  loaded.wait(15000);
  Shoot(window, out, QStringLiteral("3-editor"));

  // The mouse over the page's second region (the first where there is one only).
  moxa::RegionTracker* tracker = window.editorController()->regionTracker();
  if (tracker->regions().empty()) {
    QSignalSpy(tracker, &moxa::RegionTracker::regionsScanned).wait(15000);
  }
  if (!tracker->regions().empty()) {
    const auto& regions = tracker->regions();
    const moxa::EditorRegion& region = regions[std::min<size_t>(1, regions.size() - 1)];
    QTest::mouseMove(window.editorScreen()->browser(),
                     QPoint((region.Left + region.Right) / 2, (region.Top + region.Bottom) / 2));
    for (int i = 0; i < 100 && !tracker->highlight()->isVisible(); ++i) QTest::qWait(20);
    Shoot(window, out, QStringLiteral("3-editor-highlight"));

    // A click on the highlight opens the region in the editor dialog.
    moxa::RegionEditController* cycle = window.editorController()->regionEditor();
    QTest::mouseClick(tracker->highlight(), Qt::LeftButton, {}, QPoint(20, 12));
    for (int i = 0; i < 100 && !cycle->dialog()->isVisible(); ++i) QTest::qWait(20);
    QTest::qWait(100);
    Shoot(window, out, QStringLiteral("3-editor-dialog"));

    // A word made bold (its button latched), then the link and image dialogs.
    const QTextCursor word = cycle->editor().TextDocument()->find(QStringLiteral("furnish"));
    if (!word.isNull()) cycle->editor().SetCursor(word);
    cycle->toolbar()->ToggleBold();
    Shoot(window, out, QStringLiteral("3-editor-toolbar"));
    cycle->links()->OpenForSelection();
    Shoot(window, out, QStringLiteral("3-link-dialog"));
    emit cycle->links()->dialog()->cancelled();
    cycle->pictures()->OpenImageDialog();
    Shoot(window, out, QStringLiteral("3-image-dialog"));
    cycle->pictures()->CancelImageDialog();
    cycle->Cancel();
    QTest::mouseMove(window.editorScreen()->browser(), QPoint(2, 2));
  }

  if (service) {
    ShootOnlineScreens(window, out);
    window.publishing()->siteLivePanel()->hide();
    window.publishing()->publishedPanel()->hide();
  }

  window.SelectTabAndScreen(4);
  Shoot(window, out, QStringLiteral("4-page-manager"));

  // Tall enough for all six rows.
  window.resize(window.width(), 680);
  AddPage(window, QStringLiteral("our-team"), QStringLiteral("Our Team"));
  AddPage(window, QStringLiteral("prices"), QStringLiteral("Prices"));
  ClickRowButton(window, QStringLiteral("_tick_a4"));
  Shoot(window, out, QStringLiteral("5-page-manager-six-pages"));

  ClickRowButton(window, QStringLiteral("_rename_1"));
  Shoot(window, out, QStringLiteral("6-rename-dialog"));
  if (service) QProcess::execute(QStringLiteral(MOXA_SERVICE_DIR "/stop"), {QStringLiteral("--state"), serviceState.path()});
  return 0;
}
