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
                                  std::function<void()> noticeOnce, int waitMs) {
  keychain_ = &keychain;
  secretNames_ = names;
  noticeOnce_ = std::move(noticeOnce);
  // A store that could not be read is never written, so nothing moves.
  keychainUsable_ = readable_;
  if (!readable_) return;

  bool stillAsking = false;
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
    if (!keychainUsable_) {
      unreadSecrets_.insert(name);
      continue;
    }
    const Keychain::Secret secret = keychain.Read(KeychainKey(name), waitMs, LateAnswerFor(name));
    if (secret.Outcome == Keychain::Result::Done) {
      committed_[name] = values_[name] = secret.Text;
    } else if (secret.Outcome == Keychain::Result::Unavailable) {
      // Left unread, and so never overwritten: an empty value that did not
      // change is not written anywhere. A keychain slow to answer (waiting
      // for the user to unlock it) is asked for the rest too, without
      // waiting: its answers come in later.
      unreadSecrets_.insert(name);
      if (secret.NoAnswerYet) {
        waitMs = 0;
        stillAsking = true;
      } else {
        keychainUsable_ = false;
      }
    }
  }
  // Until it answers the keychain is not written to: new values go to the file.
  if (stillAsking) keychainUsable_ = false;
  if (plain.empty() || Commit()) return;
  // The file could not be written: the values stay where they were.
  for (const auto& [name, value] : plain) committed_[name] = values_[name] = value;
}

std::function<void(const Keychain::Secret&)> SettingsStore::LateAnswerFor(const QString& name) {
  std::weak_ptr<SettingsStore*> store = self_;
  return [store, name](const Keychain::Secret& secret) {
    if (const auto alive = store.lock()) (*alive)->TakeLateAnswer(name, secret);
  };
}

// The keychain answered after all: it can be used again (else the secrets it
// gave would go to the file at the next commit). Only a secret still unread
// and given no value meanwhile is taken.
void SettingsStore::TakeLateAnswer(const QString& name, const Keychain::Secret& secret) {
  if (secret.Outcome == Keychain::Result::Unavailable) return;
  keychainUsable_ = true;
  if (!unreadSecrets_.count(name) || !ValueIn(values_, name).isEmpty()) return;
  unreadSecrets_.erase(name);
  if (secret.Outcome == Keychain::Result::Done) committed_[name] = values_[name] = secret.Text;
  if (secretsArrived_) secretsArrived_();
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

// Writes the changed secrets to the keychain and gives what the file is to
// hold: every value but the secrets, unless the keychain cannot take them.
std::map<QString, QString> SettingsStore::PlaceSecrets() {
  std::map<QString, QString> inFile;
  for (const QString& name : secretNames_) {
    const QString value = ValueIn(values_, name);
    if (keychainUsable_ && value != ValueIn(committed_, name)) {
      const Keychain::Result result = value.isEmpty() ? keychain_->Remove(KeychainKey(name))
                                                      : keychain_->Write(KeychainKey(name), value);
      if (result == Keychain::Result::Unavailable) keychainUsable_ = false;
    }
    if (!keychainUsable_ && !value.isEmpty()) inFile[name] = value;
  }
  const QString noticeName = QString::fromLatin1(kKeychainNoticeName);
  if (!inFile.empty() && ValueIn(values_, noticeName).isEmpty()) {
    values_[noticeName] = QStringLiteral("true");
    if (noticeOnce_) noticeOnce_();
  }
  std::map<QString, QString> fileValues = values_;
  for (const QString& name : secretNames_) fileValues.erase(name);
  fileValues.insert(inFile.begin(), inFile.end());
  return fileValues;
}

}  // namespace moxa
