// The game's button table: drawing, enabling, the cursor and presses.
// Button numbers outside the table are ignored everywhere.
#pragma once

#include "framework/link/ShellHooks.h"
#include "framework/shell/ButtonEntry.h"

class CDib;

// Hand cursor resource shown over an enabled button.
inline constexpr int kHandCursorResource = 106;

// Draws row i in state (0..2) from bitmap: nothing for a row outside the
// table, a hit-only row, or a state already drawn. A state without a source
// restores the area from the picture. currentState becomes state.
void DrawButton(const CDib* bitmap, int i, int state);
// Every row from the picture, in state 1 when enabled is 1, else 0; then
// UpdateCursor.
void RedrawButtons();
void EnableButton(int i);
// 1 when row i exists and its enabled flag is not 0.
int IsButtonEnabled(int i);

// Range operations over the game's rows (GameDefinition::ranges), each
// ending with UpdateCursor.
void DisableBetButtons();
void DisableGameButtons();
void EnableGameButtons();
void DisableChipButtons();

// The button under a client-area point (the centring offsets are taken off),
// as the game's ButtonInPlace has it; 0 when none.
int ButtonAt(int clientX, int clientY);
// The button under the mouse pointer, 0 when none.
int ButtonUnderPointer();
// The hand cursor over a button whose enabled flag is exactly 1, else the arrow.
void UpdateCursor();

// A press for the game's button handler (kind 2: right button, else left);
// dropped while a saved game is being replayed.
void PressButton(int button, int kind);
// The replay's way in: a press of kind (kPressLeft, kPressRight) whatever
// the playback state.
void PlaybackPressButton(int button, int kind);
