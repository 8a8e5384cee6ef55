// Mouse presses and hovering over a game's buttons: the button under a left
// or right press is drawn pressed, a release over the same enabled button
// runs the game's action, and an enabled button the pointer comes onto shows
// its hover text on the status line.
#pragma once

#include "platform/include/plat/types.h"

// What a game does with its buttons; the tracker draws and remembers.
struct ButtonActions {
  // A left press went down on an enabled button (its sounds); null: none.
  void (*leftPress)(int button);
  // A left release over the pressed, enabled button: the game's action. It
  // draws the button itself afterwards.
  void (*leftRelease)(int button);
  // A right release over the right-pressed, enabled button from
  // firstRightButton on (the button is drawn released afterwards); null: none.
  void (*rightRelease)(int button);
  int firstRightButton;
  // The button's status-line text, null for none.
  const char* (*hoverText)(int button);
  // A right press went down on an enabled button (its sounds); null: none.
  void (*rightPress)(int button) = nullptr;
};

class CButtonTracker {
 public:
  // One mouse message (WM_MOUSEMOVE, WM_LBUTTONDOWN/UP, WM_RBUTTONDOWN/UP)
  // over button (0: none); keys: the message's key flags.
  void OnMouse(const ButtonActions& actions, int button, plat::UINT message, plat::WPARAM keys);
  // Start of a run: no button held, none hovered.
  void Reset();

  int pressed = 0;       // the button holding the left press
  int rightPressed = 0;  // the button holding the right press
  int hovered = 0;
};

// Draws a button raised when enabled, plain when not.
void DrawButtonReleased(int button);
