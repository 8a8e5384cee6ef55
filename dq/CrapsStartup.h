// The Craps start-up hooks the shell calls, and the work bitmaps and colours
// they prepare.
#pragma once

#include "framework/sound/Dib.h"
#include "framework/sound/GlyphTable.h"

namespace dq {

inline constexpr int kHelpCommand = 104;

extern CDib gMovingPile;   // 24 x 64: one flying pile of chips
extern CDib gTickerStrip;  // 145 x 17: the ticker's dots
// Colour index left out when the table font is drawn (picture pixel (0, 481)).
extern int gTableTextColour;
// The small font's glyph table as the shell draws with it: its key is the
// index the font's background has after the picture was remapped.
extern GlyphTable gSmallFontGlyphs;

// Reads "Casino.cfg" and "Craps.cfg" (defaults for what is missing).
void LoadGameConfig();
// Makes both work bitmaps. 1, or 0 when memory runs out.
int CreateWorkBitmaps();
void FreeWorkBitmaps();
// Maps the picture and the moving-pile bitmap to the palette, reads the text
// and transparent colours from the picture, shows the whole screen and fills
// both work bitmaps with the transparent colour. 1, or 0 on a failure.
int RemapBitmaps();
// Registers the program's own resources: the options dialog and the
// accelerators (the shell loads them by number).
void RegisterCrapsResources();

}  // namespace dq
