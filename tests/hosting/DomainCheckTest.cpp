// The domain check through the reference service's three lookup pages, and
// the plan change.
#include "hosting/DomainCheck.h"
#include "platform/HttpFetch.h"
#include "support/ReferenceService.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace moxa {
namespace {

class DomainCheckTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new test::ReferenceService; }
  static void TearDownTestSuite() { delete service_; }
  void SetUp() override { ASSERT_TRUE(service_->Running()) << service_->StartOutput().toStdString(); }
  static test::ReferenceService* service_;
};

test::ReferenceService* DomainCheckTest::service_ = nullptr;

TEST_F(DomainCheckTest, EachLookupOutcome) {
  const struct {
    const char* domain;
    DomainVerdict verdict;
    int decidedBy;
  } cases[] = {
      {"fresh.com", DomainVerdict::Available, 1},   {"taken.com", DomainVerdict::Taken, 1},
      {"second.net", DomainVerdict::Available, 2},  {"secondtaken.net", DomainVerdict::Taken, 2},
      {"third.org", DomainVerdict::Available, 3},   {"thirdtaken.org", DomainVerdict::Taken, 3},
      {"silent.com", DomainVerdict::NoAnswer, 0},   {"lost.com", DomainVerdict::NoAnswer, 0},
  };
  for (const auto& c : cases) {
    const DomainCheck check = CheckDomain(QLatin1String(c.domain), service_->Endpoints());
    EXPECT_EQ(check.Verdict, c.verdict) << c.domain;
    EXPECT_EQ(check.DecidedBy, c.decidedBy) << c.domain;
  }
}

TEST_F(DomainCheckTest, NoServiceIsNoAnswer) {
  ServiceEndpoints dead = service_->Endpoints();
  const QString nowhere = QStringLiteral("127.0.0.1:%1").arg(test::FreePort());
  dead.LookupHosts = {nowhere, nowhere, nowhere};
  EXPECT_EQ(CheckDomain(QStringLiteral("fresh.com"), dead).Verdict, DomainVerdict::NoAnswer);
}

TEST(LookupReplyTest, AnUnrelatedThirdPageIsNoVerdict) {
  const QString host = QStringLiteral("www.lookup3.test");
  EXPECT_EQ(ReadLookupReply(3, QString(), host), DomainVerdict::NoAnswer);
  EXPECT_EQ(ReadLookupReply(3, QStringLiteral("<html>proxy error</html>"), host), DomainVerdict::NoAnswer);
  EXPECT_EQ(ReadLookupReply(3, QStringLiteral("http://lookup3.test/ at the very start"), host), DomainVerdict::NoAnswer);
  EXPECT_EQ(ReadLookupReply(3, QStringLiteral("<a href=\"http://lookup3.test/\">x</a>"), host), DomainVerdict::Taken);
  EXPECT_EQ(ReadLookupReply(3, QStringLiteral("<a href=\"http://lookup3.test/\">This domain name is not registered"), host),
            DomainVerdict::Available);
}

TEST_F(DomainCheckTest, APlanChangeTakesTheDomainTheServiceKeepsAndAnEmptyReplyChangesNothing) {
  TAccount account;
  account.UnixName = FetchUrlText(NewUnixUrl(service_->Endpoints(), QStringLiteral("upgrading")));
  ASSERT_TRUE(ChangePlan(account, QStringLiteral("max"), service_->Endpoints()));
  EXPECT_EQ(account.HostingPackage, QStringLiteral("max"));
  EXPECT_EQ(account.Domain, QStringLiteral("upgrading.own.") + service_->Endpoints().Domain);

  ServiceEndpoints dead = service_->Endpoints();
  dead.WebHost = QStringLiteral("127.0.0.1:%1").arg(test::FreePort());
  TAccount unchanged = account;
  EXPECT_FALSE(ChangePlan(unchanged, QStringLiteral("plus"), dead));
  EXPECT_EQ(unchanged, account);
}

}  // namespace
}  // namespace moxa
