// Whether the round a restore brought back is being replayed into the
// client. A saved game is replayed from the start of its round: the client
// puts its table of that moment back from the snapshot and the recorded
// presses play the round again.
#pragma once

#include "framework/link/PlaybackClient.h"
#include "framework/link/RestoreWindow.h"

namespace dq {

// 1 from the session's first CLIENTINITANSWER, when it came from a saved
// game's playback, until that first round has ended; 0 otherwise.
extern int gReplayingRound;

// 1 while recorded presses of the replay wait to be pressed. A round saved
// before any of its presses went out (killed while bets were placed) comes
// back with none, and the client then makes its own presses again.
inline int ReplayPressesWaiting() { return gPlaybackClient.list.head != nullptr ? 1 : 0; }

// 1 while the replay runs: boxes stay closed and the client makes no
// presses of its own (the replay presses the recorded ones). Once the
// restore is over and no recorded press waits, the player plays the rest of
// the round himself.
inline int ReplayRunning() { return gReplayingRound && (IsRestoring() || ReplayPressesWaiting()); }

}  // namespace dq
