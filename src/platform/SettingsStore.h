#pragma once

#include "platform/Keychain.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace moxa {

// The per-user key-value store that holds the site record. Every value is a
// string. The store is read once when opened; changes are kept in memory and
// written to disk together when `Commit` runs, so saving a large page table
// costs one file write rather than one per value. Whoever owns the site opens
// the store and hands it to the operations that load and save.
class SettingsStore {
 public:
  // The key every value lives under.
  static constexpr char kKeyName[] = "Davodozid I9 Vere";

  // The user's store.
  SettingsStore();
  // A store in the given file (same format), for tools and tests.
  explicit SettingsStore(const QString& fileName);
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // False when the stored file exists but could not be read or understood.
  // Its values then read as "", which must never be taken for "no site".
  bool Readable() const { return readable_; }
  const QString& FileName() const { return fileName_; }

  // The named value, or "" when it is absent or cannot be read.
  QString ReadSetting(const QString& name) const;
  void WriteSetting(const QString& name, const QString& value);
  void RemoveSetting(const QString& name);
  bool Contains(const QString& name) const;
  // Removes every value.
  void Clear();

  // Writes the changes since the last commit to disk, all together: the
  // whole store goes to a temporary file that replaces the old one only once
  // it is completely written. Values this store did not change are taken as
  // the file holds them at that moment, not as they were read. False when it could not be written: the file
  // on disk is then as it was, and so is this store (the changes are dropped).
  [[nodiscard]] bool Commit();
  // Drops the changes since the last commit.
  void Discard();

  // The named values (passwords) from now on live in `keychain`, not in the
  // file; they read and write like any other value. Plain values the file
  // holds move into the keychain now. While the keychain cannot be used they
  // are kept in the file, which only the user can read, and `noticeOnce` runs
  // the first time that happens for this file. `keychain` must outlive the store.
  // Nothing waits for the keychain: the secrets read as unread until its
  // answers come (see OnSecretsArrived). A commit hands a changed secret to
  // the keychain and keeps it in the file until the keychain has taken it,
  // so it is on disk at every moment; a later commit drops it from the file.
  void KeepSecretsIn(const Keychain& keychain, const QStringList& names, std::function<void()> noticeOnce);
  // True when the named secret may well be in the keychain but has not been
  // read from it (no answer yet, or it refused): its value then reads as ""
  // without being empty, and must not be sent or stored as empty. Cleared
  // once a new value for it has been committed.
  bool SecretUnread(const QString& name) const { return unreadSecrets_.count(name) != 0; }
  // Runs when an unread secret's value came from the keychain, on the
  // application thread.
  void OnSecretsArrived(std::function<void()> arrived) { secretsArrived_ = std::move(arrived); }
  // Keychain reads or writes asked and not answered yet.
  bool SecretsPending() const { return keychain_ && keychain_->Pending() > 0; }
  // Runs `settled` once nothing is pending (at once when nothing is).
  void WhenSecretsSettled(std::function<void()> settled);

  // The value naming this file's entries in the keychain.
  static constexpr char kKeychainIdName[] = "KeychainId";
  // Set once the user has been told that the keychain could not be used.
  static constexpr char kKeychainNoticeName[] = "KeychainNoticeShown";

 private:
  static std::optional<std::map<QString, QString>> ReadFile(const QString& fileName);
  void Load();
  void TakeInLaterWrites();
  void ForgetUnreadSecretsReplaced();
  Keychain::SecretAnswer AnswerFor(const QString& name);
  void TakeAnswer(const QString& name, const Keychain::Secret& secret);
  void TakeWriteAnswer(const QString& name, const QString& value, Keychain::Result result);
  void TellIfSettled();
  QString KeychainKey(const QString& name);
  std::map<QString, QString> PlaceSecrets();
  static void StampAfterEveryEarlierCommit(const QString& fileName);

  QString fileName_;
  std::map<QString, QString> committed_;  // what the file on disk holds
  std::map<QString, QString> values_;     // with the changes not yet committed
  bool readable_ = true;

  const Keychain* keychain_ = nullptr;
  QStringList secretNames_;
  std::function<void()> noticeOnce_;
  bool keychainUsable_ = false;
  std::set<QString> unreadSecrets_;
  std::function<void()> secretsArrived_;
  std::vector<std::function<void()>> settled_;
  // Secrets handed to the keychain and not yet taken by it: the file keeps them.
  std::map<QString, QString> unconfirmed_;
  // The keychain answered a write: the file's secrets are to change even
  // without other changes.
  bool secretsOwedToFile_ = false;
  // Late keychain answers reach the store only while it exists.
  std::shared_ptr<SettingsStore*> self_ = std::make_shared<SettingsStore*>(this);
};

}  // namespace moxa
