#include "support/SilentServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace moxa::test {

SilentServer::SilentServer() {
  listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
  if (listener_ < 0) return;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;  // the system picks a free port
  socklen_t size = sizeof address;
  if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 16) != 0 ||
      ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    ::close(listener_);
    listener_ = -1;
    return;
  }
  port_ = ntohs(address.sin_port);
}

SilentServer::~SilentServer() {
  for (const int caller : callers_) ::close(caller);
  if (listener_ >= 0) ::close(listener_);
}

bool SilentServer::WaitForCaller(int seconds) {
  if (listener_ < 0) return false;
  pollfd waiting{listener_, POLLIN, 0};
  if (::poll(&waiting, 1, seconds * 1000) != 1) return false;
  const int caller = ::accept(listener_, nullptr, nullptr);
  if (caller < 0) return false;
  callers_.push_back(caller);
  return true;
}

bool SilentServer::AnswerCallers(std::string_view reply) {
  bool written = true;
  for (const int caller : callers_) {
    // The request is read first: closing over unread bytes would reset the
    // connection and lose the answer.
    char request[4096];
    while (::recv(caller, request, sizeof request, MSG_DONTWAIT) > 0) {
    }
    for (size_t sent = 0; sent < reply.size();) {
      const ssize_t n = ::send(caller, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
      if (n <= 0) {
        written = false;
        break;
      }
      sent += static_cast<size_t>(n);
    }
    ::shutdown(caller, SHUT_WR);
    ::close(caller);
  }
  callers_.clear();
  return written;
}

}  // namespace moxa::test
