// Mouse clicks and button presses of the Craps window: buttons drawn as they
// are pressed, hover texts on the status line, and each button's action.
#pragma once

#include "platform/include/plat/types.h"

namespace dq {

// With button -1, the button under the client point (x, y) is found in the
// hit map and message is the mouse message. With a button number (a key,
// the client's own chip press or a replay), message 2 is a right-button and
// anything else a left-button release of that button.
void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button);
// The Craps help page (OpenHelpPage).
inline constexpr char kCrapsHelpPage[] = "dq.htm";
// Start of a run: no button held, none hovered.
void ResetInput();

}  // namespace dq
