// A Craps round killed at each packet boundary and restored end to end: the
// program plays against the real stand-in main client, which writes the
// saved game; a child process plays until the boundary and dies there; the
// program started again (hidden, as the main client starts it) replays the
// round behind the restore window and goes on. The table, the balance, the
// main client's account and the screen's two layers must be those of the
// round played through. Chains of kills and restores end as the game played
// through.
// A saved game of another game or a broken one shows its "INFO" box and
// the game starts fresh.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "dq/CrapsButtons.h"
#include "dq/CrapsClient.h"
#include "dq/CrapsServer.h"
#include "dq/CrapsSnapshot.h"
#include "framework/link/Db.h"
#include "framework/link/PlaybackServer.h"
#include "framework/link/Restore.h"
#include "framework/link/RestoreWindow.h"
#include "mainclient/SavedGameFile.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/Screen.h"
#include "tests/support/BadSavedGames.h"
#include "tests/support/KilledRun.h"
#include "tests/support/TempFolder.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/dq/CrapsSession.h"

namespace {

using dq::CrapsClientRecord;

// What the table and the money are as the third round's betting opens.
struct TableState {
  bool taken = false;
  float bets[dq::kCrapsBetKinds] = {};
  int point = 0;
  int comeOut = 0;
  int comePoints[12] = {};
  int dontComePoints[12] = {};
  int dice[2] = {};
  double balance = 0;
  float tableTotal = 0;
  double account = 0;  // the local account the server moves
  // The screen's two layers, row by row from the top.
  std::vector<std::uint8_t> background;
  std::vector<std::uint8_t> front;
};

TableState Take(const CrapsClientRecord& r) {
  TableState t;
  t.taken = true;
  std::memcpy(t.bets, r.bets, sizeof t.bets);
  t.point = r.point;
  t.comeOut = r.comeOut;
  std::memcpy(t.comePoints, r.comePoints, sizeof t.comePoints);
  std::memcpy(t.dontComePoints, r.dontComePoints, sizeof t.dontComePoints);
  t.dice[0] = r.dice[0];
  t.dice[1] = r.dice[1];
  t.balance = r.balance;
  t.tableTotal = r.tableTotal;
  dbGetBalance(kSavedGameUser, &t.account);
  t.background = LayerPixels(gScreen.Background());
  t.front = LayerPixels(gScreen.Front());
  return t;
}

void ExpectSameTable(const TableState& got, const TableState& want) {
  ASSERT_TRUE(got.taken);
  ASSERT_TRUE(want.taken);
  for (int kind = 0; kind < dq::kCrapsBetKinds; ++kind) EXPECT_EQ(got.bets[kind], want.bets[kind]) << "kind " << kind;
  EXPECT_EQ(got.point, want.point);
  EXPECT_EQ(got.comeOut, want.comeOut);
  EXPECT_EQ(0, std::memcmp(got.comePoints, want.comePoints, sizeof got.comePoints));
  EXPECT_EQ(0, std::memcmp(got.dontComePoints, want.dontComePoints, sizeof got.dontComePoints));
  EXPECT_EQ(got.dice[0], want.dice[0]);
  EXPECT_EQ(got.dice[1], want.dice[1]);
  EXPECT_DOUBLE_EQ(got.balance, want.balance);
  EXPECT_FLOAT_EQ(got.tableTotal, want.tableTotal);
  EXPECT_DOUBLE_EQ(got.account, want.account);
  ExpectSameLayer(got.background, want.background, "background");
  ExpectSameLayer(got.front, want.front, "front");
}

// The second round is killed once its client end has reached the boundary.
// A restored round can also die while it is replayed or once it is back.
enum KillPoint {
  kAfterRollDice,
  kAfterBetAnswer,
  kAfterSendResult,
  kAfterBetData,
  kWhileReplaying,
  kOnceBack,
  kWhileBetting,
  kNoKill
};

bool AtBoundary(KillPoint kill) {
  const CrapsClientRecord* r = CrapsSession::Record();
  if (r == nullptr) return false;
  switch (kill) {
    case kAfterRollDice: return r->state == dq::kClientWaitBetAnswer;
    case kAfterBetAnswer:
      return r->state == dq::kClientBuildResultRequest || r->state == dq::kClientSendResultRequest;
    case kAfterSendResult: return r->state == dq::kClientWaitResult;
    case kAfterBetData: return r->state == dq::kClientClearRequests || r->state == dq::kClientPickup;
    case kWhileReplaying: return gPacketPlaybackServer.IsActive() != 0;
    case kOnceBack: return gPacketPlaybackServer.IsActive() == 0;
    case kWhileBetting: return CrapsSession::Betting() && !IsRestoring();
    case kNoKill: return false;
  }
  return false;
}

// Round 1: Passline and Field, a 6 makes the point. Round 2: the odds, a
// Come Bet and a Place 8 (with rightClick: two chips, one taken off by a
// right click); a 6 wins the line and walks the Come Bet onto the 6. Round 3
// opens: the table is taken and the player leaves.
void ScriptRounds(CrapsSession& s, KillPoint kill, TableState* out, bool rightClick = false) {
  s.dice = {4, 2, 3, 3, 1, 2};
  s.boxAnswers = AnswerEveryBox;
  auto r = [] { return CrapsSession::Record(); };
  s.When(CrapsSession::Betting, [] {
    CrapsSession::ClickBet(dq::kPassline);
    CrapsSession::ClickBet(dq::kField);
  });
  s.When([&] { return r()->bets[dq::kField] == 5.0f; }, [] { CrapsSession::ClickButton(dq::kButtonRoll); });
  s.When([&] { return r()->state == dq::kClientWaitEndPlay; }, [] {});
  s.When(CrapsSession::Betting, [] {
    CrapsSession::ClickBet(dq::kPasslineOdds);
    CrapsSession::ClickBet(dq::kComeBet);
    CrapsSession::ClickBet(dq::kPlaceWin4 + 3);
  });
  if (rightClick) {
    s.When([&] { return r()->bets[dq::kPlaceWin4 + 3] == 5.0f; },
           [] { CrapsSession::ClickBet(dq::kPlaceWin4 + 3); });
    s.When([&] { return r()->bets[dq::kPlaceWin4 + 3] == 10.0f; },
           [] { CrapsSession::RightClickBet(dq::kPlaceWin4 + 3); });
  }
  s.When([&] { return r()->bets[dq::kPlaceWin4 + 3] == 5.0f; }, [] { CrapsSession::ClickButton(dq::kButtonRoll); });
  if (kill != kNoKill) s.When([kill] { return AtBoundary(kill); }, [] { DieHere(); });
  s.When([&] { return r()->state == dq::kClientWaitEndPlay; }, [] {});
  s.When(CrapsSession::Betting, [out] {
    *out = Take(*CrapsSession::Record());
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
}

// Runs the program in a child process that must die in the script;
// hidden as the main client starts a program with a saved game.
void RunUntilKilled(const std::string& root, int hidden,
                    const std::function<void(CrapsSession&, TableState*)>& script) {
  ::RunUntilKilled([&] {
    CrapsSession killed(root);
    TableState ignored;
    script(killed, &ignored);
    killed.Run(hidden);
  });
}

class CrapsRestore : public ::testing::Test {
 protected:
  void SetUp() override {
    CrapsSession reference(referenceRoot_.Path());
    ScriptRounds(reference, kNoKill, &played_);
    ASSERT_EQ(reference.Run(0), 0);
    playedBalance_ = reference.finalBalance;
    ASSERT_TRUE(played_.taken);
  }

  // Plays the rounds in a child process that dies at the boundary.
  static void PlayUntilKilled(const std::string& root, KillPoint kill, bool rightClick = false) {
    RunUntilKilled(root, 0, [kill, rightClick](CrapsSession& s, TableState* ignored) {
      ScriptRounds(s, kill, ignored, rightClick);
    });
  }

  TableState played_;
  double playedBalance_ = 0;

 private:
  TempFolder referenceRoot_;
};

std::string KillName(KillPoint kill) {
  static const char* const kNames[] = {"AfterRollDice", "AfterBetAnswer", "AfterSendResult", "AfterBetData",
                                       "WhileReplaying", "OnceBack",       "WhileBetting",    "NoKill"};
  return kNames[kill];
}

class CrapsRestoreAt : public CrapsRestore, public ::testing::WithParamInterface<KillPoint> {};

TEST_P(CrapsRestoreAt, RoundKilledThereEndsAsTheRoundPlayedThrough) {
  TempFolder root;
  PlayUntilKilled(root.Path(), GetParam());
  CrapsSession restored(root.Path());
  ASSERT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 1);

  restored.dice = {1, 2};  // the replayed round keeps the dice it drew before
  restored.boxAnswers = AnswerEveryBox;
  bool hiddenWhileRestoring = false;
  TableState got;
  restored.When([] { return gMainWindow != nullptr && IsRestoring(); }, [&] {
    hiddenWhileRestoring = !plat::IsWindowVisible(gMainWindow) &&
                           plat::FindWindow(kRestoreClassName, nullptr) != nullptr;
  });
  restored.When([] { return CrapsSession::Betting() && !IsRestoring(); }, [&] {
    EXPECT_TRUE(plat::IsWindowVisible(gMainWindow));
    got = Take(*CrapsSession::Record());
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(restored.Run(1), 0);

  EXPECT_TRUE(hiddenWhileRestoring);
  EXPECT_TRUE(BoxSaid("Event data loaded (part 2)"));
  EXPECT_FALSE(BoxSaid("Playback error"));
  ExpectSameTable(got, played_);
  // Not a cent lost or paid twice: the main client books what the round
  // played through booked.
  EXPECT_DOUBLE_EQ(restored.finalBalance, playedBalance_);
  EXPECT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 0);
}

INSTANTIATE_TEST_SUITE_P(CrapsRestore, CrapsRestoreAt,
                         ::testing::Values(kAfterRollDice, kAfterBetAnswer, kAfterSendResult, kAfterBetData),
                         [](const ::testing::TestParamInfo<KillPoint>& info) { return KillName(info.param); });

// A chip taken off by a right click stays off after a restore: the round
// ends as the same round without the extra chip played through.
TEST_F(CrapsRestore, ARightClickRemovalIsReplayedAsARightClick) {
  TempFolder root;
  PlayUntilKilled(root.Path(), kAfterBetData, true);
  CrapsSession restored(root.Path());
  ASSERT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 1);
  restored.dice = {1, 2};
  restored.boxAnswers = AnswerEveryBox;
  TableState got;
  restored.When([] { return CrapsSession::Betting() && !IsRestoring(); }, [&] {
    got = Take(*CrapsSession::Record());
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(restored.Run(1), 0);
  EXPECT_FALSE(BoxSaid("Playback error"));
  ExpectSameTable(got, played_);
  EXPECT_DOUBLE_EQ(restored.finalBalance, playedBalance_);
}

// The restore's fatal box: the round's table could not be put back.
bool StoppedWithReconnectError() {
  for (const auto& box : plat::headless::MessageBoxes()) {
    if (box.caption == "FATAL ERROR" && box.text == "CLIENT: RECONNECT ERROR!") return true;
  }
  return false;
}

// Without the client's snapshot the round's table cannot be put back: the
// client stops with its fatal box and nothing of the round is booked.
TEST_F(CrapsRestore, RoundWithoutItsSnapshotStopsWithReconnectError) {
  TempFolder root;
  PlayUntilKilled(root.Path(), kAfterBetData);
  CrapsSession restored(root.Path());
  std::remove((restored.Folder() + "/dqdata.dat").c_str());
  restored.boxAnswers = AnswerEveryBox;
  EXPECT_EQ(restored.Run(1), 0);
  EXPECT_TRUE(StoppedWithReconnectError());
  // The account stands as the round began: 3000 less the lost Field of round 1.
  EXPECT_DOUBLE_EQ(restored.finalBalance, 2995.0);
}

// A snapshot altered on disk (die 1 made a 9) is no table the round can have
// had: the restore refuses it as it refuses a missing one.
TEST_F(CrapsRestore, RoundWithAnAlteredSnapshotStopsWithReconnectError) {
  TempFolder root;
  PlayUntilKilled(root.Path(), kAfterBetData);
  CrapsSession restored(root.Path());
  const std::string path = restored.Folder() + "/dqdata.dat";
  std::string stored = ReadFile(path);
  ASSERT_EQ(stored.size(), 1304u);
  stored[offsetof(dq::CrapsClientRecord, dice)] = static_cast<char>(dq::SnapshotStoreByte(9));
  ASSERT_EQ(WriteFile(path, stored), 1);
  restored.boxAnswers = AnswerEveryBox;
  EXPECT_EQ(restored.Run(1), 0);
  EXPECT_TRUE(StoppedWithReconnectError());
  EXPECT_DOUBLE_EQ(restored.finalBalance, 2995.0);
}

// ---- Saved games that cannot be restored ------------------------------------

class CrapsBadSavedGame : public ::testing::TestWithParam<BadSavedGame> {};

TEST_P(CrapsBadSavedGame, ShowsItsInfoBoxAndTheGameStartsFresh) {
  TempFolder root;
  CrapsSession session(root.Path());
  WriteBadSavedGame(session.Folder(), GetParam(), dq::kCrapsGameCode);
  ASSERT_EQ(HasSavedGame(session.SavedGame(), kSavedGameUser), 1);
  session.boxAnswers = AnswerEveryBox;
  TableState fresh;
  session.dice = {5, 6};
  session.When([] { return CrapsSession::Betting() && !IsRestoring(); }, [&] {
    EXPECT_TRUE(plat::IsWindowVisible(gMainWindow));
    fresh = Take(*CrapsSession::Record());
    CrapsSession::ClickBet(dq::kPassline);
  });
  session.When([] { return CrapsSession::Record()->bets[dq::kPassline] == 5.0f; },
               [] { CrapsSession::ClickButton(dq::kButtonRoll); });
  session.When([] { return CrapsSession::Record()->state == dq::kClientWaitEndPlay; }, [] {});
  session.When([] { return CrapsSession::Betting(); },
               [] { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); });
  EXPECT_EQ(session.Run(1), 0);

  EXPECT_TRUE(InfoBoxSaid(GetParam().info)) << GetParam().info;
  ASSERT_TRUE(fresh.taken);
  for (float bet : fresh.bets) EXPECT_EQ(bet, 0.0f);
  EXPECT_EQ(fresh.point, 0);
  EXPECT_EQ(fresh.comeOut, 1);
  EXPECT_DOUBLE_EQ(fresh.balance, 3000.0);
  // The rolled 11 paid the Passline 5 even money.
  EXPECT_DOUBLE_EQ(session.finalBalance, 3005.0);
}

INSTANTIATE_TEST_SUITE_P(CrapsRestore, CrapsBadSavedGame, ::testing::ValuesIn(BadSavedGames()),
                         [](const ::testing::TestParamInfo<BadSavedGame>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace

// ---- Chains of restores -------------------------------------------------------

namespace chain {

// Four rounds with their dice; the table is taken as the fifth opens.
// Round 1: Passline and Field, a 6 makes the point. Round 2: the odds, a Come
// Bet and a Place 8, a 6 wins the line and walks the Come Bet onto the 6.
// Round 3: Passline and Field, a 10 makes the point and wins the Field.
// Round 4: the odds and a Place 6, the 10 wins the line and the odds.
constexpr int kRounds = 4;
constexpr int kDice[kRounds][2] = {{4, 2}, {3, 3}, {5, 5}, {6, 4}};
constexpr int kBets[kRounds][3] = {{dq::kPassline, dq::kField, -1},
                                   {dq::kPasslineOdds, dq::kComeBet, dq::kPlaceWin4 + 3},
                                   {dq::kPassline, dq::kField, -1},
                                   {dq::kPasslineOdds, dq::kPlaceWin4 + 2, -1}};

// One run of the program in a chain: it restores round restored (0: starts a
// new game), then dies in round killRound at kill, or (killRound 0) plays on
// and takes the table as the fifth round opens. A round killed while its
// bets were being placed comes back open, and its bets are placed again.
struct Leg {
  int restored;
  int killRound;
  KillPoint kill;
};

bool RoundOpen() { return CrapsSession::Betting() && !IsRestoring(); }

void TakeAndLeave(TableState* out) {
  *out = Take(*CrapsSession::Record());
  plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
}

void ScriptLeg(CrapsSession& s, const Leg& leg, bool open, TableState* out, int lastRound = kRounds) {
  s.boxAnswers = AnswerEveryBox;
  // A restored round keeps the dice it drew; the next round draws anew.
  const int firstNew = leg.restored + 1;
  s.dice.clear();
  for (int round = firstNew; round <= kRounds; ++round) {
    s.dice.push_back(kDice[round - 1][0]);
    s.dice.push_back(kDice[round - 1][1]);
  }
  auto r = [] { return CrapsSession::Record(); };
  // A restored round plays itself again: it dies while replayed or once back.
  if (leg.restored != 0 && leg.killRound == leg.restored && !open) {
    s.When([kill = leg.kill] { return AtBoundary(kill); }, [] { DieHere(); });
    return;
  }
  for (int round = open ? leg.restored : firstNew; round <= lastRound; ++round) {
    if (round == leg.killRound && leg.kill == kWhileBetting) {
      s.When(RoundOpen, [] { DieHere(); });
      return;
    }
    const int* bets = kBets[round - 1];
    const int last = bets[2] >= 0 ? bets[2] : bets[1];
    s.When(RoundOpen, [bets] {
      for (int i = 0; i < 3 && bets[i] >= 0; ++i) CrapsSession::ClickBet(bets[i]);
    });
    s.When([r, last] { return r()->bets[last] == 5.0f; }, [] { CrapsSession::ClickButton(dq::kButtonRoll); });
    if (round == leg.killRound) {
      s.When([kill = leg.kill] { return AtBoundary(kill); }, [] { DieHere(); });
      return;
    }
    s.When([r] { return r()->state == dq::kClientWaitEndPlay; }, [] {});
  }
  s.When(RoundOpen, [out] { TakeAndLeave(out); });
}

void RunLegUntilKilled(const std::string& root, const Leg& leg, bool open) {
  RunUntilKilled(root, leg.restored != 0 ? 1 : 0,
                 [&](CrapsSession& s, TableState* ignored) { ScriptLeg(s, leg, open, ignored); });
}

struct Chain {
  const char* name;
  std::vector<Leg> killed;  // the legs that die, in order
};

void PrintTo(const Chain& chain, std::ostream* out) { *out << chain.name; }

class CrapsRestoreChain : public ::testing::TestWithParam<Chain> {
 protected:
  static void SetUpTestSuite() {
    reference_ = new TempFolder;
    CrapsSession played(reference_->Path());
    ScriptLeg(played, {0, 0, kNoKill}, false, &played_);
    ASSERT_EQ(played.Run(0), 0);
    playedBalance_ = played.finalBalance;
    ASSERT_TRUE(played_.taken);
  }
  static void TearDownTestSuite() {
    delete reference_;
    reference_ = nullptr;
  }

  static TempFolder* reference_;
  static TableState played_;
  static double playedBalance_;
};

TempFolder* CrapsRestoreChain::reference_ = nullptr;
TableState CrapsRestoreChain::played_;
double CrapsRestoreChain::playedBalance_ = 0;

TEST_P(CrapsRestoreChain, EveryKilledRoundComesBackAndTheGameEndsAsPlayedThrough) {
  TempFolder root;
  const std::vector<Leg>& legs = GetParam().killed;
  bool open = false;
  for (const Leg& leg : legs) {
    RunLegUntilKilled(root.Path(), leg, open);
    open = leg.kill == kWhileBetting;
    ASSERT_EQ(HasSavedGame(CrapsSession(root.Path()).SavedGame(), kSavedGameUser), 1)
        << "nothing saved in round " << leg.killRound;
  }
  CrapsSession last(root.Path());
  TableState got;
  ScriptLeg(last, {legs.back().killRound, 0, kNoKill}, open, &got);
  EXPECT_EQ(last.Run(1), 0);
  EXPECT_FALSE(BoxSaid("Playback error"));
  ExpectSameTable(got, played_);
  EXPECT_DOUBLE_EQ(last.finalBalance, playedBalance_);
  EXPECT_EQ(HasSavedGame(last.SavedGame(), kSavedGameUser), 0);
}

// Killed as the third round's betting opens, the program comes back to that
// very table: the dice of the last roll in the box and on the felt, its
// winnings, the puck, the lag meter, the money.
TEST(CrapsRestoreOpenRound, ComesBackAsTheTableWas) {
  TempFolder reference;
  CrapsSession played(reference.Path());
  TableState want;
  ScriptLeg(played, {0, 0, kNoKill}, false, &want, 2);
  ASSERT_EQ(played.Run(0), 0);

  TempFolder root;
  RunLegUntilKilled(root.Path(), {0, 3, kWhileBetting}, false);
  CrapsSession restored(root.Path());
  restored.boxAnswers = AnswerEveryBox;
  TableState got;
  restored.When(RoundOpen, [&] { TakeAndLeave(&got); });
  EXPECT_EQ(restored.Run(1), 0);
  ExpectSameTable(got, want);
}

const Chain kChains[] = {
    // The round after the restore of a finished round dies in its turn.
    {"FinishedRoundThenTheNext", {{0, 2, kAfterBetData}, {2, 3, kAfterRollDice}}},
    {"RoundThenTheNextAtItsResult", {{0, 2, kAfterSendResult}, {2, 3, kAfterBetData}}},
    // A restored round dies again as soon as it is back, then the next round dies.
    {"TwiceInOneRoundThenTheNext", {{0, 2, kAfterRollDice}, {2, 2, kOnceBack}, {2, 3, kAfterBetAnswer}}},
    // A round dies while it is replayed, then once it is back, then finishes.
    {"ThriceInOneRound", {{0, 2, kAfterBetAnswer}, {2, 2, kWhileReplaying}, {2, 2, kOnceBack}}},
    // A round killed as its betting opens comes back open; its roll dies.
    {"BettingThenItsRoll", {{0, 2, kWhileBetting}, {2, 2, kAfterBetAnswer}, {2, 3, kWhileBetting}}},
    // Three rounds in a row each die once.
    {"ThreeRoundsInARow", {{0, 1, kAfterBetData}, {1, 2, kAfterBetAnswer}, {2, 3, kAfterSendResult}}},
};

INSTANTIATE_TEST_SUITE_P(CrapsRestore, CrapsRestoreChain, ::testing::ValuesIn(kChains),
                         [](const ::testing::TestParamInfo<Chain>& info) { return std::string(info.param.name); });

}  // namespace chain
