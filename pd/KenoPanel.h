// The pay-table panel over the board and the marquee at the top left.
#pragma once

#include "framework/sound/Dib.h"

namespace pd {

// The screen under the open panel, and the marquee's canvas.
extern CDib gPaytableBitmap;
extern CDib gStatusPanel;

// Saves the screen under the panel and draws the returns of count numbers,
// or the note that 3 to 10 are needed.
void DrawPaytable(int count);
// Puts the saved screen back.
void RestorePaytableArea();
// The picture's marquee area into the canvas.
void DrawStatusPanel();
// A new marquee text from the start: the welcome text, or the last draw's
// result (matches of count, and the return when won).
void DrawWelcomeMarquee();
void DrawResultMarquee(int matches, int count, int winFlag, int winReturn);
// One step of the marquee.
void UpdateMarquee();
// The marquee stopped and empty (start of a run).
void ResetMarquee();

}  // namespace pd
