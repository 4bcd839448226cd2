#include "platform/SettingsStore.h"

#include "platform/IniText.h"
#include "platform/SaveFileCommit.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

#include <mutex>

namespace moxa {

SettingsStore::SettingsStore() {
  const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                           QString::fromLatin1(kKeyName));
  fileName_ = settings.fileName();
  Load();
}

SettingsStore::SettingsStore(const QString& fileName) : fileName_(fileName) { Load(); }

// The platform's reader parses the file; the platform's writer is not used,
// because its atomic write renames a short file into place when the disk
// fills up and still reports success.
std::optional<std::map<QString, QString>> SettingsStore::ReadFile(const QString& fileName) {
  const QFileInfo file(fileName);
  const QSettings settings(fileName, QSettings::IniFormat);
  if (settings.status() != QSettings::NoError || (file.exists() && !file.isReadable())) return std::nullopt;
  std::map<QString, QString> values;
  for (const QString& key : settings.allKeys()) {
    const QVariant value = settings.value(key);
    // Only string values are ours; anything else (a list, a hand-edited
    // entry) reads as empty rather than as a guess.
    values[key] = value.typeId() == QMetaType::QString ? value.toString() : QString();
  }
  return values;
}

void SettingsStore::Load() {
  std::optional<std::map<QString, QString>> read = ReadFile(fileName_);
  readable_ = read.has_value();
  committed_ = read ? std::move(*read) : std::map<QString, QString>();
  values_ = committed_;
}

// What this store changed since it last read or wrote the file goes over
// what the file holds now, so values it never touched (written meanwhile by
// someone else) are not put back as they were. Secrets kept in the keychain
// are not in the file and stay as this store has them.
void SettingsStore::TakeInLaterWrites() {
  // A file gone or unreadable since is written from what this store holds.
  if (!QFileInfo::exists(fileName_)) return;
  std::optional<std::map<QString, QString>> onDisk = ReadFile(fileName_);
  if (!onDisk) return;
  std::map<QString, QString> merged = *onDisk;
  for (const auto& [name, value] : values_) {
    const auto before = committed_.find(name);
    if (before == committed_.end() || before->second != value) merged[name] = value;
  }
  for (const auto& [name, value] : committed_) {
    if (!values_.count(name)) merged.erase(name);
  }
  for (const QString& name : secretNames_) {
    onDisk->erase(name);
    merged.erase(name);
    if (const auto kept = committed_.find(name); kept != committed_.end()) (*onDisk)[name] = kept->second;
    if (const auto value = values_.find(name); value != values_.end()) merged[name] = value->second;
  }
  committed_ = std::move(*onDisk);
  values_ = std::move(merged);
}

QString SettingsStore::ReadSetting(const QString& name) const {
  const auto found = values_.find(name);
  return found == values_.end() ? QString() : found->second;
}

void SettingsStore::WriteSetting(const QString& name, const QString& value) {
  values_[name] = value;
}

void SettingsStore::RemoveSetting(const QString& name) { values_.erase(name); }

bool SettingsStore::Contains(const QString& name) const { return values_.count(name) != 0; }

void SettingsStore::Clear() { values_.clear(); }

void SettingsStore::Discard() { values_ = committed_; }

// The platform's reader keeps a parsed copy of a file until the file's size
// or modification time (to the millisecond) changes. Two commits within one
// millisecond that happen to leave the same size would let a store opened
// afterwards read the older copy: every commit gets a time of its own.
void SettingsStore::StampAfterEveryEarlierCommit(const QString& fileName) {
  static std::mutex mutex;
  static QDateTime last;
  const std::lock_guard lock(mutex);
  QDateTime stamp = QDateTime::currentDateTimeUtc();
  if (last.isValid() && stamp <= last) stamp = last.addMSecs(1);
  last = stamp;
  QFile file(fileName);
  if (file.open(QIODevice::Append)) file.setFileTime(stamp, QFileDevice::FileModificationTime);
}

bool SettingsStore::Commit() {
  if (values_ == committed_ && !secretsOwedToFile_) return true;
  // A store that could not be read is never overwritten: that would replace
  // the user's site with whatever this run holds.
  if (!readable_) {
    Discard();
    return false;
  }
  TakeInLaterWrites();
  const std::map<QString, QString> fileValues = keychain_ ? PlaceSecrets() : values_;
  QDir().mkpath(QFileInfo(fileName_).absolutePath());
  QSaveFile file(fileName_);
  const QByteArray text = EncodeIniSettings(fileValues);
  // Only the user may read the file: it can hold passwords.
  const bool written = file.open(QIODevice::WriteOnly) &&
                       file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                       file.write(text) == text.size() && CommitSaveFile(file);
  if (!written) {
    Discard();
    return false;
  }
  committed_ = values_;
  secretsOwedToFile_ = false;
  ForgetUnreadSecretsReplaced();
  StampAfterEveryEarlierCommit(fileName_);
  return true;
}

}  // namespace moxa
