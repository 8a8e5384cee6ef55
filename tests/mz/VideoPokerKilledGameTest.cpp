// A Video Poker hand killed after each packet of its draw and restored end
// to end against the real stand-in main client: the restored machine shows
// the same cards, meters and account as the hand played through, not a
// cent lost or paid twice.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/link/Db.h"
#include "framework/link/RestoreWindow.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "mainclient/SavedGameFile.h"
#include "mz/VideoPokerButtons.h"
#include "mz/VideoPokerClient.h"
#include "mz/VideoPokerMachine.h"
#include "mz/VideoPokerPayTable.h"
#include "platform/include/plat/window.h"
#include "tests/mz/VideoPokerRun.h"
#include "tests/mz/VideoPokerSession.h"
#include "tests/support/KilledRun.h"
#include "tests/support/QueuedDraws.h"
#include "tests/support/SavedServer.h"
#include "tests/support/StackedDeck.h"
#include "tests/support/TempFolder.h"

namespace {

using R = VideoPokerRun;

bool Back() { return !IsRestoring() && R::Record() != nullptr; }
bool Choosing() { return Back() && R::InState(mz::kChoose) && IsButtonEnabled(mz::kButtonCoinFive); }
bool HandDone() { return Choosing() && R::Record()->handCode == mz::kFourOfAKind; }

struct HandSeen {
  bool taken = false;
  mz::HandCard hand[mz::kHandCards] = {};
  double credits = 0, money = 0, won = 0, account = 0;
};

enum Kill { kNoKill, kFirstDealSent, kFirstDealAnswered, kFinalDealSent, kFinalDealAnswered, kEndPlaySent };

void ReadResult(VideoPokerSession& s, HandSeen* seen);

// $25 in, five $1 coins on four aces, the aces held and a two drawn.
// A restored hand replays behind the restore window up to where it was
// killed; the holds and the draw not yet made are made then.
void ScriptHand(VideoPokerSession& s, Kill kill, bool restored, HandSeen* seen) {
  s.boxAnswers = AnswerEveryBox;
  ClearDraws();
  hx::QueueDeck("AS AH AD AC KS 2C");
  hx::QueueDeck("2S 7H 9D JC KS 3C");
  if (restored) {
    s.When([] { return Back() && (R::InState(mz::kHolding) || HandDone()); }, [] {
      if (!R::InState(mz::kHolding)) return;
      for (int n = 0; n < 4; ++n) R::ClickButton(mz::kButtonHold1 + n);
    });
    s.When([] { return Back() && (R::Record()->hand[3].hold == 1 || HandDone()); }, [] {
      if (R::InState(mz::kHolding)) R::ClickButton(mz::kButtonDeal);
    });
    return ReadResult(s, seen);
  }
  s.When([] { return Choosing() && R::Record()->credits == 0 && R::Record()->handCode == 0; },
         [] { R::ClickButton(mz::kButtonInsert1 + 2); });
  s.When([] { return Choosing() && R::Record()->credits == 25; }, [] { R::ClickButton(mz::kButtonBetMax); });
  if (kill == kFirstDealSent) return s.When([] { return R::InState(mz::kWaitFirstDeal); }, DieHere);
  s.When([] { return Back() && R::InState(mz::kHolding); }, [kill] {
    if (kill == kFirstDealAnswered) DieHere();
    for (int n = 0; n < 4; ++n) R::ClickButton(mz::kButtonHold1 + n);
  });
  s.When([] { return Back() && R::Record()->hand[3].hold == 1; }, [] { R::ClickButton(mz::kButtonDeal); });
  if (kill == kFinalDealSent) return s.When([] { return R::InState(mz::kWaitFinalDeal); }, DieHere);
  if (kill == kFinalDealAnswered) return s.When([] { return R::InState(mz::kFlipFinal); }, DieHere);
  if (kill == kEndPlaySent) return s.When([] { return R::InState(mz::kWaitEndPlay); }, DieHere);
  ReadResult(s, seen);
}

void ReadResult(VideoPokerSession& s, HandSeen* seen) {
  s.When(HandDone, [seen] {
    const mz::VideoPokerClientRecord* r = R::Record();
    seen->taken = true;
    std::memcpy(seen->hand, r->hand, sizeof seen->hand);
    seen->credits = r->credits;
    seen->money = r->money;
    seen->won = r->moneyWon;
    dbGetBalance(kSavedGameUser, &seen->account);
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
}

class VideoPokerKilledGame : public ::testing::TestWithParam<Kill> {};

TEST_P(VideoPokerKilledGame, RestoresToTheHandPlayedThrough) {
  TempFolder reference;
  VideoPokerSession played(reference.Path());
  HandSeen playedSeen;
  ScriptHand(played, kNoKill, false, &playedSeen);
  ASSERT_EQ(played.Run(0), 0);
  ASSERT_TRUE(playedSeen.taken);
  EXPECT_DOUBLE_EQ(playedSeen.won, 100.0);
  EXPECT_DOUBLE_EQ(playedSeen.credits, 120.0);

  TempFolder root;
  RunUntilKilled([&] {
    VideoPokerSession killed(root.Path());
    HandSeen ignored;
    ScriptHand(killed, GetParam(), false, &ignored);
    killed.Run(0);
  });
  ASSERT_EQ(HasSavedGame(VideoPokerSession(root.Path()).SavedGame(), kSavedGameUser), 1);
  VideoPokerSession restored(root.Path());
  HandSeen seen;
  ScriptHand(restored, kNoKill, true, &seen);
  EXPECT_EQ(restored.Run(1), 0);
  EXPECT_FALSE(BoxSaid("Playback error"));
  ASSERT_TRUE(seen.taken);
  EXPECT_EQ(0, std::memcmp(seen.hand, playedSeen.hand, sizeof seen.hand));
  EXPECT_DOUBLE_EQ(seen.credits, playedSeen.credits);
  EXPECT_DOUBLE_EQ(seen.money, playedSeen.money);
  EXPECT_DOUBLE_EQ(seen.won, playedSeen.won);
  EXPECT_DOUBLE_EQ(seen.account, playedSeen.account);
  EXPECT_DOUBLE_EQ(restored.finalBalance, played.finalBalance);
}

constexpr const char* kKillNames[] = {"None", "FirstDealSent", "FirstDealAnswered", "FinalDealSent", "FinalDealAnswered", "EndPlaySent"};
std::string KillName(const ::testing::TestParamInfo<Kill>& info) { return kKillNames[info.param]; }

INSTANTIATE_TEST_SUITE_P(Boundaries, VideoPokerKilledGame,
                         ::testing::Values(kFirstDealSent, kFirstDealAnswered, kFinalDealSent, kFinalDealAnswered, kEndPlaySent), KillName);

// Coins put in and never bet: the restored machine holds the whole account
// between its money and its credits.
TEST(VideoPokerKilledWithCoinsIn, MoneyAndCreditsMakeTheAccount) {
  TempFolder root;
  RunUntilKilled([&] {
    VideoPokerSession killed(root.Path());
    killed.boxAnswers = AnswerEveryBox;
    ClearDraws();
    hx::QueueDeck("2S 7H 9D JC KS 3C");
    killed.When(Choosing, [] { R::ClickButton(mz::kButtonInsert1 + 2); });
    killed.When([] { return Choosing() && R::Record()->credits == 25; }, DieHere);
    killed.Run(0);
  });
  VideoPokerSession restored(root.Path());
  restored.boxAnswers = AnswerEveryBox;
  ClearDraws();
  hx::QueueDeck("2S 7H 9D JC KS 3C");
  double machine = -1, account = -2;
  bool metersShowTheMachine = false;
  restored.When(Choosing, [&] {
    machine = R::Record()->money + R::Record()->credits;
    dbGetBalance(kSavedGameUser, &account);
    const std::vector<std::uint8_t> shown = LayerPixels(gScreen.Front());
    mz::DrawMeters(R::Record());
    metersShowTheMachine = LayerPixels(gScreen.Front()) == shown;
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(restored.Run(1), 0);
  EXPECT_DOUBLE_EQ(machine, account);
  EXPECT_TRUE(metersShowTheMachine);
  EXPECT_DOUBLE_EQ(restored.finalBalance, account);
}

}  // namespace
