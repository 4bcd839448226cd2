#include "pages/PageOperations.h"
#include "support/StoreHelpers.h"

#include "MenuTemplates.h"
#include "pages/PageEditing.h"
#include "platform/SettingsStore.h"
#include "site/SiteStore.h"
#include "support/FileSizeLimit.h"
#include "support/KilledChild.h"
#include "site/Recovery.h"
#include "support/Sandbox.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <map>
#include <memory>
#include <tuple>

#include <gtest/gtest.h>

namespace moxa {
namespace {

using test::TemplateFile;
using test::TemplatePage;

constexpr int kTemplate = 2;

// A three-page site (Home, About Us, Contact Us) made from a list-form
// template, with the home page open and the table in the real store.
class PageOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    {
      SettingsStore cleared;
      cleared.Clear();
      ASSERT_TRUE(cleared.Commit());
    }
    for (auto [file, name] : {std::pair{TemplateFile::Index, "index.html"},
                              std::pair{TemplateFile::AboutUs, "about-us.html"},
                              std::pair{TemplateFile::ContactUs, "contact-us.html"}}) {
      sandbox.WriteTemplateFile(kTemplate, QString::fromUtf8(name),
                                TemplatePage(MainMenuForm::List, SecondMenuType::None, file));
    }
    QDir().mkpath(sandbox.folders().PreviewFolder());
    for (auto [file, label] : {std::pair{"index", "Home"}, std::pair{"about-us", "About Us"},
                               std::pair{"contact-us", "Contact Us"}}) {
      TSitePage page;
      page.FileName = QString::fromUtf8(file);
      page.Label_ = QString::fromUtf8(label);
      page.IsHomePage = site.PageCount() == 0;
      page.ShowInMenu = true;
      site.AppendPage(page);
      sandbox.WriteWorkFile(page.FileName + QStringLiteral(".html"),
                            TemplatePage(MainMenuForm::List, SecondMenuType::None,
                                         site.PageCount() == 1 ? TemplateFile::Index
                                                               : TemplateFile::AboutUs));
    }
    site.SiteAccount.UnixName = QStringLiteral("mysite");
    ASSERT_TRUE(test::SaveAccountNow(site));
    ASSERT_TRUE(test::SavePageTableNow(site));
    ASSERT_TRUE(OpenPageInEditor(site, context.folders, QStringLiteral("index")));
    store = std::make_unique<SettingsStore>();
    context.store = store.get();
  }

  QStringList FileNames() const {
    QStringList names;
    for (const TSitePage& page : site.SitePages()) names << page.FileName;
    return names;
  }
  QStringList StoredFileNames() const {
    Site stored;
    EXPECT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
    QStringList names;
    for (const TSitePage& page : stored.SitePages()) names << page.FileName;
    return names;
  }
  QStringList WorkFiles() const {
    return QDir(sandbox.folders().WorkFolder()).entryList(QDir::Files, QDir::Name);
  }
  QString MainMenuOf(const QString& fileName) const {
    return test::MenuSignature(sandbox.WorkFile(fileName + QStringLiteral(".html")),
                               "sys_navigation", "</ul>");
  }

  // Every page file, the preview copies and the working copy, byte for byte.
  std::map<QString, QByteArray> Snapshot() const {
    std::map<QString, QByteArray> files;
    for (const QString& folder : {sandbox.folders().WorkFolder(), sandbox.folders().PreviewFolder()}) {
      for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        files[folder + name] = test::ReadBytes(folder + name);
      }
    }
    return files;
  }

  test::Sandbox sandbox;
  // Opened once the fixture's site is stored, as the program opens it at start.
  std::unique_ptr<SettingsStore> store;
  PageContext context{sandbox.folders(), kTemplate, nullptr};
  Site site;
};

