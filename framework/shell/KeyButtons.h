// A game's character keys as button presses: one table per game.
#pragma once

#include "platform/include/plat/types.h"

struct KeyButton {
  char key;    // the character, case as typed
  int button;  // the row of the game's button table it presses
};

// The button of key in the table, 0 when the key presses none.
int ButtonOfKey(const KeyButton* table, int count, char key);
// WM_CHAR: presses the key's button as a left click through PressButton;
// auto-repeats and keys of no button do nothing.
void PressKeyButton(const KeyButton* table, int count, plat::WPARAM character,
                    plat::LPARAM keyData);
