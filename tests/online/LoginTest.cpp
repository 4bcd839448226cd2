// Bringing a hosted site down to a machine, from the reference service:
// the demo account on a fresh home, a refused login, and replies a service
// should never send (names that are no page names, too many pages, a record
// cut short).
#include "online/Login.h"
#include "online/Protocol.h"
#include "platform/HttpFetch.h"
#include "support/LocalHttpServer.h"
#include "platform/SettingsStore.h"
#include "site/FolderOps.h"
#include "site/Recovery.h"
#include "site/SiteStore.h"
#include "support/KilledChild.h"
#include "support/ReferenceService.h"
#include "support/SilentServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <thread>

#include <curl/curl.h>
#include <gtest/gtest.h>

namespace moxa {
namespace {

// A form post: a long page list does not fit into a request line.
QByteArray Post(const QByteArray& url, const QByteArray& form) {
  QByteArray body;
  CURL* curl = curl_easy_init();
  curl_easy_setopt(curl, CURLOPT_URL, url.constData());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, form.constData());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, long(form.size()));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION,
                   +[](char* data, size_t size, size_t count, void* out) {
                     static_cast<QByteArray*>(out)->append(data, qsizetype(size * count));
                     return size * count;
                   });
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
  curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  return body;
}

class LoginTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new test::ReferenceService; }
  static void TearDownTestSuite() { delete service_; }
  void SetUp() override {
    ASSERT_TRUE(service_->Running()) << service_->StartOutput().toStdString();
    // A machine that never had a site: not even the folder of the working folder.
    folders_ = Folders::At(test::SourceDir(), temp_.filePath(QStringLiteral("never/made")));
  }
  // A site on the service whose login replies with `pageList`; each page in
  // `files` is put on the server as it would be published.
  void Arrange(const QString& name, const QString& pageList, const QStringList& files,
               const QByteArray& page = "<p>page</p>") {
    ASSERT_EQ(FetchUrlText(NewUnixUrl(service_->Endpoints(), name)), name);
    TAccount account;
    account.UnixName = name;
    account.Email = name + QStringLiteral("@moxa.test");
    account.Password = QStringLiteral("secret");
    account.MoxaSiteStatus = true;
    ASSERT_EQ(FetchUrlText(UpdateAccountUrl(service_->Endpoints(), account)), name);
    ASSERT_EQ(Post(service_->Endpoints().Base().toUtf8() + "/wbx/updatepages.php",
                   "id=" + FormEncode(name.toUtf8()) + "&pages=" + FormEncode(pageList.toUtf8())),
              "ok");
    const QString folder = service_->StateFolder() + QStringLiteral("/ftp/moxasites/") + name + u'/';
    for (const QString& file : files) {
      test::WriteBytes(folder + file + QStringLiteral(".html.php"),
                       "<?php $html = \"" + page + "\"; ?>");
    }
  }
  LoginOutcome LogInAs(const QString& email, const QString& password = QStringLiteral("secret")) {
    return LogIn(site_, folders_, service_->Endpoints(), email, password, &store_);
  }
  static QString Record(const QString& file) {
    TSitePage page;
    page.FileName = file;
    page.Label_ = file;
    return PageList({page});
  }

  static test::ReferenceService* service_;
  QTemporaryDir temp_;
  Folders folders_;
  Site site_;
  SettingsStore store_{temp_.filePath(QStringLiteral("settings.conf"))};
};

test::ReferenceService* LoginTest::service_ = nullptr;

