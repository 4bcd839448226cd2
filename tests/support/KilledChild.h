#pragma once

#include <functional>

namespace moxa::test {

// Runs `work` in a forked child process whose kill point (MOXA_KILL_AT) is
// `point`. True when the child was killed there by SIGKILL; false when it
// ended on its own. The caller then plays the next start of the program.
bool KilledAt(const char* point, const std::function<void()>& work);

}  // namespace moxa::test
