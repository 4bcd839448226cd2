#include "platform/Keychain.h"

#include <QCoreApplication>
#include <QThread>
#include <qt6keychain/keychain.h>

namespace moxa {
namespace {

Keychain::Result ResultOf(const QKeychain::Job& job) {
  switch (job.error()) {
    case QKeychain::NoError: return Keychain::Result::Done;
    case QKeychain::EntryNotFound: return Keychain::Result::NotFound;
    default: return Keychain::Result::Unavailable;
  }
}

// Starts `makeJob()`'s job on the application object's thread, where the
// keychain's jobs live, and hands the finished job to `finished` there. The
// job deletes itself after. Without an application object nothing can
// answer: `unanswered` runs at once.
template <typename MakeJob, typename Finished>
void StartOnApplicationThread(std::shared_ptr<std::atomic<int>> pending, MakeJob makeJob, Finished finished,
                              std::function<void()> unanswered) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) {
    unanswered();
    return;
  }
  ++*pending;
  const auto start = [pending, makeJob, finished] {
    QKeychain::Job* job = makeJob();
    job->setAutoDelete(true);
    QObject::connect(job, &QKeychain::Job::finished, QCoreApplication::instance(),
                     [pending, finished](QKeychain::Job* done) {
                       --*pending;
                       finished(*done);
                     });
    job->start();
  };
  if (QThread::currentThread() == app->thread()) {
    start();
  } else {
    QMetaObject::invokeMethod(app, start, Qt::QueuedConnection);
  }
}

}  // namespace

Keychain::Keychain(QString service) : service_(std::move(service)) {}

void Keychain::Read(const QString& key, SecretAnswer answer) const {
  StartOnApplicationThread(
      pending_,
      [service = service_, key] {
        auto* job = new QKeychain::ReadPasswordJob(service);
        job->setKey(key);
        return job;
      },
      [answer](QKeychain::Job& job) {
        const Result result = ResultOf(job);
        const QString text =
            result == Result::Done ? static_cast<QKeychain::ReadPasswordJob&>(job).textData() : QString();
        if (answer) answer(Secret{result, text});
      },
      [answer] {
        if (answer) answer(Secret{});
      });
}

void Keychain::Write(const QString& key, const QString& text, Answer answer) const {
  StartWithResult(
      [service = service_, key, text] {
        auto* job = new QKeychain::WritePasswordJob(service);
        job->setKey(key);
        job->setTextData(text);
        return job;
      },
      std::move(answer));
}

void Keychain::Remove(const QString& key, Answer answer) const {
  StartWithResult(
      [service = service_, key] {
        auto* job = new QKeychain::DeletePasswordJob(service);
        job->setKey(key);
        return job;
      },
      std::move(answer));
}

void Keychain::StartWithResult(std::function<QKeychain::Job*()> makeJob, Answer answer) const {
  StartOnApplicationThread(
      pending_, std::move(makeJob),
      [answer](QKeychain::Job& job) {
        if (answer) answer(ResultOf(job));
      },
      [answer] {
        if (answer) answer(Result::Unavailable);
      });
}

}  // namespace moxa
