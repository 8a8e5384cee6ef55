// A Roulette spin killed while the ball runs, against the real stand-in
// main client: the program keeps no saved game, so started again it shows
// no restore window and plays on from the balance the server settled.
#include <gtest/gtest.h>

#include "framework/link/RestoreWindow.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/shell/ShellGlobals.h"
#include "mainclient/SavedGameFile.h"
#include "platform/include/plat/window.h"
#include "tests/support/KilledRun.h"
#include "tests/support/MainClientSession.h"
#include "tests/support/QueuedDraws.h"
#include "tests/support/TempFolder.h"
#include "tests/wl/RouletteRun.h"
#include "wl/RouletteButtons.h"
#include "wl/RouletteClient.h"
#include "wl/RouletteProgram.h"
#include "wl/art/RouletteSheet.h"

namespace {

using R = RouletteRun;
using namespace wl;

constexpr int kStraight17 = kFirstBetSlot + 5 * kSlotsPerRow + 2;

class RouletteSession : public CMainClientSession {
 public:
  explicit RouletteSession(std::string root)
      : CMainClientSession(std::move(root), kRouletteGame, art::kProgram, art::RouletteSheet()) {
    serverRandom = DrawQueued;
    describe = [] {
      const RouletteClientRecord* r = RouletteClientHooks::Current();
      return ", client state " + std::to_string(r != nullptr ? r->state : -1);
    };
  }
};

// $5 on the straight 17, 17 drawn: the server has settled 175 won when the
// program dies with the ball still running.
TEST(RouletteKilledSpin, StartedAgainShowsNoRestoreAndTheSettledBalance) {
  TempFolder root;
  RunUntilKilled([&] {
    RouletteSession killed(root.Path());
    ClearDraws();
    QueueDraw(17);
    killed.When(R::Betting, [] {
      R::ClickButton(kButtonChip1 + 1);
      R::ClickSlot(kStraight17);
    });
    killed.When([] { return R::Record()->totalBet == 5; }, [] { R::ClickButton(kButtonSpin); });
    killed.When([] { return R::InState(kBallRun); }, DieHere);
    killed.Run(0);
  });
  RouletteSession again(root.Path());
  EXPECT_EQ(HasSavedGame(again.SavedGame(), kSavedGameUser), 0);
  double money = -1;
  bool restoring = true;
  again.When(R::Betting, [&] {
    money = R::Record()->money;
    restoring = IsRestoring();
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(again.Run(0), 0);
  EXPECT_FALSE(restoring);
  EXPECT_DOUBLE_EQ(money, 3000 - 5 + 180);
  EXPECT_DOUBLE_EQ(again.finalBalance, 3000 - 5 + 180);
}

}  // namespace
