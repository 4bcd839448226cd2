#include "pages/MenuRebuild.h"
#include "support/StoreHelpers.h"
#include "pages/PageHead.h"
#include "platform/SettingsStore.h"
#include "site/SiteStore.h"
#include "pages/Regions.h"
#include "support/FileSizeLimit.h"
#include "support/KilledChild.h"
#include "site/Recovery.h"
#include "support/Sandbox.h"
#include "support/TestSupport.h"
#include "templates/SiteCreation.h"
#include "templates/TemplateApply.h"
#include "templates/TemplateLibrary.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include <functional>
#include <map>
#include <memory>

#include <gtest/gtest.h>

namespace moxa {
namespace {

QByteArray Page(const char* title, const char* body, const char* menu) {
  return QByteArray("<html><head><title>") + title +
         "</title>\r\n<meta name=\"description\" content=\"template description\">\r\n"
         "<meta name=\"keywords\" content=\"template keywords\">\r\n</head><body>\r\n"
         "<ul id=\"sys_navigation\">\r\n" + menu + "</ul>\r\n<div id=\"moxadiv1\"><p>" + body +
         "</p></div><!-- moxadiv1 -->\r\n</body></html>\r\n";
}

// A list-form menu in which `current` is marked as the current item.
QByteArray Menu(int current) {
  const char* items[][2] = {{"./", "Home"},
                            {"about-us.php", "About Us"},
                            {"picture-gallery.php", "Picture Gallery"},
                            {"contact-us.php", "Contact Us"}};
  QByteArray menu;
  for (int n = 0; n < 4; ++n) {
    menu += QByteArray("<li") + (n == current ? " class=\"current\"" : "") + "><a href=\"" +
            items[n][0] + "\">" + items[n][1] + "</a></li>\r\n";
  }
  return menu;
}

class TemplatesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    {
      SettingsStore cleared;
      cleared.Clear();
      ASSERT_TRUE(cleared.Commit());
    }
    sandbox.WriteDataFile(QStringLiteral("img.jpg"), "site picture");
    store = std::make_unique<SettingsStore>();
  }

  // Template N with index.html and optionally its other pages and assets.
  void InstallTemplate(int n, bool allPages, const char* style = "body{}") {
    const QByteArray tag = QByteArray::number(n);
    sandbox.WriteTemplateFile(n, QStringLiteral("index.html"),
                              Page("Index " + tag, "home of " + tag, Menu(0)));
    if (allPages) {
      sandbox.WriteTemplateFile(n, QStringLiteral("about-us.html"),
                                Page("About " + tag, "about of " + tag, Menu(1)));
      sandbox.WriteTemplateFile(n, QStringLiteral("picture-gallery.html"),
                                Page("Gallery " + tag, "gallery of " + tag, Menu(-1)));
      sandbox.WriteTemplateFile(n, QStringLiteral("contact-us.html"),
                                Page("Contact " + tag, "contact of " + tag, Menu(3)));
    }
    sandbox.WriteTemplateFile(n, QStringLiteral("bin/css/style.css"), style);
  }

  QByteArray Work(const QString& name) const { return sandbox.WorkFile(name); }

  // Every file of the working folder, byte for byte.
  std::map<QString, QByteArray> Snapshot() const {
    std::map<QString, QByteArray> files;
    QDirIterator it(sandbox.folders().WorkFolder(), QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      const QString path = it.next();
      files[path] = test::ReadBytes(path);
    }
    return files;
  }

  test::Sandbox sandbox;
  std::unique_ptr<SettingsStore> store;
  Site site;
};

