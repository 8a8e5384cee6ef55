// What the saved-game restore needs from the application shell. The shell
// fills this table in at start-up; the link library never links the shell.
#pragma once

#include "platform/include/plat/types.h"

// How a button press reaches the game's button handler.
enum PressKind : int { kPressLeft = 1, kPressRight = 2 };

struct ShellHooks {
  plat::HWND (*mainWindow)();            // owner of the restore's boxes
  void (*pressButton)(int button, int kind);  // presses a button as playback (PressKind)
  int (*isButtonEnabled)(int button);    // 1 when the button may be pressed
  void (*muteForRestore)();              // saves and clears both sound switches
  void (*restoreSoundFlags)();           // puts them back
  int (*showAnimations)();               // the shared animation switch
  void (*setShowAnimations)(int value);
  int (*windowMaximised)();              // 1: show the main window maximised
};

// Installs the table (copied); until then every entry acts as a no-op
// answering 0 / null.
void SetShellHooks(const ShellHooks& hooks);
const ShellHooks& GetShellHooks();
