// Mouse presses and key presses on the Baccarat table: chip selection,
// stakes on and off the three areas, requests to the client machine and
// the dialogs.
#pragma once

#include "platform/include/plat/types.h"

namespace sq {

// button -1: the button under (x, y) for a mouse message; else a press of
// that button (message 2: right release, any other: left release).
void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button);
// A left release of a chip button made by the client, logged as the player's.
void PressChipForLog(int button);
void ResetInput();

}  // namespace sq
