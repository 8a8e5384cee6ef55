// A Keno game killed at each of its packet boundaries and restored end to
// end: the program plays against the real stand-in main client, which
// writes the saved game; a child process plays until the boundary and dies
// there; the program started again (hidden, as the main client starts it)
// replays the game and goes on. The numbers, the stake, the draw, the
// balance and the main client's account must be those of the game played
// through: not a dollar lost or paid twice. A saved game that cannot be
// read shows its "INFO" box and the game starts fresh.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/link/Db.h"
#include "framework/link/RestoreWindow.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "mainclient/SavedGameFile.h"
#include "pd/KenoButtons.h"
#include "pd/KenoClient.h"
#include "pd/KenoServer.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/pd/KenoRun.h"
#include "tests/pd/KenoSession.h"
#include "tests/support/BadSavedGames.h"
#include "tests/support/KilledRun.h"
#include "tests/support/QueuedDraws.h"
#include "tests/support/TempFolder.h"

namespace {

using R = KenoRun;

const std::vector<int> kPicks = {5, 12, 33};
// Two of the three drawn: $1 on 3 numbers with 2 matched returns 2.
const std::vector<int> kDraw = DrawHitting(kPicks, 2);

bool Back() { return !IsRestoring() && R::Record() != nullptr; }
bool Picking() { return Back() && R::InState(pd::kPicking) && !pd::gKenoFlags.busy; }
bool WaitingForNewGame() {
  return Back() && R::InState(pd::kWaitNextGame) && IsButtonEnabled(pd::kButtonNewGame);
}

struct GameSeen {
  bool taken = false;
  std::int32_t drawn[pd::kKenoDrawn] = {};
  std::int32_t board[pd::kBoardEntries] = {};
  int stake = 0;
  int winReturn = 0;
  double money = 0;
};

struct NextGame {
  bool taken = false;
  double money = 0;
  double account = 0;
};

// Where a run dies: after the packet of its stage went out.
enum Kill { kNoKill, kPicked, kShootSent, kMidDraw, kEndPlaySent };

void ScriptGame(KenoSession& s, Kill kill, bool restored, GameSeen* seen, NextGame* next) {
  s.boxAnswers = AnswerEveryBox;
  ClearDraws();
  KenoRun::QueueNumbers(kDraw);
  auto started = std::make_shared<bool>(restored);
  // A fresh game, or one whose picks never reached the saved game, is picked.
  s.When(
      [started] {
        if (Picking() && !*started) return true;
        return WaitingForNewGame() || (Picking() && R::Record()->lastStake != 0);
      },
      [started] {
        if (!Picking() || R::Record()->lastStake != 0) return;
        *started = true;
        R::ClickButton(pd::kButtonStake1);
        for (int n : kPicks) R::ClickNumber(n);
      });
  if (kill == kPicked) {
    s.When([] { return Picking() && R::Record()->count == 3; }, DieHere);
    return;
  }
  s.When([] { return (Picking() && IsButtonEnabled(pd::kButtonShoot)) || WaitingForNewGame() ||
                     (Picking() && R::Record()->lastStake != 0); },
         [] {
           if (Picking() && R::Record()->lastStake == 0) R::ClickButton(pd::kButtonShoot);
         });
  if (kill == kShootSent) {
    s.When([] { return R::InState(pd::kWaitShoot); }, DieHere);
    return;
  }
  if (kill == kMidDraw) {
    s.When([] { return R::InState(pd::kDrawing) && pd::gKenoBall == 5; }, DieHere);
    return;
  }
  s.When([] { return WaitingForNewGame() || (Picking() && R::Record()->lastStake != 0); }, [seen] {
    if (!WaitingForNewGame()) return;
    const pd::KenoClientRecord* r = R::Record();
    seen->taken = true;
    std::memcpy(seen->drawn, r->drawn, sizeof seen->drawn);
    std::memcpy(seen->board, r->board, sizeof seen->board);
    seen->stake = r->stake;
    seen->winReturn = r->winReturn;
    seen->money = r->money;
    R::ClickButton(pd::kButtonNewGame);
  });
  if (kill == kEndPlaySent) {
    s.When([] { return R::InState(pd::kWaitEndPlay); }, DieHere);
    return;
  }
  s.When([] { return Picking() && R::Record()->lastStake != 0; }, [next] {
    next->taken = true;
    next->money = R::Record()->money;
    dbGetBalance(kSavedGameUser, &next->account);
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
}

class KenoKilledGame : public ::testing::TestWithParam<Kill> {};

TEST_P(KenoKilledGame, RestoresToTheGamePlayedThrough) {
  // The game played through.
  TempFolder reference;
  KenoSession played(reference.Path());
  GameSeen playedSeen;
  NextGame playedNext;
  ScriptGame(played, kNoKill, false, &playedSeen, &playedNext);
  ASSERT_EQ(played.Run(0), 0);
  ASSERT_TRUE(playedSeen.taken);
  ASSERT_TRUE(playedNext.taken);
  EXPECT_EQ(playedSeen.winReturn, 2);
  EXPECT_DOUBLE_EQ(played.finalBalance, 3000.0 - 1 + 2);
  EXPECT_DOUBLE_EQ(playedNext.money, played.finalBalance);

  // Killed at the boundary, then restored.
  TempFolder root;
  RunUntilKilled([&] {
    KenoSession killed(root.Path());
    GameSeen ignored;
    NextGame ignoredNext;
    ScriptGame(killed, GetParam(), false, &ignored, &ignoredNext);
    killed.Run(0);
  });
  ASSERT_EQ(HasSavedGame(KenoSession(root.Path()).SavedGame(), kSavedGameUser), 1);
  KenoSession restored(root.Path());
  GameSeen seen;
  NextGame next;
  bool hidden = false;
  restored.When([] { return gMainWindow != nullptr && IsRestoring(); },
                [&] { hidden = !plat::IsWindowVisible(gMainWindow); });
  ScriptGame(restored, kNoKill, GetParam() != kPicked, &seen, &next);
  EXPECT_EQ(restored.Run(1), 0);
  EXPECT_TRUE(hidden);
  EXPECT_FALSE(BoxSaid("Playback error"));
  if (GetParam() != kEndPlaySent) {
    ASSERT_TRUE(seen.taken);
    EXPECT_EQ(0, std::memcmp(seen.drawn, playedSeen.drawn, sizeof seen.drawn));
    EXPECT_EQ(0, std::memcmp(seen.board, playedSeen.board, sizeof seen.board));
    EXPECT_EQ(seen.stake, playedSeen.stake);
    EXPECT_DOUBLE_EQ(seen.money, playedSeen.money);
  }
  ASSERT_TRUE(next.taken);
  EXPECT_DOUBLE_EQ(next.money, playedNext.money);
  EXPECT_DOUBLE_EQ(next.account, playedNext.account);
  EXPECT_DOUBLE_EQ(restored.finalBalance, played.finalBalance);
  EXPECT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 0);
}

constexpr const char* kKillNames[] = {"None", "Picked", "ShootSent", "MidDraw", "EndPlaySent"};

std::string KillName(const ::testing::TestParamInfo<Kill>& info) { return kKillNames[info.param]; }

INSTANTIATE_TEST_SUITE_P(Boundaries, KenoKilledGame, ::testing::Values(kPicked, kShootSent, kMidDraw, kEndPlaySent),
                         KillName);

// ---- The space bar over numbers already marked ----

// Game 1: $1 on 12, 30 and 45, none drawn (- 1). Game 2: the player marks
// numbers, presses the space bar, which puts the last bet alone on the
// board, and shoots; the draw holds 12, 30 and 45 but not 7: 3 of 3 return
// 50 (+ 49). The run dies in the middle of the second draw; the restore
// must end on the same bet, paid the same.
const std::vector<int> kLastBet = {12, 30, 45};
constexpr double kAfterRebetGame = 3000.0 - 1.0 + 49.0;

struct RebetGameSeen {
  bool taken = false;
  std::vector<int> numbers;
  int stake = 0;
  int winReturn = 0;
  double money = 0;
  double account = 0;
};

std::vector<int> MarkedNumbers() {
  std::vector<int> numbers;
  for (int n = 1; n <= 80; ++n) {
    if (R::Record()->board[n] == n) numbers.push_back(n);
  }
  return numbers;
}

// The second game's draw: 12, 30 and 45 but not 7.
std::vector<int> SecondDraw() {
  std::vector<int> withSeven = kLastBet;
  withSeven.push_back(7);
  return DrawHitting(withSeven, 3);
}

void ScriptRebetGames(KenoSession& s, const std::vector<int>& markedFirst) {
  s.boxAnswers = AnswerEveryBox;
  ClearDraws();
  KenoRun::QueueNumbers(DrawHitting(kLastBet, 0));
  KenoRun::QueueNumbers(SecondDraw());
  s.When([] { return Picking() && R::Record()->lastStake == 0; }, [] {
    R::ClickButton(pd::kButtonStake1);
    for (int n : kLastBet) R::ClickNumber(n);
  });
  s.When([] { return Picking() && IsButtonEnabled(pd::kButtonShoot); }, [] { R::ClickButton(pd::kButtonShoot); });
  s.When(WaitingForNewGame, [] { R::ClickButton(pd::kButtonNewGame); });
  s.When([] { return Picking() && R::Record()->lastStake != 0; }, [markedFirst] {
    for (int n : markedFirst) R::ClickNumber(n);
  });
  const int count = static_cast<int>(markedFirst.size());
  s.When([count] { return Picking() && R::Record()->count == count; },
         [] { plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE); });
  s.When([] { return Picking() && R::Record()->lastStake == 0 && IsButtonEnabled(pd::kButtonShoot); },
         [] { R::ClickButton(pd::kButtonShoot); });
}

// From the end of the second draw: the game as it ended, then the next one.
void ScriptRebetGameEnd(KenoSession& s, RebetGameSeen* seen, NextGame* next) {
  s.When(WaitingForNewGame, [seen] {
    const pd::KenoClientRecord* r = R::Record();
    seen->taken = true;
    seen->numbers = MarkedNumbers();
    seen->stake = r->stake;
    seen->winReturn = r->winReturn;
    seen->money = r->money;
    dbGetBalance(kSavedGameUser, &seen->account);
    R::ClickButton(pd::kButtonNewGame);
  });
  s.When([] { return Picking() && R::Record()->lastStake != 0; }, [next] {
    next->taken = true;
    next->money = R::Record()->money;
    dbGetBalance(kSavedGameUser, &next->account);
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
}

void ExpectRebetGamePaid(const RebetGameSeen& seen, const NextGame& next, double finalBalance) {
  ASSERT_TRUE(seen.taken);
  EXPECT_EQ(seen.numbers, kLastBet);
  EXPECT_EQ(seen.stake, 1);
  EXPECT_EQ(seen.winReturn, 50);
  // The balance of the game's BEGINPLAY: the win comes with the next.
  EXPECT_DOUBLE_EQ(seen.money, 3000.0 - 1.0);
  EXPECT_DOUBLE_EQ(seen.account, kAfterRebetGame);
  ASSERT_TRUE(next.taken);
  EXPECT_DOUBLE_EQ(next.money, kAfterRebetGame);
  EXPECT_DOUBLE_EQ(next.account, kAfterRebetGame);
  EXPECT_DOUBLE_EQ(finalBalance, kAfterRebetGame);
}

class KenoRebetOverMarks : public ::testing::TestWithParam<std::vector<int>> {};

TEST_P(KenoRebetOverMarks, IsPlayedAndRestoredAsTheLastBetAlone) {
  TempFolder reference;
  KenoSession played(reference.Path());
  RebetGameSeen playedSeen;
  NextGame playedNext;
  ScriptRebetGames(played, GetParam());
  ScriptRebetGameEnd(played, &playedSeen, &playedNext);
  ASSERT_EQ(played.Run(0), 0);
  ExpectRebetGamePaid(playedSeen, playedNext, played.finalBalance);

  TempFolder root;
  RunUntilKilled([&] {
    KenoSession killed(root.Path());
    ScriptRebetGames(killed, GetParam());
    killed.When([] { return R::InState(pd::kDrawing) && pd::gKenoBall == 5; }, DieHere);
    killed.Run(0);
  });
  KenoSession restored(root.Path());
  ASSERT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 1);
  restored.boxAnswers = AnswerEveryBox;
  // The restore draws the second game again, from the same numbers.
  ClearDraws();
  KenoRun::QueueNumbers(SecondDraw());
  RebetGameSeen seen;
  NextGame next;
  ScriptRebetGameEnd(restored, &seen, &next);
  EXPECT_EQ(restored.Run(1), 0);
  EXPECT_FALSE(BoxSaid("Playback error"));
  ExpectRebetGamePaid(seen, next, restored.finalBalance);
  EXPECT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 0);
}

// 7 marked first: a replay that kept it would pay 3 of 4 (5). 12 and 30
// marked first: a replay that toggled them off again would leave 45 alone
// and wait for ever on a disabled Shoot.
INSTANTIATE_TEST_SUITE_P(Marks, KenoRebetOverMarks,
                         ::testing::Values(std::vector<int>{7}, std::vector<int>{12, 30}),
                         [](const ::testing::TestParamInfo<std::vector<int>>& info) {
                           return std::string(info.param.size() == 1 ? "SevenMarked" : "TwelveAndThirtyMarked");
                         });

// ---- A saved game that cannot be restored ----

TEST(KenoBadSavedGame, ShowsItsInfoBoxAndTheGameStartsFresh) {
  TempFolder root;
  KenoSession session(root.Path());
  const BadSavedGame& bad = BadSavedGameNamed("WithABadExistanceFlag");
  WriteBadSavedGame(session.Folder(), bad, pd::kKenoGameCode);
  ASSERT_EQ(HasSavedGame(session.SavedGame(), kSavedGameUser), 1);
  GameSeen seen;
  NextGame next;
  ScriptGame(session, kNoKill, false, &seen, &next);
  EXPECT_EQ(session.Run(1), 0);
  EXPECT_TRUE(InfoBoxSaid(bad.info));
  EXPECT_DOUBLE_EQ(session.finalBalance, 3001.0);
}

}  // namespace