TEST_F(TemplatesTest, LibraryListsFoldersWithAnIndexInNumberOrder) {
  InstallTemplate(1, false);
  InstallTemplate(2, false);
  InstallTemplate(4, false);
  sandbox.WriteTemplateFile(3, QStringLiteral("ss.png"), "no index here");
  InstallTemplate(150, false);
  InstallTemplate(151, false);
  const TemplateLibrary library = TemplateLibrary::Scan(sandbox.folders());
  EXPECT_EQ(library.Numbers(), (std::vector<int>{1, 2, 4, 150}));
  EXPECT_EQ(library.NumberAt(2), 4);
  EXPECT_EQ(library.NumberAt(4), std::nullopt);
  EXPECT_EQ(library.NumberAt(-1), std::nullopt);
}

TEST_F(TemplatesTest, CreatesFourPagesFromTheTemplateAndStoresThem) {
  InstallTemplate(2, true);
  site.SiteAccount.UnixName = QStringLiteral("mysite");
  site.SelectedTemplateIndex = 1;
  ASSERT_TRUE(CreateSite(site, sandbox.folders(), 2, store.get()));

  const char* names[] = {"index", "about-us", "picture-gallery", "contact-us"};
  const char* labels[] = {"Home", "About Us", "Picture Gallery", "Contact Us"};
  ASSERT_EQ(site.PageCount(), 4);
  for (int i = 0; i < 4; ++i) {
    const TSitePage& page = site.Page(i);
    EXPECT_EQ(page.FileName, names[i]);
    EXPECT_EQ(page.Label_, labels[i]);
    EXPECT_EQ(page.IsHomePage, i == 0);
    EXPECT_TRUE(page.ShowInMenu && page.Changed);
    // Visitors see the title in their browser tab: the page's label, never a placeholder.
    EXPECT_EQ(page.WindowTitle, labels[i]);
    const QByteArray file = Work(page.FileName + QStringLiteral(".html"));
    EXPECT_EQ(ReadPageProperties(file).WindowTitle, labels[i]);
  }
  EXPECT_TRUE(Work(QStringLiteral("about-us.html")).contains("about of 2"));
  EXPECT_TRUE(Work(QStringLiteral("picture-gallery.html")).contains("gallery of 2"));
  // The menus link the site's own pages, with the right current item.
  const QByteArray about = Work(QStringLiteral("about-us.html"));
  EXPECT_TRUE(about.contains("<li class=\"current\"><a href=\"about-us.html\">About Us</a></li>"));
  EXPECT_TRUE(about.contains("<li><a href=\"index.html\">Home</a></li>"));
  EXPECT_FALSE(about.contains(".php"));
  EXPECT_EQ(Work(QStringLiteral("img.jpg")), "site picture");
  EXPECT_EQ(sandbox.PreviewFile(QStringLiteral("img.jpg")), "site picture");
  EXPECT_EQ(Work(QStringLiteral("bin/css/style.css")), "body{}");
  EXPECT_EQ(sandbox.PreviewFile(QStringLiteral("bin/css/style.css")), "body{}");
  EXPECT_EQ(site.OpenPageFileName, "index");
  EXPECT_TRUE(Work(QStringLiteral("editpage_.html")).contains("href=\"#about-us.html\""));

  Site stored;
  ASSERT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
  EXPECT_EQ(stored.SitePages(), site.SitePages());
  EXPECT_EQ(stored.SelectedTemplateIndex, 1);
}

TEST_F(TemplatesTest, TemplateWithOnlyAnIndexGivesFourCopiesOfIt) {
  InstallTemplate(8, false);
  ASSERT_TRUE(CreateSite(site, sandbox.folders(), 8, nullptr));
  for (const TSitePage& page : site.SitePages()) {
    const QByteArray file = Work(page.FileName + QStringLiteral(".html"));
    EXPECT_TRUE(file.contains("home of 8")) << page.FileName.toStdString();
    EXPECT_TRUE(file.contains("<title>" + page.Label_.toUtf8() + "</title>"));
    EXPECT_TRUE(file.contains("href=\"contact-us.html\">Contact Us</a>"));
  }
}

