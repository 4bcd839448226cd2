#pragma once

#include "site/Folders.h"
#include "site/Site.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace moxa {

class SettingsStore;

// The state of the page being edited: whether it has unsaved changes, the
// save confirmation period. The widgets show it; the files are handled by
// the page logic.
class EditorSession : public QObject {
  Q_OBJECT

 public:
  static constexpr int kConfirmationMilliseconds = 4000;

  // `store` is where a save marks its page changed (the store of the
  // running program, which may be replaced at the start-up load).
  EditorSession(Site& site, const Folders& folders, std::function<SettingsStore*()> store,
                QObject* parent = nullptr);

  bool PageModified() const { return pageModified_; }
  bool SaveBusy() const { return confirmation_.isActive(); }
  // Tests shorten the confirmation period.
  void setConfirmationMilliseconds(int milliseconds) { confirmation_.setInterval(milliseconds); }

  void MarkModified() { pageModified_ = true; }
  // The working copy has been written to the page file by other means.
  void MarkSaved() { pageModified_ = false; }
  // Opens the page in the working copy; clears the modified mark.
  bool Open(const QString& fileName);
  // "Don't Save": the open page's file back into the working copy, so its
  // changes are gone for good. False (and still modified) when it failed.
  bool Discard();
  // The page logic (site creation, a template change, a page operation)
  // has already put the site's open page into the working copy.
  void AdoptOpenedPage();

  enum class SaveResult { Saved, Ignored, Failed };
  // Saves the working copy into the page file. During the confirmation
  // period of an earlier save this is ignored, unless `evenIfBusy` (the
  // unsaved-changes prompt, whose answer must never be lost).
  SaveResult Save(bool evenIfBusy = false);
  // Save and Publish: the page saved without the Save button's confirmation
  // period (the publish's overlay follows at once). False when it failed.
  bool SaveBeforePublish();

 signals:
  void saveStarted();
  void saveConfirmed();  // the confirmation period ended
  void pageOpened(const QString& fileName);

 private:
  bool SaveNow();

  Site& site_;
  Folders folders_;
  std::function<SettingsStore*()> store_;
  bool pageModified_ = false;
  QTimer confirmation_;
};

}  // namespace moxa
