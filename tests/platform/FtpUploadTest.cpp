// Uploads to the reference hosting service's real FTP servers: the shared
// account, an own domain over TLS, and every way a run can fail.
#include "online/Protocol.h"
#include "online/ServiceEndpoints.h"
#include "platform/FtpUpload.h"
#include "platform/HttpFetch.h"
#include "support/ReferenceService.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

QString Get(const QByteArray& url) { return FetchUrlText(url); }

class FtpUploadTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new test::ReferenceService; }
  static void TearDownTestSuite() { delete service_; }
  void SetUp() override {
    ASSERT_TRUE(service_->Running()) << service_->StartOutput().toStdString();
    test::WriteBytes(local_.filePath(QStringLiteral("page.php")), "<?php $html = \"Hi\"; ?>\r\n");
  }

  FtpLogin SharedLogin(const QString& password = QStringLiteral("Q4r>!Lx8Wd")) const {
    FtpLogin login;
    SplitFtpHost(service_->Endpoints().FtpHost, 21, login);
    login.User = QStringLiteral("bramocom");
    login.Password = password;
    return login;
  }
  QString Registered(const QString& name) const {
    return Get(NewUnixUrl(service_->Endpoints(), name));
  }
  QString Uploaded(const QString& relative) const {
    return QString::fromUtf8(test::ReadBytes(service_->StateFolder() + QStringLiteral("/ftp/") + relative));
  }
  QString LocalFile() const { return local_.filePath(QStringLiteral("page.php")); }

  static test::ReferenceService* service_;
  QTemporaryDir local_;
};

test::ReferenceService* FtpUploadTest::service_ = nullptr;

TEST(SplitFtpHostTest, TakesAPortOnlyWhenOneIsGiven) {
  const struct {
    const char* in;
    const char* host;
    int port;
  } cases[] = {{"ftp.example", "ftp.example", 21},
               {"127.0.0.1:2121", "127.0.0.1", 2121},
               {"host:", "host:", 21},
               {"host:abc", "host:abc", 21},
               {"host:70000", "host:70000", 21}};
  for (const auto& c : cases) {
    FtpLogin login;
    SplitFtpHost(QString::fromLatin1(c.in), 21, login);
    EXPECT_EQ(login.Host, QString::fromLatin1(c.host)) << c.in;
    EXPECT_EQ(login.Port, c.port) << c.in;
  }
}

TEST_F(FtpUploadTest, UploadsSeveralFilesOverOneLoginWithEitherSharedPassword) {
  const QString site = Registered(QStringLiteral("upload-one"));
  ASSERT_EQ(site, QStringLiteral("upload-one"));
  for (const char* password : {"Q4r>!Lx8Wd", "h7TzKq2Vw"}) {
    FtpUploader uploader(SharedLogin(QString::fromLatin1(password)));
    QString error;
    const QString folder = QStringLiteral("/moxasites/%1/").arg(site);
    EXPECT_TRUE(uploader.Upload(folder, LocalFile(), QStringLiteral("index.html.php"), &error))
        << error.toStdString();
    EXPECT_TRUE(uploader.Upload(folder, LocalFile(), QStringLiteral("about us.html.php"), &error))
        << error.toStdString();
  }
  EXPECT_EQ(Uploaded(QStringLiteral("moxasites/upload-one/about us.html.php")),
            QStringLiteral("<?php $html = \"Hi\"; ?>\r\n"));
  EXPECT_EQ(Get(("http://" + service_->Endpoints().SiteAddress(site) + "/").toUtf8()),
            QStringLiteral("Hi"));
}

TEST_F(FtpUploadTest, EveryFailingStepFailsTheUploadAndNamesTheFile) {
  const QString site = Registered(QStringLiteral("upload-fail"));
  FtpLogin deadPort = SharedLogin();
  deadPort.Port = test::FreePort();
  const struct {
    const char* name;
    FtpLogin login;
    QString folder;
    QString local;
  } cases[] = {
      {"wrong password", SharedLogin(QStringLiteral("nope")), QStringLiteral("/moxasites/") + site, LocalFile()},
      {"missing folder", SharedLogin(), QStringLiteral("/moxasites/no-such-site/"), LocalFile()},
      {"nothing listens", deadPort, QStringLiteral("/moxasites/") + site, LocalFile()},
      {"missing local file", SharedLogin(), QStringLiteral("/moxasites/") + site, LocalFile() + u'x'},
  };
  for (const auto& c : cases) {
    FtpUploader uploader(c.login);
    QString error;
    EXPECT_FALSE(uploader.Upload(c.folder, c.local, QStringLiteral("index.html.php"), &error)) << c.name;
    EXPECT_TRUE(error.startsWith(QStringLiteral("index.html.php: "))) << c.name << ": " << error.toStdString();
  }
  EXPECT_FALSE(QFile::exists(service_->StateFolder() + QStringLiteral("/ftp/moxasites/") + site +
                             QStringLiteral("/index.html.php")));
}

TEST_F(FtpUploadTest, AnOwnDomainTakesItsOwnAccountAndPortOverTls) {
  const QString site = Registered(QStringLiteral("own-domain"));
  const QString domain = Get(ChangeHostingUrl(service_->Endpoints(), site, QStringLiteral("free")));
  ASSERT_FALSE(domain.isEmpty());
  QString record = Get(GetFtpDetailsUrl(service_->Endpoints(), site));
  TAccount account;
  ASSERT_TRUE(ReadFtpRecord(record, account));
  EXPECT_EQ(account.FtpPort, service_->DomainFtpPort());

  FtpLogin login;
  SplitFtpHost(account.FtpHost, account.FtpPort, login);
  login.User = account.FtpUsername;
  login.Password = account.FtpPassword;
  login.Security = FtpSecurity::ControlTls;
  QString error;
  // The server's certificate is its own: not trusted, the login never happens.
  EXPECT_FALSE(FtpUploader(login).Upload(account.FtpPath, LocalFile(), QStringLiteral("index.html.php"), &error));
  login.CaFile = service_->FtpCertificate();
  EXPECT_TRUE(FtpUploader(login).Upload(account.FtpPath, LocalFile(), QStringLiteral("index.html.php"), &error))
      << error.toStdString();
  EXPECT_EQ(Get(QByteArray("http://www.") + domain.toUtf8() + "/"), QStringLiteral("Hi"));
}

}  // namespace
}  // namespace moxa
