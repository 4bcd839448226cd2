#include "platform/Keychain.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <qt6keychain/keychain.h>

#include <functional>

namespace moxa {
namespace {

Keychain::Result ResultOf(const QKeychain::Job& job) {
  switch (job.error()) {
    case QKeychain::NoError: return Keychain::Result::Done;
    case QKeychain::EntryNotFound: return Keychain::Result::NotFound;
    default: return Keychain::Result::Unavailable;
  }
}

// Starts `job` and waits for it. The job deletes itself when it ends, also
// after the wait has given up on it; `onFinished` runs only within the wait,
// `late` (when given) with an answer that comes after it. `answered` tells
// an answer from a wait that gave up.
template <typename Job, typename OnFinished>
Keychain::Result RunJob(Job* job, const QString& key, OnFinished onFinished, int waitMs = Keychain::kWaitMs,
                        bool* answered = nullptr, std::function<void(Job&)> late = {}) {
  job->setAutoDelete(true);
  job->setKey(key);
  Keychain::Result result = Keychain::Result::Unavailable;
  bool finished = false;
  QEventLoop wait;
  QObject::connect(job, &QKeychain::Job::finished, &wait, [&](QKeychain::Job*) {
    finished = true;
    result = ResultOf(*job);
    if (result == Keychain::Result::Done) onFinished(*job);
    wait.quit();
  });
  QTimer::singleShot(waitMs, &wait, &QEventLoop::quit);
  job->start();
  // The user's clicks wait: the keychain is asked in the middle of a save.
  if (!finished) wait.exec(QEventLoop::ExcludeUserInputEvents);
  if (!finished && late) {
    QObject::connect(job, &QKeychain::Job::finished, QCoreApplication::instance(),
                     [job, late](QKeychain::Job*) { late(*job); });
  }
  if (answered) *answered = finished;
  return result;
}

// Runs `ask` on the application object's thread, where the keychain's jobs
// live, and gives its answer. `fallback` when there is no application object.
template <typename Answer, typename Ask>
Answer OnApplicationThread(Ask ask, Answer fallback) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return fallback;
  if (QThread::currentThread() == app->thread()) return ask();
  // At the end of a run the application thread waits for the workers and
  // would never answer.
  if (QCoreApplication::closingDown()) return fallback;
  Answer answer = fallback;
  QMetaObject::invokeMethod(app, [&] { answer = ask(); }, Qt::BlockingQueuedConnection);
  return answer;
}

}  // namespace

Keychain::Secret Keychain::Read(const QString& key, int waitMs, LateSecret late) const {
  return OnApplicationThread(
      [this, &key, waitMs, &late] {
        Secret secret;
        bool answered = true;
        std::function<void(QKeychain::ReadPasswordJob&)> later;
        if (late) {
          later = [late](QKeychain::ReadPasswordJob& job) {
            const Result result = ResultOf(job);
            late(Secret{result, result == Result::Done ? job.textData() : QString(), false});
          };
        }
        secret.Outcome = RunJob(new QKeychain::ReadPasswordJob(service_), key,
                                [&secret](const QKeychain::ReadPasswordJob& job) { secret.Text = job.textData(); },
                                waitMs, &answered, later);
        secret.NoAnswerYet = !answered;
        return secret;
      },
      Secret{});
}

Keychain::Result Keychain::Write(const QString& key, const QString& text) const {
  return OnApplicationThread(
      [this, &key, &text] {
        auto* job = new QKeychain::WritePasswordJob(service_);
        job->setTextData(text);
        return RunJob(job, key, [](const QKeychain::WritePasswordJob&) {});
      },
      Result::Unavailable);
}

Keychain::Result Keychain::Remove(const QString& key) const {
  return OnApplicationThread(
      [this, &key] {
        return RunJob(new QKeychain::DeletePasswordJob(service_), key, [](const QKeychain::DeletePasswordJob&) {});
      },
      Result::Unavailable);
}

}  // namespace moxa
