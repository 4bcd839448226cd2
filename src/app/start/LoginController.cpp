#include "app/start/LoginController.h"

#include "app/dialogs/DialogLayer.h"
#include "app/shell/Worker.h"
#include "platform/HttpFetch.h"

#include <QCoreApplication>
#include <QPointer>

namespace moxa {
namespace {

// Without a store the login would leave the settings describing the old site.
LoginOutcome NotSavedOutcome() {
  LoginOutcome outcome;
  outcome.Error = QStringLiteral("no settings store");
  outcome.NotSaved = true;
  return outcome;
}

}  // namespace

LoginController::LoginController(Site& site, const Folders& folders, DialogLayer& layer, Hooks hooks,
                                 QObject* parent)
    : QObject(parent), site_(site), folders_(folders), layer_(layer), hooks_(std::move(hooks)) {}

void LoginController::LogIn(const QString& email) {
  if (running_) return;
  const QString password = hooks_.askPassword ? hooks_.askPassword() : QString();
  if (password.trimmed().isEmpty()) {
    hooks_.information(QStringLiteral("You must enter a password."));
    return;
  }
  running_ = true;
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  layer_.ShowBusyOverlay(QStringLiteral("Logging In"), [this] { CancelLogin(); });
  const Site copy = site_;
  const Folders folders = folders_;
  const ServiceEndpoints service = service_;
  const std::shared_ptr<std::atomic<bool>> cancel = cancel_;
  const QPointer<LoginController> self(this);
  const auto progress = [self](int page, int pages) {
    // To this thread; the controller may be gone by then.
    QMetaObject::invokeMethod(QCoreApplication::instance(), [self, page, pages] {
      if (self) self->ShowProgress(page, pages);
    }, Qt::QueuedConnection);
  };
  // The window's store: the busy overlay keeps everything else away from it
  // while the worker stores the new site, before its folder is swapped in.
  SettingsStore* store = hooks_.store ? hooks_.store() : nullptr;
  RunOnWorker<LoginRun>(
      this,
      [copy, folders, service, email, password, store, cancel, progress] {
        LoginRun run{{}, copy};
        run.outcome = store ? moxa::LogIn(run.site, folders, service, email, password, store,
                                          {cancel.get(), progress})
                            : NotSavedOutcome();
        return run;
      },
      [this](const LoginRun& run) { FinishLogin(run); });
}

void LoginController::CancelLogin() {
  if (!running_ || !cancel_) return;
  cancel_->store(true);
  layer_.SetBusyCaption(QStringLiteral("Cancelling"));
}

void LoginController::ShowProgress(int page, int pages) {
  if (!running_ || cancel_->load()) return;
  layer_.SetBusyCaption(PageProgressCaption(page, pages));
  emit loginProgress(page, pages);
}

void LoginController::FinishLogin(const LoginRun& run) {
  layer_.HideBusyOverlay();
  running_ = false;
  cancel_.reset();
  const LoginOutcome& outcome = run.outcome;
  switch (outcome.Outcome) {
    case LoginOutcome::Result::Cancelled:
      break;  // the user's choice: nothing changed, nothing to say
    case LoginOutcome::Result::Refused:
      hooks_.information(LoginRefusedMessage());
      break;
    case LoginOutcome::Result::Failed:
      hooks_.error(outcome.NotSaved ? LoginNotSavedMessage() : LoginFailedMessage());
      break;
    case LoginOutcome::Result::LoggedIn: {
      site_ = run.site;  // already stored by the login
      if (!outcome.SkippedPages.isEmpty()) hooks_.information(SkippedPagesMessage(outcome.SkippedPages));
      if (!outcome.MissingPages.isEmpty()) hooks_.information(MissingPagesMessage(outcome.MissingPages));
      if (outcome.PagesCut) hooks_.information(PagesCutMessage());
      if (outcome.TemplateGuessed) hooks_.information(TemplateGuessedMessage());
      if (hooks_.loggedIn) hooks_.loggedIn();
      break;
    }
  }
  emit loginFinished(outcome.Outcome);
}

void LoginController::SendPassword(const QString& email) {
  if (running_) return;
  running_ = true;
  mailedTo_ = email;
  layer_.ShowBusyOverlay(QStringLiteral("Sending"));
  const QByteArray url = EmailPasswordUrl(service_, email);
  RunOnWorker<bool>(
      this, [url] { return FetchUrlText(url) == QLatin1String("done"); },
      [this](const bool& sent) { FinishPasswordMail(sent); });
}

void LoginController::FinishPasswordMail(bool sent) {
  layer_.HideBusyOverlay();
  running_ = false;
  if (sent) {
    hooks_.information(QStringLiteral("Your password has been sent to %1.").arg(mailedTo_));
  } else {
    hooks_.error(
        QStringLiteral("There was a problem sending your password. Please check your internet connection."));
  }
  emit passwordMailFinished(sent);
}

}  // namespace moxa
