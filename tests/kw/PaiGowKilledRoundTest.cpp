// A Pai Gow Poker round killed after each of its packets and restored end
// to end: the program plays against the real stand-in main client, which
// writes the saved game; a child process plays until the boundary and dies
// there; the program started again (hidden, as the main client starts it)
// replays the round and goes on. The second round is bet by Space (the last
// bet again), two chips and a right click on the bet area that takes the
// last chip off. The cards, the bet, the balance, the main client's account
// and the screen's two layers must be those of the game played through.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/link/Db.h"
#include "framework/link/RestoreWindow.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/Screen.h"
#include "kw/Cards.h"
#include "kw/PaiGowBetting.h"
#include "kw/PaiGowButtons.h"
#include "kw/PaiGowClient.h"
#include "kw/PaiGowTableLayout.h"
#include "mainclient/SavedGameFile.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/kw/PaiGowRun.h"
#include "tests/kw/PaiGowSession.h"
#include "tests/support/KilledRun.h"
#include "tests/support/TempFolder.h"

namespace {

using kw::CardId;
using R = PaiGowRun;

// Round 1: Q, 7, A, Q, K, 5, 3 against the dealer's jack high, A and K to
// the 2nd hand: both won. Round 2 the other way round: 9, 8, 6, 4, 2, J, 10
// with 6 and 2 to the 2nd hand, both lost. Round 3 is dealt as it opens.
const std::vector<int> kCards = {
    CardId(12, 1), CardId(7, 3),  CardId(14, 0), CardId(12, 2), CardId(13, 0), CardId(5, 2),  CardId(3, 0),
    CardId(9, 0),  CardId(8, 1),  CardId(6, 2),  CardId(4, 3),  CardId(2, 1),  CardId(11, 2), CardId(10, 3),
    CardId(9, 0),  CardId(8, 1),  CardId(6, 2),  CardId(4, 3),  CardId(2, 1),  CardId(11, 2), CardId(10, 3),
    CardId(12, 1), CardId(7, 3),  CardId(14, 0), CardId(12, 2), CardId(13, 0), CardId(5, 2),  CardId(3, 0),
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13,
};
constexpr int kCardsOfARound = 14;

kw::PaiGowClientRecord* Record() { return R::Record(); }
bool Open() { return R::InState(kw::kBetting) && kw::BettingOpen() && !IsRestoring(); }
bool Back(int state) { return R::InState(state) && !IsRestoring(); }

// The second round as it is dealt, and the table as the third opens.
struct Dealt {
  bool taken = false;
  int cards[7] = {};
  double bet = 0;
  double money = 0;
};

using TableState = TakenTable<kw::PaiGowClientRecord>;
TableState Take() { return TakeTable(*Record()); }

void ExpectSameTable(const TableState& got, const TableState& want) {
  ASSERT_TRUE(got.taken);
  ASSERT_TRUE(want.taken);
  const kw::PaiGowClientRecord& g = got.record;
  const kw::PaiGowClientRecord& w = want.record;
  EXPECT_EQ(0, std::memcmp(g.playerCards, w.playerCards, sizeof g.playerCards));
  EXPECT_EQ(0, std::memcmp(g.dealerCards, w.dealerCards, sizeof g.dealerCards));
  EXPECT_EQ(0, std::memcmp(g.playerHigh, w.playerHigh, sizeof g.playerHigh));
  EXPECT_EQ(0, std::memcmp(g.playerLow, w.playerLow, sizeof g.playerLow));
  EXPECT_EQ(0, std::memcmp(g.dealerHigh, w.dealerHigh, sizeof g.dealerHigh));
  EXPECT_EQ(0, std::memcmp(g.dealerLow, w.dealerLow, sizeof g.dealerLow));
  EXPECT_EQ(g.result, w.result);
  EXPECT_DOUBLE_EQ(g.bet, w.bet);
  EXPECT_DOUBLE_EQ(g.lastBet, w.lastBet);
  EXPECT_DOUBLE_EQ(g.money, w.money);
  EXPECT_DOUBLE_EQ(got.account, want.account);
  ExpectSameLayers(got.layers, want.layers);
}

// The second round's stages; a run is killed after the packet that ends one.
enum Stage {
  kBets,        // BEGINPLAY answered; Space, 25, 1, the right click: 30 (sent with FIRSTDEAL)
  kFirstDeal,   // Deal: FIRSTDEAL sent
  kPlayerDone,  // the split and Done: PLAYERDONE sent
  kEndPlay,     // New Game: ENDPLAY sent
  kThirdOpens,  // the third round open: the table is taken
};
constexpr int kOnceBack = -2;  // a restored run dies as soon as it is back
constexpr int kNoKill = -1;

void RoundOne(PaiGowSession& s) {
  s.When(Open, [] { R::ClickButton(kw::kButtonBet1 + 1); });
  s.When([] { return Record()->bet == 5.0; }, [] { R::ClickButton(kw::kButtonDeal); });
  s.When([] { return R::InState(kw::kArranging); }, [] { R::ClickButton(kw::kButtonRowCard1 + 2); });
  s.When([] { return R::InState(kw::kArranging) && Record()->slots[0] == 3; },
         [] { R::ClickButton(kw::kButtonRowCard1 + 4); });
  s.When([] { return R::InState(kw::kReadyForDone); }, [] { R::ClickButton(kw::kButtonDone); });
  s.When([] { return R::InState(kw::kWaitNewGame); }, [] { R::ClickButton(kw::kButtonNewGame); });
}

bool StageBegins(Stage stage) {
  switch (stage) {
    case kBets: return Open();
    case kFirstDeal: return Open() && Record()->bet == 30.0;
    case kPlayerDone: return Back(kw::kArranging);
    case kEndPlay: return Back(kw::kWaitNewGame);
    case kThirdOpens: return Open();
  }
  return false;
}

bool PacketSent(Stage stage) {
  switch (stage) {
    case kBets: return Open() && Record()->bet == 30.0;  // nothing of the bet is sent yet
    case kFirstDeal: return R::InState(kw::kWaitFirstDeal);
    case kPlayerDone: return R::InState(kw::kWaitDone);
    case kEndPlay: return R::InState(kw::kWaitEndPlay);
    case kThirdOpens: return false;
  }
  return false;
}

void AddStage(PaiGowSession& s, Stage stage, bool restored, Dealt* dealt, TableState* out) {
  auto begins = [stage] { return StageBegins(stage); };
  switch (stage) {
    case kBets:
      // Nothing of a round killed before its bet was sent reaches the saved
      // game, its last bet neither: it comes back open with no last bet and
      // the 5 is a chip again.
      s.When(begins, [restored] {
        EXPECT_EQ(Record()->bet, 0.0);
        EXPECT_EQ(Record()->lastBet, restored ? 0.0 : 5.0);
        if (restored) {
          R::ClickButton(kw::kButtonBet1 + 1);
        } else {
          plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE);
          plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::FALSE, plat::FALSE);
        }
      });
      s.When([] { return Record()->bet == 5.0; }, [] { R::ClickButton(kw::kButtonBet1 + 2); });
      s.When([] { return Record()->bet == 30.0; }, [] { R::ClickButton(kw::kButtonBet1); });
      s.When([] { return Record()->bet == 31.0; }, [] { R::RightClickButton(kw::kButtonBetArea); });
      break;
    case kFirstDeal: s.When(begins, [] { R::ClickButton(kw::kButtonDeal); }); break;
    case kPlayerDone:
      s.When(begins, [dealt] {
        dealt->taken = true;
        std::memcpy(dealt->cards, Record()->playerCards, sizeof dealt->cards);
        dealt->bet = Record()->bet;
        dealt->money = Record()->money;
        R::ClickButton(kw::kButtonRowCard1 + 2);
      });
      s.When([] { return R::InState(kw::kArranging) && Record()->slots[0] == 3; },
             [] { R::ClickButton(kw::kButtonRowCard1 + 4); });
      s.When([] { return R::InState(kw::kReadyForDone); }, [] { R::ClickButton(kw::kButtonDone); });
      break;
    case kEndPlay: s.When(begins, [] { R::ClickButton(kw::kButtonNewGame); }); break;
    case kThirdOpens:
      s.When(begins, [out] {
        *out = Take();
        plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
      });
      break;
  }
}