TEST_F(LoginTest, TheDemoSiteComesDownWithItsTemplateOnAFreshMachine) {
  const LoginOutcome outcome = LogInAs(QStringLiteral("demo@moxa.test"), QStringLiteral("demo-site-1"));
  ASSERT_EQ(outcome.Outcome, LoginOutcome::Result::LoggedIn) << outcome.Error.toStdString();
  EXPECT_TRUE(outcome.SkippedPages.isEmpty());
  EXPECT_FALSE(outcome.TemplateGuessed);
  EXPECT_EQ(site_.SiteAccount.UnixName, QStringLiteral("demo"));
  EXPECT_TRUE(site_.SiteAccount.UnixCreated);
  EXPECT_TRUE(site_.SiteAccount.MoxaSiteStatus) << "an account save must not switch the live site off";
  ASSERT_EQ(site_.PageCount(), 4);
  EXPECT_TRUE(site_.Page(0).IsHomePage);
  EXPECT_EQ(site_.Page(3).FileName, QStringLiteral("contact-us"));
  EXPECT_EQ(site_.SelectedTemplateIndex, 0);

  const QByteArray home = test::ReadBytes(folders_.PageFile(QStringLiteral("index")));
  EXPECT_FALSE(home.contains("/wbx/templates/"));
  EXPECT_TRUE(home.contains("href=\"bin/style.css\""));
  EXPECT_TRUE(home.contains("moxadiv2"));
  EXPECT_EQ(test::ReadBytes(folders_.WorkFolder() + QStringLiteral("bin/style.css")),
            test::ReadBytes(test::SourceDir() + QStringLiteral("/data/templates/1/bin/style.css")));
}

TEST_F(LoginTest, ARefusedLoginLeavesTheSiteAndItsFilesAlone) {
  test::WriteBytes(folders_.PageFile(QStringLiteral("index")), "mine");
  site_.SiteAccount.UnixName = QStringLiteral("mine");
  for (const auto& [email, password] : {std::pair{"demo@moxa.test", "wrong"}, std::pair{"nobody@moxa.test", "demo-site-1"}}) {
    EXPECT_EQ(LogInAs(QString::fromLatin1(email), QString::fromLatin1(password)).Outcome,
              LoginOutcome::Result::Refused);
  }
  EXPECT_EQ(site_.SiteAccount.UnixName, QStringLiteral("mine"));
  EXPECT_EQ(test::ReadBytes(folders_.PageFile(QStringLiteral("index"))), "mine");
}

// A service that cannot be reached says nothing about the user's details:
// the login fails (a network failure), it is not refused.
TEST_F(LoginTest, AServiceThatCannotBeReachedFailsTheLoginWithoutRefusingIt) {
  site_.SiteAccount.UnixName = QStringLiteral("mine");
  ServiceEndpoints nowhere = service_->Endpoints();
  nowhere.WebHost = QStringLiteral("127.0.0.1:%1").arg(test::FreePort());
  const LoginOutcome outcome = LogIn(site_, folders_, nowhere, QStringLiteral("demo@moxa.test"),
                                     QStringLiteral("demo-site-1"), &store_);
  EXPECT_EQ(outcome.Outcome, LoginOutcome::Result::Failed);
  EXPECT_FALSE(outcome.NotSaved);
  EXPECT_EQ(site_.SiteAccount.UnixName, QStringLiteral("mine"));
}

TEST_F(LoginTest, NamesThatCannotBePagesHereAreSkippedAndNothingLeavesTheFolder) {
  const QStringList names = {QStringLiteral("index"), QStringLiteral("../../escape"), QStringLiteral("..\\"),
                             QStringLiteral("a/b"), QStringLiteral("uperdyup"), QStringLiteral("Our Team"),
                             QStringLiteral("index")};
  QString list;
  for (const QString& name : names) list += Record(name);
  Arrange(QStringLiteral("crafted"), list, {QStringLiteral("index"), QStringLiteral("escape"),
                                             QStringLiteral("ab"), QStringLiteral("Our-Team")});
  const LoginOutcome outcome = LogInAs(QStringLiteral("crafted@moxa.test"));
  ASSERT_EQ(outcome.Outcome, LoginOutcome::Result::LoggedIn) << outcome.Error.toStdString();
  EXPECT_EQ(outcome.SkippedPages, (QStringList{QStringLiteral("..\\"), QStringLiteral("uperdyup"), QStringLiteral("index")}));
  QStringList files;
  for (const TSitePage& page : site_.SitePages()) files << page.FileName;
  EXPECT_EQ(files, (QStringList{"index", "escape", "ab", "Our-Team"}));
  EXPECT_FALSE(QFileInfo::exists(temp_.filePath(QStringLiteral("escape.html"))));
  EXPECT_FALSE(QFileInfo::exists(temp_.filePath(QStringLiteral("never/escape.html"))));
  EXPECT_TRUE(outcome.TemplateGuessed);  // these pages name no template
  EXPECT_TRUE(QFileInfo::exists(folders_.WorkFolder() + QStringLiteral("bin")));
}

