#include "app/editor/EditorSession.h"

#include "pages/PageEditing.h"

namespace moxa {

EditorSession::EditorSession(Site& site, const Folders& folders, QObject* parent)
    : QObject(parent), site_(site), folders_(folders) {
  confirmation_.setSingleShot(true);
  confirmation_.setInterval(kConfirmationMilliseconds);
  connect(&confirmation_, &QTimer::timeout, this, &EditorSession::saveConfirmed);
}

bool EditorSession::Open(const QString& fileName) {
  if (!OpenPageInEditor(site_, folders_, fileName)) return false;
  pageModified_ = false;
  emit pageOpened(fileName);
  return true;
}

void EditorSession::AdoptOpenedPage() {
  pageModified_ = false;
  emit pageOpened(site_.OpenPageFileName);
}

EditorSession::SaveResult EditorSession::Save(bool evenIfBusy) {
  if (SaveBusy() && !evenIfBusy) return SaveResult::Ignored;
  if (!SavePage(site_, folders_)) return SaveResult::Failed;
  pageModified_ = false;
  confirmation_.start();
  emit saveStarted();
  return SaveResult::Saved;
}

bool EditorSession::SaveBeforePublish() {
  if (!SavePage(site_, folders_)) return false;
  pageModified_ = false;
  return true;
}

bool EditorSession::SwitchNeedsAnswer(const QString& fileName) {
  if (!pageModified_) return false;
  pendingSwitch_ = fileName;
  return true;
}

bool EditorSession::CompletePendingSwitch() {
  const QString target = pendingSwitch_;
  pendingSwitch_.clear();
  return !target.isEmpty() && Open(target);
}

}  // namespace moxa