// One run: from a new game (resume kNoKill: round 1, then round 2 from its
// bets) or from a restored second round resumed at its stage; it dies after
// the packet of stage kill, or (kOnceBack) as soon as the restore is done.
void ScriptLeg(PaiGowSession& s, const KilledLeg& leg, Dealt* dealt, TableState* out) {
  s.boxAnswers = AnswerEveryBox;
  // Round 2 was dealt as it opened: a restored run deals from round 3 on.
  const bool fresh = leg.resume == kNoKill;
  s.deal.cards.assign(kCards.begin() + (fresh ? 0 : 2 * kCardsOfARound), kCards.end());
  if (fresh) RoundOne(s);
  const int first = fresh ? kBets : leg.resume;
  for (int stage = first; stage <= kThirdOpens; ++stage) {
    if (leg.kill == kOnceBack && stage == first) {
      s.When([stage] { return StageBegins(static_cast<Stage>(stage)); }, DieHere);
      return;
    }
    AddStage(s, static_cast<Stage>(stage), !fresh && stage == first, dealt, out);
    if (stage == leg.kill) {
      s.When([stage] { return PacketSent(static_cast<Stage>(stage)); }, DieHere);
      return;
    }
  }
}

// The stage a run killed after kill's packet comes back at: a bet never
// sent is placed again.
int ResumeAfter(int kill, int resumed) {
  if (kill == kOnceBack) return resumed;
  return kill == kBets ? kBets : kill + 1;
}

void RunLeg(const std::string& root, const KilledLeg& leg) {
  PaiGowSession killed(root);
  Dealt ignoredDealt;
  TableState ignored;
  ScriptLeg(killed, leg, &ignoredDealt, &ignored);
  killed.Run(leg.resume == kNoKill ? 0 : 1);
}

