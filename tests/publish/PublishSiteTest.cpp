// A site made from a shipped template, published to the reference hosting
// service by each plan, and read back from the service as a visitor sees it.
#include "online/ServiceEndpoints.h"
#include "platform/HttpFetch.h"
#include "platform/SettingsStore.h"
#include "publish/PublishSite.h"
#include "site/SiteStore.h"
#include "support/LocalHttpServer.h"
#include "support/ReferenceService.h"
#include "support/TestSupport.h"
#include "templates/SiteCreation.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

constexpr int kTemplate = 2;

class PublishSiteTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new test::ReferenceService; }
  static void TearDownTestSuite() { delete service_; }
  void SetUp() override {
    ASSERT_TRUE(service_->Running()) << service_->StartOutput().toStdString();
    folders_ = Folders::At(test::SourceDir(), temp_.path());
    site_.SiteAccount.UnixName = QStringLiteral("My Site");
    ASSERT_TRUE(CreateSite(site_, folders_, kTemplate, nullptr));
    site_.SiteAccount.UnixName = QStringLiteral("My Site");
  }
  PublishSettings Settings() const {
    return {service_->Endpoints(), folders_, kTemplate, service_->FtpCertificate(), {}, {}};
  }
  QByteArray Visit(const QString& host, const char* query = "") const {
    const Result<QByteArray> body = FetchUrlBytes("http://" + host.toUtf8() + "/" + query);
    return body.ok() ? body.value() : QByteArray();
  }
  QString ServerFolder() const {
    return service_->StateFolder() + QStringLiteral("/ftp/moxasites/") + site_.SiteAccount.UnixName;
  }
  // The site registered as `name` and moved to the plus plan, with the
  // domain the service keeps for it.
  void MoveToPlusPlan(const QString& name) {
    site_.SiteAccount.UnixName = name;
    site_.SiteAccount.HostingPackage = QStringLiteral("plus");
    ASSERT_TRUE(RegisterSiteName(site_, service_->Endpoints(), folders_, Placeholder::None));
    const Result<QByteArray> domain = FetchUrlBytes(
        ChangeHostingUrl(service_->Endpoints(), site_.SiteAccount.UnixName, QStringLiteral("free")));
    ASSERT_TRUE(domain.ok());
    site_.SiteAccount.Domain = QString::fromUtf8(domain.value());
  }
  bool AllChanged(bool changed) const {
    for (const TSitePage& page : site_.SitePages()) {
      if (page.Changed != changed) return false;
    }
    return true;
  }

  static test::ReferenceService* service_;
  QTemporaryDir temp_;
  Folders folders_;
  Site site_;
};

test::ReferenceService* PublishSiteTest::service_ = nullptr;

TEST_F(PublishSiteTest, AFreeSiteIsRegisteredUploadedAndServed) {
  QByteArray home = test::ReadBytes(folders_.PageFile(QStringLiteral("index")));
  home.replace("<div id=\"moxadiv2\">", "<div id=\"moxadiv2\"><p>Only $5 {$x} \\o/</p>");
  test::WriteBytes(folders_.PageFile(QStringLiteral("index")), home);

  const PublishResult result = PublishSite(site_, Settings());
  ASSERT_EQ(result.Outcome, PublishOutcome::Published) << result.Error.toStdString();
  EXPECT_TRUE(result.Registered);
  EXPECT_EQ(site_.SiteAccount.UnixName, QStringLiteral("my-site"));
  EXPECT_TRUE(site_.SiteAccount.UnixCreated);
  EXPECT_TRUE(AllChanged(false));

  const QString address = service_->Endpoints().SiteAddress(QStringLiteral("my-site"));
  const QByteArray about = Visit(address, "?p=about-us.html");
  EXPECT_TRUE(about.contains("Fifteen years of walking, waiting and photographing.")) << about.left(300).toStdString();
  EXPECT_TRUE(about.contains("href=\"/?p=contact-us.html\""));
  EXPECT_TRUE(about.contains(service_->Endpoints().Base().toUtf8() + "/wbx/templates/2/bin/"));
  EXPECT_FALSE(about.contains("\"bin/"));
  EXPECT_TRUE(Visit(address).contains("<p>Only $5 {$x} \\o/</p>"));

  EXPECT_TRUE(FetchUrlBytes(service_->Endpoints().Base().toUtf8() + "/wbx/templates/2/bin/style.css").ok());

  // Published again with nothing changed: no file is written again.
  const QDateTime before = QFileInfo(ServerFolder() + QStringLiteral("/index.html.php")).lastModified();
  int total = -1;
  PublishSettings again = Settings();
  again.Progress = [&](int, int all) { total = all; };
  EXPECT_EQ(PublishSite(site_, again).Outcome, PublishOutcome::Published);
  EXPECT_EQ(total, 0);
  EXPECT_EQ(QFileInfo(ServerFolder() + QStringLiteral("/index.html.php")).lastModified(), before);
}

