// Start-up and shutdown of a program: the skeleton every program runs, with
// the game's table (gGame, InstallGame) supplying names, files and hooks.
#pragma once

#include "framework/shell/Shutdown.h"
#include "platform/include/plat/types.h"

// Accelerator table resource and icon resource of every program.
inline constexpr int kAcceleratorResource = 103;
inline constexpr int kIconResource = 133;

// The whole program: start-up, both link ends connected to the main client,
// the saved-game restore, the message loop, then everything freed. Answers
// the loop's exit code, or 0 when the start fails. gGame must be installed.
int WinMain(plat::HINSTANCE instance, plat::HINSTANCE previous, const char* commandLine,
            int showCommand);
// Single instance, display check, settings, window, picture, hit map,
// screen, palette; the window not yet shown. 1 ready, 0 end the program (an
// error box has been shown or waits in gErrorText).
int StartupInit(const char* commandLine);
// The window shown and painted (showCommand not SW_HIDE) or, on a hidden
// start, the restore window instead.
void ShowStartWindow(int showCommand);
// Accelerators and the random seed. 1 or 0.
int SetupApplication();
// Window class and the centred main window with its device context. 1 or 0.
int SetupWindows();
// The picture file into gPicture. 1 or 0.
int LoadDataFile();
