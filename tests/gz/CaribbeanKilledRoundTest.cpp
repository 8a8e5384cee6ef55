// A Caribbean Poker hand killed after each of its packets, or while its
// chips move, and restored end to end: the program plays against the real
// stand-in main client, which writes the saved game; a child process plays
// until the kill point and dies there; the program started again (hidden,
// as the main client starts it) replays the hand and goes on. The second
// hand's ante is made by the space bar (the last ante again), two chips and
// a right click on the ante spot. The cards, the ante, the balance, the main
// client's account and the screen's two layers must be those of the game
// played through: not a cent lost or paid twice.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/link/Db.h"
#include "framework/link/RestoreWindow.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/Screen.h"
#include "gz/CaribbeanButtons.h"
#include "gz/CaribbeanClient.h"
#include "gz/CaribbeanProtocol.h"
#include "gz/CaribbeanTableLayout.h"
#include "kw/Cards.h"
#include "mainclient/SavedGameFile.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/gz/CaribbeanRun.h"
#include "tests/gz/CaribbeanSession.h"
#include "tests/support/BadSavedGames.h"
#include "tests/support/KilledRun.h"
#include "tests/support/TempFolder.h"

namespace {

using kw::CardId;
using R = CaribbeanRun;

// Hand 1: a pair of kings beats the dealer's ace-king (ante 5, called).
// Hand 2: the dealer's A, Q, 9, 5, 3 does not qualify (ante 30, called).
// Hand 3 is dealt as it opens.
const std::vector<int> kCards = {
    CardId(13, 3), CardId(7, 2),  CardId(13, 1), CardId(4, 0),  CardId(2, 3),
    CardId(14, 0), CardId(13, 2), CardId(8, 1),  CardId(6, 3),  CardId(3, 2),
    CardId(10, 0), CardId(8, 1),  CardId(6, 2),  CardId(4, 3),  CardId(2, 1),
    CardId(14, 3), CardId(12, 1), CardId(9, 2),  CardId(5, 0),  CardId(3, 3),
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9,
};
constexpr int kCardsOfAHand = 10;

gz::CaribbeanClientRecord* Record() { return R::Record(); }
bool Open() { return R::InState(gz::kAnte) && gz::AntePhaseOpen() && !IsRestoring(); }
bool Back(int state) { return R::InState(state) && !IsRestoring(); }

using TableState = TakenTable<gz::CaribbeanClientRecord>;
TableState Take() { return TakeTable(*Record()); }

void ExpectSameTable(const TableState& got, const TableState& want) {
  ASSERT_TRUE(got.taken);
  ASSERT_TRUE(want.taken);
  const gz::CaribbeanClientRecord& g = got.record;
  const gz::CaribbeanClientRecord& w = want.record;
  EXPECT_EQ(0, std::memcmp(g.cards, w.cards, sizeof g.cards));
  EXPECT_EQ(0, std::memcmp(g.hands.player, w.hands.player, sizeof g.hands.player));
  EXPECT_EQ(0, std::memcmp(g.hands.dealer, w.hands.dealer, sizeof g.hands.dealer));
  EXPECT_EQ(g.outcome, w.outcome);
  EXPECT_DOUBLE_EQ(g.ante, w.ante);
  EXPECT_DOUBLE_EQ(g.rebetAnte, w.rebetAnte);
  EXPECT_DOUBLE_EQ(g.money, w.money);
  EXPECT_DOUBLE_EQ(got.account, want.account);
  ExpectSameLayers(got.layers, want.layers);
}

// The second hand's stages.
enum Stage {
  kAntes,       // BEGINPLAY answered; Space, 25, 1, the right click: 30
  kFirstDeal,   // Deal: FIRSTDEAL sent
  kCall,        // Bet: PLAYERBET sent
  kNewGame,     // New Game: the chips move, then ENDPLAY
  kThirdOpens,  // the third hand open: the table is taken
};

// Where a run dies.
enum Kill {
  kNoKill = -1,
  kKillAntes,      // the antes made, nothing of them sent
  kKillFirstDeal,  // after FIRSTDEAL
  kKillCall,       // after PLAYERBET
  kKillChips,      // while the chips move (the New Game press not yet sent)
  kKillEndPlay,    // after ENDPLAY
  kKillOnceBack,   // a restored run dies as soon as it is back
};

constexpr Stage kStageOfKill[] = {kAntes, kFirstDeal, kCall, kNewGame, kNewGame};

void HandOne(CaribbeanSession& s) {
  s.When(Open, [] { R::ClickButton(gz::kButtonChip1 + 1); });
  s.When([] { return Record()->ante == 5.0; }, [] { R::ClickButton(gz::kButtonDeal); });
  s.When([] { return R::InState(gz::kChoice); }, [] { R::ClickButton(gz::kButtonCall); });
  s.When([] { return R::InState(gz::kWaitNewGame); }, [] { R::ClickButton(gz::kButtonNewGame); });
}

bool StageBegins(Stage stage) {
  switch (stage) {
    case kAntes: return Open();
    case kFirstDeal: return Open() && Record()->ante == 30.0;
    case kCall: return Back(gz::kChoice);
    case kNewGame: return Back(gz::kWaitNewGame);
    case kThirdOpens: return Open();
  }
  return false;
}

bool KillNow(int kill) {
  switch (kill) {
    case kKillAntes: return Open() && Record()->ante == 30.0;
    case kKillFirstDeal: return R::InState(gz::kWaitFirstDeal);
    case kKillCall: return R::InState(gz::kWaitCall);
    case kKillChips: return R::InState(gz::kMoveChips);
    case kKillEndPlay: return R::InState(gz::kWaitEndPlay);
    default: return false;
  }
}

void AddStage(CaribbeanSession& s, Stage stage, bool restored, TableState* out) {
  auto begins = [stage] { return StageBegins(stage); };
  switch (stage) {
    case kAntes:
      s.When(begins, [restored] {
        EXPECT_EQ(Record()->ante, 0.0);
        EXPECT_EQ(Record()->rebetAnte, 5.0);
        if (restored) {
          R::ClickButton(gz::kButtonChip1 + 1);
        } else {
          plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE);
          plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::FALSE, plat::FALSE);
        }
      });
      s.When([] { return Record()->ante == 5.0; }, [] { R::ClickButton(gz::kButtonChip1 + 2); });
      s.When([] { return Record()->ante == 30.0; }, [] { R::ClickButton(gz::kButtonChip1); });
      s.When([] { return Record()->ante == 31.0; }, [] { R::RightClickButton(gz::kButtonAnteSpot); });
      break;
    case kFirstDeal: s.When(begins, [] { R::ClickButton(gz::kButtonDeal); }); break;
    case kCall:
      s.When(begins, [] {
        EXPECT_DOUBLE_EQ(Record()->ante, 30.0);
        R::ClickButton(gz::kButtonCall);
      });
      break;
    case kNewGame: s.When(begins, [] { R::ClickButton(gz::kButtonNewGame); }); break;
    case kThirdOpens:
      s.When(begins, [out] {
        *out = Take();
        plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
      });
      break;
  }
}

