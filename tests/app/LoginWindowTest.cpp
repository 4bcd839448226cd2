// The start screen's Site Login and password mail against the reference
// hosting service, on a home that never had a site.
#include "app/dialogs/DialogLayer.h"
#include "app/editor/EditorScreen.h"
#include "app/pagemanager/PageManagerScreen.h"
#include "app/pagemanager/PageRows.h"
#include "app/start/LoginController.h"
#include "app/start/StartScreen.h"
#include "support/ReferenceService.h"
#include "support/SilentServer.h"
#include "support/StoreHelpers.h"
#include "ServiceWindowFixture.h"
#include "support/gui/Eventually.h"
#include "support/gui/PageScript.h"
#include "support/gui/WindowFixture.h"

#include <QFileInfo>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineView>

#include <algorithm>

namespace moxa {
namespace {

class LoginWindowTest : public ServiceWindowFixture {
 protected:
  void SetUp() override {
    ServiceWindowFixture::SetUp();
    window->LoadStoredSite();
    window->show();
    window->startScreen()->loginChoice()->click();
  }
  void Type(const QString& email) {
    window->startScreen()->nameField()->setText(email);
    QTest::keyClick(window->startScreen()->nameField(), Qt::Key_Return);
  }
};

TEST_F(LoginWindowTest, TheDemoSiteComesDownAndOpensInThePageManager) {
  password = QStringLiteral("demo-site-1");
  QSignalSpy finished(window->login(), &LoginController::loginFinished);
  Type(QStringLiteral("demo@moxa.test"));
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(finished.first().first().value<LoginOutcome::Result>(), LoginOutcome::Result::LoggedIn);
  EXPECT_TRUE(informations.isEmpty()) << informations.join(u'\n').toStdString();
  EXPECT_EQ(window->currentScreen(), Screen::PageManager);
  EXPECT_EQ(window->site().PageCount(), 4);
  EXPECT_TRUE(QFileInfo::exists(window->folders().WorkFolder() + QStringLiteral("bin/style.css")));

  const Site& site = window->site();
  EXPECT_EQ(site.Page(0).FileName, QStringLiteral("index"));
  EXPECT_TRUE(site.Page(0).IsHomePage);
  for (int i = 0; i < site.PageCount(); ++i) {
    EXPECT_TRUE(site.Page(i).ShowInMenu) << i;
    EXPECT_EQ(site.Page(i).IsHomePage, i == 0) << i;
    EXPECT_FALSE(site.Page(i).Changed) << i;
  }
  // Template 1, the demo's, is the chosen one again.
  EXPECT_EQ(window->templateLibrary().NumberAt(site.SelectedTemplateIndex), 1);

  Site stored;
  ASSERT_EQ(test::LoadSiteWithPasswordsNow(stored), LoadSiteResult::Loaded);
  EXPECT_EQ(stored.SiteAccount.UnixName, QStringLiteral("demo"));
  EXPECT_EQ(stored.SiteAccount.Email, QStringLiteral("demo@moxa.test"));
  EXPECT_EQ(stored.SiteAccount.Password, QStringLiteral("demo-site-1"));
  EXPECT_EQ(stored.PageCount(), 4);
  EXPECT_FALSE(test::SettingsFileText().contains("demo-site-1")) << "the password is in the keychain";

  // In the editor the home page looks as it did where it was made: the
  // template's style sheet and pictures from bin/, the region's own text.
  QWebEngineView* browser = window->editorScreen()->browser();
  QSignalSpy loaded(browser, &QWebEngineView::loadFinished);
  emit window->pageManagerScreen()->rows()->editClicked(0);
  EXPECT_EQ(window->currentScreen(), Screen::Editor);
  // An earlier load the new one cut short reports a failure first.
  ASSERT_TRUE(test::Eventually(
      [&] { return std::any_of(loaded.begin(), loaded.end(), [](const QList<QVariant>& a) { return a[0].toBool(); }); },
      20000));
  const auto evaluate = [browser](const char* script) {
    return test::EvaluateScript(browser->page(), QLatin1String(script));
  };
  EXPECT_TRUE(test::Eventually(
      [&] { return evaluate("Array.from(document.images).every(i => i.complete)").toBool(); }, 10000));
  EXPECT_EQ(evaluate("Array.from(document.images).filter(i => i.naturalWidth == 0).map(i => i.src).join(' ')")
                .toString(), QString());
  EXPECT_TRUE(evaluate("Array.from(document.querySelectorAll('link[rel=stylesheet]'))"
                       ".every(l => l.sheet !== null && l.href.includes('/bin/'))").toBool());
  EXPECT_TRUE(evaluate("document.getElementById('moxadiv2').innerText").toString()
                  .contains(QStringLiteral("Rooms that feel like home, only calmer.")));
}

TEST_F(LoginWindowTest, TheOverlayCountsThePagesComingDown) {
  password = QStringLiteral("demo-site-1");
  QStringList captions;
  QObject::connect(window->login(), &LoginController::loginProgress, window.get(),
          [&] { captions << window->dialogLayer()->busyCaption(); });
  QSignalSpy finished(window->login(), &LoginController::loginFinished);
  Type(QStringLiteral("demo@moxa.test"));
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(captions, (QStringList{QStringLiteral("Bringing down page 1 of 4"), QStringLiteral("Bringing down page 2 of 4"),
                                   QStringLiteral("Bringing down page 3 of 4"), QStringLiteral("Bringing down page 4 of 4")}));
}

TEST_F(LoginWindowTest, CancelOnTheOverlayEndsALoginTheServiceNeverAnswersAndChangesNothing) {
  test::SilentServer silent;
  ASSERT_TRUE(silent.Listening());
  ServiceEndpoints hanging = service_.Endpoints();
  hanging.WebHost = QStringLiteral("127.0.0.1:%1").arg(silent.Port());
  window->setServiceEndpoints(hanging);
  password = QStringLiteral("demo-site-1");
  QSignalSpy finished(window->login(), &LoginController::loginFinished);
  Type(QStringLiteral("demo@moxa.test"));
  ASSERT_TRUE(silent.WaitForCaller());

  DialogLayer* layer = window->dialogLayer();
  ASSERT_TRUE(layer->busy());
  ASSERT_TRUE(layer->busyCancelButton()->isVisible());
  QTest::mouseClick(layer->busyCancelButton(), Qt::LeftButton);
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(finished.first().first().value<LoginOutcome::Result>(), LoginOutcome::Result::Cancelled);
  EXPECT_FALSE(layer->busy());
  EXPECT_TRUE(informations.isEmpty()) << informations.join(u'\n').toStdString();
  EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
  EXPECT_EQ(window->currentScreen(), Screen::Start);
  EXPECT_EQ(window->site().PageCount(), 0);
  EXPECT_EQ(window->startScreen()->nameField()->text(), QStringLiteral("demo@moxa.test"));
}

TEST_F(LoginWindowTest, AWrongOrMissingPasswordKeepsTheStartScreen) {
  QSignalSpy finished(window->login(), &LoginController::loginFinished);
  password = QStringLiteral("   ");
  Type(QStringLiteral("demo@moxa.test"));
  EXPECT_EQ(informations, QStringList{QStringLiteral("You must enter a password.")});
  EXPECT_EQ(finished.count(), 0);

  informations.clear();
  password = QStringLiteral("not-it");
  Type(QStringLiteral("demo@moxa.test"));
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(informations, QStringList{QStringLiteral("The login details you entered are incorrect. Please try again.")});
  EXPECT_EQ(window->currentScreen(), Screen::Start);
  EXPECT_EQ(window->site().PageCount(), 0);
  EXPECT_EQ(window->startScreen()->nameField()->text(), QStringLiteral("demo@moxa.test"));
}

TEST_F(LoginWindowTest, ThePasswordMailTellsWhetherItWasSent) {
  QSignalSpy finished(window->login(), &LoginController::passwordMailFinished);
  window->login()->SendPassword(QStringLiteral("demo@moxa.test"));
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(informations, QStringList{QStringLiteral("Your password has been sent to demo@moxa.test.")});
  window->login()->SendPassword(QStringLiteral("nobody@moxa.test"));
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(errors, QStringList{QStringLiteral(
                        "There was a problem sending your password. Please check your internet connection.")});
}

}  // namespace
}  // namespace moxa
