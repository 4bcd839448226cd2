#include "app/start/LoginController.h"

#include "app/dialogs/DialogLayer.h"
#include "app/shell/Worker.h"
#include "platform/HttpFetch.h"
#include "session/UserMessages.h"

#include <QCoreApplication>
#include <QPointer>

namespace moxa {

LoginController::LoginController(SiteSession& session, DialogLayer& layer, Hooks hooks, QObject* parent)
    : QObject(parent), session_(session), layer_(layer), hooks_(std::move(hooks)) {}

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
  const std::shared_ptr<std::atomic<bool>> cancel = cancel_;
  const QPointer<LoginController> self(this);
  const auto progress = [self](int page, int pages) {
    // To this thread; the controller may be gone by then.
    QMetaObject::invokeMethod(QCoreApplication::instance(), [self, page, pages] {
      if (self) self->ShowProgress(page, pages);
    }, Qt::QueuedConnection);
  };
  // The worker brings the site down beside the working folder from values;
  // this thread stores it and swaps it in.
  RunOnWorker<BroughtDownSite>(
      this, session_.LoginWork(email, password, {cancel.get(), progress}, cancel),
      [this](const BroughtDownSite& down) {
        BroughtDownSite placed = down;
        FinishLogin(placed);
      });
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

void LoginController::FinishLogin(BroughtDownSite& down) {
  layer_.HideBusyOverlay();
  running_ = false;
  // A cancel up to this moment leaves everything as it was.
  const bool cancelled = cancel_ && cancel_->load();
  cancel_.reset();
  LoginOutcome outcome = down.Outcome;
  if (cancelled) {
    outcome.Outcome = LoginOutcome::Result::Cancelled;
  } else {
    outcome = session_.FinishLogin(down);
  }
  if (const Outcome failure = LoginFailure(outcome); !failure) {
    // A refusal is the user's to mend; a failure is the program's or the network's.
    if (failure.code() == ErrorCode::LoginRefused) hooks_.information(UserMessage(failure));
    if (failure.code() != ErrorCode::LoginRefused && failure.code() != ErrorCode::Cancelled) {
      hooks_.error(UserMessage(failure));
    }
  } else {
    for (const QString& notice : LoginNotices(outcome)) hooks_.information(notice);
    if (hooks_.loggedIn) hooks_.loggedIn();
  }
  emit loginFinished(outcome.Outcome);
}

void LoginController::SendPassword(const QString& email) {
  if (running_) return;
  running_ = true;
  mailedTo_ = email;
  layer_.ShowBusyOverlay(QStringLiteral("Sending"));
  const QByteArray url = EmailPasswordUrl(session_.service(), email);
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
