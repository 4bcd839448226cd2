#pragma once

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

}  // namespace moxa
