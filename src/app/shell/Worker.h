#pragma once

#include <QEventLoop>
#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>

#include <functional>

namespace moxa {

// Runs `work` on a worker thread and hands its result to `done` on the
// thread of `owner` (the UI thread). `work` must own copies of what it uses:
// the window's records are touched only by `done`. Nothing happens after
// `owner` is gone.
template <typename Result>
void RunOnWorker(QObject* owner, std::function<Result()> work, std::function<void(const Result&)> done) {
  auto* watcher = new QFutureWatcher<Result>(owner);
  QObject::connect(watcher, &QFutureWatcher<Result>::finished, owner, [watcher, done] {
    done(watcher->result());
    watcher->deleteLater();
  });
  watcher->setFuture(QtConcurrent::run(std::move(work)));
}

// Runs `work` on a worker thread and waits for its result, for a short job
// the user has to see finished before going on (a picture fetched from the
// web). The window keeps painting meanwhile; the user's input waits.
template <typename Result>
Result WaitForWorker(std::function<Result()> work) {
  QFutureWatcher<Result> watcher;
  QEventLoop wait;
  QObject::connect(&watcher, &QFutureWatcher<Result>::finished, &wait, &QEventLoop::quit);
  watcher.setFuture(QtConcurrent::run(std::move(work)));
  if (!watcher.isFinished()) wait.exec(QEventLoop::ExcludeUserInputEvents);
  return watcher.result();
}

}  // namespace moxa
