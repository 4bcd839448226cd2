#include "app/account/AddressController.h"

#include "app/dialogs/DialogLayer.h"
#include "app/publish/SiteLivePanel.h"
#include "app/shell/Worker.h"
#include "online/AccountRequests.h"
#include "online/SiteName.h"
#include "site/SiteStore.h"
#include "session/UserMessages.h"

namespace moxa {

AddressController::AddressController(Site& site, SiteLivePanel& panel, DialogLayer& layer, Hooks hooks,
                                     QObject* parent)
    : QObject(parent), site_(site), panel_(panel), layer_(layer), hooks_(std::move(hooks)) {
  connect(&panel_, &SiteLivePanel::changeRequested, this, &AddressController::OnChange);
  connect(&panel_, &SiteLivePanel::statusRequested, this, &AddressController::OnStatus);
}

void AddressController::OnChange() {
  if (running_) return;
  const ServiceEndpoints service = hooks_.job.service();
  if (!panel_.editing()) {
    panel_.BeginEditing(site_.SiteAccount.UnixName, service.Domain);
    return;
  }
  running_ = true;
  layer_.ShowBusyOverlay(QStringLiteral("Saving"));
  TAccount account = site_.SiteAccount;
  const QString wanted = SanitizeSiteName(panel_.editedName());
  RunOnWorker<std::pair<bool, TAccount>>(
      this,
      [account, wanted, service]() mutable {
        const bool changed = ChangeSiteAddress(account, wanted, service);
        return std::make_pair(changed, account);
      },
      [this, service](const std::pair<bool, TAccount>& result) {
        layer_.HideBusyOverlay();
        if (!result.first) {
          hooks_.job.error(AddressChangeFailedMessage());  // the editor stays open
          Finish(false);
          return;
        }
        site_.SiteAccount.UnixName = result.second.UnixName;
        panel_.EndEditing(site_.SiteAccount.MoxaSiteStatus);
        panel_.SetAccount(site_.SiteAccount, service);
        SaveAccount();
        hooks_.job.information(AddressChangedMessage(service.SiteAddress(site_.SiteAccount.UnixName)));
        Finish(true);
      });
}

void AddressController::OnStatus() {
  if (running_) return;
  if (panel_.editing()) {
    // Cancel: the status link tells the address's real state again.
    panel_.EndEditing(site_.SiteAccount.MoxaSiteStatus);
    return;
  }
  running_ = true;
  const bool live = !site_.SiteAccount.MoxaSiteStatus;
  layer_.ShowBusyOverlay(QStringLiteral("Saving"));
  TAccount account = site_.SiteAccount;
  const ServiceEndpoints service = hooks_.job.service();
  RunOnWorker<bool>(
      this, [account, live, service]() mutable { return SetSiteAddressLive(account, live, service); },
      [this, live](const bool& switched) {
        layer_.HideBusyOverlay();
        if (!switched) {
          hooks_.job.error(AddressStatusMessage(live, false));
          Finish(false);
          return;
        }
        site_.SiteAccount.MoxaSiteStatus = live;
        panel_.SetLive(live);
        SaveAccount();
        hooks_.job.information(AddressStatusMessage(live, true));
        Finish(true);
      });
}

void AddressController::SaveAccount() {
  SettingsStore* store = hooks_.job.store();
  if (!store || !moxa::SaveAccount(site_, *store)) {
    hooks_.job.error(UserMessage(ErrorCode::SettingsNotSaved));
  }
  if (hooks_.accountChanged) hooks_.accountChanged();
}

void AddressController::Finish(bool succeeded) {
  running_ = false;
  if (hooks_.afterJob) hooks_.afterJob();
  emit jobFinished(succeeded);
}

}  // namespace moxa
