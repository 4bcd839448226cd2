#pragma once

#include <csignal>

#include <sys/resource.h>

namespace moxa::test {

// Makes the disk "full" for this process, for root too: no file may grow
// beyond `bytes` while the object lives. The signal the kernel sends past the
// limit is ignored, so a write fails with an error, as on a full file system,
// instead of ending the process. Processes started meanwhile inherit it.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : previous_(std::signal(SIGXFSZ, SIG_IGN)) {
    ok_ = previous_ != SIG_ERR && getrlimit(RLIMIT_FSIZE, &saved_) == 0;
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    ok_ = ok_ && setrlimit(RLIMIT_FSIZE, &lowered) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    if (previous_ != SIG_ERR) std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool ok() const { return ok_; }

 private:
  void (*previous_)(int);
  rlimit saved_{};
  bool ok_ = false;
};

}  // namespace moxa::test
