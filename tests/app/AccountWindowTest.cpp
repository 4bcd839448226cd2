// The account screen in the window, against the reference service: rows by
// plan, the confirmation check, a renamed free site saved, Reset, and a save
// the service cannot take.
#include "app/account/AccountController.h"
#include "app/account/AccountScreen.h"
#include "app/dialogs/DialogLayer.h"
#include "app/publish/PublishController.h"
#include "app/publish/SiteLivePanel.h"
#include "app/shell/SkinnedButton.h"
#include "online/Protocol.h"
#include "platform/HttpFetch.h"
#include "support/ReferenceService.h"
#include "support/StoreHelpers.h"
#include "ServiceWindowFixture.h"
#include "support/gui/WindowFixture.h"

#include <QSignalSpy>
#include <QTest>

namespace moxa {
namespace {

class AccountWindowTest : public ServiceWindowFixture {
 protected:
  void SetUp() override {
    ServiceWindowFixture::SetUp();
    ASSERT_NO_FATAL_FAILURE(CreateRegisteredSite());
    window->SelectTabAndScreen(2);
  }
  AccountScreen* screen() const { return window->accountScreen(); }
  bool Saved(const std::function<void()>& save) {
    QSignalSpy finished(window->accountController(), &AccountController::saveFinished);
    save();
    return finished.wait(10000) && finished.first().first().toBool();
  }
};

TEST_F(AccountWindowTest, TheRowsFollowThePlan) {
  const struct {
    const char* plan;
    bool site;
    bool ftp;
  } cases[] = {{"free", true, false}, {"plus", false, false}, {"max", false, true}};
  for (const auto& c : cases) {
    window->site().SiteAccount.HostingPackage = QLatin1String(c.plan);
    window->SelectTabAndScreen(2);
    EXPECT_EQ(screen()->RowShown(screen()->siteUrl()->parentWidget()), c.site) << c.plan;
    EXPECT_EQ(screen()->RowShown(screen()->ftpHost()), c.ftp) << c.plan;
    EXPECT_EQ(screen()->RowShown(screen()->ftpPort()), c.ftp) << c.plan;
    EXPECT_TRUE(screen()->RowShown(screen()->confirm())) << c.plan;
    EXPECT_GT(screen()->saveButton()->y(), screen()->confirm()->y());
  }
}

TEST_F(AccountWindowTest, AConfirmationDifferingInCaseIsRefusedWithoutARequest) {
  screen()->password()->setText(QStringLiteral("Secret1"));
  screen()->confirm()->setText(QStringLiteral("secret1"));
  QTest::keyClick(screen()->email(), Qt::Key_Return);
  EXPECT_FALSE(window->dialogLayer()->busy());
  EXPECT_TRUE(screen()->confirmLabel()->styleSheet().contains(QStringLiteral("#ff0000")));
  EXPECT_TRUE(screen()->confirm()->hasSelectedText());
  EXPECT_EQ(window->site().SiteAccount.Password, QString());
}

TEST_F(AccountWindowTest, ANameHoldingARecordSeparatorIsRefusedWithoutARequest) {
  const TAccount before = window->site().SiteAccount;
  screen()->firstName()->setText(QStringLiteral("Dana|||||X"));
  QTest::keyClick(screen()->email(), Qt::Key_Return);
  EXPECT_FALSE(window->dialogLayer()->busy());
  EXPECT_EQ(informations, QStringList{QStringLiteral(
                              "The first name cannot contain \"|||||\" or \"/////\" or end with \"|\" or \"/\": "
                              "the hosting service uses them to separate what it stores.")});
  EXPECT_EQ(window->site().SiteAccount, before);
}

TEST_F(AccountWindowTest, ARenamedFreeSiteIsSavedUnderTheNameTheServiceGave) {
  screen()->firstName()->setText(QStringLiteral("Joe"));
  screen()->email()->setText(QStringLiteral("joe@moxa.test"));
  screen()->password()->setText(QStringLiteral("bread&butter"));
  screen()->confirm()->setText(QStringLiteral("bread&butter"));
  screen()->siteUrl()->setText(QStringLiteral("Joe Bread"));
  ASSERT_TRUE(Saved([&] { QTest::keyClick(screen()->email(), Qt::Key_Return); }));
  EXPECT_EQ(informations.last(), QStringLiteral("Your account's  information was successfully saved."));
  EXPECT_EQ(window->site().SiteAccount.UnixName, QStringLiteral("joe-bread"));
  EXPECT_EQ(screen()->siteUrl()->text(), QStringLiteral("joe-bread"));
  EXPECT_EQ(window->publishing()->siteLivePanel()->addressUrl(),
            QStringLiteral("http://") + service_.Endpoints().SiteAddress(QStringLiteral("joe-bread")));

  Site stored;
  ASSERT_EQ(test::LoadSiteWithPasswordsNow(stored), LoadSiteResult::Loaded);
  EXPECT_EQ(stored.SiteAccount.UnixName, QStringLiteral("joe-bread"));
  EXPECT_EQ(stored.SiteAccount.Password, QStringLiteral("bread&butter"));
  EXPECT_FALSE(test::SettingsFileText().contains("bread&butter")) << "the password is in the keychain";
  QString reply = FetchUrlText(LoginUrl(service_.Endpoints(), QStringLiteral("joe@moxa.test"),
                                        QStringLiteral("bread&butter")));
  TAccount online;
  ASSERT_TRUE(ReadAccountRecord(reply, online));
  EXPECT_EQ(online.FirstName, QStringLiteral("Joe"));
  EXPECT_EQ(online.UnixName, QStringLiteral("joe-bread"));
}

TEST_F(AccountWindowTest, ResetBringsBackTheAccountAndAFailedSaveSaysSo) {
  screen()->firstName()->setText(QStringLiteral("Typed"));
  emit screen()->resetRequested();
  EXPECT_EQ(screen()->firstName()->text(), QString());

  const QString nowhere = QStringLiteral("127.0.0.1:%1").arg(test::FreePort());
  window->setServiceEndpoints({nowhere, nowhere, nowhere, {}});
  screen()->lastName()->setText(QStringLiteral("Baker"));
  EXPECT_FALSE(Saved([&] { emit screen()->saveRequested(); }));
  EXPECT_EQ(errors.last(), QStringLiteral(
      "There was a problem saving your account information. Please check your internet connection."));
  EXPECT_EQ(window->site().SiteAccount.LastName, QStringLiteral("Baker"));  // kept, not stored
  Site stored;
  ASSERT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
  EXPECT_EQ(stored.SiteAccount.LastName, QString());
}

}  // namespace
}  // namespace moxa
