#pragma once

#include "online/Login.h"
#include "session/SiteSession.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

namespace moxa {

class DialogLayer;

// The start screen's ways to a hosted site: the login, which brings the
// site down to this machine, and the password mail. Both run on a worker
// under the busy overlay; the window's site takes a login's result only
// when it succeeded. A login can be cancelled from the overlay; it shows
// which page is coming down.
class LoginController : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<QString()> askPassword;  // the masked prompt; "" when cancelled
    std::function<void(const QString&)> information;
    std::function<void(const QString&)> error;
    std::function<void()> loggedIn;  // the site's screens, after the site is saved
  };

  LoginController(SiteSession& session, DialogLayer& layer, Hooks hooks, QObject* parent = nullptr);

  // The login path after the start screen's own check of the e-mail field.
  void LogIn(const QString& email);
  void SendPassword(const QString& email);
  bool running() const { return running_; }
  // The overlay's Cancel: the login stops as soon as it can and leaves the
  // site as it was (unless it had already finished).
  void CancelLogin();

 signals:
  void loginFinished(moxa::LoginOutcome::Result result);
  // The overlay shows that page `page` of `pages` is coming down.
  void loginProgress(int page, int pages);
  void passwordMailFinished(bool sent);

 private:
  void FinishLogin(BroughtDownSite& down);
  void ShowProgress(int page, int pages);
  void FinishPasswordMail(bool sent);

  SiteSession& session_;
  DialogLayer& layer_;
  Hooks hooks_;
  bool running_ = false;
  std::shared_ptr<std::atomic<bool>> cancel_;  // shared with the login's worker
  QString mailedTo_;
};

}  // namespace moxa
