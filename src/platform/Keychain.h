#pragma once

#include <QString>

#include <atomic>
#include <functional>
#include <memory>

namespace QKeychain {
class Job;
}

namespace moxa {

// The desktop's keychain (a Secret Service on the user's session bus), where
// passwords are kept instead of in plain files. Every call returns at once:
// the keychain may take a long time to answer (the desktop asks the user to
// unlock it), and nothing of the program waits for it. The answer comes on
// the application object's thread, from whichever thread the call was made.
// A keychain that refuses or is not running answers Unavailable: callers then
// keep what they have elsewhere.
class Keychain {
 public:
  enum class Result { Done, NotFound, Unavailable };
  struct Secret {
    Result Outcome = Result::Unavailable;
    QString Text;
  };
  using SecretAnswer = std::function<void(const Secret&)>;
  using Answer = std::function<void(Result)>;

  // Entries are filed under `service`, one per key.
  explicit Keychain(QString service);

  void Read(const QString& key, SecretAnswer answer) const;
  void Write(const QString& key, const QString& text, Answer answer = {}) const;
  // Removing what is not there is no failure.
  void Remove(const QString& key, Answer answer = {}) const;
  // Asked and not answered yet.
  int Pending() const { return pending_->load(); }

 private:
  // Starts the job that `makeJob` makes; `answer` gets how it ended.
  void StartWithResult(std::function<QKeychain::Job*()> makeJob, Answer answer) const;

  QString service_;
  std::shared_ptr<std::atomic<int>> pending_ = std::make_shared<std::atomic<int>>(0);
};

}  // namespace moxa
