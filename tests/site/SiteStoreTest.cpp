#include "platform/SettingsStore.h"
#include "support/StoreHelpers.h"
#include "site/SiteStore.h"
#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace moxa {
namespace {

class SiteStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SettingsStore store;
    store.Clear();
    ASSERT_TRUE(store.Commit());
  }

  static QString Stored(const char* name) { return SettingsStore().ReadSetting(QLatin1String(name)); }
  static void Store(const char* name, const QString& value) {
    SettingsStore store;
    store.WriteSetting(QLatin1String(name), value);
    ASSERT_TRUE(store.Commit());
  }

  static TSitePage MakePage(int n) {
    TSitePage page;
    const QString s = QString::number(n);
    page.Label_ = QStringLiteral("Label, \"quoted\" ") + s;
    page.FileName = QStringLiteral("page-") + s;
    page.WindowTitle = QStringLiteral("Title = é ") + s;
    page.Description = QStringLiteral("@at start; semi ") + s;
    page.Keywords = QStringLiteral("a,b,c ") + s;
    page.Heading = QStringLiteral("  leading spaces ") + s;
    page.Text1 = QStringLiteral("back\\slash ") + s;
    page.Text2 = QStringLiteral("[brackets] ") + s;
    page.Text3 = QStringLiteral("Ünïcødé 😀 ") + s;
    page.Text4 = QStringLiteral("#hash ") + s;
    page.Text5 = QString();
    page.Text6 = QStringLiteral("line\nbreak ") + s;
    page.ShowInMenu = n % 2 == 0;
    page.IsHomePage = n == 0;
    page.Changed = n % 3 == 0;
    return page;
  }

  static Site MakeSite(int pages) {
    Site site;
    TAccount& a = site.SiteAccount;
    a.FirstName = QStringLiteral("Ada");
    a.LastName = QStringLiteral("O'Brien, Jr.");
    a.Email = QStringLiteral("ada@example.org");
    a.Password = QStringLiteral("p@ss=word,1");
    a.UnixName = QStringLiteral("adasite");
    a.Domain = QStringLiteral("ada.example");
    a.FtpHost = QStringLiteral("ftp.ada.example");
    a.FtpUsername = QStringLiteral("ada");
    a.FtpPassword = QStringLiteral("secret");
    a.FtpPort = 2121;
    a.FtpPath = QStringLiteral("/public_html");
    a.HostingPackage = QStringLiteral("plus");
    a.MoxaSiteStatus = true;
    a.UnixCreated = true;
    site.SelectedTemplateIndex = 5;
    for (int n = 0; n < pages; ++n) site.AppendPage(MakePage(n));
    return site;
  }
};

TEST_F(SiteStoreTest, FourPageSiteRoundTripsWithEveryAccountValue) {
  const Site saved = MakeSite(4);
  ASSERT_TRUE(test::SaveAccountNow(saved));
  ASSERT_TRUE(test::SavePageTableNow(saved));

  EXPECT_EQ(Stored("PageCount"), "3");
  EXPECT_EQ(Stored("Page_FileName_3"), "page-3");
  EXPECT_EQ(Stored("Page_ShowInMenu_0"), "true");
  EXPECT_EQ(Stored("Page_IsHomePage_1"), "false");
  EXPECT_EQ(Stored("FtpPort"), "2121");
  EXPECT_EQ(Stored("SelectedTemplateIndex"), "5");
  EXPECT_FALSE(SettingsStore().Contains(QStringLiteral("Page_FileName_4")));

  Site loaded;
  ASSERT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::Loaded);
  // The own-domain values come back too, so a paid site still publishes to
  // its own server after a restart.
  EXPECT_EQ(loaded.SiteAccount, saved.SiteAccount);
  EXPECT_EQ(loaded.SelectedTemplateIndex, 5);
  EXPECT_EQ(loaded.LastPageIndex(), 3);
  EXPECT_EQ(loaded.SitePages(), saved.SitePages());
}

TEST_F(SiteStoreTest, StoreLivesInTheNamedPerUserFile) {
  ASSERT_TRUE(test::SaveAccountNow(MakeSite(0)));
  const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                       QStringLiteral("/Davodozid I9 Vere.conf");
  ASSERT_TRUE(QFile::exists(file)) << file.toStdString();
}

TEST_F(SiteStoreTest, SiteWithoutPagesStoresMinusOneAndLoadsEmpty) {
  const Site saved = MakeSite(0);
  ASSERT_TRUE(test::SaveAccountNow(saved));
  ASSERT_TRUE(test::SavePageTableNow(saved));
  EXPECT_EQ(Stored("PageCount"), "-1");

  Site loaded;
  EXPECT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::Loaded);
  EXPECT_EQ(loaded.LastPageIndex(), -1);
  EXPECT_EQ(loaded.PageCount(), 0);
}

