// The thread that fires the multimedia timers.
#pragma once

namespace plat::desktop {

// Stops the thread and forgets every timer (at shutdown).
void KillAllTimers();

}  // namespace plat::desktop
