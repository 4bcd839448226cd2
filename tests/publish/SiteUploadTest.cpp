// Changed pages and their pictures put on the reference service's FTP
// server, and what a break in the middle leaves behind.
#include "online/ServiceEndpoints.h"
#include "platform/HttpFetch.h"
#include "publish/SiteUpload.h"
#include "support/ReferenceService.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

QByteArray Get(const QByteArray& url) {
  const Result<QByteArray> body = FetchUrlBytes(url);
  return body.ok() ? body.value() : QByteArray();
}

TSitePage Page(const char* file, bool changed) {
  TSitePage page;
  page.FileName = QLatin1String(file);
  page.Label_ = QLatin1String(file);
  page.Changed = changed;
  return page;
}

class SiteUploadTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new test::ReferenceService; }
  static void TearDownTestSuite() { delete service_; }
  void SetUp() override {
    ASSERT_TRUE(service_->Running()) << service_->StartOutput().toStdString();
    name_ = QString::fromUtf8(Get(NewUnixUrl(service_->Endpoints(), QStringLiteral("uploads"))));
    ASSERT_FALSE(name_.isEmpty());
    folders_ = Folders::WithDataAndWork(QString(), work_.path());
    site_.SiteAccount.UnixName = name_;
    for (const TSitePage& page : {Page("index", true), Page("about-us", true), Page("contact-us", false)}) {
      ASSERT_TRUE(site_.AppendPage(page));
    }
    Write("index.html",
          "<html><body><p>Only $5 {$x}</p><a href=\"about-us.html\">About</a>"
          "<a href=\"https://example.test/\">Out</a><img src=\"moxa_img1.jpg\"><img src=\"MOXA_IMG3.JPG\">"
          "<link href=\"bin/style.css\"></body></html>");
    Write("about-us.html", "<p>About us <img src=\"moxa_img1.jpg\"></p>");
    Write("contact-us.html", "<p>Contact</p>");
    for (const char* picture : {"moxa_img1.jpg", "moxa_img2.jpg", "MOXA_IMG3.JPG"}) Write(picture, picture);
  }
  void Write(const char* name, const QByteArray& bytes) {
    test::WriteBytes(folders_.WorkFolder() + QLatin1String(name), bytes);
  }
  QString ServerFolder() const { return service_->StateFolder() + QStringLiteral("/ftp/moxasites/") + name_; }
  QStringList ServerFiles() const { return QDir(ServerFolder()).entryList(QDir::Files, QDir::Name); }
  bool Upload(const UploadProgress& progress, QString* error) {
    FtpLogin login;
    SplitFtpHost(service_->Endpoints().FtpHost, 21, login);
    login.User = QStringLiteral("bramocom");
    login.Password = QStringLiteral("Q4r>!Lx8Wd");
    FtpUploader uploader(login);
    const WrapTarget target{service_->Endpoints().Base(), name_, 4};
    return UploadChangedPages(site_, folders_, target, uploader, QStringLiteral("/moxasites/") + name_ + u'/',
                              progress, error);
  }

  static test::ReferenceService* service_;
  QTemporaryDir work_;
  Folders folders_;
  Site site_;
  QString name_;
};

test::ReferenceService* SiteUploadTest::service_ = nullptr;

TEST_F(SiteUploadTest, ChangedPagesGoUpAfterThePicturesTheyShowAndLoseTheirMarks) {
  std::vector<std::pair<int, int>> steps;
  QString error;
  ASSERT_TRUE(Upload([&](int done, int total) { steps.emplace_back(done, total); }, &error))
      << error.toStdString();
  EXPECT_EQ(ServerFiles(), (QStringList{"MOXA_IMG3.JPG", "about-us.html.php", "index.html.php",
                                        "moxa_img1.jpg"}));
  EXPECT_EQ(steps.back(), std::make_pair(4, 4));
  EXPECT_FALSE(site_.Page(0).Changed);
  EXPECT_FALSE(site_.Page(1).Changed);
  EXPECT_FALSE(site_.Page(2).Changed);

  const QByteArray home = Get(("http://" + service_->Endpoints().SiteAddress(name_) + "/").toUtf8());
  EXPECT_TRUE(home.contains("<p>Only $5 {$x}</p>")) << home.toStdString();
  EXPECT_TRUE(home.contains("href=\"/?p=about-us.html\""));
  EXPECT_TRUE(home.contains("href=\"https://example.test/\""));
  EXPECT_TRUE(home.contains("href=\"" + service_->Endpoints().Base().toUtf8() + "/wbx/templates/4/bin/style.css\""));
  EXPECT_TRUE(home.contains("src=\"" + service_->Endpoints().Base().toUtf8() + "/moxasites/" + name_.toUtf8() +
                            "/moxa_img1.jpg\""));
  EXPECT_EQ(Get(service_->Endpoints().Base().toUtf8() + "/moxasites/" + name_.toUtf8() + "/moxa_img1.jpg"),
            "moxa_img1.jpg");

  // Nothing changed since: nothing goes up.
  steps.clear();
  ASSERT_TRUE(Upload([&](int done, int total) { steps.emplace_back(done, total); }, &error));
  EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{0, 0}}));
}

TEST_F(SiteUploadTest, ABreakInTheMiddleKeepsTheMarksOfWhatDidNotGoUpAndALaterRunFinishes) {
  QString error;
  // The site's folder vanishes once the pictures and the first page are up.
  const bool uploaded = Upload(
      [&](int done, int) {
        if (done == 3) QDir(ServerFolder()).removeRecursively();
      },
      &error);
  EXPECT_FALSE(uploaded);
  EXPECT_TRUE(error.startsWith(QStringLiteral("about-us.html.php: "))) << error.toStdString();
  EXPECT_FALSE(site_.Page(0).Changed);
  EXPECT_TRUE(site_.Page(1).Changed);

  ASSERT_TRUE(QDir().mkpath(ServerFolder()));
  ASSERT_TRUE(Upload({}, &error)) << error.toStdString();
  EXPECT_FALSE(site_.Page(1).Changed);
  EXPECT_EQ(ServerFiles(), (QStringList{"about-us.html.php", "moxa_img1.jpg"}));
}

TEST_F(SiteUploadTest, AMissingPageFileOrFolderUploadsNothing) {
  QFile::remove(folders_.PageFile(QStringLiteral("about-us")));
  QString error;
  EXPECT_FALSE(Upload({}, &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("about-us.html: "))) << error.toStdString();
  EXPECT_TRUE(ServerFiles().isEmpty());
  EXPECT_TRUE(site_.Page(0).Changed);
}

}  // namespace
}  // namespace moxa
