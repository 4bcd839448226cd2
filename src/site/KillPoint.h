#pragma once

namespace moxa {

// The environment variable that names a kill point, for the tests that end
// the program at a chosen step of a change, as a power cut would.
inline constexpr char kKillPointVariable[] = "MOXA_KILL_AT";

// Ends this process with SIGKILL when MOXA_KILL_AT names `point`; does
// nothing otherwise. Marks the steps between which a change must be
// recoverable at the next start.
void KillPoint(const char* point);

}  // namespace moxa
