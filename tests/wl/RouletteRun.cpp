#include "tests/wl/RouletteRun.h"

#include <memory>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"
#include "tests/support/QueuedDraws.h"
#include "wl/RouletteButtons.h"
#include "wl/RouletteClient.h"
#include "wl/RouletteProgram.h"
#include "wl/art/RouletteSheet.h"

RouletteRun::RouletteRun() : CCardTableRun(wl::kRouletteGame, wl::art::RouletteSheet(), wl::art::kProgram, DrawQueued) {
  ClearDraws();
}

wl::RouletteClientRecord* RouletteRun::Record() { return wl::RouletteClientHooks::Current(); }

std::function<bool()> RouletteRun::AfterFrames(int frames) {
  auto start = std::make_shared<plat::DWORD>(0);
  auto started = std::make_shared<bool>(false);
  return [=] {
    if (!*started) {
      *started = true;
      *start = plat::headless::Now();
    }
    return plat::headless::Now() - *start >= static_cast<plat::DWORD>(20 * frames + 2);
  };
}

bool RouletteRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

bool RouletteRun::Betting() { return InState(wl::kBetting) && IsButtonEnabled(wl::kButtonSpin); }

void RouletteRun::ClickButton(int button) { Click(wl::kRouletteButtonTable[button]); }

void RouletteRun::ClickSlot(int slot) {
  const wl::Point p = wl::SlotPosition(slot);
  ClickAt(p.x, p.y);
}

void RouletteRun::RightClickSlot(int slot) {
  const wl::Point p = wl::SlotPosition(slot);
  plat::headless::RightClick(gMainWindow, gOffsetX + p.x, gOffsetY + p.y);
}

void RouletteRun::ClickAt(int x, int y) { plat::headless::Click(gMainWindow, gOffsetX + x, gOffsetY + y); }

plat::COLORREF RouletteRun::PictureColour(int x, int y) { return SheetColour(wl::art::RouletteSheet(), x, y); }

bool RouletteRun::Drawn(int x0, int y0, int width, int height) {
  for (int y = y0; y < y0 + height; ++y) {
    for (int x = x0; x < x0 + width; ++x) {
      if (ScreenPixel(x, y) != PictureColour(x, y)) return true;
    }
  }
  return false;
}
