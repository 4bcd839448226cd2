// The reference hosting service answers as the program expects: every
// endpoint's reply, the hosted sites' front page and the lookup pages.
#include "online/Protocol.h"
#include "online/ServiceEndpoints.h"
#include "platform/HttpFetch.h"
#include "support/ReferenceService.h"
#include "support/TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

class ReferenceServiceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new test::ReferenceService; }
  static void TearDownTestSuite() { delete service_; }
  void SetUp() override { ASSERT_TRUE(service_->Running()) << service_->StartOutput().toStdString(); }
  const ServiceEndpoints s() const { return service_->Endpoints(); }
  QByteArray Page(const QString& host, const QByteArray& path, bool* found = nullptr) const {
    const Result<QByteArray> body = FetchUrlBytes("http://" + host.toUtf8() + path);
    if (found) *found = body.ok();
    return body.ok() ? body.value() : QByteArray();
  }
  static test::ReferenceService* service_;
};

test::ReferenceService* ReferenceServiceTest::service_ = nullptr;

TEST_F(ReferenceServiceTest, TheDemoAccountLogsInWithItsPages) {
  QString reply = FetchUrlText(LoginUrl(s(), QStringLiteral("DEMO@moxa.test"), QStringLiteral("demo-site-1")));
  TAccount account;
  ASSERT_TRUE(ReadAccountRecord(reply, account));
  EXPECT_EQ(account.UnixName, QStringLiteral("demo"));
  const std::vector<TSitePage> pages = ReadPageList(reply, 1001);
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_TRUE(pages[0].IsHomePage);
  bool found = false;
  const QByteArray about = Page(s().WebHost, "/demo/about-us.html", &found);
  EXPECT_TRUE(found);
  EXPECT_TRUE(about.contains(s().Base().toUtf8() + "/wbx/templates/1/bin/"));
  EXPECT_TRUE(FetchUrlText(LoginUrl(s(), QStringLiteral("demo@moxa.test"), QStringLiteral("demo-site-2"))).isEmpty());
  EXPECT_TRUE(FetchUrlText(LoginUrl(s(), QString(), QString())).isEmpty());
}

TEST_F(ReferenceServiceTest, ThePasswordMailGoesToTheOutbox) {
  EXPECT_EQ(FetchUrlText(EmailPasswordUrl(s(), QStringLiteral("demo@moxa.test"))), QStringLiteral("done"));
  EXPECT_TRUE(FetchUrlText(EmailPasswordUrl(s(), QStringLiteral("nobody@moxa.test"))).isEmpty());
  const QDir outbox(service_->StateFolder() + QStringLiteral("/outbox"));
  const QStringList mails = outbox.entryList(QDir::Files);
  ASSERT_EQ(mails.size(), 1);
  EXPECT_TRUE(test::ReadBytes(outbox.filePath(mails[0])).contains("demo-site-1"));
}

TEST_F(ReferenceServiceTest, NamesAreRegisteredRenamedAndSwitchedOff) {
  EXPECT_EQ(FetchUrlText(NewUnixUrl(s(), QStringLiteral("Café & Co"))), QStringLiteral("caf-co"));
  EXPECT_EQ(FetchUrlText(NewUnixUrl(s(), QStringLiteral("caf-co"))), QStringLiteral("caf-co2"));
  EXPECT_EQ(FetchUrlText(ChangeUnixUrl(s(), QStringLiteral("caf-co2"), QStringLiteral("bistro"))),
            QStringLiteral("bistro"));
  EXPECT_TRUE(QDir(service_->StateFolder() + QStringLiteral("/ftp/moxasites/bistro")).exists());
  EXPECT_FALSE(FetchUrlText(UnixStatusUrl(s(), QStringLiteral("bistro"), false)).isEmpty());
  bool found = true;
  EXPECT_TRUE(Page(s().SiteAddress(QStringLiteral("bistro")), "/", &found).isEmpty());
  EXPECT_FALSE(found);
  EXPECT_TRUE(FetchUrlText(UnixStatusUrl(s(), QStringLiteral("nosuch"), true)).isEmpty());
}

TEST_F(ReferenceServiceTest, TheFrontPageServesOnlyBareFileNames) {
  bool found = false;
  EXPECT_TRUE(Page(s().SiteAddress(QStringLiteral("demo")), "/?p=contact-us.html", &found).contains("moxadiv"));
  EXPECT_TRUE(found);
  for (const QByteArray query : {"/?p=../service.sqlite", "/?p=%2Fetc%2Fpasswd", "/?p=nosuch.html",
                                 "/?p=.htaccess", "/other/path"}) {
    Page(s().SiteAddress(QStringLiteral("demo")), query, &found);
    EXPECT_FALSE(found) << query.toStdString();
  }
  Page(s().WebHost, "/wbx/templates/1/../../service.sqlite", &found);
  EXPECT_FALSE(found);
}

TEST_F(ReferenceServiceTest, TheLookupPagesCarryTheirMarkers) {
  const QString one = s().LookupHosts[0], two = s().LookupHosts[1], three = s().LookupHosts[2];
  EXPECT_TRUE(Page(one, "/cgi-bin/checkdomain.pl?domain=fresh.com").contains(", is still available!"));
  EXPECT_TRUE(Page(one, "/cgi-bin/checkdomain.pl?domain=taken.com").contains(", has already been registered"));
  EXPECT_TRUE(Page(one, "/cgi-bin/checkdomain.pl?domain=silent.com").isEmpty());
  const QByteArray undecided = Page(one, "/cgi-bin/checkdomain.pl?domain=second.com");
  EXPECT_TRUE(undecided.indexOf(one.toUtf8()) > 0);
  EXPECT_FALSE(undecided.contains("available!") || undecided.contains("registered"));
  EXPECT_TRUE(Page(two, "/whois/second.com").contains("<span class=\"hdGreen\">available</span>"));
  EXPECT_TRUE(Page(two, "/whois/secondtaken.com").contains("<span class=\"hdOrange\">not available</span>"));
  const QByteArray third = Page(three, "/third.com");
  EXPECT_TRUE(third.contains("http://" + three.toUtf8()));
  EXPECT_TRUE(third.contains("This domain name is not registered"));
  EXPECT_FALSE(Page(three, "/thirdtaken.com").contains("This domain name is not registered"));
}

}  // namespace
}  // namespace moxa
