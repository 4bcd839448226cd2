#include "session/SiteSession.h"

#include "session/UserMessages.h"
#include "site/SiteStore.h"
#include "support/LocalHttpServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace moxa {
namespace {

// The session on the shipped templates, with the site's folders in a
// temporary folder and the store in the test's temporary home.
class SiteSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SettingsStore cleared;
    cleared.Clear();
    ASSERT_TRUE(cleared.Commit());
    session = Open();
  }
  std::unique_ptr<SiteSession> Open() const {
    const Folders folders = Folders::At(test::SourceDir(), temp.path());
    return std::make_unique<SiteSession>(folders, TemplateLibrary::Scan(folders), ServiceEndpoints::FromBuild());
  }
  QByteArray StoreFile() const { return test::ReadBytes(session->store().FileName()); }

  QTemporaryDir temp;
  std::unique_ptr<SiteSession> session;
};

// The work of a new site and of a new template touches only files beside
// the working folder; the site, its files and its store change only when
// the session puts the result in place.
TEST_F(SiteSessionTest, WorkRunsOnValuesAndOnlyTheFinishChangesTheSite) {
  ASSERT_TRUE(session->CreateNewSite(QStringLiteral("First Site"), 0).ok());
  EXPECT_EQ(session->site().SiteAccount.UnixName, "First-Site");
  const QByteArray stored = StoreFile();
  const QByteArray home = test::ReadBytes(session->folders().PageFile(QStringLiteral("index")));

  const std::function<StagedSite()> change = session->TemplateChangeWork(2);
  StagedSite staged = change();
  ASSERT_TRUE(staged.ok());
  EXPECT_EQ(StoreFile(), stored);
  EXPECT_EQ(test::ReadBytes(session->folders().PageFile(QStringLiteral("index"))), home);
  EXPECT_EQ(session->site().SelectedTemplateIndex, 0);

  ASSERT_TRUE(session->FinishTemplateChange(staged).ok());
  EXPECT_EQ(session->site().SelectedTemplateIndex, 2);
  EXPECT_NE(test::ReadBytes(session->folders().PageFile(QStringLiteral("index"))), home);

  // A new session on the same store finds the changed site.
  const std::unique_ptr<SiteSession> next = Open();
  EXPECT_EQ(next->Load({}).Result, LoadSiteResult::Loaded);
  EXPECT_EQ(next->site().SiteAccount.UnixName, "First-Site");
  EXPECT_EQ(next->site().SelectedTemplateIndex, 2);
}

// The load says what it could not open: an unreadable store (a site may
// still be there), and stored pages whose names cannot name a file here.
TEST_F(SiteSessionTest, TheLoadTellsWhatItCouldNotOpen) {
  ASSERT_TRUE(session->CreateNewSite(QStringLiteral("Pages"), 0).ok());
  session->site().Page(1).FileName = QStringLiteral("../outside");
  ASSERT_TRUE(session->SaveSite().ok());
  SiteSession::LoadReport report = Open()->Load({});
  EXPECT_EQ(report.Result, LoadSiteResult::Loaded);
  ASSERT_EQ(report.Errors.size(), 1);
  EXPECT_EQ(report.Errors.first(), SkippedStoredPagesMessage({QStringLiteral("../outside")}));

  {
    SettingsStore store;
    store.WriteSetting(QStringLiteral("PageCount"), QStringLiteral("many"));
    ASSERT_TRUE(store.Commit());
  }
  const std::unique_ptr<SiteSession> broken = Open();
  report = broken->Load({});
  EXPECT_EQ(report.Result, LoadSiteResult::Unreadable);
  EXPECT_EQ(report.Errors, QStringList{UserMessage(ErrorCode::SettingsUnreadable)});
  EXPECT_TRUE(broken->HasSite());
}

// Each way an export can end is its own outcome, and a refused one writes nothing.
TEST_F(SiteSessionTest, AnExportSaysWhetherItWasRefusedOrWhichFilesItMissed) {
  ASSERT_TRUE(session->CreateNewSite(QStringLiteral("Export"), 0).ok());
  QTemporaryDir target;
  ASSERT_TRUE(QDir().mkpath(target.filePath(QStringLiteral("blocked/about-us.html"))));  // a folder where a page goes
  test::WriteBytes(target.filePath(QStringLiteral("a-file")), "not a folder");
  const struct {
    const char* name;
    QString folder;
    ErrorCode code;
    QString detail;
  } cases[] = {
      {"a folder", target.filePath(QStringLiteral("fresh")), ErrorCode::None, {}},
      {"a file", target.filePath(QStringLiteral("a-file")), ErrorCode::ExportRefused, {}},
      {"the working folder", session->folders().WorkFolder(), ErrorCode::ExportRefused, {}},
      {"a page's place taken", target.filePath(QStringLiteral("blocked")), ErrorCode::ExportIncomplete,
       QStringLiteral("about-us.html")},
  };
  ASSERT_TRUE(QDir().mkpath(target.filePath(QStringLiteral("fresh"))));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Outcome outcome = session->ExportWork(c.folder)();
    EXPECT_EQ(outcome.code(), c.code);
    if (!c.detail.isEmpty()) EXPECT_EQ(outcome.detail(), c.detail);
  }
  EXPECT_TRUE(QFileInfo::exists(target.filePath(QStringLiteral("fresh/contact-us.html"))));
}

// A name the service would not register is no account to keep details
// under: the save fails, whatever the rest of the service answers.
TEST_F(SiteSessionTest, AnAccountWhoseNameCannotBeRegisteredIsNotSaved) {
  QTemporaryDir root;
  test::WriteBytes(root.filePath(QStringLiteral("wbx/newunix.php")), "<html>a network's login page</html>");
  test::WriteBytes(root.filePath(QStringLiteral("wbx/updateacc.php")), "garden");
  test::LocalHttpServer service(root.path());
  ASSERT_TRUE(service.Running());
  ServiceEndpoints endpoints = ServiceEndpoints::FromBuild();
  endpoints.WebHost = QStringLiteral("127.0.0.1:%1").arg(service.Port());
  session->setService(endpoints);
  TAccount account;
  account.UnixName = QStringLiteral("garden");
  account.Email = QStringLiteral("ann@example.test");
  const SiteSession::AccountSave save = session->AccountSaveWork(account, QStringLiteral("garden"))();
  EXPECT_FALSE(save.Saved);
  EXPECT_FALSE(save.Account.UnixCreated);
  EXPECT_EQ(session->FinishAccountSave(save).code(), ErrorCode::AccountNotSaved);
}

}  // namespace
}  // namespace moxa