TEST_F(LoginTest, AReplyWithTooManyPagesKeepsTheFirstOnesAndARecordCutShortIsDropped) {
  QString list;
  QStringList files;
  for (int i = 1; i <= Site::kPageCapacity + 2; ++i) {
    list += Record(QStringLiteral("p%1").arg(i));
    if (i <= Site::kPageCapacity) files << QStringLiteral("p%1").arg(i);
  }
  Arrange(QStringLiteral("crowded"), list, files);
  LoginOutcome outcome = LogInAs(QStringLiteral("crowded@moxa.test"));
  ASSERT_EQ(outcome.Outcome, LoginOutcome::Result::LoggedIn) << outcome.Error.toStdString();
  EXPECT_TRUE(outcome.PagesCut);
  EXPECT_EQ(site_.PageCount(), Site::kPageCapacity);

  Arrange(QStringLiteral("cut-short"), Record(QStringLiteral("index")) + Record(QStringLiteral("about")).chopped(7),
          {QStringLiteral("index")});
  outcome = LogInAs(QStringLiteral("cut-short@moxa.test"));
  ASSERT_EQ(outcome.Outcome, LoginOutcome::Result::LoggedIn) << outcome.Error.toStdString();
  EXPECT_FALSE(outcome.PagesCut);
  EXPECT_EQ(site_.PageCount(), 1);
}

TEST_F(LoginTest, APageThatCannotBeBroughtDownIsLeftOutAndNamedTheOthersComeDown) {
  Arrange(QStringLiteral("half-there"),
          Record(QStringLiteral("index")) + Record(QStringLiteral("gone")) + Record(QStringLiteral("about")),
          {QStringLiteral("index"), QStringLiteral("about")});
  const LoginOutcome outcome = LogInAs(QStringLiteral("half-there@moxa.test"));
  ASSERT_EQ(outcome.Outcome, LoginOutcome::Result::LoggedIn) << outcome.Error.toStdString();
  EXPECT_EQ(outcome.MissingPages, QStringList{QStringLiteral("gone")});
  ASSERT_EQ(site_.PageCount(), 2);
  EXPECT_EQ(site_.Page(1).FileName, QStringLiteral("about"));
  EXPECT_TRUE(QFileInfo::exists(folders_.PageFile(QStringLiteral("about"))));
  EXPECT_FALSE(QFileInfo::exists(folders_.PageFile(QStringLiteral("gone"))));
}

TEST_F(LoginTest, ASiteOfWhichNoPageComesDownChangesNothing) {
  Arrange(QStringLiteral("all-gone"), Record(QStringLiteral("index")) + Record(QStringLiteral("gone")), {});
  test::WriteBytes(folders_.PageFile(QStringLiteral("index")), "mine");
  const LoginOutcome outcome = LogInAs(QStringLiteral("all-gone@moxa.test"));
  EXPECT_EQ(outcome.Outcome, LoginOutcome::Result::Failed);
  EXPECT_EQ(outcome.MissingPages, (QStringList{QStringLiteral("index"), QStringLiteral("gone")}));
  EXPECT_EQ(site_.PageCount(), 0);
  EXPECT_EQ(test::ReadBytes(folders_.PageFile(QStringLiteral("index"))), "mine");
}

