// A Baccarat coup killed after each of its packets, during the third cards
// or during the payout, and restored end to end against the real stand-in
// main client: a child process plays until the kill point and dies there;
// the program started again (hidden, as the main client starts it) replays
// the coup and goes on. The second coup's stakes are made by the space bar
// (the last stakes again), two $25 chips on the Banker and a right click
// taking one off. The cards, the stakes, the balance, the account and the
// screen's two layers must be those of the game played through.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "framework/link/Db.h"
#include "framework/link/RestoreWindow.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/shell/ShellGlobals.h"
#include "kw/Cards.h"
#include "mainclient/AccountStore.h"
#include "mainclient/SavedGameFile.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "sq/BaccaratButtons.h"
#include "sq/BaccaratClient.h"
#include "sq/BaccaratProtocol.h"
#include "tests/sq/BaccaratSession.h"
#include "tests/support/BadSavedGames.h"
#include "tests/support/KilledRun.h"
#include "tests/support/TempFolder.h"

namespace {

using kw::CardId;
using R = BaccaratRun;

// Coup 1: the Player's natural 9 beats 7 ($5 on the Player: + 5).
// Coup 2: both draw, the Player's 9 beats the Banker's 8 (Player 5, Banker
// 25: + 5 - 25). Coup 3 is dealt as it comes.
const std::vector<CoupDeal> kCoups = {
    {CardId(4, 0), CardId(5, 1), CardId(13, 2), CardId(7, 3), CardId(2, 0), CardId(3, 0)},
    {CardId(2, 0), CardId(3, 1), CardId(10, 2), CardId(3, 3), CardId(4, 0), CardId(5, 1)},
};

sq::BaccaratClientRecord* Record() { return R::Record(); }
bool Open() { return R::InState(sq::kBetting) && sq::BettingOpen() && !IsRestoring(); }
bool Back(int state) { return R::InState(state) && !IsRestoring(); }
bool StakesAre(double player, double banker) {
  return Record() != nullptr && Record()->bets[0] == player && Record()->bets[1] == banker && Record()->bets[2] == 0;
}

using TableState = TakenTable<sq::BaccaratClientRecord>;
TableState Take() { return TakeTable(*Record()); }

void ExpectSameTable(const TableState& got, const TableState& want) {
  ASSERT_TRUE(got.taken);
  ASSERT_TRUE(want.taken);
  const sq::BaccaratClientRecord& g = got.record;
  const sq::BaccaratClientRecord& w = want.record;
  for (int area = 0; area < sq::kBetAreas; ++area) {
    EXPECT_DOUBLE_EQ(g.bets[area], w.bets[area]);
    EXPECT_DOUBLE_EQ(g.lastBets[area], w.lastBets[area]);
  }
  EXPECT_DOUBLE_EQ(g.money, w.money);
  EXPECT_EQ(g.chipSelection, w.chipSelection);
  EXPECT_DOUBLE_EQ(got.account, want.account);
  ExpectSameLayers(got.layers, want.layers);
}

// The second coup's stages.
enum Stage { kStakes, kDeal, kNewGame, kThirdOpens };

enum Kill {
  kNoKill = -1,
  kKillStakes,   // the stakes made, nothing of them sent
  kKillDeal,     // after DEAL
  kKillThird,    // while the third cards come
  kKillPayout,   // while the stakes are paid and taken (New Game not yet sent)
  kKillEndPlay,  // after ENDPLAY
};

constexpr Stage kStageOfKill[] = {kStakes, kDeal, kDeal, kNewGame, kNewGame};

void CoupOne(BaccaratSession& s) {
  s.When(Open, [] { R::ClickButton(sq::kButtonPlayer); });
  s.When([] { return StakesAre(5, 0); }, [] { R::ClickButton(sq::kButtonDeal); });
  s.When([] { return R::InState(sq::kWaitNewGame); }, [] { R::ClickButton(sq::kButtonNewGame); });
}

bool StageBegins(Stage stage) {
  switch (stage) {
    case kStakes: return Open();
    case kDeal: return Open() && StakesAre(5, 25);
    case kNewGame: return Back(sq::kWaitNewGame);
    case kThirdOpens: return Open();
  }
  return false;
}

bool KillNow(int kill) {
  switch (kill) {
    case kKillStakes: return Open() && StakesAre(5, 25);
    case kKillDeal: return R::InState(sq::kWaitDeal);
    case kKillThird: return R::InState(sq::kThirdCards);
    case kKillPayout: return R::InState(sq::kPayout);
    case kKillEndPlay: return R::InState(sq::kWaitEndPlay);
    default: return false;
  }
}

// A coup restored before its DEAL went out rebets the last stakes by the
// space bar as well: they came back with the coup's BEGINPLAY.
void AddStage(BaccaratSession& s, Stage stage, TableState* out) {
  auto begins = [stage] { return StageBegins(stage); };
  switch (stage) {
    case kStakes:
      s.When(begins, [] {
        EXPECT_DOUBLE_EQ(Record()->lastBets[0], 5.0);
        plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE);
        plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::FALSE, plat::FALSE);
      });
      s.When([] { return StakesAre(5, 0); }, [] { R::ClickButton(sq::kButtonChip1 + 2); });
      s.When([] { return Record()->chipSelection == 2 && StakesAre(5, 0); }, [] { R::ClickButton(sq::kButtonBanker); });
      s.When([] { return StakesAre(5, 25); }, [] { R::ClickButton(sq::kButtonBanker); });
      s.When([] { return StakesAre(5, 50); }, [] { R::RightClickButton(sq::kButtonBanker); });
      break;
    case kDeal: s.When(begins, [] { R::ClickButton(sq::kButtonDeal); }); break;
    case kNewGame: s.When(begins, [] { R::ClickButton(sq::kButtonNewGame); }); break;
    case kThirdOpens:
      s.When(begins, [out] {
        *out = Take();
        plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
      });
      break;
  }
}

