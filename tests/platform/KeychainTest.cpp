// Runs on a private session bus with a keychain of its own (with-private-keyring).
#include "platform/Keychain.h"
#include "platform/SettingsStore.h"
#include "site/SiteStore.h"
#include "support/FileSizeLimit.h"
#include "support/gui/Eventually.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <QTemporaryDir>
#include <QUuid>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

namespace moxa {
namespace {

// Each case files its entries under a service of its own.
Keychain FreshKeychain() {
  return Keychain(QStringLiteral("moxa-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
}

// The keychain's answers, waited for with the application's events running.
Keychain::Secret ReadNow(const Keychain& keychain, const QString& key) {
  auto answer = std::make_shared<std::optional<Keychain::Secret>>();
  keychain.Read(key, [answer](const Keychain::Secret& secret) { *answer = secret; });
  EXPECT_TRUE(test::Eventually([answer] { return answer->has_value(); }, 20000));
  return answer->value_or(Keychain::Secret{});
}
template <typename Ask>
Keychain::Result AnswerOf(Ask ask) {
  auto answer = std::make_shared<std::optional<Keychain::Result>>();
  ask([answer](Keychain::Result result) { *answer = result; });
  EXPECT_TRUE(test::Eventually([answer] { return answer->has_value(); }, 20000));
  return answer->value_or(Keychain::Result::Unavailable);
}
Keychain::Result WriteNow(const Keychain& keychain, const QString& key, const QString& text) {
  return AnswerOf([&](Keychain::Answer answer) { keychain.Write(key, text, answer); });
}
Keychain::Result RemoveNow(const Keychain& keychain, const QString& key) {
  return AnswerOf([&](Keychain::Answer answer) { keychain.Remove(key, answer); });
}

TEST(KeychainTest, WrittenSecretsReadBackAndRemovedOnesAreGone) {
  const Keychain keychain = FreshKeychain();
  const QString key = QStringLiteral("Password/1");
  EXPECT_EQ(ReadNow(keychain, key).Outcome, Keychain::Result::NotFound);

  for (const QString& text : {QStringLiteral("first"), QStringLiteral("Über ✓ 😀 \"quoted\" $x")}) {
    ASSERT_EQ(WriteNow(keychain, key, text), Keychain::Result::Done);
    const Keychain::Secret secret = ReadNow(keychain, key);
    EXPECT_EQ(secret.Outcome, Keychain::Result::Done);
    EXPECT_EQ(secret.Text, text);
  }
  EXPECT_EQ(ReadNow(keychain, QStringLiteral("Password/2")).Outcome, Keychain::Result::NotFound);

  EXPECT_EQ(RemoveNow(keychain, key), Keychain::Result::Done);
  EXPECT_EQ(ReadNow(keychain, key).Outcome, Keychain::Result::NotFound);
  EXPECT_NE(RemoveNow(keychain, key), Keychain::Result::Unavailable);
  EXPECT_EQ(keychain.Pending(), 0);
}

// Asked from a worker, the keychain answers on the application thread; the
// worker never waits for it.
TEST(KeychainTest, AWorkerThreadIsAnsweredOnTheApplicationThread) {
  const Keychain keychain = FreshKeychain();
  std::atomic<bool> asked = false;
  auto answeredOn = std::make_shared<std::optional<QThread*>>();
  std::thread worker([&] {
    keychain.Write(QStringLiteral("k"), QStringLiteral("from a worker"),
                   [answeredOn](Keychain::Result) { *answeredOn = QThread::currentThread(); });
    asked = true;
  });
  worker.join();
  EXPECT_TRUE(asked);
  ASSERT_TRUE(test::Eventually([answeredOn] { return answeredOn->has_value(); }, 20000));
  EXPECT_EQ(answeredOn->value(), QCoreApplication::instance()->thread());
  const Keychain::Secret read = ReadNow(keychain, QStringLiteral("k"));
  EXPECT_EQ(read.Outcome, Keychain::Result::Done);
  EXPECT_EQ(read.Text, QStringLiteral("from a worker"));
}

class PasswordsInKeychainTest : public ::testing::Test {
 protected:
  QString Path() const { return dir_.filePath(QStringLiteral("site.conf")); }
  QByteArray FileText() const { return test::ReadBytes(Path()); }

  // A store as the program opens it at start, passwords through the
  // keychain, once the keychain has answered.
  std::unique_ptr<SettingsStore> Open() {
    auto store = std::make_unique<SettingsStore>(Path());
    KeepPasswordsIn(keychain_, *store, [this] { ++notices_; });
    Settle(*store);
    return store;
  }
  // Whatever the store asked of the keychain, answered.
  static void Settle(SettingsStore& store) {
    EXPECT_TRUE(test::Eventually([&store] { return !store.SecretsPending(); }, 20000));
  }
  // Saved as the window saves, and the keychain's answers in.
  template <typename Save>
  void SaveNow(Save save) {
    auto store = Open();
    ASSERT_TRUE(save(*store));
    Settle(*store);
  }

  static Site SiteWithPasswords() {
    Site site;
    site.SiteAccount.UnixName = QStringLiteral("garden");
    site.SiteAccount.Email = QStringLiteral("ann@example.test");
    site.SiteAccount.Password = QStringLiteral("s3cret-Password");
    site.SiteAccount.FtpPassword = QStringLiteral("ftp-Secret-9");
    return site;
  }

  void ExpectNoPasswordInFile() const {
    const QByteArray text = FileText();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_FALSE(text.contains("s3cret-Password")) << text.constData();
    EXPECT_FALSE(text.contains("ftp-Secret-9")) << text.constData();
    EXPECT_FALSE(text.contains("Password=")) << text.constData();
  }

  QTemporaryDir dir_;
  Keychain keychain_ = FreshKeychain();
  int notices_ = 0;
};

TEST_F(PasswordsInKeychainTest, SavedPasswordsStayOutOfTheFileAndLoadBack) {
  SaveNow([](SettingsStore& store) { return SaveSite(SiteWithPasswords(), store); });
  ExpectNoPasswordInFile();
  EXPECT_EQ(test::FileMode(Path()), 0600);

  Site loaded;
  ASSERT_EQ(LoadSite(*Open(), loaded).Result, LoadSiteResult::Loaded);
  EXPECT_EQ(loaded.SiteAccount.Password, QStringLiteral("s3cret-Password"));
  EXPECT_EQ(loaded.SiteAccount.FtpPassword, QStringLiteral("ftp-Secret-9"));
  EXPECT_EQ(loaded.SiteAccount.Email, QStringLiteral("ann@example.test"));

  // A changed password replaces the old one; a save of other values keeps it.
  auto store = Open();
  loaded.SiteAccount.Password = QStringLiteral("n3w-Password");
  ASSERT_TRUE(SaveAccount(loaded, *store));
  // Until the keychain has taken it the file keeps it: it is never nowhere.
  if (store->SecretsPending()) EXPECT_TRUE(FileText().contains("n3w-Password"));
  Settle(*store);
  store->WriteSetting(QStringLiteral("FirstName"), QStringLiteral("Ann"));
  ASSERT_TRUE(store->Commit());
  Settle(*store);
  Site again;
  ASSERT_EQ(LoadSite(*Open(), again).Result, LoadSiteResult::Loaded);
  EXPECT_EQ(again.SiteAccount.Password, QStringLiteral("n3w-Password"));
  EXPECT_EQ(again.SiteAccount.FtpPassword, QStringLiteral("ftp-Secret-9"));
  EXPECT_FALSE(FileText().contains("n3w-Password"));
  EXPECT_EQ(notices_, 0);
}

TEST_F(PasswordsInKeychainTest, PlainPasswordsInTheFileMoveIntoTheKeychainAtTheNextStart) {
  {
    // Written by a run that kept passwords in the file.
    SettingsStore plain(Path());
    ASSERT_TRUE(SaveSite(SiteWithPasswords(), plain));
  }
  ASSERT_TRUE(FileText().contains("s3cret-Password"));

  Site loaded;
  ASSERT_EQ(LoadSite(*Open(), loaded).Result, LoadSiteResult::Loaded);
  ExpectNoPasswordInFile();
  EXPECT_EQ(loaded.SiteAccount.Password, QStringLiteral("s3cret-Password"));
  EXPECT_EQ(loaded.SiteAccount.FtpPassword, QStringLiteral("ftp-Secret-9"));

  Site next;
  ASSERT_EQ(LoadSite(*Open(), next).Result, LoadSiteResult::Loaded);
  EXPECT_EQ(next.SiteAccount.Password, QStringLiteral("s3cret-Password"));
  EXPECT_EQ(notices_, 0);
}

TEST_F(PasswordsInKeychainTest, AnotherFileNeverReadsTheseEntries) {
  SaveNow([](SettingsStore& store) { return SaveSite(SiteWithPasswords(), store); });

  // A new site in another file, with the same keychain service.
  const QString otherPath = dir_.filePath(QStringLiteral("other.conf"));
  SettingsStore other(otherPath);
  KeepPasswordsIn(keychain_, other, {});
  Site fresh;
  fresh.SiteAccount.UnixName = QStringLiteral("bakery");
  ASSERT_TRUE(SaveSite(fresh, other));
  Settle(other);
  SettingsStore reopened(otherPath);
  KeepPasswordsIn(keychain_, reopened, {});
  Settle(reopened);
  Site loaded;
  ASSERT_EQ(LoadSite(reopened, loaded).Result, LoadSiteResult::Loaded);
  EXPECT_TRUE(loaded.SiteAccount.Password.isEmpty());
  EXPECT_TRUE(loaded.SiteAccount.FtpPassword.isEmpty());
}

TEST_F(PasswordsInKeychainTest, AClearedPasswordIsRemovedFromTheKeychain) {
  SaveNow([](SettingsStore& store) { return SaveSite(SiteWithPasswords(), store); });
  Site site = SiteWithPasswords();
  site.SiteAccount.FtpPassword.clear();
  SaveNow([&site](SettingsStore& store) { return SaveAccount(site, store); });

  Site loaded;
  ASSERT_EQ(LoadSite(*Open(), loaded).Result, LoadSiteResult::Loaded);
  EXPECT_TRUE(loaded.SiteAccount.FtpPassword.isEmpty());
  EXPECT_EQ(loaded.SiteAccount.Password, QStringLiteral("s3cret-Password"));
}

TEST_F(PasswordsInKeychainTest, AFileThatCannotBeWrittenKeepsItsPlainPasswordsInPlace) {
  {
    SettingsStore plain(Path());
    ASSERT_TRUE(SaveSite(SiteWithPasswords(), plain));
  }
  const QByteArray before = FileText();
  Site loaded;
  {
    // A full disk: the file cannot be written now.
    const test::FileSizeLimit full(16);
    ASSERT_TRUE(full.ok());
    auto store = Open();
    ASSERT_EQ(LoadSite(*store, loaded).Result, LoadSiteResult::Loaded);
  }
  EXPECT_EQ(loaded.SiteAccount.Password, QStringLiteral("s3cret-Password"));
  EXPECT_EQ(loaded.SiteAccount.FtpPassword, QStringLiteral("ftp-Secret-9"));
  EXPECT_EQ(FileText(), before);

  // The next start finishes the move.
  Site next;
  ASSERT_EQ(LoadSite(*Open(), next).Result, LoadSiteResult::Loaded);
  ExpectNoPasswordInFile();
  EXPECT_EQ(next.SiteAccount.Password, QStringLiteral("s3cret-Password"));
}

// The start never waits for the keychain: until it answers the passwords
// read as unread, never as empty, and they come in when it does.
TEST_F(PasswordsInKeychainTest, PasswordsComeInWhenTheKeychainAnswers) {
  SaveNow([](SettingsStore& store) { return SaveSite(SiteWithPasswords(), store); });

  auto store = std::make_unique<SettingsStore>(Path());
  int arrivals = 0;
  store->OnSecretsArrived([&arrivals] { ++arrivals; });
  KeepPasswordsIn(keychain_, *store, {});
  EXPECT_TRUE(store->SecretUnread(QStringLiteral("Password")));
  EXPECT_EQ(store->ReadSetting(QStringLiteral("Password")), QString());
  Site early;
  ASSERT_EQ(LoadSite(*store, early).Result, LoadSiteResult::Loaded);
  EXPECT_TRUE(PasswordsUnread(*store, early.SiteAccount));

  // A save meanwhile writes nothing over them.
  early.SiteAccount.LastName = QStringLiteral("Lee");
  ASSERT_TRUE(SaveAccount(early, *store));

  ASSERT_TRUE(test::Eventually([&] { return !store->SecretUnread(QStringLiteral("Password")) &&
                                            !store->SecretUnread(QStringLiteral("FtpPassword")); },
                               20000));
  EXPECT_GE(arrivals, 1);
  EXPECT_EQ(store->ReadSetting(QStringLiteral("Password")), QStringLiteral("s3cret-Password"));
  EXPECT_EQ(store->ReadSetting(QStringLiteral("FtpPassword")), QStringLiteral("ftp-Secret-9"));

  // The site as it now reads (the window takes them into its own) saves
  // them back into the keychain, out of the file.
  Site later;
  ASSERT_EQ(LoadSite(*store, later).Result, LoadSiteResult::Loaded);
  ASSERT_TRUE(SaveAccount(later, *store));
  Settle(*store);
  store.reset();
  ExpectNoPasswordInFile();
  Site loaded;
  ASSERT_EQ(LoadSite(*Open(), loaded).Result, LoadSiteResult::Loaded);
  EXPECT_EQ(loaded.SiteAccount.Password, QStringLiteral("s3cret-Password"));
  EXPECT_EQ(loaded.SiteAccount.LastName, QStringLiteral("Lee"));
}

}  // namespace
}  // namespace moxa
