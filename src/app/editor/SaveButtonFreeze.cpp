#include "app/editor/SaveButtonFreeze.h"

#include "app/editor/EditorSession.h"
#include "app/shell/SkinnedButton.h"

namespace moxa {

void FreezeDuringSaveConfirmation(SkinnedButton& button, EditorSession& session) {
  button.setFeedbackFrozen([&session] { return session.SaveBusy(); }, true);
  QObject::connect(&session, &EditorSession::saveConfirmed, &button,
                   &SkinnedButton::showNormalPicture);
}

}  // namespace moxa
