#pragma once

#include <vector>

namespace moxa::test {

// A loopback port that takes connections and never answers: a service or
// FTP server that hangs. The connections stay open until this object goes.
class SilentServer {
 public:
  SilentServer();
  ~SilentServer();
  SilentServer(const SilentServer&) = delete;
  SilentServer& operator=(const SilentServer&) = delete;

  bool Listening() const { return listener_ >= 0; }
  int Port() const { return port_; }
  // Waits until a caller has connected (at most `seconds`); false when none did.
  bool WaitForCaller(int seconds = 60);

 private:
  int listener_ = -1;
  int port_ = 0;
  std::vector<int> callers_;
};

}  // namespace moxa::test