void ScriptLeg(BaccaratSession& s, const KilledLeg& leg, TableState* out) {
  s.boxAnswers = AnswerEveryBox;
  const bool fresh = leg.resume == kNoKill;
  // A restored run's coup comes back from its save point: only later coups draw.
  s.coups.assign(kCoups.begin() + (fresh ? 0 : 2), kCoups.end());
  if (fresh) CoupOne(s);
  const int first = fresh ? kStakes : leg.resume;
  for (int stage = first; stage <= kThirdOpens; ++stage) {
    AddStage(s, static_cast<Stage>(stage), out);
    if (leg.kill >= 0 && kStageOfKill[leg.kill] == stage) {
      const int kill = leg.kill;
      s.When([kill] { return KillNow(kill); }, DieHere);
      return;
    }
  }
}

int ResumeAfter(int kill, int resumed) {
  switch (kill) {
    case kKillStakes: return kStakes;
    case kKillDeal:
    case kKillThird:
    case kKillPayout: return kNewGame;
    case kKillEndPlay: return kThirdOpens;
    default: return resumed;
  }
}

void RunLeg(const std::string& root, const KilledLeg& leg) {
  BaccaratSession killed(root);
  TableState ignored;
  ScriptLeg(killed, leg, &ignored);
  killed.Run(leg.resume == kNoKill ? 0 : 1);
}

