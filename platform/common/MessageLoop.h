// The message loop kept once for both backends: taking messages in their
// order, waiting, and sends within and between programs. The device feeds it
// through these calls (see Device.h for what it supplies in return).
#pragma once

#include "platform/common/MessageQueue.h"

namespace plat::common {

// The next message the filter accepts (null: any): posted, then input, then
// WM_QUIT when allowQuit, then WM_PAINT of a shown window that needs it
// (taking that validates). A mouse message taken asks its window for the
// cursor (WM_SETCURSOR) first.
bool TakeMessage(const MessageFilter& filter, bool remove, bool allowQuit, MSG* out);
// Whether any message waits, WM_QUIT and WM_PAINT included.
bool MessageWaiting();
// A message the device posts; from any thread, waking the message thread.
void PostFromDevice(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Input the device delivers, with the pointer where it is now.
void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// The lParam of a key message: one press, the key's previous state (held
// already when repeat or going up) and, going up, the transition bit.
LPARAM KeyLParam(bool down, bool repeat);
// A message another program sent to a window here: handled at once; the
// procedure's answer, 0 when the window is not here.
LRESULT DeliverSent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// A message another program posted: queued when the window is here.
void DeliverPosted(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace plat::common
