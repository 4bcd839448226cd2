#include "platform/Keychain.h"

#include <QEventLoop>
#include <QTimer>
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

// Starts `job` and waits for it. The job deletes itself when it ends, also
// after the wait has given up on it; `onFinished` runs only within the wait.
template <typename Job, typename OnFinished>
Keychain::Result RunJob(Job* job, const QString& key, OnFinished onFinished) {
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
  QTimer::singleShot(Keychain::kWaitMs, &wait, &QEventLoop::quit);
  job->start();
  // The user's clicks wait: the keychain is asked in the middle of a save.
  if (!finished) wait.exec(QEventLoop::ExcludeUserInputEvents);
  return result;
}

}  // namespace

Keychain::Secret Keychain::Read(const QString& key) const {
  Secret secret;
  secret.Outcome = RunJob(new QKeychain::ReadPasswordJob(service_), key,
                          [&secret](const QKeychain::ReadPasswordJob& job) { secret.Text = job.textData(); });
  return secret;
}

Keychain::Result Keychain::Write(const QString& key, const QString& text) const {
  auto* job = new QKeychain::WritePasswordJob(service_);
  job->setTextData(text);
  return RunJob(job, key, [](const QKeychain::WritePasswordJob&) {});
}

Keychain::Result Keychain::Remove(const QString& key) const {
  return RunJob(new QKeychain::DeletePasswordJob(service_), key, [](const QKeychain::DeletePasswordJob&) {});
}

}  // namespace moxa
