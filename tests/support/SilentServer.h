#pragma once

#include <string_view>
#include <vector>

namespace moxa::test {

// A loopback port that takes connections and never answers: a service or
// FTP server that hangs. The connections stay open until this object goes
// or the test lets it answer.
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
  // Ends the silence (a slow server's late answer): writes `reply` to every
  // caller taken so far and closes it; false when a write failed.
  bool AnswerCallers(std::string_view reply);

 private:
  int listener_ = -1;
  int port_ = 0;
  std::vector<int> callers_;
};

}  // namespace moxa::test