TEST_F(SiteStoreTest, DeletedPageLosesItsTextsButKeepsItsUnreadFlags) {
  Site site = MakeSite(4);
  ASSERT_TRUE(test::SaveAccountNow(site));
  ASSERT_TRUE(test::SavePageTableNow(site));
  site.SitePages().erase(site.SitePages().begin() + 1);
  ASSERT_TRUE(test::SavePageTableNow(site));

  EXPECT_EQ(Stored("PageCount"), "2");
  const SettingsStore store;
  for (const char* field : {"Label", "FileName", "WindowTitle", "Description", "Keywords",
                            "Heading", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}) {
    EXPECT_FALSE(store.Contains(QStringLiteral("Page_%1_3").arg(QLatin1String(field)))) << field;
  }
  for (const char* flag : {"ShowInMenu", "IsHomePage", "Changed"}) {
    EXPECT_TRUE(store.Contains(QStringLiteral("Page_%1_3").arg(QLatin1String(flag)))) << flag;
  }

  Site loaded;
  ASSERT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::Loaded);
  ASSERT_EQ(loaded.PageCount(), 3);
  EXPECT_EQ(loaded.Page(1).FileName, "page-2");
  EXPECT_EQ(loaded.SitePages(), site.SitePages());
}

TEST_F(SiteStoreTest, BooleansLoadTrueOnlyForExactlyTrue) {
  const struct {
    const char* stored;
    bool expected;
  } cases[] = {{"true", true}, {"TRUE", false}, {"True", false}, {"1", false},
               {"", false},    {" true", false}, {"yes", false}};
  for (const auto& c : cases) {
    SetUp();
    ASSERT_TRUE(test::SaveAccountNow(MakeSite(0)));
    ASSERT_TRUE(test::SavePageTableNow(MakeSite(0)));
    Store("MoxaSiteStatus", QLatin1String(c.stored));
    Site loaded;
    ASSERT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::Loaded);
    EXPECT_EQ(loaded.SiteAccount.MoxaSiteStatus, c.expected) << c.stored;
  }
}

TEST_F(SiteStoreTest, AbsentFlagLoadsFalse) {
  ASSERT_TRUE(test::SaveAccountNow(MakeSite(0)));
  ASSERT_TRUE(test::SavePageTableNow(MakeSite(0)));
  {
    SettingsStore store;
    store.RemoveSetting(QStringLiteral("UnixCreated"));
    ASSERT_TRUE(store.Commit());
  }
  Site loaded;
  ASSERT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::Loaded);
  EXPECT_FALSE(loaded.SiteAccount.UnixCreated);
}

TEST_F(SiteStoreTest, EmptyStoreOrEmptyUnixNameMeansNoSite) {
  Site loaded;
  EXPECT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::NoSite);

  Site saved = MakeSite(4);
  saved.SiteAccount.UnixName.clear();
  ASSERT_TRUE(test::SaveAccountNow(saved));
  ASSERT_TRUE(test::SavePageTableNow(saved));
  EXPECT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::NoSite);
  EXPECT_EQ(loaded.SiteAccount, TAccount{});
  EXPECT_EQ(loaded.PageCount(), 0);
}

TEST_F(SiteStoreTest, NonIntegerPageCountIsReportedAsUnreadable) {
  const Site saved = MakeSite(4);
  ASSERT_TRUE(test::SaveAccountNow(saved));
  ASSERT_TRUE(test::SavePageTableNow(saved));
  Store("PageCount", QStringLiteral("three"));

  Site loaded;
  // Never a first start: New Site would then replace the real site.
  EXPECT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::Unreadable);
  EXPECT_EQ(loaded.PageCount(), 0);
}

TEST_F(SiteStoreTest, MissingTemplateIndexIsReportedAsUnreadable) {
  const Site saved = MakeSite(4);
  ASSERT_TRUE(test::SaveAccountNow(saved));
  ASSERT_TRUE(test::SavePageTableNow(saved));
  Store("SelectedTemplateIndex", QString());

  Site loaded;
  EXPECT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::Unreadable);
  EXPECT_EQ(loaded.PageCount(), 0);
}

TEST_F(SiteStoreTest, StoredPageCountAboveCapacityLoadsOnlyTheCapacity) {
  Site saved = MakeSite(0);
  for (int n = 0; n < Site::kPageCapacity; ++n) {
    TSitePage page;
    page.FileName = QStringLiteral("p%1").arg(n);
    ASSERT_TRUE(saved.AppendPage(page));
  }
  EXPECT_FALSE(saved.AppendPage(TSitePage{}));
  ASSERT_TRUE(test::SaveAccountNow(saved));
  ASSERT_TRUE(test::SavePageTableNow(saved));
  Store("PageCount", QStringLiteral("5000"));

  Site loaded;
  ASSERT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::Loaded);
  ASSERT_EQ(loaded.PageCount(), Site::kPageCapacity);
  EXPECT_EQ(loaded.Page(1000).FileName, "p1000");

  // Saving again from such a store must not walk to index 5000 or beyond the table.
  ASSERT_TRUE(test::SavePageTableNow(loaded));
  EXPECT_EQ(Stored("PageCount"), "1000");
}