class PaiGowKilledRound : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    reference_ = new TempFolder;
    PaiGowSession played(reference_->Path());
    ScriptLeg(played, {kNoKill, kNoKill}, &dealt_, &played_);
    ASSERT_EQ(played.Run(0), 0);
    playedBalance_ = played.finalBalance;
    ASSERT_TRUE(played_.taken);
    ASSERT_TRUE(dealt_.taken);
    ASSERT_FALSE(played.deal.ranOut);
  }
  static void TearDownTestSuite() {
    delete reference_;
    reference_ = nullptr;
  }

  // Plays the legs that die, then the last run from where the last one
  // died; the game must end as the game played through.
  static void ExpectChainEndsAsPlayedThrough(const std::vector<KilledLeg>& legs) {
    TempFolder root;
    PaiGowSession last(root.Path());
    const int resume = RunKilledLegs(
        legs, kNoKill, [&](const KilledLeg& leg) { RunLeg(root.Path(), leg); }, last.SavedGame(), ResumeAfter);
    Dealt dealt;
    TableState got;
    bool hiddenWhileRestoring = false;
    WatchHiddenWhileRestoring(last, &hiddenWhileRestoring);
    ScriptLeg(last, {resume, kNoKill}, &dealt, &got);
    EXPECT_EQ(last.Run(1), 0);
    EXPECT_TRUE(hiddenWhileRestoring);
    EXPECT_FALSE(BoxSaid("Playback error"));
    EXPECT_FALSE(last.deal.ranOut);
    if (dealt.taken) {
      EXPECT_EQ(0, std::memcmp(dealt.cards, dealt_.cards, sizeof dealt.cards));
      EXPECT_DOUBLE_EQ(dealt.bet, 30.0);
      EXPECT_DOUBLE_EQ(dealt.money, dealt_.money);
    }
    // A round killed before anything of it was sent leaves no trace of its
    // deck design either: the restored run counts the designs afresh.
    bool deckCountedAfresh = false;
    for (const KilledLeg& leg : legs) deckCountedAfresh = deckCountedAfresh || leg.kill == kBets;
    if (deckCountedAfresh && got.taken && played_.taken) {
      CopyLayerArea(played_.layers, &got.layers, kw::kDeckPlace.x, kw::kDeckPlace.y, kw::kCardWidth, kw::kCardHeight);
    }
    ExpectSameTable(got, played_);
    // Not a cent lost or paid twice.
    EXPECT_DOUBLE_EQ(last.finalBalance, playedBalance_);
    EXPECT_EQ(HasSavedGame(last.SavedGame(), kSavedGameUser), 0);
  }

  static TempFolder* reference_;
  static Dealt dealt_;
  static TableState played_;
  static double playedBalance_;
};

TempFolder* PaiGowKilledRound::reference_ = nullptr;
Dealt PaiGowKilledRound::dealt_;
TableState PaiGowKilledRound::played_;
double PaiGowKilledRound::playedBalance_ = 0;

// The game played through: round 1 won 0.95 x 5, round 2 (bet 30) lost.
TEST_F(PaiGowKilledRound, TheGamePlayedThroughIsWhatTheRestoresMustEndAs) {
  EXPECT_DOUBLE_EQ(dealt_.bet, 30.0);
  EXPECT_EQ(dealt_.cards[0], CardId(9, 0));
  EXPECT_DOUBLE_EQ(played_.record.lastBet, 30.0);
  EXPECT_EQ(played_.record.result, 1);
  // The main client's new account holds 3000.
  EXPECT_DOUBLE_EQ(playedBalance_, 3000.0 + 4.75 - 30.0);
  EXPECT_DOUBLE_EQ(played_.account, playedBalance_);
}

TEST_F(PaiGowKilledRound, KilledAfterBeginPlay) { ExpectChainEndsAsPlayedThrough({{kNoKill, kBets}}); }
TEST_F(PaiGowKilledRound, KilledAfterFirstDeal) { ExpectChainEndsAsPlayedThrough({{kNoKill, kFirstDeal}}); }
TEST_F(PaiGowKilledRound, KilledAfterPlayerDone) { ExpectChainEndsAsPlayedThrough({{kNoKill, kPlayerDone}}); }
TEST_F(PaiGowKilledRound, KilledAfterEndPlay) { ExpectChainEndsAsPlayedThrough({{kNoKill, kEndPlay}}); }

// Two kills in a row: the restored round dies again at a later packet, or
// as soon as it is back.
TEST_F(PaiGowKilledRound, KilledAfterFirstDealThenAfterPlayerDone) {
  ExpectChainEndsAsPlayedThrough({{kNoKill, kFirstDeal}, {kPlayerDone, kPlayerDone}});
}
TEST_F(PaiGowKilledRound, KilledAfterBeginPlayThenAfterEndPlay) {
  ExpectChainEndsAsPlayedThrough({{kNoKill, kBets}, {kBets, kEndPlay}});
}
TEST_F(PaiGowKilledRound, KilledAfterPlayerDoneThenOnceBack) {
  ExpectChainEndsAsPlayedThrough({{kNoKill, kPlayerDone}, {kEndPlay, kOnceBack}});
}

}  // namespace