TEST_F(PublishSiteTest, AServiceThatDoesNotTakeThePageListStopsBeforeAnyUpload) {
  PublishSettings settings = Settings();
  settings.Service.WebHost = QStringLiteral("127.0.0.1:%1").arg(test::FreePort());
  const PublishResult result = PublishSite(site_, settings);
  EXPECT_EQ(result.Outcome, PublishOutcome::Failed);
  EXPECT_FALSE(site_.SiteAccount.UnixCreated);
  EXPECT_TRUE(AllChanged(true));
}

TEST_F(PublishSiteTest, AnOwnDomainNotHostedYetUploadsNothing) {
  ASSERT_NO_FATAL_FAILURE(MoveToPlusPlan(QStringLiteral("pending-site")));
  EXPECT_EQ(PublishSite(site_, Settings()).Outcome, PublishOutcome::DomainNotReady);
  EXPECT_TRUE(AllChanged(true));
  EXPECT_TRUE(QDir(ServerFolder()).entryList(QDir::Files).isEmpty());
}

TEST_F(PublishSiteTest, APlusSiteGoesToItsOwnDomainsAccountOnItsOwnPort) {
  ASSERT_NO_FATAL_FAILURE(MoveToPlusPlan(QStringLiteral("own-site")));
  site_.SiteAccount.FtpPort = 21;

  const PublishResult result = PublishSite(site_, Settings());
  ASSERT_EQ(result.Outcome, PublishOutcome::Published) << result.Error.toStdString();
  EXPECT_TRUE(result.AccountChanged);
  EXPECT_EQ(site_.SiteAccount.FtpPort, service_->DomainFtpPort());
  EXPECT_TRUE(AllChanged(false));
  EXPECT_TRUE(Visit(QStringLiteral("www.") + site_.SiteAccount.Domain, "?p=about-us.html")
                  .contains("Fifteen years of walking"));
  EXPECT_TRUE(QDir(ServerFolder()).entryList(QDir::Files).isEmpty());
}

TEST_F(PublishSiteTest, AMaxSiteWithoutADomainPublishesLikeAFreeOne) {
  site_.SiteAccount.HostingPackage = QStringLiteral("max");
  ASSERT_EQ(PublishSite(site_, Settings()).Outcome, PublishOutcome::Published);
  EXPECT_TRUE(Visit(service_->Endpoints().SiteAddress(site_.SiteAccount.UnixName), "?p=about-us.html")
                  .contains("Fifteen years of walking"));
}

TEST_F(PublishSiteTest, ThePlaceholderGoesIntoTheFolderOfTheNameTheServiceGave) {
  Site first;
  first.SiteAccount.UnixName = QStringLiteral("twin");
  ASSERT_TRUE(RegisterSiteName(first, service_->Endpoints(), folders_, Placeholder::AfterSiteCreation));
  first.SitePages() = site_.SitePages();
  ASSERT_EQ(PublishSite(first, Settings()).Outcome, PublishOutcome::Published);
  const QByteArray firstHome = Visit(service_->Endpoints().SiteAddress(QStringLiteral("twin")));
  ASSERT_TRUE(firstHome.contains("moxadiv2"));

  site_.SiteAccount.UnixName = QStringLiteral("twin");
  const Outcome registered = RegisterSiteName(site_, service_->Endpoints(), folders_, Placeholder::AfterSiteCreation);
  ASSERT_TRUE(registered.ok()) << registered.detail().toStdString();
  EXPECT_EQ(site_.SiteAccount.UnixName, QStringLiteral("twin2"));
  EXPECT_TRUE(Visit(service_->Endpoints().SiteAddress(QStringLiteral("twin2"))).contains("<title>Coming soon</title>"));
  EXPECT_EQ(Visit(service_->Endpoints().SiteAddress(QStringLiteral("twin"))), firstHome);
}