TEST_F(LoginTest, ProgressCountsThePagesAndACancelBetweenThemChangesNothing) {
  test::WriteBytes(folders_.PageFile(QStringLiteral("index")), "mine");
  std::atomic<bool> cancel = false;
  QStringList seen;
  LoginControl control{&cancel, [&](int page, int pages) {
                         seen << PageProgressCaption(page, pages);
                         if (page == 3) cancel = true;
                       }};
  const LoginOutcome outcome = LogIn(site_, folders_, service_->Endpoints(), QStringLiteral("demo@moxa.test"),
                                     QStringLiteral("demo-site-1"), &store_, control);
  EXPECT_EQ(outcome.Outcome, LoginOutcome::Result::Cancelled);
  EXPECT_EQ(seen, (QStringList{QStringLiteral("Bringing down page 1 of 4"), QStringLiteral("Bringing down page 2 of 4"),
                               QStringLiteral("Bringing down page 3 of 4")}));
  EXPECT_TRUE(site_.SiteAccount.UnixName.isEmpty());
  EXPECT_EQ(test::ReadBytes(folders_.PageFile(QStringLiteral("index"))), "mine");
}

TEST_F(LoginTest, ACancelEndsARequestTheServiceNeverAnswers) {
  test::SilentServer silent;
  ASSERT_TRUE(silent.Listening());
  ServiceEndpoints hanging = service_->Endpoints();
  hanging.WebHost = QStringLiteral("127.0.0.1:%1").arg(silent.Port());
  std::atomic<bool> cancel = false;
  std::thread canceller([&] {
    silent.WaitForCaller();
    cancel = true;
  });
  const LoginOutcome outcome =
      LogIn(site_, folders_, hanging, QStringLiteral("demo@moxa.test"), QStringLiteral("demo-site-1"), &store_, {&cancel, {}});
  canceller.join();
  EXPECT_EQ(outcome.Outcome, LoginOutcome::Result::Cancelled);
  EXPECT_TRUE(site_.SiteAccount.UnixName.isEmpty());
}

// A stand-in service that answers the login with `account` and one page.
TEST_F(LoginTest, ASiteNameInTheReplyThatIsNoPlainNameFailsTheLogin) {
  for (const QString& name : {QString(), QStringLiteral("../../etc"), QStringLiteral("<html>")}) {
    QTemporaryDir root;
    TAccount account;
    account.Password = QStringLiteral("secret");
    account.UnixName = name;
    account.HostingPackage = QStringLiteral("free");
    test::WriteBytes(root.filePath(QStringLiteral("wbx/login.php")),
                     (AccountRecord(account) + Record(QStringLiteral("index"))).toUtf8());
    test::WriteBytes(root.filePath(QStringLiteral("etc/index.html")), "<p>page</p>");
    test::WriteBytes(root.filePath(QStringLiteral("index.html")), "<p>page</p>");
    test::LocalHttpServer hostile(root.path());
    ASSERT_TRUE(hostile.Running());
    ServiceEndpoints service = service_->Endpoints();
    service.WebHost = QStringLiteral("127.0.0.1:%1").arg(hostile.Port());
    const LoginOutcome outcome =
        LogIn(site_, folders_, service, QStringLiteral("x@moxa.test"), QStringLiteral("secret"), &store_);
    EXPECT_EQ(outcome.Outcome, LoginOutcome::Result::Failed) << name.toStdString();
    EXPECT_TRUE(site_.SiteAccount.UnixName.isEmpty());
    EXPECT_EQ(site_.PageCount(), 0);
  }
}

