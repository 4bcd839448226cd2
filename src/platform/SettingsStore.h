#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace moxa {

// The per-user key-value store that holds the site record. Every value is a
// string. A store is opened for one operation (a load, an account save, a
// page-table save) and written to disk once, when `Commit` runs, so saving
// a large page table costs one file write rather than one per value.
class SettingsStore {
 public:
  // The key every value lives under.
  static constexpr char kKeyName[] = "Davodozid I9 Vere";

  SettingsStore();
  ~SettingsStore();
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // The named value, or "" when it is absent or cannot be read.
  QString ReadSetting(const QString& name) const;
  void WriteSetting(const QString& name, const QString& value);
  void RemoveSetting(const QString& name);
  bool Contains(const QString& name) const;

  // Writes pending changes to disk (atomically: a temporary file is renamed
  // over the store). False when the store could not be written.
  bool Commit();

  // Removes every value of the key (used by tests and by "start over").
  void Clear();

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace moxa
