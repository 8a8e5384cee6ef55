// A Black Jack game killed after each of its packets and restored end to
// end against the real stand-in main client: a child process plays until
// the packet and dies there; the program started again (hidden, as the
// main client starts it) replays the game and goes on. The second game is
// bet by the old sum again (Space), a $25 chip and a right click that takes
// the top chip off; it takes insurance, splits two eights, doubles the
// first hand and hits the second. The cards, the piles, the balance, the
// main client's account and the screen's layers must be those of the game
// played through.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/link/Db.h"
#include "framework/link/RestoreWindow.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/Screen.h"
#include "hx/BlackJackButtons.h"
#include "hx/BlackJackClient.h"
#include "hx/BlackJackProgram.h"
#include "hx/art/BlackJackSheet.h"
#include "mainclient/SavedGameFile.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/hx/BlackJackRun.h"
#include "tests/support/KilledRun.h"
#include "tests/support/MainClientSession.h"
#include "tests/support/TempFolder.h"

namespace {

using R = BlackJackRun;

// Game 1: a natural against a 9 (10 wins 15). Game 2: two eights against
// the dealer's ace; 8-3 doubled takes a ten, 8-2 takes a 7; the dealer's
// ace and 6 stand: hand 1 wins 60, hand 2 pushes, the insurance of 15 is
// lost. Game 3 opens.
const std::vector<std::string> kDecks = {"AS KH 9D", "8S 8H AD 3C 2S TD 7H 6C", "2C 3D 4H"};

class BlackJackSession : public CMainClientSession {
 public:
  explicit BlackJackSession(std::string root, std::size_t firstDeck)
      : CMainClientSession(std::move(root), hx::kBlackJackGame, "blackjack", hx::art::BlackJackSheet()) {
    draws_ = DrawsForDecks({kDecks.begin() + static_cast<long>(firstDeck), kDecks.end()});
    serverRandom = Draw;
    describe = [] {
      const hx::BlackJackClientRecord* r = hx::BlackJackClientHooks::Current();
      if (r == nullptr) return std::string(", no client");
      return ", client state " + std::to_string(r->state) + ", split " + std::to_string(r->splitState) + ", cards " +
             std::to_string(r->current.count) + ", double " + std::to_string(r->doubleState) + ", restoring " +
             std::to_string(IsRestoring());
    };
  }
  int Run(int hidden) {
    gSession = this;
    next_ = 0;
    const int code = CMainClientSession::Run(hidden);
    gSession = nullptr;
    return code;
  }
  bool ranOut = false;