TEST_F(PageOperationsTest, AddMakesThePageFromTheTemplateHomeAndOpensIt) {
  const PageOutcome outcome =
      AddPage(site, context, QStringLiteral(" Our Team "), QStringLiteral(" Team "));
  ASSERT_TRUE(outcome.ok());
  EXPECT_EQ(outcome.Names.FileName, "Our-Team");
  EXPECT_EQ(FileNames(), (QStringList{"index", "about-us", "contact-us", "Our-Team"}));
  EXPECT_EQ(StoredFileNames(), FileNames());
  const TSitePage& added = site.Page(3);
  EXPECT_EQ(added.Label_, "Team");
  EXPECT_TRUE(added.ShowInMenu && added.Changed && !added.IsHomePage);
  EXPECT_EQ(site.OpenPageFileName, "Our-Team");
  EXPECT_TRUE(sandbox.WorkFile(QStringLiteral("Our-Team.html")).contains("Content of index"));
  EXPECT_FALSE(sandbox.PreviewFile(QStringLiteral("Our-Team.html")).isEmpty());
  EXPECT_EQ(MainMenuOf(QStringLiteral("Our-Team")),
            "c index.html Home ; c about-us.html About Us ; c contact-us.html Contact Us ; "
            "c-cur Our-Team.html Team");
  EXPECT_TRUE(sandbox.WorkFile(QStringLiteral("editpage_.html")).contains("href=\"#index.html\""));
}

TEST_F(PageOperationsTest, RefusalsChangeNothing) {
  const struct {
    const char* fileName;
    const char* label;
    PageMessage message;
  } cases[] = {
      {"  ", "Label", PageMessage::EmptyFileName},
      {"new", "  ", PageMessage::EmptyLabel},
      {"about-us", "Again", PageMessage::NameTaken},
      {"about-us.", "Cleaned into a taken name", PageMessage::NameTaken},
      {"uperdyup", "Reserved", PageMessage::NameTaken},
  };
  const QStringList filesBefore = WorkFiles();
  for (const auto& c : cases) {
    for (auto operation : {&AddPage, &SavePageAs}) {
      const PageOutcome outcome =
          operation(site, context, QString::fromUtf8(c.fileName), QString::fromUtf8(c.label));
      EXPECT_EQ(outcome.Message, c.message) << c.fileName;
    }
    EXPECT_EQ(RenamePage(site, context, 2, QString::fromUtf8(c.fileName), QString::fromUtf8(c.label))
                  .Message,
              c.message)
        << c.fileName;
  }
  EXPECT_EQ(FileNames(), (QStringList{"index", "about-us", "contact-us"}));
  EXPECT_EQ(StoredFileNames(), FileNames());
  EXPECT_EQ(WorkFiles(), filesBefore);
}

TEST_F(PageOperationsTest, FullSiteRefusesNewPages) {
  while (!site.IsFull()) {
    TSitePage page;
    page.FileName = QStringLiteral("p%1").arg(site.PageCount());
    site.AppendPage(page);
  }
  EXPECT_EQ(AddPage(site, context, QStringLiteral("one-more"), QStringLiteral("x")).Message,
            PageMessage::SiteFull);
  EXPECT_EQ(SavePageAs(site, context, QStringLiteral("one-more"), QStringLiteral("x")).Message,
            PageMessage::SiteFull);
  EXPECT_EQ(site.PageCount(), Site::kPageCapacity);
}

TEST_F(PageOperationsTest, SaveAsCopiesTheUnsavedWorkingCopy) {
  QByteArray copy = sandbox.WorkFile(QStringLiteral("editpage_.html"));
  copy.replace("Content of index", "Unsaved <a href=\"#about-us.html\">edit</a>");
  sandbox.WriteWorkFile(QStringLiteral("editpage_.html"), copy);

  ASSERT_TRUE(SavePageAs(site, context, QStringLiteral("copy"), QStringLiteral("Copy")).ok());
  const QByteArray made = sandbox.WorkFile(QStringLiteral("copy.html"));
  EXPECT_TRUE(made.contains("Unsaved <a href=\"about-us.html\">edit</a>")) << made.toStdString();
  EXPECT_EQ(sandbox.WorkFile(QStringLiteral("index.html")).contains("Unsaved"), false);
  EXPECT_EQ(site.OpenPageFileName, "copy");
}

