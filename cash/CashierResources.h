// The cashier's dialog templates, card logos and background picture.
#pragma once

#include "cash/DialogArtFiles.h"
#include "framework/sound/Dib.h"

// The background picture (kBackgroundPictureFile), loaded at start.
extern CDib gCashierBackground;

// Registers the templates 106, 107 and 108 and the logo bitmaps 145, 146,
// 147 and 149 (read from the program's folder).
void RegisterCashierResources();