class BaccaratKilledRound : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    reference_ = new TempFolder;
    BaccaratSession played(reference_->Path());
    ScriptLeg(played, {kNoKill, kNoKill}, &played_);
    ASSERT_EQ(played.Run(0), 0);
    playedBalance_ = played.finalBalance;
    ASSERT_TRUE(played_.taken);
  }
  static void TearDownTestSuite() {
    delete reference_;
    reference_ = nullptr;
  }

  static void ExpectChainEndsAsPlayedThrough(const std::vector<KilledLeg>& legs) {
    TempFolder root;
    BaccaratSession last(root.Path());
    const int resume = RunKilledLegs(
        legs, kNoKill, [&](const KilledLeg& leg) { RunLeg(root.Path(), leg); }, last.SavedGame(), ResumeAfter);
    TableState got;
    bool hiddenWhileRestoring = false;
    WatchHiddenWhileRestoring(last, &hiddenWhileRestoring);
    ScriptLeg(last, {resume, kNoKill}, &got);
    EXPECT_EQ(last.Run(1), 0);
    EXPECT_TRUE(hiddenWhileRestoring);
    EXPECT_FALSE(BoxSaid("Playback error"));
    ExpectSameTable(got, played_);
    EXPECT_DOUBLE_EQ(last.finalBalance, playedBalance_);
    EXPECT_EQ(HasSavedGame(last.SavedGame(), kSavedGameUser), 0);
  }

  static TempFolder* reference_;
  static TableState played_;
  static double playedBalance_;
};

TempFolder* BaccaratKilledRound::reference_ = nullptr;
TableState BaccaratKilledRound::played_;
double BaccaratKilledRound::playedBalance_ = 0;

// Coup 1: + 5; coup 2: the Player's 5 wins 5, the Banker's 25 is lost. The
// main client's new account holds 3000.
TEST_F(BaccaratKilledRound, TheGamePlayedThroughIsWhatTheRestoresMustEndAs) {
  EXPECT_DOUBLE_EQ(played_.record.lastBets[0], 5.0);
  EXPECT_DOUBLE_EQ(played_.record.lastBets[1], 25.0);
  EXPECT_DOUBLE_EQ(playedBalance_, 3000.0 + 5.0 + 5.0 - 25.0);
  EXPECT_DOUBLE_EQ(played_.account, playedBalance_);
}

TEST_F(BaccaratKilledRound, KilledWithTheStakesMade) { ExpectChainEndsAsPlayedThrough({{kNoKill, kKillStakes}}); }
TEST_F(BaccaratKilledRound, KilledWithTheStakesMadeTwice) {
  ExpectChainEndsAsPlayedThrough({{kNoKill, kKillStakes}, {kStakes, kKillStakes}});
}
TEST_F(BaccaratKilledRound, KilledAfterDeal) { ExpectChainEndsAsPlayedThrough({{kNoKill, kKillDeal}}); }
TEST_F(BaccaratKilledRound, KilledDuringTheThirdCards) { ExpectChainEndsAsPlayedThrough({{kNoKill, kKillThird}}); }
TEST_F(BaccaratKilledRound, KilledDuringThePayout) { ExpectChainEndsAsPlayedThrough({{kNoKill, kKillPayout}}); }
TEST_F(BaccaratKilledRound, KilledAfterEndPlay) { ExpectChainEndsAsPlayedThrough({{kNoKill, kKillEndPlay}}); }
// The second restore replays what the first one logged again: a press
// logged again at another step than its first would be replayed twice and
// leave the next coup with another chip selected.
TEST_F(BaccaratKilledRound, KilledTwiceInTheSameCoup) {
  ExpectChainEndsAsPlayedThrough({{kNoKill, kKillThird}, {kNewGame, kKillPayout}});
}

// ---- The space bar over a stake already on the table ----

// Coup 1 stakes the Player; in coup 2 the player clicks some buttons, then
// the space bar puts coup 1's stakes back alone, then more buttons and Deal.
// The run dies after DEAL; the restore must deal the stakes played and end
// with the table, the money and the account of the coup played through.
using Stakes = std::array<double, sq::kBetAreas>;

struct RebetOverStake {
  const char* name;
  double startMoney;
  std::vector<int> coupOne;  // clicked as coup 1 opens
  Stakes lastStakes;         // what they stake
  std::vector<int> beforeSpace;
  Stakes stakesBeforeSpace;
  int chipBeforeSpace;
  std::vector<int> afterSpace;
  Stakes dealt;
  std::vector<CoupDeal> coups;
  double balance;  // after coup 2
};

void PrintTo(const RebetOverStake& c, std::ostream* os) { *os << c.name; }

constexpr int kChip1 = sq::kButtonChip1;
constexpr int kChip5 = sq::kButtonChip1 + 1;
constexpr int kChip25 = sq::kButtonChip1 + 2;

