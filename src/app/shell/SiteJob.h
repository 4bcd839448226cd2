#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>

namespace moxa {

// Runs one long job on the user's site (a new site, a new template, an
// export) on a worker while the window waits under the busy overlay. The
// job is made of values only; its result is handed back on the UI thread,
// where the session puts it in place. One job at a time. The result waits
// until at least `minimumMilliseconds` have passed, so a busy screen never
// just flickers.
class SiteJob : public QObject {
  Q_OBJECT

 public:
  explicit SiteJob(QObject* parent = nullptr) : QObject(parent) {}

  template <typename Result>
  void Start(std::function<Result()> work, std::function<void(Result&)> done, int minimumMilliseconds = 0);
  bool running() const { return running_; }

 private:
  void Finish(std::function<void()> deliver, int minimumMilliseconds);

  QElapsedTimer elapsed_;
  bool running_ = false;
};

}  // namespace moxa

#include "app/shell/Worker.h"

namespace moxa {

template <typename Result>
void SiteJob::Start(std::function<Result()> work, std::function<void(Result&)> done, int minimumMilliseconds) {
  if (running_) return;
  running_ = true;
  elapsed_.start();
  RunOnWorker<Result>(this, std::move(work), [this, done, minimumMilliseconds](const Result& result) {
    Finish([done, value = result]() mutable { done(value); }, minimumMilliseconds);
  });
}

}  // namespace moxa
