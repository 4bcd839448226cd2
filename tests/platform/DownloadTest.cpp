#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "platform/HttpDownload.h"
#include "support/LocalHttpServer.h"
#include "support/ReferenceService.h"
#include "support/SilentServer.h"

#include <atomic>
#include <memory>
#include <thread>

namespace moxa {
namespace {

// Python's small HTTP server over a temporary folder; it answers 301 for a
// folder address without the final slash, which gives a redirect to follow.
class DownloadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(served_.isValid() && target_.isValid());
    WriteServed("pic.png", QByteArray("\x89PNG\r\n\x1a\nfake", 12));
    QDir(served_.path()).mkdir("dir");
    WriteServed("dir/index.html", "<p>hello</p>");
    server_ = std::make_unique<test::LocalHttpServer>(served_.path());
    ASSERT_TRUE(server_->Running());
  }
  void WriteServed(const QString& name, const QByteArray& bytes) {
    QFile file(served_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QString Url(const QString& path) const { return server_->Url(path); }
  QStringList TargetEntries() const {
    return QDir(target_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }

  QTemporaryDir served_;
  QTemporaryDir target_;
  std::unique_ptr<test::LocalHttpServer> server_;
};

TEST_F(DownloadTest, SuccessWritesTheFileAndGivesTheContentType) {
  const QString path = target_.filePath("pic.png");
  const DownloadResult result = DownloadUrlToFile(Url("pic.png"), path);
  ASSERT_TRUE(result.ok) << result.error.toStdString();
  EXPECT_EQ(result.contentType, "image/png");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("\x89PNG\r\n\x1a\nfake", 12));
  EXPECT_EQ(TargetEntries(), QStringList{"pic.png"});  // no temporary file left beside it
}

TEST_F(DownloadTest, NotFoundFailsAndLeavesNoFile) {
  const DownloadResult result = DownloadUrlToFile(Url("missing.png"), target_.filePath("x.png"));
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.isEmpty());
  EXPECT_TRUE(TargetEntries().isEmpty());
}

TEST_F(DownloadTest, FailureKeepsAnOlderFileOfTheSameName) {
  const QString path = target_.filePath("x.png");
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
  }
  EXPECT_FALSE(DownloadUrlToFile(Url("missing.png"), path).ok);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "old");
}

TEST_F(DownloadTest, RedirectIsFollowed) {
  const QString path = target_.filePath("page.html");
  const DownloadResult result = DownloadUrlToFile(Url("dir"), path);
  ASSERT_TRUE(result.ok) << result.error.toStdString();
  EXPECT_TRUE(result.contentType.startsWith("text/html"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "<p>hello</p>");
}

TEST(DownloadWithoutServer, ClosedPortFailsAndLeavesNoFile) {
  QTemporaryDir target;
  const int port = test::FreePort();
  const DownloadResult result = DownloadUrlToFile(
      QStringLiteral("http://127.0.0.1:%1/a.png").arg(port), target.filePath("a.png"));
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(QDir(target.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                  .isEmpty());
}

// A server that never answers would hold a download for its minute; a set
// cancel flag ends it, as a failure with no file.
TEST(DownloadWithoutServer, ACancelledDownloadFromASilentServerEndsAtOnce) {
  QTemporaryDir target;
  test::SilentServer silent;
  ASSERT_TRUE(silent.Listening());
  std::atomic<bool> cancel{false};
  DownloadResult result;
  std::thread download([&] {
    result = DownloadUrlToFile(QStringLiteral("http://127.0.0.1:%1/a.png").arg(silent.Port()),
                               target.filePath("a.png"), &cancel);
  });
  ASSERT_TRUE(silent.WaitForCaller(10));
  cancel.store(true);
  download.join();
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.error, QStringLiteral("cancelled")) << "not ended by the flag";
  EXPECT_TRUE(QDir(target.path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                  .isEmpty());
}

}  // namespace
}  // namespace moxa
