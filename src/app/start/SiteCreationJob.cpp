#include "app/start/SiteCreationJob.h"

#include "app/shell/Worker.h"
#include "platform/SettingsStore.h"
#include "templates/SiteCreation.h"

#include <QTimer>

#include <algorithm>

namespace moxa {

SiteCreationJob::SiteCreationJob(QObject* parent) : QObject(parent) {}

void SiteCreationJob::Start(const Site& site, const Folders& folders, int templateNumber,
                            SettingsStore* store, int minimumMilliseconds) {
  if (running_) return;  // one job at a time
  running_ = true;
  minimum_ = minimumMilliseconds;
  elapsed_.start();
  // The store is the window's; the busy overlay keeps everything else away
  // from it while the worker writes.
  RunOnWorker<SiteCreationResult>(
      this,
      [site, folders, templateNumber, store] {
        SiteCreationResult result;
        result.site = site;
        result.ok = CreateSite(result.site, folders, templateNumber, store);
        return result;
      },
      [this](const SiteCreationResult& result) { Finish(result); });
}

void SiteCreationJob::Finish(const SiteCreationResult& result) {
  const qint64 remaining = minimum_ - elapsed_.elapsed();
  QTimer::singleShot(std::max<qint64>(0, remaining), this, [this, result] {
    running_ = false;
    emit finished(result.ok, result.site);
  });
}

}  // namespace moxa