 private:
  static int Draw() {
    BlackJackSession* s = gSession;
    if (s == nullptr) return 0;
    if (s->next_ >= s->draws_.size()) {
      s->ranOut = true;
      return 0;
    }
    return s->draws_[s->next_++];
  }
  static BlackJackSession* gSession;
  std::vector<int> draws_;
  std::size_t next_ = 0;
};
BlackJackSession* BlackJackSession::gSession = nullptr;

hx::BlackJackClientRecord* Rec() { return R::Record(); }
bool Open() { return R::InState(hx::kBetting) && hx::BettingOpen() && !IsRestoring(); }
bool Back(int state) { return R::InState(state) && !IsRestoring(); }
bool Deciding(int splitState, int cards) {
  return Back(hx::kDecide) && Rec()->splitState == splitState && Rec()->current.count == cards;
}

using TableState = TakenTable<hx::BlackJackClientRecord>;
TableState Take() { return TakeTable(*Rec()); }

bool SameCards(const hx::CardList& a, const hx::CardList& b) {
  if (a.count != b.count) return false;
  for (int k = 0; k < a.count; ++k) {
    if (a.cards[k].suit != b.cards[k].suit || a.cards[k].value != b.cards[k].value) return false;
  }
  return true;
}

void ExpectSameTable(const TableState& got, const TableState& want) {
  ASSERT_TRUE(got.taken);
  ASSERT_TRUE(want.taken);
  const hx::BlackJackClientRecord& g = got.record;
  const hx::BlackJackClientRecord& w = want.record;
  EXPECT_DOUBLE_EQ(g.bet, w.bet);
  EXPECT_DOUBLE_EQ(g.lastBet, w.lastBet);
  EXPECT_DOUBLE_EQ(g.money, w.money);
  for (int pile = 0; pile < hx::kPiles; ++pile) EXPECT_DOUBLE_EQ(g.piles[pile], w.piles[pile]) << pile;
  EXPECT_DOUBLE_EQ(got.account, want.account);
  ExpectSameLayers(got.layers, want.layers);
}

// The second game as it stands at its settlement.
struct Settled {
  bool taken = false;
  hx::BlackJackClientRecord record{};
};

// The second game's stages; a run is killed after the packet that ends one.
enum Stage {
  kBets,        // BEGINPLAY answered: Space, $25, the top chip off: 30
  kFirstDeal,   // Deal: FIRSTDEAL sent
  kInsurance,   // the box answered yes: INSURANCE sent
  kSplit,       // Split: SPLIT sent
  kDouble,      // Double on 8-3: DOUBLE sent (the hit and stand follow by themselves)
  kHit,         // Hit on 8-2: PLAYERHIT sent
  kStand,       // Stand on 17: PLAYERSTAND sent
  kWantDealer,  // WANTDEALERCARDS sent
  kEndPlay,     // New Game: ENDPLAY sent
  kThirdOpens,  // the third game open: the table is taken
};
constexpr int kOnceBack = -2;
constexpr int kNoKill = -1;

void GameOne(BlackJackSession& s) {
  s.When(Open, [] { R::ClickButton(hx::kButtonBet1 + 1); });
  s.When([] { return Rec()->bet == 5.0; }, [] { R::ClickButton(hx::kButtonBet1 + 1); });
  s.When([] { return Rec()->bet == 10.0; }, [] { R::ClickButton(hx::kButtonDeal); });
  s.When([] { return Back(hx::kWaitContinue); }, [] { R::ClickButton(hx::kButtonNewGame); });
}

bool StageBegins(Stage stage) {
  switch (stage) {
    case kBets: return Open();
    case kFirstDeal: return Open() && Rec()->bet == 30.0;
    case kInsurance: return false;
    case kSplit: return Deciding(0, 2);
    case kDouble: return Deciding(1, 2);
    case kHit: return Deciding(2, 2);
    case kStand: return Deciding(2, 3);
    case kWantDealer: return false;
    case kEndPlay: return Back(hx::kWaitContinue);
    case kThirdOpens: return Open();
  }
  return false;
}

// A restored run resumed at ENDPLAY: New Game when the saved game ends
// before the answer, nothing when the next game is already open.
bool EndPlayResumes() { return Back(hx::kWaitContinue) || Open(); }

// Where a run dies: once the server's answer to the stage's packet has come
// back, so the main client has saved it. ENDPLAY is the exception: its run
// dies as soon as it is sent, and the restored run takes whichever side of
// the answer the saved game holds.
bool KillPoint(Stage stage) {
  switch (stage) {
    case kBets: return Open() && Rec()->bet == 30.0;  // nothing of the bet is sent yet
    case kFirstDeal: return R::InState(hx::kDealFirst);
    case kInsurance: return Deciding(0, 2);
    case kSplit: return Deciding(1, 2);
    case kDouble: return Rec() != nullptr && Rec()->doubleState >= 1;
    case kHit: return Deciding(2, 3);
    case kStand: return false;
    case kWantDealer:
      return R::InState(hx::kDealerCards) || R::InState(hx::kSettleChips) || R::InState(hx::kWaitSettleChips) ||
             R::InState(hx::kAskContinue) || R::InState(hx::kWaitContinue);
    case kEndPlay: return R::InState(hx::kWaitEndPlay);
    case kThirdOpens: return false;
  }
  return false;
}

void AddStage(BlackJackSession& s, Stage stage, bool restored, Settled* settled, TableState* out) {
  auto begins = [stage] { return StageBegins(stage); };
  switch (stage) {
    case kBets:
      // A game killed before its bet was sent comes back with its old sum
      // all the same: it went out on the game's BEGINPLAY.
      s.When(begins, [] {
        EXPECT_EQ(Rec()->bet, 0.0);
        EXPECT_EQ(Rec()->lastBet, 10.0);
        plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE);
        plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::FALSE, plat::FALSE);
      });
      s.When([] { return Rec()->bet == 10.0; }, [] { R::ClickButton(hx::kButtonBet1 + 2); });
      s.When([] { return Rec()->bet == 35.0; }, [] { R::RightClickButton(hx::kButtonRebet); });
      break;
    case kFirstDeal: s.When(begins, [] { R::ClickButton(hx::kButtonDeal); }); break;
    case kSplit: s.When(begins, [] { R::ClickButton(hx::kButtonSplit); }); break;
    case kDouble: s.When(begins, [] { R::ClickButton(hx::kButtonDouble); }); break;
    case kHit: s.When(begins, [] { R::ClickButton(hx::kButtonHit); }); break;
    case kStand: s.When(begins, [] { R::ClickButton(hx::kButtonStand); }); break;
    case kEndPlay:
      if (restored) {
        s.When(EndPlayResumes, [] {
          if (Back(hx::kWaitContinue)) R::ClickButton(hx::kButtonNewGame);
        });
        break;
      }
      s.When(begins, [settled] {
        settled->taken = true;
        settled->record = *Rec();
        R::ClickButton(hx::kButtonNewGame);
      });
      break;
    case kThirdOpens:
      s.When(begins, [out] {
        *out = Take();
        plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0);
      });
      break;
    case kInsurance:
    case kWantDealer: break;
  }
}

