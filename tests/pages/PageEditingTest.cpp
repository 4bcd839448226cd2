#include "pages/PageEditing.h"

#include "platform/SettingsStore.h"
#include "site/SiteStore.h"
#include "support/FileSizeLimit.h"
#include "support/Sandbox.h"
#include "support/StoreHelpers.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace moxa {
namespace {

// Two saved pages linking each other, bin/ assets, the site picture and
// editor pictures 1, 2 and 4 (3 is missing).
class PageEditingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"index", "about-us"}) {
      TSitePage page;
      page.FileName = QString::fromUtf8(name);
      site.AppendPage(page);
    }
    sandbox.WriteWorkFile(QStringLiteral("index.html"),
                          "<a href=\"about-us.html\">About</a> <a href=\"#top\">top</a>\r\n");
    sandbox.WriteWorkFile(QStringLiteral("about-us.html"), "<p>About page</p>\r\n");
    sandbox.WriteWorkFile(QStringLiteral("bin/style.css"), "new style");
    sandbox.WriteWorkFile(QStringLiteral("img.jpg"), "site picture");
    for (const char* picture : {"moxa_img1.jpg", "moxa_img2.jpg", "moxa_img4.jpg"}) {
      sandbox.WriteWorkFile(QString::fromUtf8(picture), picture);
    }
  }

  QString Work(const char* name) const { return sandbox.folders().WorkFolder() + QString::fromUtf8(name); }

  test::Sandbox sandbox;
  Site site;
};

TEST_F(PageEditingTest, OpenDisablesLinksAndSaveRestoresThem) {
  ASSERT_TRUE(OpenPageInEditor(site, sandbox.folders(), QStringLiteral("index")));
  EXPECT_EQ(site.OpenPageFileName, "index");
  EXPECT_EQ(sandbox.WorkFile(QStringLiteral("editpage_.html")),
            "<a href=\"#about-us.html\">About</a> <a href=\"##top\">top</a>\r\n");

  QByteArray copy = sandbox.WorkFile(QStringLiteral("editpage_.html"));
  copy.replace("About<", "About us<");
  sandbox.WriteWorkFile(QStringLiteral("editpage_.html"), copy);
  ASSERT_TRUE(SavePage(site, sandbox.folders()));
  EXPECT_EQ(sandbox.WorkFile(QStringLiteral("index.html")),
            "<a href=\"about-us.html\">About us</a> <a href=\"#top\">top</a>\r\n");
}