TEST_F(TemplatesTest, NewSiteNeverKeepsPagesOrAssetsOfAnEarlierSite) {
  InstallTemplate(1, true, "old style");
  ASSERT_TRUE(CreateSite(site, sandbox.folders(), 1, nullptr));
  sandbox.WriteWorkFile(QStringLiteral("bin/css/only-old.css"), "x");
  sandbox.WriteWorkFile(QStringLiteral("editor_.html"), "stale");
  InstallTemplate(2, false, "new style");

  Site fresh;
  ASSERT_TRUE(CreateSite(fresh, sandbox.folders(), 2, nullptr));
  EXPECT_TRUE(Work(QStringLiteral("about-us.html")).contains("home of 2"));
  EXPECT_FALSE(Work(QStringLiteral("about-us.html")).contains("about of 1"));
  EXPECT_EQ(Work(QStringLiteral("bin/css/style.css")), "new style");
  EXPECT_FALSE(sandbox.WorkFileExists(QStringLiteral("bin/css/only-old.css")));
  EXPECT_FALSE(sandbox.WorkFileExists(QStringLiteral("editor_.html")));
}

TEST_F(TemplatesTest, CreationFailsCleanlyWithoutTheTemplate) {
  EXPECT_FALSE(CreateSite(site, sandbox.folders(), 9, nullptr));
  EXPECT_EQ(site.PageCount(), 0);
}

TEST_F(TemplatesTest, ApplyingATemplateKeepsEachPagesWordsAndHeadValues) {
  InstallTemplate(1, true);
  InstallTemplate(2, true, "second style");
  ASSERT_TRUE(CreateSite(site, sandbox.folders(), 1, nullptr));
  // A page the new template lacks.
  TSitePage services;
  services.FileName = QStringLiteral("services");
  services.Label_ = QStringLiteral("Services");
  services.ShowInMenu = true;
  site.AppendPage(services);
  sandbox.WriteWorkFile(QStringLiteral("services.html"),
                        Page("Old", "services body", Menu(-1)));
  // The head values live in the page files (as the properties dialog puts
  // them); the table's description and keywords may well be empty.
  for (int i = 0; i < site.PageCount(); ++i) {
    const QString file = sandbox.folders().PageFile(site.Page(i).FileName);
    QByteArray text = test::ReadBytes(file);
    SetPageProperties(text, {QStringLiteral("Title %1").arg(i), QStringLiteral("Description %1").arg(i),
                             QStringLiteral("Keywords %1").arg(i)});
    test::WriteBytes(file, text);
    site.Page(i).WindowTitle = QStringLiteral("Title %1").arg(i);
    site.Page(i).Description.clear();
    site.Page(i).Keywords.clear();
    site.Page(i).Changed = false;
  }

  ASSERT_TRUE(ApplyTemplate(site, sandbox.folders(), 2, 1, *store));
  for (int i = 0; i < site.PageCount(); ++i) {
    const TSitePage& page = site.Page(i);
    const QByteArray file = Work(page.FileName + QStringLiteral(".html"));
    const PageProperties kept{QStringLiteral("Title %1").arg(i), QStringLiteral("Description %1").arg(i),
                              QStringLiteral("Keywords %1").arg(i)};
    EXPECT_EQ(ReadPageProperties(file), kept);
    EXPECT_EQ((PageProperties{page.WindowTitle, page.Description, page.Keywords}), kept);
    EXPECT_TRUE(page.Changed);
    EXPECT_TRUE(file.contains("href=\"services.html\">Services</a>")) << page.FileName.toStdString();
  }
  // The new look (title of the new template's page gone, its menu) with the old words.
  EXPECT_TRUE(Work(QStringLiteral("about-us.html")).contains("about of 1"));
  EXPECT_FALSE(Work(QStringLiteral("about-us.html")).contains("about of 2"));
  EXPECT_TRUE(Work(QStringLiteral("services.html")).contains("services body"));
  EXPECT_EQ(Work(QStringLiteral("bin/css/style.css")), "second style");
  EXPECT_EQ(SettingsStore().ReadSetting(QStringLiteral("SelectedTemplateIndex")), "1");
  EXPECT_EQ(site.OpenPageFileName, "index");
}

