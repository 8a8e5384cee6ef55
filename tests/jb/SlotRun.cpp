#include "tests/jb/SlotRun.h"

#include <memory>

#include "framework/link/Db.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/shell/ShellGlobals.h"
#include "jb/SlotButtons.h"
#include "jb/SlotClient.h"
#include "jb/SlotProgram.h"
#include "jb/art/SlotSheet.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/support/QueuedDraws.h"
#include "tests/support/TempFolder.h"

SlotRun::SlotRun(int animations) : CCardTableRun(jb::kSlotGame, jb::art::SlotSheet(), jb::art::kProgram, DrawQueued) {
  ClearDraws();
  // maximised 0, animations, sound effects 1, music 0, reserved 0
  const char cfg[10] = {0, 0, static_cast<char>(animations), 0, 1, 0, 0, 0, 0, 0};
  WriteFile("../../Casino.cfg", std::string(cfg, sizeof cfg));
}

jb::SlotClientRecord* SlotRun::Record() { return jb::SlotClientHooks::Current(); }

bool SlotRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

std::function<bool()> SlotRun::AfterFrames(int frames) {
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

void SlotRun::ClickButton(int button) { Click(jb::kSlotButtonTable[button]); }

void SlotRun::PressKey(plat::WPARAM key) {
  plat::headless::PostKey(gMainWindow, key, plat::TRUE, plat::FALSE);
  plat::headless::PostKey(gMainWindow, key, plat::FALSE, plat::FALSE);
}

void SlotRun::Quit() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }

void SlotRun::StackStops(int reel1, int reel2, int reel3) {
  QueueDraw(reel1 + 22 * 100);
  QueueDraw(reel2 + 22 * 7);
  QueueDraw(reel3);
}

bool SlotRun::Drawn(const jb::Area& a) {
  for (int y = a.y; y < a.y + a.height; ++y) {
    for (int x = a.x; x < a.x + a.width; ++x) {
      if (ScreenPixel(x, y) != SheetColour(jb::art::SlotSheet(), x, y)) return true;
    }
  }
  return false;
}

bool SlotRun::Shows(const jb::Area& a, int sourceX, int sourceY) {
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (ScreenPixel(a.x + x, a.y + y) != SheetColour(jb::art::SlotSheet(), sourceX + x, sourceY + y)) return false;
    }
  }
  return true;
}

int SlotRun::SoundsPlayed(const std::string& name) {
  int n = 0;
  for (const auto& s : plat::headless::Sounds()) {
    n += s.kind == plat::headless::SoundRecord::WAVE && s.name == name ? 1 : 0;
  }
  return n;
}

double SlotRun::Account() {
  double balance = -1;
  dbGetBalance(kSavedGameUser, &balance);
  return balance;
}
