// The message loop, the 20 ms frame pump and the alive check.
#pragma once

#include "platform/include/plat/types.h"

inline constexpr plat::DWORD kFramePeriod = 20;
// Lateness up to this many ms keeps the frame grid; a longer stall starts a
// new one, or catches up this much (GameDefinition::catchUpLateFrames).
inline constexpr plat::DWORD kMaxFrameLateness = 40;
// After a frame the frame timer started, the next reference lies this far ahead.
inline constexpr plat::DWORD kTimerLead = 4;
inline constexpr char kLinkLostText[] = "Connection with mainclient is lost";

// Removes and dispatches messages (accelerators first) until WM_QUIT, idling
// with IdleTick while the program is active and waiting for messages
// otherwise. After WM_QUIT: a pending error is shown, ShutdownApp, and the
// quit code answered. When the main client is lost it answers 0 at once,
// without ShutdownApp.
int RunMessageLoop();
// The alive query every alive period (a wrong answer shows the "FATAL ERROR"
// box and clears gLinkReady), then a frame when one is due on the 20 ms grid
// or the frame timer fired. Answers the frame's result, 0 when none ran.
int IdleTick();
// One frame: while the link is ready the game client, then the game server
// (or the saved-game replay in its place), the end of a restore, and the
// window's destruction on a negative client result; always the status-line
// timeout and the screen flush. Answers the flush's result.
int RunFrame();
// Last alive query and frame reference back to 0 (start of a run).
void ResetFramePump();