void ScriptLeg(CaribbeanSession& s, const KilledLeg& leg, TableState* out) {
  s.boxAnswers = AnswerEveryBox;
  const bool fresh = leg.resume == kNoKill;
  s.deal.cards.assign(kCards.begin() + (fresh ? 0 : 2 * kCardsOfAHand), kCards.end());
  if (fresh) HandOne(s);
  const int first = fresh ? kAntes : leg.resume;
  for (int stage = first; stage <= kThirdOpens; ++stage) {
    if (leg.kill == kKillOnceBack && stage == first) {
      s.When([stage] { return StageBegins(static_cast<Stage>(stage)); }, DieHere);
      return;
    }
    AddStage(s, static_cast<Stage>(stage), !fresh && stage == first, out);
    if (leg.kill >= 0 && leg.kill < kKillOnceBack && kStageOfKill[leg.kill] == stage) {
      const int kill = leg.kill;
      s.When([kill] { return KillNow(kill); }, DieHere);
      return;
    }
  }
}

// The stage a run killed at kill comes back at: what was not sent is done
// again.
int ResumeAfter(int kill, int resumed) {
  switch (kill) {
    case kKillAntes: return kAntes;
    case kKillFirstDeal: return kCall;
    case kKillCall: return kNewGame;
    case kKillChips: return kNewGame;
    case kKillEndPlay: return kThirdOpens;
    default: return resumed;
  }
}

void RunLeg(const std::string& root, const KilledLeg& leg) {
  CaribbeanSession killed(root);
  TableState ignored;
  ScriptLeg(killed, leg, &ignored);
  killed.Run(leg.resume == kNoKill ? 0 : 1);
}