// Pictures of the old template that a region shows are kept as the user's
// pictures: the new template's assets replace the old ones.
TEST_F(TemplatesTest, PicturesTheRegionsShowOutliveTheTemplateChange) {
  InstallTemplate(1, true);
  InstallTemplate(2, true);
  sandbox.WriteTemplateFile(1, QStringLiteral("bin/img/hero.jpg"), "old hero");
  sandbox.WriteTemplateFile(2, QStringLiteral("bin/img/hero.jpg"), "new hero");
  QImage chart(6, 4, QImage::Format_ARGB32);
  chart.fill(Qt::blue);
  ASSERT_TRUE(chart.save(sandbox.folders().TemplateFolder(1) + QStringLiteral("bin/img/chart.png")));
  ASSERT_TRUE(CreateSite(site, sandbox.folders(), 1, store.get()));
  sandbox.WriteWorkFile(QStringLiteral("moxa_img1.jpg"), "the user's picture");
  const auto showInRegion = [&](const QString& page, const QByteArray& html) {
    QByteArray text = Work(page);
    ASSERT_TRUE(PutRegionContents(text, {{1, html}}).empty());
    sandbox.WriteWorkFile(page, text);
  };
  showInRegion(QStringLiteral("index.html"),
               "<p><img src=\"bin/img/hero.jpg\"><IMG SRC='./bin/img/chart.png'>"
               "<img src=\"moxa_img1.jpg\"><img src=\"https://example.org/bin/x.jpg\">"
               "<img src=\"bin/img/missing.jpg\"></p>");
  showInRegion(QStringLiteral("about-us.html"), "<p><img src=\"bin/img/hero.jpg\" alt=\"again\"></p>");

  ASSERT_TRUE(ApplyTemplate(site, sandbox.folders(), 2, 1, *store));
  const QByteArray home = RegionContents(Work(QStringLiteral("index.html"))).at(1);
  EXPECT_EQ(home, "<p><img src=\"moxa_img2.jpg\"><IMG SRC='moxa_img3.jpg'>"
                  "<img src=\"moxa_img1.jpg\"><img src=\"https://example.org/bin/x.jpg\">"
                  "<img src=\"bin/img/missing.jpg\"></p>");
  EXPECT_EQ(RegionContents(Work(QStringLiteral("about-us.html"))).at(1),
            "<p><img src=\"moxa_img2.jpg\" alt=\"again\"></p>");
  EXPECT_EQ(Work(QStringLiteral("moxa_img1.jpg")), "the user's picture");
  EXPECT_EQ(Work(QStringLiteral("moxa_img2.jpg")), "old hero");
  const QImage kept = QImage::fromData(Work(QStringLiteral("moxa_img3.jpg")), "JPEG");
  EXPECT_EQ(kept.size(), chart.size()) << "the picture that was no JPEG is one now";
  EXPECT_EQ(Work(QStringLiteral("bin/img/hero.jpg")), "new hero");
}