// Player 3 + 5, Banker K + 8: a tie of naturals.
const CoupDeal kTieOfNaturals = {CardId(3, 0), CardId(5, 1), CardId(13, 2), CardId(8, 3), CardId(2, 2), CardId(6, 3)};
// Player K + 7, Banker 4 + 5: the Banker's natural 9.
const CoupDeal kBankerNatural = {CardId(13, 0), CardId(7, 1), CardId(4, 2), CardId(5, 3), CardId(2, 0), CardId(3, 0)};

const RebetOverStake kRebetsOverStakes[] = {
    // Coup 1: $5 on the Player, whose natural 9 beats 7 (+ 5). Coup 2: $5 on
    // the Tie, then the space bar; the tie gives the Player's stake back. A
    // replay that kept the Tie's $5 would be paid 45 + 5.
    {"TieKeptAtPayout", 3000.0, {kChip5, sq::kButtonPlayer}, {5, 0, 0}, {kChip5, sq::kButtonTie}, {0, 0, 5}, 1, {},
     {5, 0, 0}, {kCoups[0], kTieOfNaturals}, 3000.0 + 5.0},
    // From $53, coup 1's $25 on the Player is lost (28 left). Coup 2: $5 on
    // the Tie, then the space bar; the Player wins (+ 25). A replay that
    // kept the Tie's $5 would find the $25 chip disabled with $23 left, and
    // one that selected the $5 chip again at the end would find it disabled
    // with $3 left.
    {"TieKeptBeforeTheRebet", 53.0, {kChip25, sq::kButtonPlayer}, {25, 0, 0}, {kChip5, sq::kButtonTie}, {0, 0, 5}, 1,
     {}, {25, 0, 0}, {kBankerNatural, kCoups[0]}, 53.0 - 25.0 + 25.0},
    // From $30, coup 1's $6 on the Player ties (30 left). Coup 2: the $25
    // chip, the space bar (24 left, so the $5 chip is the one left selected),
    // then a click on the Banker, whose natural 9 wins 0.95 to 1. A replay
    // left on the rebet's last chip ($1) would stake $1 on the Banker.
    {"ChipLeftByTheRebet", 30.0, {kChip5, sq::kButtonPlayer, kChip1, sq::kButtonPlayer}, {6, 0, 0}, {kChip25},
     {0, 0, 0}, 2, {sq::kButtonBanker}, {6, 5, 0}, {kTieOfNaturals, kBankerNatural}, 30.0 - 6.0 - 5.0 + 9.75},
};

bool StakesOnTable(const Stakes& stakes) {
  return Record() != nullptr && Record()->bets[0] == stakes[0] && Record()->bets[1] == stakes[1] &&
         Record()->bets[2] == stakes[2];
}

void Click(const std::vector<int>& buttons) {
  for (int b : buttons) R::ClickButton(b);
}

// A fresh run plays coup 1 and stakes coup 2 up to Deal; dies after DEAL
// when asked.
void ScriptRebetOverStake(BaccaratSession& s, const RebetOverStake& c, bool kill) {
  s.boxAnswers = AnswerEveryBox;
  s.coups = c.coups;
  s.When(Open, [&c] { Click(c.coupOne); });
  s.When([&c] { return Open() && StakesOnTable(c.lastStakes); }, [] { R::ClickButton(sq::kButtonDeal); });
  s.When([] { return R::InState(sq::kWaitNewGame); }, [] { R::ClickButton(sq::kButtonNewGame); });
  s.When(Open, [&c] { Click(c.beforeSpace); });
  s.When([&c] { return Open() && StakesOnTable(c.stakesBeforeSpace) && Record()->chipSelection == c.chipBeforeSpace; },
         [] {
           plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE);
           plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::FALSE, plat::FALSE);
         });
  s.When([&c] { return Open() && StakesOnTable(c.lastStakes); }, [&c] { Click(c.afterSpace); });
  s.When([&c] { return Open() && StakesOnTable(c.dealt); }, [] { R::ClickButton(sq::kButtonDeal); });
  if (kill) s.When([] { return R::InState(sq::kWaitDeal); }, DieHere);
}