class CaribbeanKilledRound : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    reference_ = new TempFolder;
    CaribbeanSession played(reference_->Path());
    ScriptLeg(played, {kNoKill, kNoKill}, &played_);
    ASSERT_EQ(played.Run(0), 0);
    playedBalance_ = played.finalBalance;
    ASSERT_TRUE(played_.taken);
    ASSERT_FALSE(played.deal.ranOut);
  }
  static void TearDownTestSuite() {
    delete reference_;
    reference_ = nullptr;
  }

  static void ExpectChainEndsAsPlayedThrough(const std::vector<KilledLeg>& legs) {
    TempFolder root;
    CaribbeanSession last(root.Path());
    const int resume = RunKilledLegs(
        legs, kNoKill, [&](const KilledLeg& leg) { RunLeg(root.Path(), leg); }, last.SavedGame(), ResumeAfter);
    TableState got;
    bool hiddenWhileRestoring = false;
    WatchHiddenWhileRestoring(last, &hiddenWhileRestoring);
    ScriptLeg(last, {resume, kNoKill}, &got);
    EXPECT_EQ(last.Run(1), 0);
    EXPECT_TRUE(hiddenWhileRestoring);
    EXPECT_FALSE(BoxSaid("Playback error"));
    EXPECT_FALSE(last.deal.ranOut);
    // A hand killed before anything of it was sent leaves no trace of its
    // deck look: the restored run counts the looks afresh.
    bool deckCountedAfresh = false;
    for (const KilledLeg& leg : legs) deckCountedAfresh = deckCountedAfresh || leg.kill == kKillAntes;
    if (deckCountedAfresh && got.taken) {
      CopyLayerArea(played_.layers, &got.layers, gz::kDeckPlace.x, gz::kDeckPlace.y, gz::kDeckWidth, gz::kDeckHeight);
    }
    ExpectSameTable(got, played_);
    EXPECT_DOUBLE_EQ(last.finalBalance, playedBalance_);
    EXPECT_EQ(HasSavedGame(last.SavedGame(), kSavedGameUser), 0);
  }

  static TempFolder* reference_;
  static TableState played_;
  static double playedBalance_;
};

TempFolder* CaribbeanKilledRound::reference_ = nullptr;
TableState CaribbeanKilledRound::played_;
double CaribbeanKilledRound::playedBalance_ = 0;

// Hand 1 (ante 5) wins the call 1:1: + 15; hand 2 (ante 30) meets a dealer
// who does not qualify: + 30. The main client's new account holds 3000.
TEST_F(CaribbeanKilledRound, TheGamePlayedThroughIsWhatTheRestoresMustEndAs) {
  EXPECT_EQ(played_.record.outcome, 2);
  EXPECT_DOUBLE_EQ(played_.record.rebetAnte, 30.0);
  EXPECT_DOUBLE_EQ(playedBalance_, 3000.0 + 15.0 + 30.0);
  EXPECT_DOUBLE_EQ(played_.account, playedBalance_);
}

TEST_F(CaribbeanKilledRound, KilledWithTheAntesMade) { ExpectChainEndsAsPlayedThrough({{kNoKill, kKillAntes}}); }
TEST_F(CaribbeanKilledRound, KilledAfterFirstDeal) { ExpectChainEndsAsPlayedThrough({{kNoKill, kKillFirstDeal}}); }
TEST_F(CaribbeanKilledRound, KilledAfterPlayerBet) { ExpectChainEndsAsPlayedThrough({{kNoKill, kKillCall}}); }
TEST_F(CaribbeanKilledRound, KilledWhileTheChipsMove) { ExpectChainEndsAsPlayedThrough({{kNoKill, kKillChips}}); }
TEST_F(CaribbeanKilledRound, KilledAfterEndPlay) { ExpectChainEndsAsPlayedThrough({{kNoKill, kKillEndPlay}}); }

TEST_F(CaribbeanKilledRound, KilledAfterFirstDealThenWhileTheChipsMove) {
  ExpectChainEndsAsPlayedThrough({{kNoKill, kKillFirstDeal}, {kCall, kKillChips}});
}
TEST_F(CaribbeanKilledRound, KilledAfterPlayerBetThenOnceBack) {
  ExpectChainEndsAsPlayedThrough({{kNoKill, kKillCall}, {kNewGame, kKillOnceBack}});
}

// A saved game whose existence flag is neither 0 nor 1 shows its "INFO"
// box; the game starts fresh and plays on.
TEST(CaribbeanBadSavedGame, ShowsItsInfoBoxAndTheGameStartsFresh) {
  TempFolder root;
  CaribbeanSession session(root.Path());
  const BadSavedGame& bad = BadSavedGameNamed("WithABadExistanceFlag");
  WriteBadSavedGame(session.Folder(), bad, gz::kCaribbeanGameCode);
  ASSERT_EQ(HasSavedGame(session.SavedGame(), kSavedGameUser), 1);
  session.boxAnswers = AnswerEveryBox;
  session.deal.cards.assign(kCards.begin(), kCards.end());
  double freshMoney = 0;
  HandOne(session);
  session.When(Open, [&] {
    freshMoney = Record()->money;
    plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(session.Run(1), 0);
  EXPECT_TRUE(InfoBoxSaid(bad.info));
  EXPECT_DOUBLE_EQ(freshMoney, 3015.0);
  EXPECT_DOUBLE_EQ(session.finalBalance, 3015.0);
}

}  // namespace
