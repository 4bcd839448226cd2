#include "app/start/SiteCreationJob.h"

#include "platform/SettingsStore.h"
#include "templates/SiteCreation.h"

#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace moxa {

SiteCreationJob::SiteCreationJob(QObject* parent) : QObject(parent) {
  connect(&watcher_, &QFutureWatcher<SiteCreationResult>::finished, this, [this] {
    const SiteCreationResult result = watcher_.result();
    const qint64 remaining = minimum_ - elapsed_.elapsed();
    QTimer::singleShot(std::max<qint64>(0, remaining), this, [this, result] {
      running_ = false;
      emit finished(result.ok, result.site);
    });
  });
}

void SiteCreationJob::Start(const Site& site, const Folders& folders, int templateNumber,
                            SettingsStore* store, int minimumMilliseconds) {
  if (running_) return;  // one job at a time
  running_ = true;
  minimum_ = minimumMilliseconds;
  elapsed_.start();
  // The store is the window's; the busy overlay keeps everything else away
  // from it while the worker writes.
  watcher_.setFuture(QtConcurrent::run([site, folders, templateNumber, store]() {
    SiteCreationResult result;
    result.site = site;
    result.ok = CreateSite(result.site, folders, templateNumber, store);
    return result;
  }));
}

}  // namespace moxa