TEST_F(PageOperationsTest, RenameMovesFilesAndRelinksEveryMenu) {
  sandbox.WriteBytesToPreview("about-us.html", "preview");
  ASSERT_TRUE(RenamePage(site, context, 1, QStringLiteral("who we are"), QStringLiteral("Who")).ok());
  EXPECT_EQ(FileNames(), (QStringList{"index", "who-we-are", "contact-us"}));
  EXPECT_EQ(StoredFileNames(), FileNames());
  EXPECT_FALSE(sandbox.WorkFileExists(QStringLiteral("about-us.html")));
  EXPECT_FALSE(QFileInfo::exists(sandbox.folders().PreviewPageFile(QStringLiteral("about-us"))));
  EXPECT_TRUE(sandbox.PreviewFile(QStringLiteral("who-we-are.html")).contains("Content of"));
  EXPECT_EQ(MainMenuOf(QStringLiteral("index")),
            "i-cur index.html Home ; i who-we-are.html Who ; i contact-us.html Contact Us");
  EXPECT_EQ(site.OpenPageFileName, "who-we-are");
  EXPECT_TRUE(site.Page(1).Changed);
}

TEST_F(PageOperationsTest, RenamingTheHomePageChangesOnlyItsLabel) {
  ASSERT_TRUE(RenamePage(site, context, 0, QStringLiteral("start"), QStringLiteral("Start")).ok());
  EXPECT_EQ(site.Page(0).FileName, "index");
  EXPECT_EQ(site.Page(0).Label_, "Start");
  EXPECT_TRUE(sandbox.WorkFileExists(QStringLiteral("index.html")));
  EXPECT_EQ(MainMenuOf(QStringLiteral("index")),
            "i-cur index.html Start ; i about-us.html About Us ; i contact-us.html Contact Us");
}

TEST_F(PageOperationsTest, PropertiesReachThePageFileAndTheStoreMarkedChanged) {
  QByteArray copy = sandbox.WorkFile(QStringLiteral("editpage_.html"));
  copy.replace("Content of index", "Unsaved edit");
  sandbox.WriteWorkFile(QStringLiteral("editpage_.html"), copy);

  const PageProperties properties{"New Title", "A \"quoted\" description", "k1, k2"};
  ASSERT_TRUE(SetPageProperties(site, sandbox.folders(), *store, 0, properties));
  EXPECT_EQ(ReadPagePropertiesOf(site, sandbox.folders(), 0), properties);
  const QByteArray page = sandbox.WorkFile(QStringLiteral("index.html"));
  EXPECT_TRUE(page.contains("Unsaved edit"));
  EXPECT_TRUE(page.contains("href=\"about-us.php\""));  // links enabled in the page file
  EXPECT_TRUE(sandbox.WorkFile(QStringLiteral("editpage_.html")).contains("<title>New Title</title>"));
  EXPECT_TRUE(sandbox.WorkFile(QStringLiteral("editpage_.html")).contains("href=\"#about-us.php\""));
  EXPECT_EQ(site.Page(0).WindowTitle, "New Title");
  EXPECT_TRUE(site.Page(0).Changed);
  // As the next start finds it: published with the new values.
  const SettingsStore stored;
  EXPECT_EQ(stored.ReadSetting(QStringLiteral("Page_WindowTitle_0")), "New Title");
  EXPECT_EQ(stored.ReadSetting(QStringLiteral("Page_Changed_0")), "true");
}

TEST_F(PageOperationsTest, PropertiesThatCannotBeStoredLeaveThePageAsItWas) {
  const auto files = Snapshot();
  const std::vector<TSitePage> pages = site.SitePages();
  test::WriteBytes(QDir(sandbox.Root()).filePath(QStringLiteral("no-folder")), "a file");
  SettingsStore unwritable(QDir(sandbox.Root()).filePath(QStringLiteral("no-folder/x/store.conf")));
  EXPECT_FALSE(SetPageProperties(site, sandbox.folders(), unwritable, 0, {"New Title", "", ""}));
  EXPECT_EQ(Snapshot(), files);
  EXPECT_EQ(site.SitePages(), pages);
}

