// The cashier's dialog templates, card logos and background picture.
#pragma once

#include "framework/sound/Dib.h"

// The background picture of the dialogs, in the format of the main picture.
inline constexpr char kBackgroundPictureFile[] = "res\\BGround.dat";
extern CDib gCashierBackground;

inline constexpr int kCardLogoWidth = 28;
inline constexpr int kCardLogoHeight = 17;
// The logos' mask colour: their pixels of this colour are left out.
inline constexpr unsigned kCardLogoMaskColour = 0x00FF00FFu;  // RGB(255, 0, 255)

// The file of the logo resource id (145, 146, 147, 149), null for others.
const char* CardLogoFile(int resourceId);

// Registers the templates 106, 107 and 108 and the logo bitmaps 145, 146,
// 147 and 149 (read from the program's folder).
void RegisterCashierResources();
