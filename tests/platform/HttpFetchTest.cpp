// Service requests read into memory, against the reference service.
#include "platform/HttpFetch.h"
#include "support/ReferenceService.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace moxa {
namespace {

class HttpFetchTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new test::ReferenceService; }
  static void TearDownTestSuite() { delete service_; }
  void SetUp() override { ASSERT_TRUE(service_->Running()) << service_->StartOutput().toStdString(); }
  QByteArray Url(const char* path) const { return service_->Endpoints().Base().toUtf8() + path; }
  static test::ReferenceService* service_;
};

test::ReferenceService* HttpFetchTest::service_ = nullptr;

TEST_F(HttpFetchTest, TheLinesOfAReplyAreJoinedAndNothingElseChanges) {
  const QByteArray css = test::ReadBytes(test::SourceDir() + QStringLiteral("/data/templates/1/bin/style.css"));
  ASSERT_TRUE(css.contains('\n'));
  const QString text = FetchUrlText(Url("/wbx/templates/1/bin/style.css"));
  EXPECT_EQ(text, QString::fromUtf8(QByteArray(css).replace("\r", "").replace("\n", "")));
  const Result<QByteArray> bytes = FetchUrlBytes(Url("/wbx/templates/1/bin/style.css"));
  ASSERT_TRUE(bytes.ok());
  EXPECT_EQ(bytes.value(), css);
}

TEST_F(HttpFetchTest, FailuresGiveEmptyTextAndAReason) {
  const QByteArray dead = "http://127.0.0.1:" + QByteArray::number(test::FreePort()) + "/wbx/login.php";
  for (const QByteArray& url : {Url("/wbx/no-such-endpoint.php"), Url("/nosuch/page.html"), dead,
                                QByteArray("http://no-such-host.invalid/")}) {
    EXPECT_TRUE(FetchUrlText(url).isEmpty()) << url.toStdString();
    const Result<QByteArray> body = FetchUrlBytes(url);
    ASSERT_FALSE(body.ok()) << url.toStdString();
    EXPECT_EQ(body.outcome().code(), ErrorCode::ServiceUnreachable);
    EXPECT_FALSE(body.outcome().detail().isEmpty());
  }
}

TEST_F(HttpFetchTest, AnEndpointRepliesThroughIt) {
  const QString reply = FetchUrlText(Url("/wbx/login.php?email=demo@moxa.test&password=demo-site-1"));
  EXPECT_TRUE(reply.startsWith(QStringLiteral("demo-site-1|||||Dana|||||"))) << reply.toStdString();
  EXPECT_TRUE(FetchUrlText(Url("/wbx/login.php?email=demo@moxa.test&password=wrong")).isEmpty());
}

}  // namespace
}  // namespace moxa
