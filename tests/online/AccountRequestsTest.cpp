// The account screen's and the site-live panel's requests, against the
// reference service, and the password meter.
#include "online/AccountRequests.h"
#include "online/Protocol.h"
#include "platform/HttpFetch.h"
#include "support/ReferenceService.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace moxa {
namespace {

TEST(PasswordStrengthTest, FollowsLengthAndClasses) {
  const struct {
    const char* password;
    const char* text;
    QColor color;
  } cases[] = {
      {"abcd", "Too Short", QColor(255, 0, 0)},       {"abcde", "Weak", QColor(255, 0, 0)},
      {"abcd1", "Medium", QColor(255, 128, 0)},       {"abcdefghi1", "Strong", QColor(0, 128, 0)},
      {"     ", "Very Weak", QColor(255, 0, 0)},      {"abcdefghij", "Medium", QColor(255, 128, 0)},
      {"ab1!x", "Strong", QColor(0, 128, 0)},         {"`````", "Very Weak", QColor(255, 0, 0)},
      {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", "Very Weak", QColor(255, 0, 0)},
      {"12345678901", "Medium", QColor(255, 128, 0)}, {"~~~~~a", "Medium", QColor(255, 128, 0)},
  };
  for (const auto& c : cases) {
    const PasswordStrength strength = StrengthOf(QString::fromUtf8(c.password));
    EXPECT_EQ(strength.Text, QLatin1String(c.text)) << c.password;
    EXPECT_EQ(strength.Color, c.color) << c.password;
  }
}

class AccountRequestsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new test::ReferenceService; }
  static void TearDownTestSuite() { delete service_; }
  void SetUp() override {
    ASSERT_TRUE(service_->Running()) << service_->StartOutput().toStdString();
  }
  TAccount Registered(const QString& name) const {
    TAccount account;
    account.UnixName = FetchUrlText(NewUnixUrl(service_->Endpoints(), name));
    account.MoxaSiteStatus = true;
    return account;
  }
  static test::ReferenceService* service_;
};

test::ReferenceService* AccountRequestsTest::service_ = nullptr;

TEST_F(AccountRequestsTest, ARenamedFreeSiteIsSavedUnderTheNameTheServiceGave) {
  TAccount account = Registered(QStringLiteral("first-name"));
  account.UnixName = QStringLiteral("two-words");
  account.FirstName = QStringLiteral("Ada");
  account.Email = QStringLiteral("ada@moxa.test");
  account.Password = QStringLiteral("p&ss #1");
  ASSERT_TRUE(SaveAccountOnline(account, QStringLiteral("first-name"), service_->Endpoints()));
  EXPECT_EQ(account.UnixName, QStringLiteral("two-words"));

  QString reply = FetchUrlText(LoginUrl(service_->Endpoints(), account.Email, account.Password));
  TAccount stored;
  ASSERT_TRUE(ReadAccountRecord(reply, stored));
  EXPECT_EQ(stored.UnixName, QStringLiteral("two-words"));
  EXPECT_EQ(stored.FirstName, QStringLiteral("Ada"));
}

TEST_F(AccountRequestsTest, ATakenNewNameIsPassedOverAndTheFieldsAreStillSaved) {
  Registered(QStringLiteral("wanted"));
  TAccount account = Registered(QStringLiteral("mine"));
  account.UnixName = QStringLiteral("wanted");
  ASSERT_TRUE(SaveAccountOnline(account, QStringLiteral("mine"), service_->Endpoints()));
  EXPECT_EQ(account.UnixName, QStringLiteral("wanted2"));  // the free variant the service chose
}

TEST_F(AccountRequestsTest, FailuresLeaveTheAccountAsTheScreenLeftIt) {
  ServiceEndpoints dead = service_->Endpoints();
  dead.WebHost = QStringLiteral("127.0.0.1:%1").arg(test::FreePort());
  TAccount account;
  account.UnixName = QStringLiteral("renamed");
  account.MoxaSiteStatus = true;
  EXPECT_FALSE(SaveAccountOnline(account, QStringLiteral("old"), dead));
  EXPECT_EQ(account.UnixName, QStringLiteral("renamed"));
  EXPECT_FALSE(ChangeSiteAddress(account, QStringLiteral("other"), dead));
  EXPECT_EQ(account.UnixName, QStringLiteral("renamed"));
  EXPECT_FALSE(SetSiteAddressLive(account, false, dead));
  EXPECT_TRUE(account.MoxaSiteStatus);
}

TEST_F(AccountRequestsTest, TheAddressChangesAndSwitchesOffAndOn) {
  TAccount account = Registered(QStringLiteral("panel-site"));
  ASSERT_TRUE(ChangeSiteAddress(account, QStringLiteral("panel-new"), service_->Endpoints()));
  EXPECT_EQ(account.UnixName, QStringLiteral("panel-new"));
  const QByteArray front = "http://" + service_->Endpoints().SiteAddress(account.UnixName).toUtf8() + "/";
  ASSERT_TRUE(SetSiteAddressLive(account, false, service_->Endpoints()));
  EXPECT_FALSE(account.MoxaSiteStatus);
  QString error = FetchUrlBytes(front).outcome().detail();
  EXPECT_TRUE(error.contains(QStringLiteral("403"))) << error.toStdString();
  ASSERT_TRUE(SetSiteAddressLive(account, true, service_->Endpoints()));
  EXPECT_TRUE(account.MoxaSiteStatus);
  error = FetchUrlBytes(front).outcome().detail();
  EXPECT_TRUE(error.contains(QStringLiteral("404"))) << error.toStdString();  // live, nothing published yet
}

}  // namespace
}  // namespace moxa
