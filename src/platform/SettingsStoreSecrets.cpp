// The part of the settings store that keeps passwords in the keychain.
#include "platform/Keychain.h"
#include "platform/SettingsStore.h"

#include <QUuid>

namespace moxa {
namespace {

QString ValueIn(const std::map<QString, QString>& values, const QString& name) {
  const auto found = values.find(name);
  return found == values.end() ? QString() : found->second;
}

}  // namespace

void SettingsStore::KeepSecretsIn(const Keychain& keychain, const QStringList& names,
                                  std::function<void()> noticeOnce) {
  keychain_ = &keychain;
  secretNames_ = names;
  noticeOnce_ = std::move(noticeOnce);
  // A store that could not be read is never written, so nothing moves.
  keychainUsable_ = readable_;
  if (!readable_) return;

  // Plain values in the file win: they are newer than the keychain's, having
  // been written while it could not be used. They move at the commit below.
  std::map<QString, QString> plain;
  for (const QString& name : names) {
    const QString inFile = ValueIn(committed_, name);
    if (!inFile.isEmpty()) {
      plain[name] = inFile;
      committed_.erase(name);
      continue;
    }
    if (!committed_.count(QString::fromLatin1(kKeychainIdName))) continue;
    // Unread until the keychain answers: an empty value that did not change
    // is never written anywhere meanwhile.
    unreadSecrets_.insert(name);
    keychain.Read(KeychainKey(name), AnswerFor(name));
  }
  if (plain.empty() || Commit()) return;
  // The file could not be written: the values stay where they were.
  for (const auto& [name, value] : plain) committed_[name] = values_[name] = value;
}

Keychain::SecretAnswer SettingsStore::AnswerFor(const QString& name) {
  std::weak_ptr<SettingsStore*> store = self_;
  return [store, name](const Keychain::Secret& secret) {
    if (const auto alive = store.lock()) (*alive)->TakeAnswer(name, secret);
  };
}

// Only a secret still unread and given no value meanwhile is taken. A
// keychain that cannot answer is not written to again this run (else the
// secrets it gave would go nowhere): new values go to the file.
void SettingsStore::TakeAnswer(const QString& name, const Keychain::Secret& secret) {
  if (secret.Outcome == Keychain::Result::Unavailable) {
    keychainUsable_ = false;
  } else if (unreadSecrets_.count(name) && ValueIn(values_, name).isEmpty()) {
    unreadSecrets_.erase(name);
    if (secret.Outcome == Keychain::Result::Done) committed_[name] = values_[name] = secret.Text;
    if (secretsArrived_) secretsArrived_();
  }
  TellIfSettled();
}

// The keychain took a secret (the file may drop it now) or would not (it
// stays in the file for good). A value changed again meanwhile waits for
// its own answer.
void SettingsStore::TakeWriteAnswer(const QString& name, const QString& value, Keychain::Result result) {
  const auto waiting = unconfirmed_.find(name);
  if (waiting != unconfirmed_.end() && waiting->second == value) unconfirmed_.erase(waiting);
  if (result == Keychain::Result::Unavailable) keychainUsable_ = false;
  if (!value.isEmpty()) {
    secretsOwedToFile_ = true;
    (void)Commit();  // a file that cannot be written keeps the secret until a later commit
  }
  TellIfSettled();
}

void SettingsStore::WhenSecretsSettled(std::function<void()> settled) {
  settled_.push_back(std::move(settled));
  TellIfSettled();
}

void SettingsStore::TellIfSettled() {
  if (SecretsPending() || settled_.empty()) return;
  const std::vector<std::function<void()>> waiting = std::move(settled_);
  settled_.clear();
  for (const auto& settled : waiting) settled();
}

// A secret given a value of its own is no longer waiting to be read.
void SettingsStore::ForgetUnreadSecretsReplaced() {
  for (auto name = unreadSecrets_.begin(); name != unreadSecrets_.end();) {
    name = ValueIn(committed_, *name).isEmpty() ? std::next(name) : unreadSecrets_.erase(name);
  }
}

QString SettingsStore::KeychainKey(const QString& name) {
  // The entries belong to this file: a new site, or another user's file,
  // never reads the passwords of an earlier one.
  const QString idName = QString::fromLatin1(kKeychainIdName);
  QString& id = values_[idName];
  if (id.isEmpty()) id = QUuid::createUuid().toString(QUuid::WithoutBraces);
  return name + QLatin1Char('/') + id;
}

// Hands the changed secrets to the keychain and gives what the file is to
// hold: every value but the secrets the keychain holds. A secret stays in
// the file while the keychain cannot be used, and until it has taken it.
std::map<QString, QString> SettingsStore::PlaceSecrets() {
  std::map<QString, QString> inFile;
  bool keptForGood = false;
  for (const QString& name : secretNames_) {
    const QString value = ValueIn(values_, name);
    if (keychainUsable_ && value != ValueIn(committed_, name)) {
      unconfirmed_[name] = value;
      std::weak_ptr<SettingsStore*> store = self_;
      const auto answer = [store, name, value](Keychain::Result result) {
        if (const auto alive = store.lock()) (*alive)->TakeWriteAnswer(name, value, result);
      };
      if (value.isEmpty()) {
        keychain_->Remove(KeychainKey(name), answer);
      } else {
        keychain_->Write(KeychainKey(name), value, answer);
      }
    }
    if (value.isEmpty()) continue;
    if (!keychainUsable_) {
      inFile[name] = value;
      keptForGood = true;
    } else if (unconfirmed_.count(name)) {
      inFile[name] = value;
    }
  }
  const QString noticeName = QString::fromLatin1(kKeychainNoticeName);
  if (keptForGood && ValueIn(values_, noticeName).isEmpty()) {
    values_[noticeName] = QStringLiteral("true");
    if (noticeOnce_) noticeOnce_();
  }
  std::map<QString, QString> fileValues = values_;
  for (const QString& name : secretNames_) fileValues.erase(name);
  fileValues.insert(inFile.begin(), inFile.end());
  return fileValues;
}

}  // namespace moxa
