#include "app/account/AccountController.h"

#include "app/account/AccountScreen.h"
#include "app/dialogs/DialogLayer.h"
#include "app/shell/Worker.h"
#include "online/AccountRequests.h"
#include "online/RecordValues.h"
#include "online/SiteName.h"
#include "session/UserMessages.h"
#include "site/SiteStore.h"

namespace moxa {

AccountController::AccountController(SiteSession& session, AccountScreen& screen, DialogLayer& layer, Hooks hooks,
                                     QObject* parent)
    : QObject(parent),
      session_(session),
      site_(session.site()),
      screen_(screen),
      layer_(layer),
      hooks_(std::move(hooks)) {
  connect(&screen_, &AccountScreen::saveRequested, this, &AccountController::Save);
  connect(&screen_, &AccountScreen::resetRequested, this, &AccountController::Reset);
}

void AccountController::Open() {
  screen_.Open(site_.SiteAccount, hooks_.job.service().Domain);
  ShowPasswordState();
}

void AccountController::ShowPasswordState() {
  const SettingsStore* store = hooks_.job.store();
  screen_.ShowPasswordUnread(store && PasswordsUnread(*store, site_.SiteAccount), KeychainUnreadMessage());
}

void AccountController::PasswordsArrived() {
  screen_.TakeArrivedPasswords(site_.SiteAccount);
  ShowPasswordState();
}

void AccountController::Reset() { screen_.Fill(site_.SiteAccount); }

void AccountController::Save() {
  if (running_) return;
  if (!screen_.ConfirmMatches()) {
    screen_.ShowConfirmMismatch();
    return;
  }
  screen_.confirmLabel()->setStyleSheet(QStringLiteral("color: #1d3b66; font-weight: bold;"));
  if (const QString problem = AccountValuesProblem(screen_.Taken(site_.SiteAccount)); !problem.isEmpty()) {
    hooks_.job.information(problem);
    return;
  }
  const QString oldName = site_.SiteAccount.UnixName;
  TAccount account = screen_.Taken(site_.SiteAccount);
  // The service takes the password as sent: an empty one standing for a
  // password the keychain did not give would lock the user out.
  if (const SettingsStore* store = hooks_.job.store(); store && PasswordsUnread(*store, account)) {
    hooks_.job.error(KeychainUnreadMessage());
    return;
  }
  account.UnixName = SanitizeSiteName(account.UnixName);
  // The account keeps what the screen says, saved or not.
  site_.SiteAccount = account;
  if (hooks_.liveChosen) hooks_.liveChosen(account.MoxaSiteStatus);
  running_ = true;
  layer_.ShowBusyOverlay(QStringLiteral("Saving"));
  RunOnWorker<SiteSession::AccountSave>(this, session_.AccountSaveWork(account, oldName),
                                        [this](const SiteSession::AccountSave& save) { FinishSave(save); });
}

void AccountController::FinishSave(const SiteSession::AccountSave& save) {
  layer_.HideBusyOverlay();
  running_ = false;
  const Outcome outcome = session_.FinishAccountSave(save);
  if (outcome.code() == ErrorCode::AccountNotSaved) {
    hooks_.job.error(UserMessage(outcome));
    emit saveFinished(false);
    return;
  }
  screen_.SetSiteName(site_.SiteAccount.UnixName);
  if (!outcome) {
    hooks_.job.error(UserMessage(outcome));
  } else {
    ShowPasswordState();
    hooks_.job.information(AccountSavedMessage());
    if (save.PlaceholderMissing) hooks_.job.information(UserMessage(ErrorCode::PlaceholderMissing));
  }
  if (hooks_.accountSaved) hooks_.accountSaved();
  emit saveFinished(true);
}

}  // namespace moxa
