// The files of the cashier dialogs' artwork: the background picture and the
// card logos, as the program opens them and the generator writes them.
#pragma once

// The background picture of the dialogs, in the format of the main picture.
inline constexpr char kBackgroundPictureFile[] = "res\\BGround.dat";

inline constexpr int kCardLogoWidth = 28;
inline constexpr int kCardLogoHeight = 17;
// The logos' mask colour: their pixels of this colour are left out.
inline constexpr unsigned kCardLogoMaskColour = 0x00FF00FFu;  // RGB(255, 0, 255)

// The plain 8-bit bitmap file of the logo resource id (145, 146, 147, 149),
// null for others.
const char* CardLogoFile(int resourceId);