// New Site and a template change killed at each step (a child process),
// then the next start's recovery: the pages are always those of the site
// the settings describe.
TEST_F(TemplatesTest, AKilledNewSiteOrTemplateChangeLeavesTheStoredSitesPages) {
  InstallTemplate(1, true);
  InstallTemplate(2, true, "second style");
  const std::function<void(SettingsStore&, Site)> changes[] = {
      [this](SettingsStore& s, Site) {
        Site fresh;
        fresh.SiteAccount.UnixName = QStringLiteral("newsite");
        fresh.SelectedTemplateIndex = 1;
        (void)CreateSite(fresh, sandbox.folders(), 2, &s);
      },
      [this](SettingsStore& s, Site old) { (void)ApplyTemplate(old, sandbox.folders(), 2, 1, s); }};
  const struct {
    const char* point;
    bool changed;
  } points[] = {{"staged-folder-complete", false}, {"before-swap", true}, {"between-swap-renames", true}};
  for (size_t change = 0; change < std::size(changes); ++change) {
    for (const auto& [point, changed] : points) {
      SCOPED_TRACE(testing::Message() << "change " << change << " killed at " << point);
      Site old;
      old.SiteAccount.UnixName = QStringLiteral("oldsite");
      {
        SettingsStore fresh;
        ASSERT_TRUE(CreateSite(old, sandbox.folders(), 1, &fresh));
      }
      ASSERT_TRUE(test::KilledAt(point, [&] {
        SettingsStore inChild;
        changes[change](inChild, old);
      }));

      const SettingsStore next;
      RecoverUnfinishedChanges(sandbox.folders(), next);
      Site loaded;
      ASSERT_EQ(LoadSite(next, loaded).Result, LoadSiteResult::Loaded);
      EXPECT_EQ(loaded.SelectedTemplateIndex, changed ? 1 : 0);
      EXPECT_EQ(loaded.SiteAccount.UnixName, change == 0 && changed ? "newsite" : "oldsite");
      EXPECT_EQ(Work(QStringLiteral("bin/css/style.css")), changed ? "second style" : "body{}");
      for (const TSitePage& page : loaded.SitePages()) {
        EXPECT_TRUE(sandbox.WorkFileExists(page.FileName + QStringLiteral(".html")));
      }
      EXPECT_EQ(QDir(sandbox.folders().TempFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                QStringList({"wbx1988"}));
    }
  }
}

TEST_F(TemplatesTest, AFailedApplyLeavesTheSiteAndTheTemplateChoiceAsTheyWere) {
  InstallTemplate(1, true);
  InstallTemplate(2, true, QByteArray(6000, 's').constData());
  site.SiteAccount.UnixName = QStringLiteral("mysite");
  ASSERT_TRUE(CreateSite(site, sandbox.folders(), 1, store.get()));
  const auto files = Snapshot();
  const Site before = site;
  {
    const test::FileSizeLimit full(4000);
    EXPECT_FALSE(ApplyTemplate(site, sandbox.folders(), 2, 1, *store));
  }
  // A store that cannot be written fails it as well, after every file was made.
  test::WriteBytes(sandbox.Root() + QStringLiteral("/blocker"), "a file, not a folder");
  SettingsStore unwritable(sandbox.Root() + QStringLiteral("/blocker/store.conf"));
  InstallTemplate(3, true);
  EXPECT_FALSE(ApplyTemplate(site, sandbox.folders(), 3, 2, unwritable));

  EXPECT_EQ(Snapshot(), files);
  EXPECT_EQ(site.SitePages(), before.SitePages());
  EXPECT_EQ(site.SelectedTemplateIndex, 0);
  EXPECT_EQ(SettingsStore().ReadSetting(QStringLiteral("SelectedTemplateIndex")), "0");
  EXPECT_EQ(QDir(sandbox.folders().TempFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
            QStringList({"wbx1988"}));
}

TEST_F(TemplatesTest, AFailedNewSiteLeavesTheOldSiteWhole) {
  InstallTemplate(1, true);
  InstallTemplate(2, true);
  site.SiteAccount.UnixName = QStringLiteral("oldsite");
  ASSERT_TRUE(CreateSite(site, sandbox.folders(), 1, store.get()));
  sandbox.WriteWorkFile(QStringLiteral("moxa_img1.jpg"), "the user's picture");
  const auto files = Snapshot();
  const QByteArray stored = test::ReadBytes(store->FileName());

  Site fresh;
  fresh.SiteAccount.UnixName = QStringLiteral("newsite");
  SettingsStore unwritable(sandbox.Root() + QStringLiteral("/blocker/store.conf"));
  test::WriteBytes(sandbox.Root() + QStringLiteral("/blocker"), "a file, not a folder");
  EXPECT_FALSE(CreateSite(fresh, sandbox.folders(), 2, &unwritable));
  {
    const test::FileSizeLimit full(100);
    EXPECT_FALSE(CreateSite(fresh, sandbox.folders(), 2, store.get()));
  }
  EXPECT_EQ(Snapshot(), files);
  EXPECT_EQ(test::ReadBytes(store->FileName()), stored);
  EXPECT_EQ(fresh.PageCount(), 0);

  // Once it succeeds nothing of the old site is left, its pictures included.
  ASSERT_TRUE(CreateSite(fresh, sandbox.folders(), 2, store.get()));
  EXPECT_FALSE(sandbox.WorkFileExists(QStringLiteral("moxa_img1.jpg")));
  Site loaded;
  ASSERT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::Loaded);
  EXPECT_EQ(loaded.SiteAccount.UnixName, "newsite");
}

// A file that not even root may remove while the object lives; ok() is
// false where the file system or the user's rights do not allow it.
class ImmutableFile {
 public:
  explicit ImmutableFile(const QString& path) : path_(path) {
    test::WriteBytes(path, "stuck");
    ok_ = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) == 0;
  }
  ~ImmutableFile() { QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path_}); }
  ImmutableFile(const ImmutableFile&) = delete;
  ImmutableFile& operator=(const ImmutableFile&) = delete;
  bool ok() const { return ok_; }

 private:
  QString path_;
  bool ok_ = false;
};