// The downloaded site is stored before its folder is swapped in: a store
// that cannot be written leaves the old site whole (files and settings), and
// a kill at any point (a child process) leaves, after the next start's
// recovery, the pages of the site the settings describe.
TEST_F(LoginTest, TheNewSiteIsStoredBeforeItsFolderReplacesTheOldOne) {
  const Site old = [] {
    Site site;
    site.SiteAccount.UnixName = QStringLiteral("oldsite");
    TSitePage home;
    home.FileName = QStringLiteral("index");
    home.Label_ = QStringLiteral("Home");
    home.IsHomePage = true;
    site.AppendPage(home);
    return site;
  }();
  const auto arrangeOldSite = [&] {
    ASSERT_TRUE(RemoveTree(folders_.WorkFolder()));
    test::WriteBytes(folders_.PageFile(QStringLiteral("index")), "old page");
    SettingsStore store(store_.FileName());
    ASSERT_TRUE(SaveSite(old, store));
  };
  const auto logIn = [&](Site& site, SettingsStore* store) {
    return LogIn(site, folders_, service_->Endpoints(), QStringLiteral("demo@moxa.test"),
                 QStringLiteral("demo-site-1"), store);
  };

  arrangeOldSite();
  const QByteArray stored = test::ReadBytes(store_.FileName());
  test::WriteBytes(temp_.filePath(QStringLiteral("blocker")), "a file, not a folder");
  SettingsStore unwritable(temp_.filePath(QStringLiteral("blocker/settings.conf")));
  Site site = old;
  const LoginOutcome refused = logIn(site, &unwritable);
  EXPECT_EQ(refused.Outcome, LoginOutcome::Result::Failed);
  EXPECT_TRUE(refused.NotSaved);
  EXPECT_EQ(site.SiteAccount.UnixName, QStringLiteral("oldsite"));
  EXPECT_EQ(test::ReadBytes(folders_.PageFile(QStringLiteral("index"))), "old page");
  EXPECT_EQ(test::ReadBytes(store_.FileName()), stored);

  for (const auto& [point, downloaded] : {std::pair{"staged-folder-complete", false}, std::pair{"before-swap", true},
                                          std::pair{"between-swap-renames", true}}) {
    SCOPED_TRACE(point);
    arrangeOldSite();
    ASSERT_TRUE(test::KilledAt(point, [&] {
      SettingsStore inChild(store_.FileName());
      Site copy = old;
      (void)logIn(copy, &inChild);
    }));
    const SettingsStore next(store_.FileName());
    RecoverUnfinishedChanges(folders_, next);
    Site loaded;
    ASSERT_EQ(LoadSite(next, loaded).Result, LoadSiteResult::Loaded);
    EXPECT_EQ(loaded.SiteAccount.UnixName, downloaded ? QStringLiteral("demo") : QStringLiteral("oldsite"));
    EXPECT_EQ(loaded.PageCount(), downloaded ? 4 : 1);
    const QByteArray home = test::ReadBytes(folders_.PageFile(QStringLiteral("index")));
    EXPECT_EQ(home.contains("moxadiv2"), downloaded);
    EXPECT_EQ(QFileInfo::exists(folders_.WorkFolder() + QStringLiteral("bin/style.css")), downloaded);
  }
}

TEST(TemplateAddressTest, FindsAndRemovesTheTemplateAddresses) {
  const QString base = QStringLiteral("http://host:1");
  const QByteArray page = "<link href=\"http://host:1/wbx/templates/12/bin/a.css\">"
                          "<img src=\"http://host:1/wbx/templates/151/bin/x.png\">"
                          "<img src=\"http://host:1/wbx/templates/3/bin/y.png\">";
  EXPECT_EQ(TemplateNumberInPage(page, base), 12);
  EXPECT_EQ(TemplateNumberInPage("<p>none</p>", base), -1);
  EXPECT_EQ(WithoutTemplateAddresses(page, base),
            "<link href=\"bin/a.css\"><img src=\"http://host:1/wbx/templates/151/bin/x.png\"><img src=\"bin/y.png\">");
}

}  // namespace
}  // namespace moxa
