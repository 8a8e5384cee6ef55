// The window-message handling every program's window procedure shares.
#pragma once

#include "platform/include/plat/types.h"

// Smallest size the user can drag the window to.
inline constexpr int kMinTrackWidth = 650;
inline constexpr int kMinTrackHeight = 510;
inline constexpr char kSharedHelpFile[] = "..\\..\\ORVANTA.HLP";

// Handles what is the same in every program and answers 1 with *answer set;
// 0 leaves the message to the game's own handling:
// - while gLinkReady: WM_COPYDATA kind 1 (client end), 2 (server end) and 3
//   (player record and local balance); the single message 4 (send the player
//   record) and 5 (alive: -3);
// - WM_CREATE (music when switched on), WM_DESTROY (device context, music,
//   shared help closed, quit), WM_SIZE (centring), WM_PAINT (whole screen),
//   WM_GETMINMAXINFO, WM_SETCURSOR, WM_ACTIVATEAPP (active flag, music paused
//   or resumed), the palette messages and the music notification;
// - mouse moves, presses and releases go to the game's HandleButtonInput
//   with button -1, except while a saved game is replayed.
// The game's window procedure calls it first; a game that adds its own work
// to one of these messages does that work before the call.
int HandleShellMessage(plat::HWND window, plat::UINT message, plat::WPARAM wParam,
                       plat::LPARAM lParam, plat::LRESULT* answer);
