#pragma once

#include <QString>

#include <functional>

namespace moxa {

// The desktop's keychain (a Secret Service on the user's session bus), where
// passwords are kept instead of in plain files. Every call waits for its
// answer, at most `kWaitMs` unless told otherwise. The keychain is always asked from the
// application object's thread: a call from a worker waits for that thread,
// which must not itself be waiting for the worker. A keychain that does not
// answer, refuses, or is not running reads as Unavailable: callers then keep
// what they have elsewhere.
class Keychain {
 public:
  enum class Result { Done, NotFound, Unavailable };
  struct Secret {
    Result Outcome = Result::Unavailable;
    QString Text;
    bool NoAnswerYet = false;  // Unavailable because the wait gave up, not because the keychain said so
  };
  // Gets the answer of a read whose wait gave up, when it comes.
  using LateSecret = std::function<void(const Secret&)>;

  // Long enough for the desktop to ask the user to unlock the keychain.
  static constexpr int kWaitMs = 30000;

  // Entries are filed under `service`, one per key.
  explicit Keychain(QString service) : service_(std::move(service)) {}

  // `waitMs` shorter than kWaitMs where the program must not wait long (its
  // start); an answer after the wait goes to `late`, on the application thread.
  Secret Read(const QString& key, int waitMs = kWaitMs, LateSecret late = {}) const;
  Result Write(const QString& key, const QString& text) const;
  // Removing what is not there is no failure.
  Result Remove(const QString& key) const;

 private:
  QString service_;
};

}  // namespace moxa
