// The questions a game window asks when the player wants to leave (WM_CLOSE),
// each in a box titled with the game's name.
#pragma once

#include "platform/include/plat/types.h"

// "Return to main menu?" (OK/Cancel). On OK the window's show state is kept
// in the shared settings (maximised or not) and 1 is answered; else 0.
int AskReturnToMainMenu(plat::HWND window, const char* title);
// A Yes/No question (question icon, No the default) with the game's text on
// the bets a quit forfeits. 1 on Yes, else 0.
int AskQuitLosingBets(plat::HWND window, const char* title, const char* text);
// "You can't quit at this point".
void SayCannotQuitNow(plat::HWND window, const char* title);
