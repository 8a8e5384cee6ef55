// A Slot program killed during a spin and started again against the real
// stand-in main client: it keeps no saved game, so the new start shows the
// balance the server settled, the whole account in its money.
#include <gtest/gtest.h>

#include "framework/link/Db.h"
#include "framework/link/SavedGameKeys.h"
#include "jb/SlotButtons.h"
#include "jb/SlotClient.h"
#include "jb/SlotProgram.h"
#include "jb/art/SlotSheet.h"
#include "tests/jb/SlotRun.h"
#include "tests/support/KilledRun.h"
#include "tests/support/MainClientSession.h"
#include "tests/support/QueuedDraws.h"
#include "tests/support/TempFolder.h"

namespace {

using R = SlotRun;
using namespace jb;

bool Waiting() { return R::InState(kWaitSpinRequest); }

class CSlotSession : public CMainClientSession {
 public:
  explicit CSlotSession(const std::string& root) : CMainClientSession(root, kSlotGame, "slot", art::SlotSheet()) {
    serverRandom = DrawQueued;
    describe = [] { return ", client state " + std::to_string(R::Record() != nullptr ? R::Record()->state : -1); };
  }
};

struct Seen {
  double money = -1, credits = -1, account = -2;
};

// Starts the program once and reads what its machine shows.
Seen StartAndLook(const std::string& root) {
  CSlotSession session(root);
  Seen seen;
  session.When(Waiting, [&] {
    seen.money = R::Record()->money;
    seen.credits = R::Record()->credits;
    dbGetBalance(kSavedGameUser, &seen.account);
    R::Quit();
  });
  EXPECT_EQ(session.Run(0), 0);
  EXPECT_DOUBLE_EQ(session.finalBalance, seen.account);
  return seen;
}

// $5 in at $1, one coin on three 7s (1000 coins), killed at kill.
void PlayUntilKilled(const std::string& root, int kill) {
  RunUntilKilled([&] {
    CSlotSession killed(root);
    ClearDraws();
    R::StackStops(16, 16, 16);
    killed.When(Waiting, [] { R::ClickButton(kButtonInsert1 + 1); });
    killed.When([] { return R::Record()->credits == 5; }, [] { R::ClickButton(kButtonBetOne); });
    killed.When([] { return R::Record()->betCoins == 1; }, [] { R::ClickButton(kButtonSpin); });
    killed.When([kill] { return R::InState(kill); }, DieHere);
    killed.Run(0);
  });
}

TEST(SlotKilledSpin, TheNextStartShowsTheBalanceTheServerSettled) {
  TempFolder root;
  const Seen before = StartAndLook(root.Path());
  PlayUntilKilled(root.Path(), kStopFirstReel);
  const Seen after = StartAndLook(root.Path());
  EXPECT_DOUBLE_EQ(after.money, before.money + 999.0);
  EXPECT_DOUBLE_EQ(after.money, after.account);
  EXPECT_EQ(after.credits, 0.0);
}

// Killed with the SPIN on its way: settled or not, nothing is half done.
TEST(SlotKilledSpin, KilledWhileTheSpinIsAskedTheAccountIsWhole) {
  TempFolder root;
  const Seen before = StartAndLook(root.Path());
  PlayUntilKilled(root.Path(), kWaitSpin);
  const Seen after = StartAndLook(root.Path());
  EXPECT_TRUE(after.money == before.money || after.money == before.money + 999.0) << after.money;
  EXPECT_DOUBLE_EQ(after.money, after.account);
}

}  // namespace
