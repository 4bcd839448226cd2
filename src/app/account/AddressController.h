#pragma once

#include "app/shell/ServiceJobHooks.h"
#include "online/ServiceEndpoints.h"
#include "site/Site.h"

#include <QObject>

#include <functional>

namespace moxa {

class DialogLayer;
class SettingsStore;
class SiteLivePanel;

// The site-live panel's actions: changing the free site's address and
// switching it off or on, each a request on a worker under the busy overlay.
class AddressController : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    ServiceJobHooks job;
    std::function<void()> afterJob;           // e.g. the editor's region tracking again
    std::function<void()> accountChanged;     // the account screen's fields follow
  };

  AddressController(Site& site, SiteLivePanel& panel, DialogLayer& layer, Hooks hooks,
                    QObject* parent = nullptr);

  void OnChange();  // "Change" starts editing; "Save" (or Enter) sends the new name
  void OnStatus();  // "Disable" / "Enable" send the switch; "Cancel" ends editing
  bool running() const { return running_; }

 signals:
  void jobFinished(bool succeeded);

 private:
  void SaveAccount();
  void Finish(bool succeeded);

  Site& site_;
  SiteLivePanel& panel_;
  DialogLayer& layer_;
  Hooks hooks_;
  bool running_ = false;
};

}  // namespace moxa