// A saved edit must reach the web after a restart: the stored table says
// the page changed before its file holds the edit, and a failed mark
// leaves the file as it was.
TEST_F(PageEditingTest, SavingTheOpenPageStoresItsChangedMarkFirst) {
  const struct {
    const char* name;
    bool edited;
    bool storeFull;
    bool saved;
    bool storedChanged;
    bool fileHasEdit;
  } cases[] = {
      {"an edit", true, false, true, true, true},
      {"no change at all", false, false, true, false, false},
      {"an edit with the settings unwritable", true, true, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Site fresh = site;
    fresh.SiteAccount.UnixName = QStringLiteral("joes-bakery");
    {
      SettingsStore before;
      ASSERT_TRUE(SaveSite(fresh, before));
    }
    ASSERT_TRUE(OpenPageInEditor(fresh, sandbox.folders(), QStringLiteral("about-us")));
    if (c.edited) {
      sandbox.WriteWorkFile(QStringLiteral("editpage_.html"), "<p>About page, edited</p>\r\n");
    }
    SettingsStore store;
    bool saved = false;
    {
      const test::FileSizeLimit full(c.storeFull ? 64 : RLIM_INFINITY);
      saved = SaveOpenPage(fresh, sandbox.folders(), store);
    }
    EXPECT_EQ(saved, c.saved);
    Site stored;
    ASSERT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
    EXPECT_EQ(stored.Page(1).Changed, c.storedChanged);
    EXPECT_EQ(fresh.Page(1).Changed, c.storedChanged);
    EXPECT_EQ(sandbox.WorkFile(QStringLiteral("about-us.html")).contains("edited"), c.fileHasEdit);
    sandbox.WriteWorkFile(QStringLiteral("about-us.html"), "<p>About page</p>\r\n");
  }
}

TEST_F(PageEditingTest, OpeningAMissingPageKeepsTheOpenPage) {
  ASSERT_TRUE(OpenPageInEditor(site, sandbox.folders(), QStringLiteral("index")));
  const QByteArray copy = sandbox.WorkFile(QStringLiteral("editpage_.html"));
  EXPECT_FALSE(OpenPageInEditor(site, sandbox.folders(), QStringLiteral("gone")));
  EXPECT_FALSE(OpenPageInEditor(site, sandbox.folders(), QString()));
  EXPECT_EQ(site.OpenPageFileName, "index");
  EXPECT_EQ(sandbox.WorkFile(QStringLiteral("editpage_.html")), copy);
}

TEST_F(PageEditingTest, SaveWithoutWorkingCopyNeverWipesThePage) {
  site.OpenPageFileName = QStringLiteral("index");
  const QByteArray page = sandbox.WorkFile(QStringLiteral("index.html"));
  EXPECT_FALSE(SavePage(site, sandbox.folders()));
  EXPECT_EQ(sandbox.WorkFile(QStringLiteral("index.html")), page);
}

// A preview that shows stale pages is no preview: a page that could not be
// refreshed is a failure.
TEST_F(PageEditingTest, APreviewWithAPageThatCouldNotBeRefreshedFails) {
  ASSERT_TRUE(OpenPageInEditor(site, sandbox.folders(), QStringLiteral("index")));
  QDir().mkpath(sandbox.folders().PreviewPageFile(QStringLiteral("about-us")));  // in the way
  EXPECT_EQ(RefreshPreview(site, sandbox.folders()), QString());
}

// A page file that is a link out of the working folder is never read into
// the editor nor written through.
TEST_F(PageEditingTest, APageFileThatLeadsOutOfTheWorkingFolderIsNotUsed) {
  const QString outside = sandbox.Root() + QStringLiteral("/outside.html");
  test::WriteBytes(outside, "someone else's file");
  QFile::remove(sandbox.folders().PageFile(QStringLiteral("about-us")));
  ASSERT_TRUE(QFile::link(outside, sandbox.folders().PageFile(QStringLiteral("about-us"))));
  EXPECT_FALSE(OpenPageInEditor(site, sandbox.folders(), QStringLiteral("about-us")));
  ASSERT_TRUE(OpenPageInEditor(site, sandbox.folders(), QStringLiteral("index")));
  site.OpenPageFileName = QStringLiteral("about-us");
  EXPECT_FALSE(SavePage(site, sandbox.folders()));
  EXPECT_EQ(test::ReadBytes(outside), "someone else's file");
}

TEST_F(PageEditingTest, PreviewShowsUnsavedEditsAndTheUnbrokenRunOfPictures) {
  ASSERT_TRUE(OpenPageInEditor(site, sandbox.folders(), QStringLiteral("index")));
  sandbox.WriteWorkFile(QStringLiteral("editpage_.html"), "<a href=\"#about-us.html\">Unsaved</a>");
  const QString shown = RefreshPreview(site, sandbox.folders());
  EXPECT_EQ(shown, sandbox.folders().PreviewPageFile(QStringLiteral("index")));
  EXPECT_EQ(sandbox.PreviewFile(QStringLiteral("index.html")), "<a href=\"about-us.html\">Unsaved</a>\r\n");
  EXPECT_EQ(sandbox.PreviewFile(QStringLiteral("about-us.html")), "<p>About page</p>\r\n");
  EXPECT_EQ(sandbox.PreviewFile(QStringLiteral("moxa_img2.jpg")), "moxa_img2.jpg");
  EXPECT_FALSE(QFile::exists(sandbox.folders().PreviewFolder() + QStringLiteral("moxa_img4.jpg")));
  EXPECT_EQ(sandbox.PreviewFile(QStringLiteral("bin/style.css")), "new style");
  // The page file itself keeps its saved state.
  EXPECT_TRUE(sandbox.WorkFile(QStringLiteral("index.html")).contains("About</a>"));
}

TEST_F(PageEditingTest, ExportCopiesSavedPagesAssetsAndPictures) {
  ASSERT_TRUE(OpenPageInEditor(site, sandbox.folders(), QStringLiteral("index")));
  sandbox.WriteWorkFile(QStringLiteral("editpage_.html"), "unsaved");
  const QString target = sandbox.Root() + QStringLiteral("/export");
  test::WriteBytes(target + QStringLiteral("/bin/style.css"), "older style");
  test::WriteBytes(target + QStringLiteral("/index.html"), "older page");

  const ExportResult result = ExportSite(site, sandbox.folders(), target);
  EXPECT_TRUE(result.Ok);
  EXPECT_EQ(QDir(target).entryList(QDir::Files, QDir::Name),
            (QStringList{"about-us.html", "img.jpg", "index.html", "moxa_img1.jpg", "moxa_img2.jpg"}));
  EXPECT_EQ(test::ReadBytes(target + QStringLiteral("/index.html")),
            sandbox.WorkFile(QStringLiteral("index.html")));
  // An earlier export's asset would style the site as it no longer is.
  EXPECT_EQ(test::ReadBytes(target + QStringLiteral("/bin/style.css")), "new style");
}

TEST_F(PageEditingTest, ExportReportsWhatItCouldNotWrite) {
  EXPECT_FALSE(ExportSite(site, sandbox.folders(), sandbox.Root() + QStringLiteral("/absent")).Ok);

  const QString target = sandbox.Root() + QStringLiteral("/export");
  QDir().mkpath(target + QStringLiteral("/about-us.html"));  // a folder in the way
  const ExportResult result = ExportSite(site, sandbox.folders(), target);
  EXPECT_FALSE(result.Ok);
  EXPECT_EQ(result.FailedFiles, QStringList{QStringLiteral("about-us.html")});
  EXPECT_TRUE(QFile::exists(target + QStringLiteral("/index.html")));

  // Assets that cannot be written are a failure too, not "Done".
  const QString blocked = sandbox.Root() + QStringLiteral("/blocked");
  test::WriteBytes(blocked + QStringLiteral("/bin"), "a file where the folder goes");
  const ExportResult assets = ExportSite(site, sandbox.folders(), blocked);
  EXPECT_FALSE(assets.Ok);
  EXPECT_EQ(assets.FailedFiles, QStringList{QStringLiteral("bin")});
}

TEST_F(PageEditingTest, ExportIntoTheWorkingFolderIsRefused) {
  for (const QString& inside : {sandbox.folders().WorkFolder(),
                                sandbox.folders().WorkFolder() + QStringLiteral("bin")}) {
    const auto before = QDir(sandbox.folders().WorkFolder()).entryList();
    const ExportResult result = ExportSite(site, sandbox.folders(), inside);
    EXPECT_FALSE(result.Ok) << inside.toStdString();
    EXPECT_EQ(QDir(sandbox.folders().WorkFolder()).entryList(), before);
    EXPECT_FALSE(QFileInfo::exists(sandbox.folders().WorkFolder() + QStringLiteral("bin/bin")));
  }
}

}  // namespace
}  // namespace moxa
