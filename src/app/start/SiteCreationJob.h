#pragma once

#include "site/Folders.h"
#include "site/Site.h"

#include <QElapsedTimer>
#include <QObject>

namespace moxa {

class SettingsStore;

struct SiteCreationResult {
  bool ok = false;
  Site site;
};

// Creates a site from a template off the UI thread. The worker works on
// its own copy of the site and hands the finished copy back, so the UI
// thread and the worker never share a record. The site is stored in the
// given store; a failed creation leaves the old site, files and store whole.
// The busy screen stays up at least `minimumMilliseconds`, so it never just
// flickers.
class SiteCreationJob : public QObject {
  Q_OBJECT

 public:
  static constexpr int kMinimumMilliseconds = 2000;

  explicit SiteCreationJob(QObject* parent = nullptr);

  void Start(const Site& site, const Folders& folders, int templateNumber, SettingsStore* store,
             int minimumMilliseconds = kMinimumMilliseconds);
  bool running() const { return running_; }

 signals:
  void finished(bool ok, const moxa::Site& site);

 private:
  void Finish(const SiteCreationResult& result);

  QElapsedTimer elapsed_;
  int minimum_ = kMinimumMilliseconds;
  bool running_ = false;
};

}  // namespace moxa
