// The status-bar texts of the Keno program, which the Video Poker and
// Roulette programs draw too: a text shown at once, and the credit field.
#pragma once

namespace pd {

// The shell's status text (characters outside ' '..'Z' and 'a'..'z' become
// blanks, the text stops before it would pass width) in the font's colour,
// flushed to the window at once.
void DrawStatusText(int x, int y, int width, const char* text);
// The player record's second text in the layout's user field, flushed.
void DrawCredit();

}  // namespace pd