// A registration says how far it got: not at all (no service), or the name
// registered without its placeholder (no FTP), which the caller must not
// take for a site that is live.
TEST_F(PublishSiteTest, ARegistrationSaysWhetherTheNameAndThePlaceholderGotThere) {
  const QString dead = QStringLiteral("127.0.0.1:%1").arg(test::FreePort());
  const struct {
    const char* name;
    bool webUp;
    bool ftpUp;
    ErrorCode code;
    bool created;
  } cases[] = {
      {"service down", false, true, ErrorCode::ServiceUnreachable, false},
      {"upload down", true, false, ErrorCode::PlaceholderMissing, true},
      {"both up", true, true, ErrorCode::None, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ServiceEndpoints service = service_->Endpoints();
    if (!c.webUp) service.WebHost = dead;
    if (!c.ftpUp) service.FtpHost = dead;
    Site site;
    site.SiteAccount.UnixName = QStringLiteral("placeholder-%1").arg(int(c.code));
    const Outcome outcome = RegisterSiteName(site, service, folders_, Placeholder::AfterSiteCreation);
    EXPECT_EQ(outcome.code(), c.code) << outcome.detail().toStdString();
    EXPECT_EQ(site.SiteAccount.UnixCreated, c.created);
  }
}

TEST_F(PublishSiteTest, TheRegistrationIsStoredBeforeTheUploadsSoTheNextPublishDoesNotRegisterAgain) {
  site_.SiteAccount.UnixName = QStringLiteral("Cut Short");
  PublishSettings unreachable = Settings();
  unreachable.Service.FtpHost = QStringLiteral("127.0.0.1:%1").arg(test::FreePort());
  SettingsStore store;
  ASSERT_TRUE(SaveSite(site_, store));
  unreachable.StoreRegistration = [&](const TAccount&) { return SaveAccount(site_, store); };
  const PublishResult cut = PublishSite(site_, unreachable);
  EXPECT_EQ(cut.Outcome, PublishOutcome::Failed);
  EXPECT_TRUE(cut.Registered);

  // What the next start finds: the name, registered.
  Site stored;
  ASSERT_EQ(LoadSite(SettingsStore(), stored).Result, LoadSiteResult::Loaded);
  EXPECT_EQ(stored.SiteAccount.UnixName, QStringLiteral("cut-short"));
  EXPECT_TRUE(stored.SiteAccount.UnixCreated);

  stored.SitePages() = site_.SitePages();
  const PublishResult again = PublishSite(stored, Settings());
  ASSERT_EQ(again.Outcome, PublishOutcome::Published) << again.Error.toStdString();
  EXPECT_FALSE(again.Registered);
  EXPECT_EQ(stored.SiteAccount.UnixName, QStringLiteral("cut-short"));
  EXPECT_FALSE(QDir(service_->StateFolder() + QStringLiteral("/ftp/moxasites/cut-short2")).exists());
}

TEST_F(PublishSiteTest, ARegistrationThatCannotBeStoredStopsThePublishBeforeAnyUpload) {
  site_.SiteAccount.UnixName = QStringLiteral("Not Stored");
  PublishSettings settings = Settings();
  settings.StoreRegistration = [](const TAccount&) { return false; };
  EXPECT_EQ(PublishSite(site_, settings).Outcome, PublishOutcome::Failed);
  EXPECT_TRUE(AllChanged(true));
  EXPECT_TRUE(QDir(ServerFolder()).entryList(QDir::Files).isEmpty());
}

TEST_F(PublishSiteTest, ANetworksLoginPageAnsweredToTheRegistrationIsNoSiteName) {
  QTemporaryDir portal;
  test::WriteBytes(portal.filePath(QStringLiteral("wbx/newunix.php")),
                   "<!DOCTYPE html>\n<html><head><title>Hotel Wi-Fi</title></head>"
                   "<body><form>Room number <input name=room></form></body></html>\n");
  test::WriteBytes(portal.filePath(QStringLiteral("wbx/updatepages.php")), "ok");
  test::LocalHttpServer server(portal.path());
  ASSERT_TRUE(server.Running());
  PublishSettings settings = Settings();
  settings.Service.WebHost = QStringLiteral("127.0.0.1:%1").arg(server.Port());
  bool stored = false;
  settings.StoreRegistration = [&](const TAccount&) { return stored = true; };

  const PublishResult result = PublishSite(site_, settings);
  EXPECT_EQ(result.Outcome, PublishOutcome::Failed);
  EXPECT_FALSE(result.Registered);
  EXPECT_FALSE(stored);
  EXPECT_FALSE(site_.SiteAccount.UnixCreated);
  EXPECT_EQ(site_.SiteAccount.UnixName, QStringLiteral("My Site"));
  EXPECT_TRUE(AllChanged(true));
}

}  // namespace
}  // namespace moxa