// The swap fails after the new site was stored, and the old site cannot be
// stored back either: the store keeps naming the staged folder, which stays
// where it is, so the next start finishes the change and the pages match
// the stored table. Said as its own failure, never as "nothing changed".
TEST_F(TemplatesTest, AFailedSwapWhoseUndoCannotBeStoredIsFinishedAtTheNextStart) {
  InstallTemplate(1, true);
  InstallTemplate(2, true, "second style");
  site.SiteAccount.UnixName = QStringLiteral("oldsite");
  site.SiteAccount.FirstName = QString(3000, u'n');  // the old record is the longer one
  ASSERT_TRUE(CreateSite(site, sandbox.folders(), 1, store.get()));
  Site fresh;
  fresh.SiteAccount.UnixName = QStringLiteral("newsite");
  StagedSite staged = StageNewSite(fresh, sandbox.folders(), 2);
  ASSERT_TRUE(staged.ok());
  QString work = sandbox.folders().WorkFolder();
  work.chop(1);
  {
    // A leftover of an earlier swap that cannot be cleared away stops this one.
    const ImmutableFile stuck(work + QStringLiteral(".old/stuck"));
    if (!stuck.ok()) GTEST_SKIP() << "files cannot be made immutable here";
    // The new record still fits on the disk; the old one no longer does.
    const test::FileSizeLimit full(rlim_t(QFileInfo(store->FileName()).size() - 1000));
    const Outcome outcome = PutStagedSiteInPlace(staged, site, store.get(), ErrorCode::SiteNotCreated);
    EXPECT_EQ(outcome.code(), ErrorCode::ChangeUnfinished);
  }
  staged = StagedSite();
  EXPECT_EQ(site.SiteAccount.UnixName, "oldsite");
  EXPECT_TRUE(QFileInfo(work + QStringLiteral(".new")).isDir());

  const SettingsStore next;
  RecoverUnfinishedChanges(sandbox.folders(), next);
  Site loaded;
  ASSERT_EQ(LoadSite(next, loaded).Result, LoadSiteResult::Loaded);
  EXPECT_EQ(loaded.SiteAccount.UnixName, "newsite");
  EXPECT_EQ(Work(QStringLiteral("bin/css/style.css")), "second style");
  for (const TSitePage& page : loaded.SitePages()) {
    EXPECT_TRUE(sandbox.WorkFileExists(page.FileName + QStringLiteral(".html"))) << page.FileName.toStdString();
  }
}