// From the end of coup 2 (played on or restored): New Game, then the table
// as coup 3 opens.
void ScriptCoupTwoEnd(BaccaratSession& s, TableState* out) {
  s.When([] { return Back(sq::kWaitNewGame); }, [] { R::ClickButton(sq::kButtonNewGame); });
  s.When(Open, [out] {
    *out = Take();
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
}

// The main client's account starts at dollars.
void StartAccountAt(const std::string& root, double dollars) {
  CAccountStore store;
  ASSERT_EQ(store.Open(root + "/account.db", ""), 0) << store.Error();
  ASSERT_EQ(store.Book(static_cast<std::int64_t>(dollars * 100) - store.BalanceCents()), 1) << store.Error();
}

class BaccaratRebetOverStake : public ::testing::TestWithParam<RebetOverStake> {};

TEST_P(BaccaratRebetOverStake, IsRestoredAsTheStakesThatWereDealt) {
  const RebetOverStake& c = GetParam();
  TempFolder reference;
  StartAccountAt(reference.Path(), c.startMoney);
  BaccaratSession played(reference.Path());
  ScriptRebetOverStake(played, c, false);
  TableState want;
  ScriptCoupTwoEnd(played, &want);
  ASSERT_EQ(played.Run(0), 0);
  ASSERT_TRUE(want.taken);
  for (int area = 0; area < sq::kBetAreas; ++area) EXPECT_DOUBLE_EQ(want.record.lastBets[area], c.dealt[area]);
  EXPECT_DOUBLE_EQ(want.record.money, c.balance);
  EXPECT_DOUBLE_EQ(want.account, c.balance);
  EXPECT_DOUBLE_EQ(played.finalBalance, c.balance);

  TempFolder root;
  StartAccountAt(root.Path(), c.startMoney);
  RunUntilKilled([&] {
    BaccaratSession killed(root.Path());
    ScriptRebetOverStake(killed, c, true);
    killed.Run(0);
  });
  BaccaratSession restored(root.Path());
  ASSERT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 1);
  restored.boxAnswers = AnswerEveryBox;
  TableState got;
  ScriptCoupTwoEnd(restored, &got);
  EXPECT_EQ(restored.Run(1), 0);
  EXPECT_FALSE(BoxSaid("Playback error"));
  ExpectSameTable(got, want);
  EXPECT_DOUBLE_EQ(restored.finalBalance, c.balance);
  EXPECT_EQ(HasSavedGame(restored.SavedGame(), kSavedGameUser), 0);
}

INSTANTIATE_TEST_SUITE_P(Coups, BaccaratRebetOverStake, ::testing::ValuesIn(kRebetsOverStakes),
                         [](const ::testing::TestParamInfo<RebetOverStake>& info) { return info.param.name; });

// A saved game whose existence flag is neither 0 nor 1 shows its "INFO"
// box; the game starts fresh and plays on.
TEST(BaccaratBadSavedGame, ShowsItsInfoBoxAndTheGameStartsFresh) {
  TempFolder root;
  BaccaratSession session(root.Path());
  const BadSavedGame& bad = BadSavedGameNamed("WithABadExistanceFlag");
  WriteBadSavedGame(session.Folder(), bad, sq::kBaccaratGameCode);
  ASSERT_EQ(HasSavedGame(session.SavedGame(), kSavedGameUser), 1);
  session.boxAnswers = AnswerEveryBox;
  session.coups = kCoups;
  double freshMoney = 0;
  CoupOne(session);
  session.When(Open, [&] {
    freshMoney = Record()->money;
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(session.Run(1), 0);
  EXPECT_TRUE(InfoBoxSaid(bad.info));
  EXPECT_DOUBLE_EQ(freshMoney, 3005.0);
  EXPECT_DOUBLE_EQ(session.finalBalance, 3005.0);
}

}  // namespace
