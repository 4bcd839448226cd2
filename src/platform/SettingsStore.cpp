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
void SettingsStore::Load() {
  const QFileInfo file(fileName_);
  const QSettings settings(fileName_, QSettings::IniFormat);
  readable_ = settings.status() == QSettings::NoError && (!file.exists() || file.isReadable());
  committed_.clear();
  if (readable_) {
    for (const QString& key : settings.allKeys()) {
      const QVariant value = settings.value(key);
      // Only string values are ours; anything else (a list, a hand-edited
      // entry) reads as empty rather than as a guess.
      committed_[key] = value.typeId() == QMetaType::QString ? value.toString() : QString();
    }
  }
  values_ = committed_;
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
  if (values_ == committed_) return true;
  // A store that could not be read is never overwritten: that would replace
  // the user's site with whatever this run holds.
  if (!readable_) {
    Discard();
    return false;
  }
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
  StampAfterEveryEarlierCommit(fileName_);
  return true;
}

}  // namespace moxa