TEST_F(TemplatesTest, ABinFolderThatIsALinkIsReplacedAndItsTargetKept) {
  InstallTemplate(1, true);
  InstallTemplate(2, true);
  ASSERT_TRUE(CreateSite(site, sandbox.folders(), 1, store.get()));
  const QString precious = sandbox.Root() + QStringLiteral("/precious");
  test::WriteBytes(precious + QStringLiteral("/photo.jpg"), "photo");
  const QString bin = sandbox.folders().WorkFolder() + QStringLiteral("bin");
  ASSERT_TRUE(QDir(bin).removeRecursively());
  ASSERT_TRUE(QFile::link(precious, bin));

  ASSERT_TRUE(ApplyTemplate(site, sandbox.folders(), 2, 1, *store));
  EXPECT_EQ(test::ReadBytes(precious + QStringLiteral("/photo.jpg")), "photo");
  EXPECT_FALSE(QFileInfo(bin).isSymLink());
  EXPECT_EQ(Work(QStringLiteral("bin/css/style.css")), "body{}");

  ASSERT_TRUE(QDir(bin).removeRecursively());
  ASSERT_TRUE(QFile::link(precious, bin));
  Site fresh;
  ASSERT_TRUE(CreateSite(fresh, sandbox.folders(), 1, store.get()));
  EXPECT_EQ(test::ReadBytes(precious + QStringLiteral("/photo.jpg")), "photo");
}

TEST_F(TemplatesTest, ATemplateWithoutARegionThatHoldsTextNamesThePagesFirst) {
  InstallTemplate(1, true);
  ASSERT_TRUE(CreateSite(site, sandbox.folders(), 1, nullptr));
  // Template 2 has no region 1 on its about page.
  InstallTemplate(2, true);
  QByteArray about = Page("About 2", "x", Menu(1));
  about.replace("moxadiv1", "moxadiv2");
  sandbox.WriteTemplateFile(2, QStringLiteral("about-us.html"), about);
  EXPECT_EQ(PagesLosingText(site, sandbox.folders(), 2), QStringList({"About Us"}));
  EXPECT_EQ(PagesLosingText(site, sandbox.folders(), 1), QStringList());
}

// A site with its own words in every region of every page, given each other
// shipped look: every word is kept, or its page was named beforehand.
TEST_F(TemplatesTest, ShippedTemplateChangesKeepEveryWord) {
  const Folders shipped = Folders::At(test::SourceDir(), sandbox.folders().TempFolder);
  const TemplateLibrary library = TemplateLibrary::Scan(shipped);
  ASSERT_GT(library.Count(), 1) << "the shipped library is missing";
  auto word = [](const TSitePage& page, int region) {
    return "word-" + page.FileName.toUtf8() + "-" + QByteArray::number(region);
  };
  for (int from : library.Numbers()) {
    for (int to : library.Numbers()) {
      if (from == to) continue;
      SCOPED_TRACE(testing::Message() << from << " to " << to);
      Site made;
      made.SiteAccount.UnixName = QStringLiteral("words");
      ASSERT_TRUE(CreateSite(made, shipped, from, nullptr));
      for (const TSitePage& page : made.SitePages()) {
        QByteArray text = test::ReadBytes(shipped.PageFile(page.FileName));
        std::map<int, QByteArray> words;
        for (const RegionSpan& r : FindRegions(text)) words[r.Number] = "<p>" + word(page, r.Number) + "</p>";
        PutRegionContents(text, words);
        test::WriteBytes(shipped.PageFile(page.FileName), text);
      }
      const QStringList losing = PagesLosingText(made, shipped, to);
      SettingsStore scratch(sandbox.Root() + QStringLiteral("/scratch.conf"));
      ASSERT_TRUE(ApplyTemplate(made, shipped, to, 0, scratch));
      for (const TSitePage& page : made.SitePages()) {
        const QByteArray text = test::ReadBytes(shipped.PageFile(page.FileName));
        for (int region = 1; region <= 5; ++region) {
          const QByteArray expected = word(page, region);
          if (text.contains(expected) || losing.contains(page.Label_)) continue;
          // The word was never there: the first look had no such region.
          EXPECT_FALSE(test::ReadBytes(shipped.TemplateFolder(from) + page.FileName +
                                       QStringLiteral(".html"))
                           .contains("<div id=\"moxadiv" + QByteArray::number(region) + "\">"))
              << expected.toStdString() << " lost";
        }
      }
    }
  }
}

