#pragma once

namespace moxa {

class EditorSession;
class SkinnedButton;

// A Save button (the page's or the gallery's) during a save's confirmation
// period: no hover or press pictures and its click ignored; when the period
// ends it shows its normal picture again.
void FreezeDuringSaveConfirmation(SkinnedButton& button, EditorSession& session);

}  // namespace moxa
