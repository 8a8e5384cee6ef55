// Whether a saved game is being replayed into the client.
#pragma once

#include "PlaybackClient.h"

namespace dq {

// 1 while the replay runs: boxes stay closed and the client makes no
// presses of its own (the replay presses the recorded ones).
inline int ReplayRunning() { return gPlaybackClient.playing; }

}  // namespace dq
