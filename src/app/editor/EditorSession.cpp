#include "app/editor/EditorSession.h"

#include "pages/PageEditing.h"

namespace moxa {

EditorSession::EditorSession(Site& site, const Folders& folders,
                             std::function<SettingsStore*()> store, QObject* parent)
    : QObject(parent), site_(site), folders_(folders), store_(std::move(store)) {
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

bool EditorSession::Discard() {
  const QString open = site_.OpenPageFileName;
  return !open.isEmpty() && Open(open);
}

void EditorSession::AdoptOpenedPage() {
  pageModified_ = false;
  emit pageOpened(site_.OpenPageFileName);
}

EditorSession::SaveResult EditorSession::Save(bool evenIfBusy) {
  if (SaveBusy() && !evenIfBusy) return SaveResult::Ignored;
  if (!SaveNow()) return SaveResult::Failed;
  confirmation_.start();
  emit saveStarted();
  return SaveResult::Saved;
}

bool EditorSession::SaveBeforePublish() { return SaveNow(); }

bool EditorSession::SaveNow() {
  SettingsStore* store = store_ ? store_() : nullptr;
  if (!store || !SaveOpenPage(site_, folders_, *store)) return false;
  pageModified_ = false;
  return true;
}

}  // namespace moxa
