// The MIDI sequencer's model: open pieces, their modes, positions and
// notifications, kept once; the device only sounds them.
#pragma once

#include <cstdint>

#include "platform/include/plat/sound.h"

namespace plat::common {

// The earliest end of a playing piece, on the device clock; false when none plays.
bool NextPieceEnd(std::uint64_t* when);
// Ends every piece whose end has come: stopped there, MCI_NOTIFY_SUCCESSFUL posted.
void EndDuePieces();
// Ends every playing or paused piece now, as if its end had come (tests).
void EndPiecesNow();
// Stops every piece where it stands and drops its notification (a device that failed; tests).
void StopPiecesSilently();
// Closes every piece without a notification (shutdown and a fresh program).
void CloseAllPieces();

}  // namespace plat::common