TEST_F(TemplatesTest, ShippedLibraryMakesWorkingSites) {
  const Folders shipped = Folders::At(test::SourceDir(), sandbox.folders().TempFolder);
  const TemplateLibrary library = TemplateLibrary::Scan(shipped);
  // An empty library is a broken build, not a case to pass over.
  ASSERT_GT(library.Count(), 0) << "no template in " << shipped.TemplatesFolder().toStdString();
  for (int number : library.Numbers()) {
    SCOPED_TRACE(number);
    Site made;
    ASSERT_TRUE(CreateSite(made, shipped, number, nullptr));
    for (const TSitePage& page : made.SitePages()) {
      const QByteArray file = test::ReadBytes(shipped.PageFile(page.FileName));
      for (const TSitePage& linked : made.SitePages()) {
        EXPECT_TRUE(file.contains("\"" + linked.FileName.toUtf8() + ".html\""))
            << page.FileName.toStdString() << " does not link " << linked.FileName.toStdString();
      }
      EXPECT_FALSE(file.contains("about-us.php")) << page.FileName.toStdString();
    }
  }
}

}  // namespace
}  // namespace moxa

#include "templates/Thumbnails.h"

namespace moxa {
namespace {

QImage Filled(int width, int height, QColor colour) {
  QImage image(width, height, QImage::Format_RGB888);
  image.fill(colour);
  return image;
}

TEST(ThumbnailsTest, MirrorCopyFlipsAndMirrorsOnly24BitPictures) {
  QImage source = Filled(3, 2, Qt::black);
  source.setPixelColor(0, 0, Qt::red);  // top-left
  QImage copy;
  ASSERT_TRUE(MirrorCopy(source, copy, true, false));
  EXPECT_EQ(copy.size(), source.size());
  EXPECT_EQ(copy.pixelColor(0, 1), QColor(Qt::red));
  ASSERT_TRUE(MirrorCopy(source, copy, false, true));
  EXPECT_EQ(copy.pixelColor(2, 0), QColor(Qt::red));
  ASSERT_TRUE(MirrorCopy(source, copy, true, true));
  EXPECT_EQ(copy.pixelColor(2, 1), QColor(Qt::red));

  QImage untouched = Filled(1, 1, Qt::blue);
  EXPECT_FALSE(MirrorCopy(source.convertToFormat(QImage::Format_ARGB32), untouched, true, false));
  EXPECT_EQ(untouched.pixelColor(0, 0), QColor(Qt::blue));
}

TEST(ThumbnailsTest, ReflectionFadesRowByRowToWhite) {
  // Reflection row n is screenshot row (height - 1 - n); a uniform picture
  // makes every row start from the same value.
  const struct {
    int value;
    int row;
    int expected;
  } cases[] = {{100, 10, 193}, {0, 0, 127}, {255, 0, 255}, {0, 50, 255}, {37, 50, 255},
               {200, 25, (200 * 25 / 50 + 255 * 25 / 50 + 255) / 2}, {0, 51, 0}};
  for (const auto& c : cases) {
    const QImage reflection = MakeReflection(Filled(4, 60, QColor(c.value, c.value, c.value)));
    EXPECT_EQ(reflection.pixelColor(2, c.row).red(), c.expected) << c.value << " row " << c.row;
  }
  EXPECT_TRUE(MakeReflection(QImage(4, 4, QImage::Format_ARGB32)).isNull());
}

}  // namespace
}  // namespace moxa