void ScriptLeg(BlackJackSession& s, const KilledLeg& leg, Settled* settled, TableState* out) {
  s.boxAnswers = AnswerEveryBox;
  const bool fresh = leg.resume == kNoKill;
  if (fresh) GameOne(s);
  const int first = fresh ? kBets : leg.resume;
  for (int stage = first; stage <= kThirdOpens; ++stage) {
    if (leg.kill == kOnceBack && stage == first) {
      s.When([stage] { return StageBegins(static_cast<Stage>(stage)) || KillPoint(static_cast<Stage>(stage)); },
             DieHere);
      return;
    }
    AddStage(s, static_cast<Stage>(stage), !fresh && stage == first, settled, out);
    if (stage == leg.kill) {
      s.When([stage] { return KillPoint(static_cast<Stage>(stage)); }, DieHere);
      return;
    }
  }
}

// A bet never sent is placed again, an ENDPLAY maybe not answered is
// resumed; otherwise the game goes on at the next stage.
int ResumeAfter(int kill, int resumed) {
  if (kill == kOnceBack) return resumed;
  return kill == kBets || kill == kEndPlay ? kill : kill + 1;
}

// A restored run replays the second game from its saved deck: it shuffles
// from the third deck on.
constexpr std::size_t kRestoredFirstDeck = 2;

