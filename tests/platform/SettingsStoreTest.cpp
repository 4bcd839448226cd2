#include "platform/IniText.h"
#include "platform/Keychain.h"
#include "support/gui/Eventually.h"
#include "platform/SettingsStore.h"
#include "support/FileSizeLimit.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <optional>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace moxa {
namespace {

// Values that need care in the settings file: quotes, escapes, list and
// comment characters, a leading "@", control characters (with a hex digit
// after one), characters outside ASCII.
const QString kAwkwardValues[] = {
    QString(),
    QStringLiteral("plain"),
    QStringLiteral(" leading and trailing "),
    QStringLiteral("a,b;c=d#e[f]"),
    QStringLiteral("q\"uote and back\\slash"),
    QStringLiteral("@at"),
    QStringLiteral("@@two"),
    QStringLiteral("@Invalid()"),
    QStringLiteral("tab\there\nnew line"),
    QString(QChar(0)) + QStringLiteral("nul"),
    QString(QChar(1)) + QStringLiteral("abc"),
    QStringLiteral("Über ✓ 😀"),
    QStringLiteral("\\x41 %41"),
    QStringLiteral("true"),
};

TEST(IniTextTest, EveryValueReadsBackUnchangedThroughThePlatformReader) {
  QTemporaryDir dir;
  std::map<QString, QString> values;
  int n = 0;
  for (const QString& value : kAwkwardValues) values[QStringLiteral("Value_%1").arg(n++)] = value;
  values[QStringLiteral("Page_Label_0")] = QStringLiteral("Home");
  values[QStringLiteral("odd key é%")] = QStringLiteral("k");
  const QString path = dir.filePath(QStringLiteral("s.conf"));
  test::WriteBytes(path, EncodeIniSettings(values));

  const QSettings read(path, QSettings::IniFormat);
  ASSERT_EQ(read.status(), QSettings::NoError);
  EXPECT_EQ(read.allKeys().size(), static_cast<qsizetype>(values.size()));
  for (const auto& [key, value] : values) {
    const QVariant stored = read.value(key);
    EXPECT_EQ(stored.typeId(), QMetaType::QString) << key.toStdString();
    EXPECT_EQ(stored.toString(), value) << key.toStdString();
  }
}

class SettingsStoreTest : public ::testing::Test {
 protected:
  QString Path() const { return dir_.filePath(QStringLiteral("store.conf")); }
  QTemporaryDir dir_;
};

TEST_F(SettingsStoreTest, CommittedValuesAreThereForTheNextOpening) {
  {
    SettingsStore store(Path());
    for (const QString& value : kAwkwardValues)
      store.WriteSetting(QStringLiteral("K") + value.toUtf8().toHex(), value);
    store.WriteSetting(QStringLiteral("Gone"), QStringLiteral("x"));
    store.RemoveSetting(QStringLiteral("Gone"));
    ASSERT_TRUE(store.Commit());
  }
  const SettingsStore reopened(Path());
  EXPECT_TRUE(reopened.Readable());
  EXPECT_FALSE(reopened.Contains(QStringLiteral("Gone")));
  for (const QString& value : kAwkwardValues) {
    EXPECT_EQ(reopened.ReadSetting(QStringLiteral("K") + value.toUtf8().toHex()), value);
  }
}

TEST_F(SettingsStoreTest, AFullDiskLeavesTheStoreOnDiskAndInMemoryAsItWas) {
  SettingsStore store(Path());
  for (int i = 0; i < 50; ++i)
    store.WriteSetting(QStringLiteral("Old_%1").arg(i), QStringLiteral("value %1").arg(i));
  ASSERT_TRUE(store.Commit());
  const QByteArray before = test::ReadBytes(Path());

  store.WriteSetting(QStringLiteral("New"), QString(5000, QLatin1Char('n')));
  store.WriteSetting(QStringLiteral("Old_1"), QStringLiteral("changed"));
  {
    const test::FileSizeLimit full(before.size() / 2);
    EXPECT_FALSE(store.Commit());
  }
  EXPECT_EQ(test::ReadBytes(Path()), before);
  // The failed change is gone from memory too: a later save must not carry it.
  EXPECT_FALSE(store.Contains(QStringLiteral("New")));
  EXPECT_EQ(store.ReadSetting(QStringLiteral("Old_1")), "value 1");
  store.WriteSetting(QStringLiteral("Later"), QStringLiteral("l"));
  ASSERT_TRUE(store.Commit());
  const SettingsStore reopened(Path());
  EXPECT_FALSE(reopened.Contains(QStringLiteral("New")));
  EXPECT_EQ(reopened.ReadSetting(QStringLiteral("Old_49")), "value 49");
}

TEST_F(SettingsStoreTest, AStoreThatCannotBeReadIsSaidSoAndNeverOverwritten) {
  // A folder where the file should be: unreadable even for the superuser.
  ASSERT_TRUE(QDir().mkpath(Path()));
  SettingsStore store(Path());
  EXPECT_FALSE(store.Readable());
  EXPECT_EQ(store.ReadSetting(QStringLiteral("UnixName")), "");
  store.WriteSetting(QStringLiteral("UnixName"), QStringLiteral("newsite"));
  EXPECT_FALSE(store.Commit());
  EXPECT_TRUE(QFileInfo(Path()).isDir());
}

TEST_F(SettingsStoreTest, AnUnwritableFolderFailsTheCommit) {
  const QString path = dir_.filePath(QStringLiteral("file/store.conf"));
  test::WriteBytes(dir_.filePath(QStringLiteral("file")), "a file, not a folder");
  SettingsStore store(path);
  store.WriteSetting(QStringLiteral("A"), QStringLiteral("1"));
  EXPECT_FALSE(store.Commit());
  EXPECT_FALSE(store.Contains(QStringLiteral("A")));
}

TEST_F(SettingsStoreTest, OnlyItsOwnerMayReadTheFileEvenOneMadeReadableByOthers) {
  {
    SettingsStore first(Path());
    first.WriteSetting(QStringLiteral("A"), QStringLiteral("1"));
    ASSERT_TRUE(first.Commit());
  }
  ASSERT_EQ(chmod(QFile::encodeName(Path()).constData(), 0644), 0);
  SettingsStore store(Path());
  store.WriteSetting(QStringLiteral("B"), QStringLiteral("2"));
  ASSERT_TRUE(store.Commit());
  EXPECT_EQ(test::FileMode(Path()), 0600);
  EXPECT_EQ(SettingsStore(Path()).ReadSetting(QStringLiteral("A")), "1");
}

// Another program's writes since the store was read (a page added, the site
// registered) survive this store's commit of its own changes.
TEST_F(SettingsStoreTest, ACommitWritesOnlyItsOwnChangesOverWhatTheFileHoldsNow) {
  {
    SettingsStore seed(Path());
    seed.WriteSetting(QStringLiteral("PageCount"), QStringLiteral("3"));
    seed.WriteSetting(QStringLiteral("UnixCreated"), QStringLiteral("false"));
    seed.WriteSetting(QStringLiteral("Old"), QStringLiteral("x"));
    ASSERT_TRUE(seed.Commit());
  }
  SettingsStore window(Path());
  {
    SettingsStore other(Path());
    other.WriteSetting(QStringLiteral("PageCount"), QStringLiteral("4"));
    other.WriteSetting(QStringLiteral("Page_Label_4"), QStringLiteral("Added"));
    other.WriteSetting(QStringLiteral("UnixCreated"), QStringLiteral("true"));
    ASSERT_TRUE(other.Commit());
  }
  window.WriteSetting(QStringLiteral("WindowLeft"), QStringLiteral("10"));
  window.RemoveSetting(QStringLiteral("Old"));
  ASSERT_TRUE(window.Commit());

  const SettingsStore after(Path());
  EXPECT_EQ(after.ReadSetting(QStringLiteral("PageCount")), "4");
  EXPECT_EQ(after.ReadSetting(QStringLiteral("Page_Label_4")), "Added");
  EXPECT_EQ(after.ReadSetting(QStringLiteral("UnixCreated")), "true");
  EXPECT_EQ(after.ReadSetting(QStringLiteral("WindowLeft")), "10");
  EXPECT_FALSE(after.Contains(QStringLiteral("Old")));
  EXPECT_EQ(window.ReadSetting(QStringLiteral("PageCount")), "4") << "the store holds what it wrote";
}

// Tests run without a session bus, so no keychain answers here; the keychain
// itself is tested on a private bus (keychain_tests).
TEST_F(SettingsStoreTest, WithoutAKeychainPasswordsStayInTheFileAndTheUserIsToldOnce) {
  const Keychain keychain(QStringLiteral("moxa-test"));
  std::optional<Keychain::Result> written;
  keychain.Write(QStringLiteral("k"), QStringLiteral("v"), [&written](Keychain::Result result) { written = result; });
  ASSERT_TRUE(test::Eventually([&written] { return written.has_value(); }, 20000));
  EXPECT_EQ(written, Keychain::Result::Unavailable);

  const QStringList secrets = {QStringLiteral("Password"), QStringLiteral("FtpPassword")};
  int notices = 0;
  {
    SettingsStore store(Path());
    store.KeepSecretsIn(keychain, secrets, [&notices] { ++notices; });
    store.WriteSetting(QStringLiteral("UnixName"), QStringLiteral("garden"));
    ASSERT_TRUE(store.Commit());
    EXPECT_EQ(notices, 0) << "nothing secret was kept yet";
    store.WriteSetting(QStringLiteral("Password"), QStringLiteral("pw-1"));
    ASSERT_TRUE(store.Commit());
    // Kept in the file from the start: the keychain has not taken it (yet).
    EXPECT_TRUE(test::ReadBytes(Path()).contains("pw-1"));
    ASSERT_TRUE(test::Eventually([&store] { return !store.SecretsPending(); }, 20000));
    store.WriteSetting(QStringLiteral("FtpPassword"), QStringLiteral("ftp-1"));
    ASSERT_TRUE(store.Commit());
    ASSERT_TRUE(test::Eventually([&store] { return !store.SecretsPending(); }, 20000));
  }
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(test::FileMode(Path()), 0600);

  SettingsStore next(Path());
  next.KeepSecretsIn(keychain, secrets, [&notices] { ++notices; });
  EXPECT_EQ(next.ReadSetting(QStringLiteral("Password")), "pw-1");
  EXPECT_EQ(next.ReadSetting(QStringLiteral("FtpPassword")), "ftp-1");
  ASSERT_TRUE(test::Eventually([&next] { return !next.SecretsPending(); }, 20000));
  next.WriteSetting(QStringLiteral("Password"), QStringLiteral("pw-2"));
  ASSERT_TRUE(next.Commit());
  ASSERT_TRUE(test::Eventually([&next] { return !next.SecretsPending(); }, 20000));
  EXPECT_EQ(notices, 1) << "told once for this file, not at every start";
  EXPECT_EQ(SettingsStore(Path()).ReadSetting(QStringLiteral("Password")), "pw-2");
}

// A file that names its keychain entries keeps its passwords there; with
// no keychain answering they are unread, not empty, and an unchanged empty
// value is never written over them.
TEST_F(SettingsStoreTest, ASecretTheKeychainDoesNotGiveIsUnreadUntilANewValueIsCommitted) {
  const Keychain keychain(QStringLiteral("moxa-test"));
  const QStringList secrets = {QStringLiteral("Password"), QStringLiteral("FtpPassword")};
  {
    SettingsStore seed(Path());
    seed.WriteSetting(QString::fromLatin1(SettingsStore::kKeychainIdName), QStringLiteral("kept-id"));
    ASSERT_TRUE(seed.Commit());
  }
  SettingsStore store(Path());
  store.KeepSecretsIn(keychain, secrets, {});
  for (const QString& name : secrets) {
    EXPECT_TRUE(store.SecretUnread(name)) << name.toStdString();
    EXPECT_EQ(store.ReadSetting(name), QString()) << name.toStdString();
  }
  store.WriteSetting(QStringLiteral("Password"), QString());
  store.WriteSetting(QStringLiteral("LastName"), QStringLiteral("Lee"));
  ASSERT_TRUE(store.Commit());
  EXPECT_TRUE(store.SecretUnread(QStringLiteral("Password")));
  EXPECT_FALSE(test::ReadBytes(Path()).contains("Password"));

  store.WriteSetting(QStringLiteral("Password"), QStringLiteral("typed-again"));
  ASSERT_TRUE(store.Commit());
  EXPECT_FALSE(store.SecretUnread(QStringLiteral("Password")));
  EXPECT_TRUE(store.SecretUnread(QStringLiteral("FtpPassword")));

  // A file that never kept a password in a keychain has none unread.
  SettingsStore fresh(dir_.filePath(QStringLiteral("fresh.conf")));
  fresh.KeepSecretsIn(keychain, secrets, {});
  for (const QString& name : secrets) EXPECT_FALSE(fresh.SecretUnread(name)) << name.toStdString();
}

}  // namespace
}  // namespace moxa
