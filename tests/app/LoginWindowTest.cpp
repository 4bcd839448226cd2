// The start screen's Site Login and password mail against the reference
// hosting service, on a home that never had a site.
#include "app/pagemanager/PageManagerScreen.h"
#include "app/start/LoginController.h"
#include "app/start/StartScreen.h"
#include "support/ReferenceService.h"
#include "support/StoreHelpers.h"
#include "ServiceWindowFixture.h"
#include "support/gui/WindowFixture.h"

#include <QFileInfo>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

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

  Site stored;
  ASSERT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
  EXPECT_EQ(stored.SiteAccount.UnixName, QStringLiteral("demo"));
  EXPECT_EQ(stored.SiteAccount.Email, QStringLiteral("demo@moxa.test"));
  EXPECT_EQ(stored.PageCount(), 4);
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
