#include "support/KilledChild.h"

#include "site/KillPoint.h"

#include <csignal>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace moxa::test {

bool KilledAt(const char* point, const std::function<void()>& work) {
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    setenv(kKillPointVariable, point, 1);
    work();
    _exit(0);  // not killed: no destructor of the parent's objects runs here
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

}  // namespace moxa::test
