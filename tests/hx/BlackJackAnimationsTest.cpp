// With the animations switch off every card and chip flight of the Black
// Jack table lands in one frame, on the same table as with it on.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/Screen.h"
#include "hx/BlackJackButtons.h"
#include "hx/BlackJackClient.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/time.h"
#include "tests/hx/BlackJackRun.h"
#include "tests/support/KilledRun.h"

namespace {

using R = BlackJackRun;

hx::BlackJackClientRecord* Rec() { return R::Record(); }
bool Betting() { return R::InState(hx::kBetting) && hx::BettingOpen(); }
bool Deciding() { return R::InState(hx::kDecide); }
bool Settled() { return R::InState(hx::kWaitContinue); }

struct FinalTable {
  std::vector<std::uint8_t> background;
  std::vector<std::uint8_t> front;
  plat::DWORD elapsed = 0;
};

// The split of eights to its settlement with the animations switch as given.
FinalTable PlaySplit(int animations) {
  BlackJackRun run;
  run.decks = {"8S 8H 6D 3C 2S TD 9H"};
  const std::uint16_t cfg[5] = {0, static_cast<std::uint16_t>(animations), 1, 1, 0};
  std::ofstream(run.Root() + "/Casino.cfg", std::ios::binary).write(reinterpret_cast<const char*>(cfg), sizeof cfg);
  plat::headless::SetMessageBoxHandler(AnswerEveryBox);
  FinalTable table;
  plat::DWORD start = 0;
  run.When(Betting, [&] {
    start = plat::GetTickCount();
    R::ClickButton(hx::kButtonBet1 + 2);
  });
  run.When([] { return Rec()->bet == 25.0; }, [] { R::ClickButton(hx::kButtonDeal); });
  run.When([] { return Deciding() && Rec()->splitState == 0; }, [] { R::ClickButton(hx::kButtonSplit); });
  run.When([] { return Deciding() && Rec()->splitState == 1; }, [] { R::ClickButton(hx::kButtonStand); });
  run.When([] { return Deciding() && Rec()->splitState == 2; }, [] { R::ClickButton(hx::kButtonStand); });
  run.When(Settled, [&] {
    table.elapsed = plat::GetTickCount() - start;
    table.background = LayerPixels(gScreen.Background());
    table.front = LayerPixels(gScreen.Front());
    R::ClickButton(hx::kButtonExit);
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(gCasinoCfg.showAnimations, animations);
  return table;
}

}  // namespace

// With the animations off every card and chip lands at once: the same
// table as with them on, in a fraction of the time.
TEST(BlackJackAnimations, OffEndOnTheSameTable) {
  const FinalTable on = PlaySplit(1);
  const FinalTable off = PlaySplit(0);
  ExpectSameLayer(off.background, on.background, "background");
  EXPECT_LT(off.elapsed * 2, on.elapsed);
}
