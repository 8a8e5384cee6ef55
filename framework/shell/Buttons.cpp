#include "framework/shell/Buttons.h"

#include "framework/link/PlaybackClient.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/window.h"

namespace {

ButtonEntry* Row(int i) {
  if (!gGame || !gGame->buttons || i < 0 || i >= gGame->buttonCount) return nullptr;
  return &gGame->buttons[i];
}

void SetRange(int first, int last, int enabled) {
  for (int i = first; i <= last; ++i) {
    if (ButtonEntry* row = Row(i)) row->enabled = enabled;
  }
  UpdateCursor();
}

int LastRow() { return gGame ? gGame->buttonCount - 1 : -1; }

// The first enabled row whose rectangle holds the point, 0 when none.
int EnabledRowAt(int x, int y) {
  for (int i = 1; i <= LastRow(); ++i) {
    const ButtonEntry* row = Row(i);
    if (row->enabled && x >= row->x && x < row->x + row->width && y >= row->y && y < row->y + row->height) return i;
  }
  return 0;
}

}  // namespace

void DrawButton(const CDib* bitmap, int i, int state) {
  ButtonEntry* row = Row(i);
  if (!row || row->kind == kButtonHitOnly || row->currentState == state) return;
  if (state < kButtonStateNormal || state > kButtonStatePressed) return;
  const ButtonSource& source = row->source[state];
  if (source.x == kNoSource) {
    gScreen.Restore(row->x, row->y, row->width, row->height);
  } else if (row->kind == kButtonOpaque) {
    gScreen.Blit(row->x, row->y, bitmap, source.x, source.y, row->width, row->height, -1);
  } else if (row->kind == kButtonTransparent) {
    gScreen.Blit(row->x, row->y, bitmap, source.x, source.y, row->width, row->height,
                 gTransparentIndex);
  }
  row->currentState = state;
}

void RedrawButtons() {
  for (int i = 0; i <= LastRow(); ++i) {
    DrawButton(&gPicture, i, Row(i)->enabled == 1 ? kButtonStateEnabled : kButtonStateNormal);
  }
  UpdateCursor();
}

void EnableButton(int i) {
  if (ButtonEntry* row = Row(i)) row->enabled = 1;
}

int IsButtonEnabled(int i) {
  ButtonEntry* row = Row(i);
  return row && row->enabled != 0 ? 1 : 0;
}

void DisableBetButtons() { SetRange(gGame->ranges.firstBetRow, LastRow(), 0); }
void DisableGameButtons() { SetRange(gGame->ranges.firstGameRow, LastRow(), 0); }
void EnableGameButtons() { SetRange(gGame->ranges.firstGameRow, LastRow(), 1); }
void DisableChipButtons() {
  const ButtonRanges& r = gGame->ranges;
  SetRange(r.firstChipRow, r.firstChipRow + r.chipRowCount - 1, 0);
}

int ButtonAt(int clientX, int clientY) {
  if (!gGame->hitMapFile) return EnabledRowAt(clientX - gOffsetX, clientY - gOffsetY);
  const int button = HitTest(gHitMap, clientX - gOffsetX, clientY - gOffsetY);
  if (button < 0) return 0;
  return gGame->ButtonInPlace ? gGame->ButtonInPlace(button) : button;
}

int ButtonUnderPointer() {
  plat::POINT pt{};
  if (!plat::GetCursorPos(&pt) || !plat::ScreenToClient(gMainWindow, &pt)) return 0;
  return ButtonAt(pt.x, pt.y);
}

void UpdateCursor() {
  int button = ButtonUnderPointer();
  ButtonEntry* row = button != 0 ? Row(button) : nullptr;
  if (row && row->enabled == 1) {
    plat::SetCursor(plat::LoadCursor(gInstance, kHandCursorResource));
  } else {
    plat::SetCursor(plat::LoadCursor(nullptr, plat::IDC_ARROW));
  }
}

void PressButton(int button, int kind) {
  if (gGame->restoresGames && gPlaybackClient.IsActive()) return;
  gGame->HandleButtonInput(0, 0, static_cast<plat::UINT>(kind), 0, button);
}

void PlaybackPressButton(int button, int kind) {
  gGame->HandleButtonInput(0, 0, static_cast<plat::UINT>(kind), 0, button);
}