TEST_F(SiteStoreTest, StoredNamesThatAreNoPageNamesAreSkippedAndReported) {
  Site saved = MakeSite(5);
  saved.Page(1).FileName = QStringLiteral("../outside");
  saved.Page(2).FileName = QStringLiteral("tab\there");
  saved.Page(3).FileName = QStringLiteral("page-0");  // a second page of the same file
  ASSERT_TRUE(test::SaveAccountNow(saved));
  ASSERT_TRUE(test::SavePageTableNow(saved));

  Site loaded;
  const SettingsStore store;
  const SiteLoad load = LoadSite(store, loaded);
  EXPECT_EQ(load.Result, LoadSiteResult::Loaded);
  EXPECT_EQ(load.SkippedPages, QStringList({"../outside", "tab\there", "page-0"}));
  ASSERT_EQ(loaded.PageCount(), 2);
  EXPECT_EQ(loaded.Page(1).FileName, "page-4");
}

TEST_F(SiteStoreTest, AFailedSaveLeavesTheStoredSiteAsItWas) {
  const Site saved = MakeSite(4);
  ASSERT_TRUE(test::SaveAccountNow(saved));
  ASSERT_TRUE(test::SavePageTableNow(saved));
  const QByteArray before = test::ReadBytes(SettingsStore().FileName());

  SettingsStore store;
  {
    const test::FileSizeLimit full(before.size() / 2);
    EXPECT_FALSE(SaveSite(MakeSite(9), store));
  }
  EXPECT_EQ(test::ReadBytes(SettingsStore().FileName()), before);
  Site loaded;
  ASSERT_EQ(test::LoadSiteNow(loaded), LoadSiteResult::Loaded);
  EXPECT_EQ(loaded.SitePages(), saved.SitePages());
}

TEST(SiteStoreUnreadableTest, AStoreThatCannotBeReadIsNeverTakenForNoSite) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("settings.conf"));
  QDir().mkpath(path);  // unreadable for everyone, the superuser included
  const SettingsStore store(path);
  Site loaded;
  EXPECT_EQ(LoadSite(store, loaded).Result, LoadSiteResult::Unreadable);
  EXPECT_EQ(UnreadableSettingsMessage(), "Your site's settings could not be read.");
}

TEST(ParseDecimalTest, AcceptsOnlyPlainDecimalIntegers) {
  const struct {
    const char* text;
    std::optional<qint32> expected;
  } cases[] = {
      {"0", 0},          {"3", 3},
      {"-1", -1},        {"0042", 42},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},
      {"99999999999", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"+3", std::nullopt},
      {" 3", std::nullopt},
      {"3 ", std::nullopt},
      {"3.0", std::nullopt},
      {"0x10", std::nullopt},
      {"three", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseDecimal(QLatin1String(c.text)), c.expected) << '"' << c.text << '"';
  }
}

}  // namespace
}  // namespace moxa

namespace moxa {
namespace {

TEST(NewSiteAccountTest, KeepsNothingOfTheOldSiteAndStartsUnregisteredOnTheFreePlan) {
  for (const char* plan : {"free", "plus", "max"}) {
    TAccount current;
    current.FirstName = QStringLiteral("Ada");
    current.LastName = QStringLiteral("Lind");
    current.Email = QStringLiteral("ada@example.org");
    current.Password = QStringLiteral("secret");
    current.UnixName = QStringLiteral("oldsite");
    current.Domain = QStringLiteral("ada.example");
    current.FtpHost = QStringLiteral("ftp.ada.example");
    current.FtpUsername = QStringLiteral("ada");
    current.FtpPassword = QStringLiteral("ftp secret");
    current.FtpPort = 2121;
    current.FtpPath = QStringLiteral("/www");
    current.HostingPackage = QLatin1String(plan);
    current.MoxaSiteStatus = false;
    current.UnixCreated = true;

    TAccount expected;
    expected.UnixName = QStringLiteral("newsite");
    expected.FtpPort = 21;
    expected.HostingPackage = QStringLiteral("free");  // a paid plan stays with the old site's domain
    expected.MoxaSiteStatus = true;
    expected.UnixCreated = false;
    EXPECT_EQ(NewSiteAccount(current, QStringLiteral("newsite")), expected) << plan;
  }
}

}  // namespace
}  // namespace moxa
