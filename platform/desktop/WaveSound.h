// The one wave sound that plays at a time.
#pragma once

namespace plat::desktop {

// Stops and frees what plays (at shutdown).
void StopWave();

}  // namespace plat::desktop