TEST_F(PageOperationsTest, DeleteRemovesThePageAndOpensTheFirst) {
  ASSERT_TRUE(OpenPageInEditor(site, context.folders, QStringLiteral("about-us")));
  ASSERT_TRUE(DeletePage(site, context, 1).ok());
  EXPECT_EQ(FileNames(), (QStringList{"index", "contact-us"}));
  EXPECT_EQ(StoredFileNames(), FileNames());
  EXPECT_FALSE(sandbox.WorkFileExists(QStringLiteral("about-us.html")));
  EXPECT_EQ(site.OpenPageFileName, "index");
  EXPECT_EQ(MainMenuOf(QStringLiteral("contact-us")),
            "c index.html Home ; c-cur contact-us.html Contact Us");
}

TEST_F(PageOperationsTest, TheHomePageCannotBeDeleted) {
  EXPECT_FALSE(DeletePage(site, context, 0).ok());
  EXPECT_FALSE(DeletePage(site, context, 7).ok());
  EXPECT_EQ(site.PageCount(), 3);
  EXPECT_TRUE(sandbox.WorkFileExists(QStringLiteral("index.html")));
}

TEST_F(PageOperationsTest, MoveReordersTableStoreAndMenus) {
  ASSERT_TRUE(MovePage(site, context, 0, 2).ok());
  EXPECT_EQ(FileNames(), (QStringList{"about-us", "contact-us", "index"}));
  EXPECT_EQ(StoredFileNames(), FileNames());
  EXPECT_EQ(MainMenuOf(QStringLiteral("about-us")),
            "i-cur about-us.html About Us ; i contact-us.html Contact Us ; i index.html Home");
  ASSERT_TRUE(MovePage(site, context, 2, 0).ok());
  EXPECT_EQ(FileNames(), (QStringList{"index", "about-us", "contact-us"}));
  ASSERT_TRUE(MovePage(site, context, 1, 1).ok());
  EXPECT_FALSE(MovePage(site, context, 0, 3).ok());
}

// Every operation through a full disk and through a store that cannot be
// written: the pages stay byte for byte, the stored table and the site in
// memory stay as they were, and the failure is reported.
TEST_F(PageOperationsTest, AFailedOperationChangesNothingAndSaysSo) {
  using Operation = std::function<PageOutcome(Site&, const PageContext&)>;
  const struct {
    const char* name;
    Operation run;
  } operations[] = {
      {"add", [](Site& s, const PageContext& c) { return AddPage(s, c, "team", "Team"); }},
      {"save as", [](Site& s, const PageContext& c) { return SavePageAs(s, c, "copy", "Copy"); }},
      {"rename", [](Site& s, const PageContext& c) { return RenamePage(s, c, 1, "who", "Who"); }},
      {"delete", [](Site& s, const PageContext& c) { return DeletePage(s, c, 1); }},
      {"move", [](Site& s, const PageContext& c) { return MovePage(s, c, 0, 2); }},
      {"hide", [](Site& s, const PageContext& c) { return SetShowInMenu(s, c, 1, false); }},
  };
  const auto files = Snapshot();
  const std::vector<TSitePage> pages = site.SitePages();
  const QStringList stored = StoredFileNames();
  test::WriteBytes(QDir(sandbox.Root()).filePath(QStringLiteral("no-folder")), "a file");
  for (const auto& operation : operations) {
    {
      const test::FileSizeLimit full(64);
      EXPECT_EQ(operation.run(site, context).Message, PageMessage::FileError) << operation.name;
    }
    // A store that cannot be written: its folder would have to be made
    // below a plain file (a failure even for the superuser).
    SettingsStore unwritable(QDir(sandbox.Root()).filePath(QStringLiteral("no-folder/x/store.conf")));
    PageContext badStore = context;
    badStore.store = &unwritable;
    EXPECT_EQ(operation.run(site, badStore).Message, PageMessage::SettingsError) << operation.name;

    EXPECT_EQ(Snapshot(), files) << operation.name;
    EXPECT_EQ(site.SitePages(), pages) << operation.name;
    EXPECT_EQ(site.OpenPageFileName, "index") << operation.name;
    EXPECT_EQ(StoredFileNames(), stored) << operation.name;
  }
}

