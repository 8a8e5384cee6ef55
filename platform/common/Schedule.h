// What falls due on the device clock: the multimedia timers and the ends of
// MIDI pieces. The model keeps both schedules and their rules once; the
// device (Device.h) keeps the time and fires what falls due.
#pragma once

#include <cstdint>

#include "platform/include/plat/sound.h"
#include "platform/include/plat/time.h"

namespace plat::common {

// The earliest due time of the timers running; false when none runs.
bool EarliestTimerDue(std::uint64_t* when);
// Fires the earliest timer due at or before now (by due time, then id); a
// one-shot stops running as its callback starts. False when none was due.
bool FireDueTimer(std::uint64_t now);
// Fires each timer as a real clock reaches it until StopFiringTimers (the
// device's timer thread).
void FireTimersOnRealClock();
void StopFiringTimers();
int RunningTimers();
// Forgets the timers, the periods begun and a failing timeGetDevCaps, as a
// fresh program has none of them; no callback may be under way.
void ResetTimers();
void SetTimerCapsFail(bool fail);
int PeriodsBegun();
// timeGetTime answers ms now and counts on from there (tests of the wrap).
void SetShownClock(DWORD ms);

// The earliest end of a playing piece; false when none plays.
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
