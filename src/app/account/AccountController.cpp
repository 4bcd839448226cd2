#include "app/account/AccountController.h"

#include "app/account/AccountScreen.h"
#include "app/dialogs/DialogLayer.h"
#include "app/shell/Worker.h"
#include "online/AccountRequests.h"
#include "online/RecordValues.h"
#include "online/SiteName.h"
#include "publish/PublishSite.h"
#include "site/SiteStore.h"
#include "session/UserMessages.h"

namespace moxa {

// What the worker of a save hands back.
struct AccountSaveRun {
  bool saved = false;
  TAccount account;
  bool placeholderMissing = false;  // the name registered without its "coming soon" page
};

namespace {

// The account sent to the service, its name registered first where it is
// not yet: an account saved under a name the service never registered would
// belong to no site. Runs on a worker.
AccountSaveRun SaveOnline(Site copy, const QString& oldName, const ServiceEndpoints& service, const Folders& folders) {
  AccountSaveRun run;
  if (!copy.SiteAccount.UnixCreated) {
    const Outcome registered = RegisterSiteName(copy, service, folders, Placeholder::AfterAccountSave);
    run.placeholderMissing = registered.code() == ErrorCode::PlaceholderMissing;
    if (!registered && !run.placeholderMissing) {
      run.account = copy.SiteAccount;
      return run;
    }
  }
  run.saved = SaveAccountOnline(copy.SiteAccount, oldName, service);
  run.account = copy.SiteAccount;
  return run;
}

}  // namespace

AccountController::AccountController(Site& site, const Folders& folders, AccountScreen& screen,
                                     DialogLayer& layer, Hooks hooks, QObject* parent)
    : QObject(parent), site_(site), folders_(folders), screen_(screen), layer_(layer), hooks_(std::move(hooks)) {
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
  Site copy;
  copy.SiteAccount = account;
  const ServiceEndpoints service = hooks_.job.service();
  const Folders folders = folders_;
  RunOnWorker<AccountSaveRun>(
      this, [copy, oldName, service, folders] { return SaveOnline(copy, oldName, service, folders); },
      [this](const AccountSaveRun& run) { FinishSave(run); });
}

void AccountController::FinishSave(const AccountSaveRun& run) {
  layer_.HideBusyOverlay();
  running_ = false;
  site_.SiteAccount.UnixName = run.account.UnixName;
  site_.SiteAccount.UnixCreated = run.account.UnixCreated;
  if (!run.saved) {
    hooks_.job.error(AccountSaveFailedMessage());
    emit saveFinished(false);
    return;
  }
  screen_.SetSiteName(site_.SiteAccount.UnixName);
  SettingsStore* store = hooks_.job.store();
  if (!store || !SaveAccount(site_, *store)) {
    hooks_.job.error(UserMessage(ErrorCode::SettingsNotSaved));
  } else {
    ShowPasswordState();
    hooks_.job.information(AccountSavedMessage());
    if (run.placeholderMissing) hooks_.job.information(UserMessage(ErrorCode::PlaceholderMissing));
  }
  if (hooks_.accountSaved) hooks_.accountSaved();
  emit saveFinished(true);
}

}  // namespace moxa
