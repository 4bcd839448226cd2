#include "support/gui/WindowFixture.h"

#include "app/gallery/GalleryScreen.h"
#include "app/publish/PublishController.h"
#include "app/start/StartScreen.h"
#include "platform/SettingsStore.h"
#include "support/ReferenceService.h"
#include "support/gui/Eventually.h"

#include <QSignalSpy>
#include <QTest>

namespace moxa::test {

void WindowFixture::SetUp() {
  SettingsStore store;
  store.Clear();
  ASSERT_TRUE(store.Commit());
  OpenWindow();
}

void WindowFixture::RestartWindow() {
  window.reset();
  OpenWindow();
  window->LoadStoredSite();
  window->show();
}

void WindowFixture::OpenWindow() {
  window = std::make_unique<MainWindow>(Folders::At(SourceDir(), temp.path()));
  window->setSiteCreationMinimum(0);
  // No test talks to a hosting service it did not start itself.
  const QString nowhere = QStringLiteral("127.0.0.1:%1").arg(FreePort());
  window->setServiceEndpoints({nowhere, nowhere, nowhere, {nowhere, nowhere, nowhere}});
  window->setPrompts({[this](const QString& text) { informations << text; },
                      [this](const QString& text) { errors << text; },
                      [this] { return chosenFolder; },
                      [this](const QString& text) {
                        questions << text;
                        return confirmAnswer;
                      },
                      [this](const QString& url) { openedUrls << url; },
                      [this] { return password; },
                      [this](const QString& text) {
                        questions << text;
                        return saveAnswer;
                      }});
}

void WindowFixture::StartNewSite(const QString& name) {
  QSignalSpy accepted(window->startScreen(), &StartScreen::newSiteAccepted);
  window->startScreen()->nameField()->setText(name);
  QTest::keyClick(window->startScreen()->nameField(), Qt::Key_Return);
  // An accepted name first opens the content frame, then the gallery shows.
  if (!accepted.isEmpty()) Eventually([this] { return window->currentScreen() == Screen::Gallery; });
}

void WindowFixture::CreateSite() {
  window->LoadStoredSite();
  window->show();
  StartNewSite(QStringLiteral("Joe's Bakery"));
  ASSERT_EQ(window->currentScreen(), Screen::Gallery);
  QSignalSpy finished(window.get(), &MainWindow::siteCreationFinished);
  emit window->galleryScreen()->nextClicked();
  ASSERT_TRUE(finished.wait(20000));
  ASSERT_TRUE(finished.first().first().toBool());
}

QByteArray WindowFixture::WorkFile(const QString& name) const {
  return ReadBytes(window->folders().WorkFolder() + name);
}

}  // namespace moxa::test
