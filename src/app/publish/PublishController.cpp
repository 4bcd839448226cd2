#include "app/publish/PublishController.h"

#include "app/dialogs/DialogLayer.h"
#include "app/publish/PublishedPanel.h"
#include "app/publish/SiteLivePanel.h"
#include "app/shell/Animations.h"
#include "app/shell/Worker.h"
#include "site/SiteStore.h"

#include <QTimer>

#include <utility>

namespace moxa {

PublishController::PublishController(Site& site, std::function<SettingsStore*()> store,
                                     const Folders& folders,
                                     const Pictures& pictures, DialogLayer& layer, QWidget* window,
                                     std::function<int()> templateNumber, Hooks hooks,
                                     QObject* parent)
    : QObject(parent),
      site_(site),
      store_(std::move(store)),
      folders_(folders),
      layer_(layer),
      templateNumber_(std::move(templateNumber)),
      hooks_(std::move(hooks)),
      published_(new PublishedPanel(pictures, window)),
      siteLive_(new SiteLivePanel(pictures, window)) {
  const auto open = [this](const QString& url) {
    if (hooks_.openUrl) hooks_.openUrl(url);
  };
  connect(published_, &PublishedPanel::openSite, this, open);
  connect(siteLive_, &SiteLivePanel::openSite, this, open);
  connect(published_, &PublishedPanel::upgradeRequested, this, [this] {
    if (hooks_.openPlans) hooks_.openPlans();
  });
  connect(published_, &NoticePanel::closeRequested, this,
          [this] { SlideNoticeOut(published_, hooks_.frame()); });
  connect(siteLive_, &NoticePanel::closeRequested, this,
          [this] { SlideNoticeOut(siteLive_, hooks_.frame()); });
}

void PublishController::setPauses(int completionMs, int noticeMs, int siteLiveMs) {
  completionMs_ = completionMs;
  noticeMs_ = noticeMs;
  siteLiveMs_ = siteLiveMs;
}

void PublishController::SaveAndPublish() {
  if (publishing_) return;
  if (hooks_.savePage && !hooks_.savePage()) return;
  Publish();
}

void PublishController::Publish() {
  if (publishing_ || publishWaiting_) return;
  layer_.ShowBusyOverlay(QStringLiteral("Publishing"));
  // A registration still under way finishes first: both would register.
  if (registering_) {
    publishWaiting_ = true;
    return;
  }
  StartPublish();
}

void PublishController::StartPublish() {
  publishing_ = true;
  PublishSettings settings{service_, folders_, templateNumber_ ? templateNumber_() : 0, caFile_, {},
                           // Called on the worker: the store belongs to this thread, which
                           // waits under the overlay for the job anyway.
                           [this](const TAccount& account) {
                             bool stored = false;
                             QMetaObject::invokeMethod(
                                 this, [&] { stored = StoreRegistration(account); }, Qt::BlockingQueuedConnection);
                             return stored;
                           }};
  const Site copy = site_;
  RunOnWorker<PublishRun>(
      this,
      [copy, settings] {
        PublishRun run{{}, copy};
        run.result = PublishSite(run.site, settings);
        return run;
      },
      [this](const PublishRun& run) { FinishPublish(run); });
}

void PublishController::FinishPublish(const PublishRun& run) {
  // The overlay kept the window away from the site: the copy is the site.
  site_.SiteAccount = run.site.SiteAccount;
  site_.SitePages() = run.site.SitePages();
  SaveSite();
  if (hooks_.afterPublish) hooks_.afterPublish();
  QTimer::singleShot(completionMs_, this, [this, run] {
    layer_.HideBusyOverlay();
    publishing_ = false;
    switch (run.result.Outcome) {
      case PublishOutcome::Published:
        QTimer::singleShot(noticeMs_, this, &PublishController::ShowPublishedPanel);
        break;
      case PublishOutcome::DomainNotReady:
        if (hooks_.information) hooks_.information(DomainNotReadyMessage());
        break;
      case PublishOutcome::Failed:
        if (hooks_.error) hooks_.error(PublishFailedMessage());
        break;
    }
    if (run.result.Registered) ShowSiteLivePanelSoon();
    emit publishFinished(run.result.Outcome);
  });
}

void PublishController::RegisterSoon(int delayMs) {
  QTimer::singleShot(delayMs, this, &PublishController::StartRegistration);
}

void PublishController::StartRegistration() {
  if (registering_ || publishing_ || site_.SiteAccount.UnixCreated) return;
  registering_ = true;
  Site copy;
  copy.SiteAccount = site_.SiteAccount;
  const ServiceEndpoints service = service_;
  const Folders folders = folders_;
  using Registration = std::pair<bool, TAccount>;
  RunOnWorker<Registration>(
      this,
      [copy, service, folders]() mutable {
        const bool registered = RegisterSiteName(copy, service, folders, Placeholder::AfterSiteCreation);
        return std::make_pair(registered, copy.SiteAccount);
      },
      [this](const Registration& done) { FinishRegistration(done.first, done.second); });
}

void PublishController::FinishRegistration(bool registered, const TAccount& account) {
  registering_ = false;
  // Only what the registration decides: the user may have worked meanwhile.
  site_.SiteAccount.UnixName = account.UnixName;
  site_.SiteAccount.UnixCreated = account.UnixCreated;
  SettingsStore* store = store_();
  if ((!store || !SaveAccount(site_, *store)) && hooks_.error) {
    hooks_.error(QStringLiteral("Your site's details could not be saved."));
  }
  if (registered) ShowSiteLivePanelSoon();
  emit registrationFinished(registered);
  if (publishWaiting_) {
    publishWaiting_ = false;
    StartPublish();
  }
}

bool PublishController::StoreRegistration(const TAccount& account) {
  site_.SiteAccount.UnixName = account.UnixName;
  site_.SiteAccount.UnixCreated = account.UnixCreated;
  SettingsStore* store = store_();
  return store && SaveAccount(site_, *store);
}

void PublishController::ShowPublishedPanel() {
  const int height = published_->SetAccount(site_.SiteAccount, service_);
  // A panel on its way out comes back up.
  if (published_->isVisible() && !SlidingOut(published_)) return;
  SlideNoticeIn(published_, hooks_.frame(), height);
}

void PublishController::ShowSiteLivePanelSoon() {
  QTimer::singleShot(siteLiveMs_, this, &PublishController::ShowSiteLivePanel);
}

void PublishController::ShowSiteLivePanel() {
  siteLive_->SetAccount(site_.SiteAccount, service_);
  if (!siteLive_->isVisible() || SlidingOut(siteLive_)) SlideNoticeIn(siteLive_, hooks_.frame(), SiteLivePanel::kHeight);
}

void PublishController::SaveSite() {
  SettingsStore* store = store_();
  if ((!store || !moxa::SaveSite(site_, *store)) && hooks_.error) {
    hooks_.error(QStringLiteral("Your site's details could not be saved."));
  }
}

}  // namespace moxa
