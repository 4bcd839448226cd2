#pragma once

#include "app/shell/Pictures.h"
#include "online/ServiceEndpoints.h"
#include "publish/PublishSite.h"
#include "session/SiteSession.h"
#include "site/Site.h"

#include <QObject>

#include <functional>

namespace moxa {

class DialogLayer;
class PublishedPanel;
class SettingsStore;
class SiteLivePanel;

// Putting the site on the web from the window: the publish under the busy
// overlay, the registration of a new site's name in the background, and the
// two notices that follow them. The work runs on a worker thread on a copy
// of the site; the window's site takes the results when it is done.
class PublishController : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<bool()> savePage;      // Save and Publish saves the open page first
    std::function<void()> afterPublish;  // e.g. the editor's region tracking again
    std::function<QRect()> frame;        // the content frame the notices sit on
    std::function<void(const QString&)> information;
    std::function<void(const QString&)> error;
    std::function<void(const QString&)> openUrl;
    std::function<void()> openPlans;
  };

  PublishController(SiteSession& session, const Pictures& pictures, DialogLayer& layer, QWidget* window,
                    Hooks hooks, QObject* parent = nullptr);

  const ServiceEndpoints& service() const { return session_.service(); }
  void setOwnDomainCaFile(const QString& file) { caFile_ = file; }
  // The pauses before the overlay goes and before the notices come (tests: 0).
  void setPauses(int completionMs, int noticeMs, int siteLiveMs);

  // The editor's Save and Publish: the open page saved, then the publish.
  void SaveAndPublish();
  // The plans screen's Publish.
  void Publish();
  // The registration of a newly created site's name, after `delayMs`.
  void RegisterSoon(int delayMs = 1000);

  bool running() const { return publishing_ || registering_; }
  // The site-live notice for the site as it stands, now.
  void ShowSiteLivePanel();
  PublishedPanel* publishedPanel() const { return published_; }
  SiteLivePanel* siteLivePanel() const { return siteLive_; }

 signals:
  void publishFinished(moxa::PublishOutcome outcome);
  void registrationFinished(bool registered);

 private:
  struct PublishRun {
    PublishResult result;
    Site site;
  };
  void StartPublish();
  void FinishPublish(const PublishRun& run);
  void StartRegistration();
  void FinishRegistration(bool registered, const TAccount& account);
  // A publish's registration, stored before its uploads begin.
  bool StoreRegistration(const TAccount& account);
  void ShowPublishedPanel();
  void ShowSiteLivePanelSoon();
  void Tell(const Outcome& outcome);

  SiteSession& session_;
  Site& site_;
  DialogLayer& layer_;
  Hooks hooks_;
  QString caFile_;
  int completionMs_ = 1000;
  int noticeMs_ = 1000;
  int siteLiveMs_ = 5000;
  bool publishing_ = false;
  bool registering_ = false;
  bool publishWaiting_ = false;
  PublishedPanel* published_;
  SiteLivePanel* siteLive_;
};

}  // namespace moxa
