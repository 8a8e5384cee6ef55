// What each backend supplies to the Windows model kept once in common/: only
// the device, one call per line of contract, by area.
#pragma once

#include "platform/include/plat/window.h"

namespace plat::common {

// ---- Message loop: native events, waiting, and carrying messages between programs ----

// Handles every native event waiting now (input, painting, calls from other programs); never blocks.
void PumpNativeEvents();
// An empty check's short wait: true to look again (desktop waited up to 1 ms); false after a headless idle round.
bool IdleWait();
// Waits at most maxWaitMs (negative: no limit) for a native event and handles it; headless: one idle round.
void WaitNativeEvents(int maxWaitMs);
// Wakes the message thread out of a native wait; callable from any thread.
void WakeMessageThread();
// Where the pointer is, as a posted message carries it; callable from any thread.
POINT PointerForPost();
// True when the handle names a window of another running program (headless: never, every window lives here).
bool IsOtherProcessWindow(HWND hwnd);
// Starts carrying a sent message (WM_COPYDATA with its bytes) to that window's program; its call, 0 if unreachable.
unsigned CarrySend(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues a posted message in that window's program without waiting; false when it cannot be reached.
bool CarryPost(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// 1 with the answer once the call is answered, 0 while it is awaited, -1 when it failed; 1 and -1 end the call.
int AnswerOfCall(unsigned call, LRESULT* result);
// Ends a call whose answer is no longer awaited.
void DropCall(unsigned call);
// Waits at most maxWaitMs for what other programs send (and timers, painting), never input, and handles it.
void WaitForSentOnly(int maxWaitMs);

}  // namespace plat::common