class BlackJackKilledGame : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    reference_ = new TempFolder;
    BlackJackSession played(reference_->Path(), 0);
    ScriptLeg(played, {kNoKill, kNoKill}, &settled_, &played_);
    ASSERT_EQ(played.Run(0), 0);
    playedBalance_ = played.finalBalance;
    ASSERT_TRUE(played_.taken);
    ASSERT_TRUE(settled_.taken);
    ASSERT_FALSE(played.ranOut);
  }
  static void TearDownTestSuite() {
    delete reference_;
    reference_ = nullptr;
  }

  static void ExpectChainEndsAsPlayedThrough(const std::vector<KilledLeg>& legs) {
    TempFolder root;
    BlackJackSession last(root.Path(), kRestoredFirstDeck);
    const int resume = RunKilledLegs(
        legs, kNoKill,
        [&](const KilledLeg& leg) {
          BlackJackSession killed(root.Path(), leg.resume == kNoKill ? 0 : kRestoredFirstDeck);
          Settled ignoredSettled;
          TableState ignored;
          ScriptLeg(killed, leg, &ignoredSettled, &ignored);
          killed.Run(leg.resume == kNoKill ? 0 : 1);
        },
        last.SavedGame(), ResumeAfter);
    Settled settled;
    TableState got;
    ScriptLeg(last, {resume, kNoKill}, &settled, &got);
    EXPECT_EQ(last.Run(1), 0);
    EXPECT_FALSE(BoxSaid("Playback error"));
    // A replayed insurance answer comes from the log, without the box.
    if (resume > kInsurance) {
      EXPECT_FALSE(BoxSaid("Do you want to insurance?"));
    }
    EXPECT_FALSE(last.ranOut);
    if (settled.taken) {
      EXPECT_TRUE(SameCards(settled.record.firstHand, settled_.record.firstHand));
      EXPECT_TRUE(SameCards(settled.record.secondHand, settled_.record.secondHand));
      EXPECT_TRUE(SameCards(settled.record.dealer, settled_.record.dealer));
      for (int pile = 0; pile < hx::kPiles; ++pile) {
        EXPECT_DOUBLE_EQ(settled.record.piles[pile], settled_.record.piles[pile]) << pile;
      }
      EXPECT_DOUBLE_EQ(settled.record.money, settled_.record.money);
    }
    ExpectSameTable(got, played_);
    // Not a cent lost or paid twice.
    EXPECT_DOUBLE_EQ(last.finalBalance, playedBalance_);
    EXPECT_EQ(HasSavedGame(last.SavedGame(), kSavedGameUser), 0);
  }

  static TempFolder* reference_;
  static Settled settled_;
  static TableState played_;
  static double playedBalance_;
};

TempFolder* BlackJackKilledGame::reference_ = nullptr;
Settled BlackJackKilledGame::settled_;
TableState BlackJackKilledGame::played_;
double BlackJackKilledGame::playedBalance_ = 0;

// The game played through: game 1 wins 15; game 2 wins 60 on the doubled
// first hand, pushes the second and loses the insurance of 15.
TEST_F(BlackJackKilledGame, TheGamePlayedThroughIsWhatTheRestoresMustEndAs) {
  EXPECT_DOUBLE_EQ(playedBalance_, 3000.0 + 15.0 + 60.0 - 15.0);
  EXPECT_DOUBLE_EQ(played_.account, playedBalance_);
  EXPECT_DOUBLE_EQ(played_.record.lastBet, 30.0);
  EXPECT_EQ(settled_.record.firstHand.count, 3);
  EXPECT_EQ(settled_.record.secondHand.count, 3);
  EXPECT_EQ(settled_.record.dealer.count, 2);
}

TEST_F(BlackJackKilledGame, KilledAfterBeginPlay) { ExpectChainEndsAsPlayedThrough({{kNoKill, kBets}}); }
TEST_F(BlackJackKilledGame, KilledAfterBeginPlayTwice) {
  ExpectChainEndsAsPlayedThrough({{kNoKill, kBets}, {kBets, kBets}});
}
TEST_F(BlackJackKilledGame, KilledAfterFirstDeal) { ExpectChainEndsAsPlayedThrough({{kNoKill, kFirstDeal}}); }
TEST_F(BlackJackKilledGame, KilledAfterInsurance) { ExpectChainEndsAsPlayedThrough({{kNoKill, kInsurance}}); }
TEST_F(BlackJackKilledGame, KilledAfterSplit) { ExpectChainEndsAsPlayedThrough({{kNoKill, kSplit}}); }
TEST_F(BlackJackKilledGame, KilledAfterDouble) { ExpectChainEndsAsPlayedThrough({{kNoKill, kDouble}}); }
TEST_F(BlackJackKilledGame, KilledAfterPlayerHit) { ExpectChainEndsAsPlayedThrough({{kNoKill, kHit}}); }
TEST_F(BlackJackKilledGame, KilledAfterWantDealerCards) {
  ExpectChainEndsAsPlayedThrough({{kNoKill, kWantDealer}});
}
TEST_F(BlackJackKilledGame, KilledAfterEndPlay) { ExpectChainEndsAsPlayedThrough({{kNoKill, kEndPlay}}); }
TEST_F(BlackJackKilledGame, KilledAfterSplitThenAfterPlayerHit) {
  ExpectChainEndsAsPlayedThrough({{kNoKill, kSplit}, {kDouble, kHit}});
}

}  // namespace
