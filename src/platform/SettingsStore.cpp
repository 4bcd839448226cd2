#include "platform/SettingsStore.h"

#include <QSettings>

namespace moxa {

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromLatin1(kKeyName))) {
  // The platform writes the whole store to a temporary file and renames it.
  settings_->setAtomicSyncRequired(true);
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::ReadSetting(const QString& name) const {
  const QVariant value = settings_->value(name);
  // Only string values are ours; anything else (a list, a hand-edited entry)
  // reads as empty rather than as a guess.
  if (!value.isValid() || value.typeId() == QMetaType::QStringList) return QString();
  return value.toString();
}

void SettingsStore::WriteSetting(const QString& name, const QString& value) {
  settings_->setValue(name, value);
}

void SettingsStore::RemoveSetting(const QString& name) { settings_->remove(name); }

bool SettingsStore::Contains(const QString& name) const { return settings_->contains(name); }

bool SettingsStore::Commit() {
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

void SettingsStore::Clear() { settings_->clear(); }

}  // namespace moxa
