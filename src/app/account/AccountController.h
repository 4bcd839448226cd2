#pragma once

#include "app/shell/ServiceJobHooks.h"
#include "session/SiteSession.h"

#include <QObject>

#include <functional>

namespace moxa {

class AccountScreen;
class DialogLayer;
class SettingsStore;

// The account screen at work: opening and resetting it, and its save, which
// registers the site's name when the service does not know it yet, sends a
// changed address and then every field, on a worker under the busy overlay.
class AccountController : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    ServiceJobHooks job;
    std::function<void()> accountSaved;  // the notices follow the account
    std::function<void(bool live)> liveChosen;  // the site-live panel's status, at once
  };

  AccountController(SiteSession& session, AccountScreen& screen, DialogLayer& layer, Hooks hooks,
                    QObject* parent = nullptr);

  void Open();
  void Save();
  void Reset();
  // The keychain gave the passwords late: empty password fields take them.
  void PasswordsArrived();
  bool running() const { return running_; }

 signals:
  void saveFinished(bool saved);

 private:
  void ShowPasswordState();
  void FinishSave(const SiteSession::AccountSave& save);

  SiteSession& session_;
  Site& site_;
  AccountScreen& screen_;
  DialogLayer& layer_;
  Hooks hooks_;
  bool running_ = false;
};

}  // namespace moxa