TEST_F(PageOperationsTest, HostileTypedNamesNeverNameAFileOutsideOrOneThatCannotBeReached) {
  const struct {
    QString typed;
    const char* fileName;
  } cases[] = {
      {QStringLiteral("../outside"), "outside"},
      {QStringLiteral("tab\there"), "tabhere"},
      {QStringLiteral("nul") + QChar(0) + QStringLiteral("cut"), "nulcut"},
      {QStringLiteral("line\nbreak"), "linebreak"},
  };
  for (const auto& c : cases) {
    const PageOutcome outcome = AddPage(site, context, c.typed, QStringLiteral("Label\t"));
    ASSERT_TRUE(outcome.ok()) << c.fileName;
    EXPECT_EQ(outcome.Names.FileName, c.fileName);
    EXPECT_EQ(outcome.Names.Label, "Label");
    EXPECT_TRUE(sandbox.WorkFileExists(QString::fromUtf8(c.fileName) + QStringLiteral(".html")));
  }
  EXPECT_FALSE(QFileInfo::exists(QDir(sandbox.Root()).filePath(QStringLiteral("outside.html"))));

  // A link in the working folder that leads elsewhere is not a free name.
  const QString elsewhere = QDir(sandbox.Root()).filePath(QStringLiteral("elsewhere.html"));
  test::WriteBytes(elsewhere, "not the user's page");
  QFile::link(elsewhere, sandbox.folders().PageFile(QStringLiteral("linked")));
  EXPECT_EQ(AddPage(site, context, QStringLiteral("linked"), QStringLiteral("L")).Message,
            PageMessage::NameTaken);
  EXPECT_EQ(test::ReadBytes(elsewhere), "not the user's page");
}

TEST_F(PageOperationsTest, ARefusedRenameSavesNothingAndAnAcceptedOneKeepsUnsavedEdits) {
  ASSERT_TRUE(OpenPageInEditor(site, context.folders, QStringLiteral("about-us")));
  QByteArray copy = sandbox.WorkFile(QStringLiteral("editpage_.html"));
  copy.replace("Content of another page", "Unsaved words");
  sandbox.WriteWorkFile(QStringLiteral("editpage_.html"), copy);
  const auto files = Snapshot();

  EXPECT_EQ(RenamePage(site, context, 1, QStringLiteral("contact-us"), QStringLiteral("X"), true)
                .Message,
            PageMessage::NameTaken);
  EXPECT_EQ(Snapshot(), files);

  const PageOutcome renamed =
      RenamePage(site, context, 1, QStringLiteral("about"), QStringLiteral("About"), true);
  ASSERT_TRUE(renamed.ok());
  EXPECT_TRUE(renamed.SavedOpenPageEdits);
  EXPECT_TRUE(sandbox.WorkFile(QStringLiteral("about.html")).contains("Unsaved words"));
  EXPECT_TRUE(sandbox.WorkFile(QStringLiteral("editpage_.html")).contains("Unsaved words"));
}

TEST_F(PageOperationsTest, AHiddenPageLeavesEveryMenuButTheHomeItemAlwaysStays) {
  ASSERT_TRUE(SetShowInMenu(site, context, 1, false).ok());
  ASSERT_TRUE(SetShowInMenu(site, context, 0, false).ok());
  EXPECT_EQ(MainMenuOf(QStringLiteral("contact-us")),
            "c index.html Home ; c-cur contact-us.html Contact Us");
  Site stored;
  ASSERT_EQ(test::LoadSiteNow(stored), LoadSiteResult::Loaded);
  EXPECT_FALSE(stored.Page(1).ShowInMenu);
  ASSERT_TRUE(SetShowInMenu(site, context, 1, true).ok());
  EXPECT_EQ(MainMenuOf(QStringLiteral("contact-us")),
            "c index.html Home ; c about-us.html About Us ; c-cur contact-us.html Contact Us");
}

