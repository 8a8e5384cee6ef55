// The periodic event timer's threads.
#pragma once

namespace plat::desktop {

// Stops and joins every timer still running (at shutdown).
void KillAllTimers();

}  // namespace plat::desktop
