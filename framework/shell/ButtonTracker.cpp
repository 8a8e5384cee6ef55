#include "framework/shell/ButtonTracker.h"

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "platform/include/plat/window.h"

void DrawButtonReleased(int button) {
  DrawButton(&gPicture, button, IsButtonEnabled(button) ? 1 : 0);
}

void CButtonTracker::OnMouse(const ButtonActions& actions, int b, plat::UINT message,
                             plat::WPARAM keys) {
  switch (message) {
    case plat::WM_MOUSEMOVE: {
      if (pressed != 0) {
        int state = 0;
        if (IsButtonEnabled(pressed)) state = (b == pressed && (keys & plat::MK_LBUTTON)) ? 2 : 1;
        DrawButton(&gPicture, pressed, state);
      }
      if (b == hovered) return;
      hovered = b;
      const char* text = actions.hoverText != nullptr ? actions.hoverText(b) : nullptr;
      if (text != nullptr && IsButtonEnabled(b)) PrintStatusMsg("%s", text);
      return;
    }
    case plat::WM_LBUTTONDOWN:
      if (!IsButtonEnabled(b)) return;
      pressed = b;
      DrawButton(&gPicture, b, 2);
      if (actions.leftPress != nullptr) actions.leftPress(b);
      return;
    case plat::WM_LBUTTONUP: {
      const int held = pressed;
      pressed = 0;
      if (held == 0) return;
      if (b == held && IsButtonEnabled(b)) return actions.leftRelease(b);
      DrawButtonReleased(held);
      return;
    }
    case plat::WM_RBUTTONDOWN:
      if (!IsButtonEnabled(b)) return;
      rightPressed = b;
      DrawButton(&gPicture, b, 2);
      if (actions.rightPress != nullptr) actions.rightPress(b);
      return;
    case plat::WM_RBUTTONUP: {
      const int held = rightPressed;
      rightPressed = 0;
      if (held == 0) return;
      if (b == held && IsButtonEnabled(b) && b >= actions.firstRightButton &&
          actions.rightRelease != nullptr) {
        actions.rightRelease(b);
      }
      DrawButtonReleased(held);
      return;
    }
    default: return;
  }
}

void CButtonTracker::Reset() {
  pressed = 0;
  rightPressed = 0;
  hovered = 0;
}
