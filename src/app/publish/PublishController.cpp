#include "app/publish/PublishController.h"

#include "app/dialogs/DialogLayer.h"
#include "app/publish/PublishedPanel.h"
#include "app/publish/SiteLivePanel.h"
#include "app/shell/Animations.h"
#include "app/shell/Worker.h"
#include "session/UserMessages.h"

#include <QTimer>

#include <utility>

namespace moxa {

PublishController::PublishController(SiteSession& session, const Pictures& pictures, DialogLayer& layer,
                                     QWidget* window, Hooks hooks, QObject* parent)
    : QObject(parent),
      session_(session),
      site_(session.site()),
      layer_(layer),
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
  const PublishSettings settings = session_.PublishSettingsFor(
      // Called on the worker: the store belongs to this thread, which waits
      // under the overlay for the job anyway.
      [this](const TAccount& account) {
        bool stored = false;
        QMetaObject::invokeMethod(
            this, [&] { stored = StoreRegistration(account); }, Qt::BlockingQueuedConnection);
        return stored;
      },
      {}, caFile_);
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
  const Outcome outcome = session_.FinishPublish(run.site, run.result);
  if (hooks_.afterPublish) hooks_.afterPublish();
  QTimer::singleShot(completionMs_, this, [this, run, outcome] {
    layer_.HideBusyOverlay();
    publishing_ = false;
    if (run.result.Outcome == PublishOutcome::Published) {
      QTimer::singleShot(noticeMs_, this, &PublishController::ShowPublishedPanel);
    }
    Tell(outcome);
    if (run.result.Registered) ShowSiteLivePanelSoon();
    emit publishFinished(run.result.Outcome);
  });
}

// A domain still being set up is news, not a fault.
void PublishController::Tell(const Outcome& outcome) {
  if (outcome) return;
  const auto say = outcome.code() == ErrorCode::DomainNotReady ? hooks_.information : hooks_.error;
  if (say) say(UserMessage(outcome));
}

void PublishController::RegisterSoon(int delayMs) {
  QTimer::singleShot(delayMs, this, &PublishController::StartRegistration);
}

void PublishController::StartRegistration() {
  if (registering_ || publishing_ || site_.SiteAccount.UnixCreated) return;
  registering_ = true;
  Site copy;
  copy.SiteAccount = site_.SiteAccount;
  const ServiceEndpoints service = session_.service();
  const Folders folders = session_.folders();
  using Registration = std::pair<bool, TAccount>;
  RunOnWorker<Registration>(
      this,
      [copy, service, folders]() mutable {
        // Live only with its placeholder up: a name without one shows nothing
        // until the first publish, which fills it.
        const bool live = RegisterSiteName(copy, service, folders, Placeholder::AfterSiteCreation).ok();
        return std::make_pair(live, copy.SiteAccount);
      },
      [this](const Registration& done) { FinishRegistration(done.first, done.second); });
}

void PublishController::FinishRegistration(bool registered, const TAccount& account) {
  registering_ = false;
  // Only what the registration decides: the user may have worked meanwhile.
  site_.SiteAccount.UnixName = account.UnixName;
  site_.SiteAccount.UnixCreated = account.UnixCreated;
  Tell(session_.SaveAccount());
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
  return session_.SaveAccount().ok();
}

void PublishController::ShowPublishedPanel() {
  const int height = published_->SetAccount(site_.SiteAccount, service());
  // A panel on its way out comes back up.
  if (published_->isVisible() && !SlidingOut(published_)) return;
  SlideNoticeIn(published_, hooks_.frame(), height);
}

void PublishController::ShowSiteLivePanelSoon() {
  QTimer::singleShot(siteLiveMs_, this, &PublishController::ShowSiteLivePanel);
}

void PublishController::ShowSiteLivePanel() {
  siteLive_->SetAccount(site_.SiteAccount, service());
  if (!siteLive_->isVisible() || SlidingOut(siteLive_)) SlideNoticeIn(siteLive_, hooks_.frame(), SiteLivePanel::kHeight);
}

}  // namespace moxa
