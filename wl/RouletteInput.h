// The Roulette window's input: chips placed and taken back on the bet
// slots of the hit map, the buttons, the spin check and the keys.
#pragma once

#include "platform/include/plat/types.h"

namespace wl {

// A mouse message at (x, y) (button -1), or a press of button through
// PressButton.
void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button);
// The limits over the whole table; a refused spin shows its text, a kept
// one asks the client to spin and locks betting.
void SpinCheck();
// The keys the window procedure hands on: Enter, Space (down and up).
void KeyDown(plat::WPARAM key);
void KeyUp(plat::WPARAM key);
// Start of a run.
void ResetInput();

}  // namespace wl