TEST_F(PageOperationsTest, ANewPageIsTitledWithItsLabel) {
  ASSERT_TRUE(AddPage(site, context, QStringLiteral("team"), QStringLiteral("Our Team")).ok());
  EXPECT_EQ(site.Page(3).WindowTitle, "Our Team");
  EXPECT_TRUE(sandbox.WorkFile(QStringLiteral("team.html")).contains("<title>Our Team</title>"));
}

// Each operation killed (a child process) before its table is stored, after
// it, and with half of its files renamed; then the next start's recovery.
// The stored table and the files always agree: every stored page has its
// file, no other page file is left, the menus name the stored pages.
struct KilledOperation {
  const char* name;
  std::function<PageOutcome(Site&, const PageContext&)> run;
  QStringList after;
};

struct KillPointCase {
  const char* point;
  bool finished;
};

void PrintTo(const KilledOperation& operation, std::ostream* os) { *os << operation.name; }
void PrintTo(const KillPointCase& at, std::ostream* os) { *os << at.point; }

class PageOperationKillTest
    : public PageOperationsTest,
      public ::testing::WithParamInterface<std::tuple<KilledOperation, KillPointCase>> {};

TEST_P(PageOperationKillTest, TheNextStartFinishesOrUndoesIt) {
  const auto& [operation, at] = GetParam();
  const QStringList before = FileNames();
  const auto files = Snapshot();
  ASSERT_TRUE(test::KilledAt(at.point, [&] {
    SettingsStore inChild;
    (void)operation.run(site, PageContext{sandbox.folders(), kTemplate, &inChild});
  }));

  const SettingsStore next;
  RecoverUnfinishedChanges(sandbox.folders(), next);
  const QStringList expected = at.finished ? operation.after : before;
  EXPECT_EQ(StoredFileNames(), expected);
  QStringList everyName = before + operation.after;
  everyName.removeDuplicates();
  const QString menu = MainMenuOf(QStringLiteral("index"));
  for (const QString& name : everyName) {
    const QString file = name + QStringLiteral(".html");
    EXPECT_EQ(sandbox.WorkFileExists(file), expected.contains(name)) << file.toStdString();
    if (at.finished) {
      EXPECT_EQ(menu.contains(file), expected.contains(name)) << menu.toStdString();
    }
  }
  // Undone: every file byte for byte as it was.
  if (!at.finished) {
    EXPECT_EQ(Snapshot(), files);
  }
  // No temporary file or journal is left behind.
  EXPECT_EQ(QDir(sandbox.folders().WorkFolder()).entryList({QStringLiteral(".moxa*")}, QDir::Files | QDir::Hidden),
            QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    EveryPointOfEveryOperation, PageOperationKillTest,
    ::testing::Combine(
        ::testing::Values(
            KilledOperation{"Add",
                            [](Site& s, const PageContext& c) {
                              return AddPage(s, c, QStringLiteral("team"), QStringLiteral("Team"));
                            },
                            {"index", "about-us", "contact-us", "team"}},
            KilledOperation{"SaveAs",
                            [](Site& s, const PageContext& c) {
                              return SavePageAs(s, c, QStringLiteral("copy"), QStringLiteral("Copy"));
                            },
                            {"index", "about-us", "contact-us", "copy"}},
            KilledOperation{"Rename",
                            [](Site& s, const PageContext& c) {
                              return RenamePage(s, c, 1, QStringLiteral("who"), QStringLiteral("Who"));
                            },
                            {"index", "who", "contact-us"}},
            KilledOperation{"Delete", [](Site& s, const PageContext& c) { return DeletePage(s, c, 2); },
                            {"index", "about-us"}}),
        ::testing::Values(KillPointCase{"page-change-prepared", false}, KillPointCase{"page-table-stored", true},
                          KillPointCase{"batch-partly-applied", true})),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "_" +
             QString::fromLatin1(std::get<1>(info.param).point).remove(u'-').toStdString();
    });

}  // namespace
}  // namespace moxa
