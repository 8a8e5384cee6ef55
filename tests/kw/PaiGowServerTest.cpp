// The Pai Gow server through its link end: exact answer texts of a session,
// payouts worked by hand, every failure answer, and the splits a client
// could not have sent.
#include <gtest/gtest.h>

#include "framework/link/Db.h"
#include "framework/link/ServerRandom.h"
#include "framework/game/ServerFrame.h"
#include "kw/Cards.h"
#include "kw/Deal.h"
#include "tests/kw/PaiGowServerHarness.h"

namespace kw {
namespace {

constexpr int S = 0, H = 1, D = 2, C = 3;  // suits 0..3

// The dealer holds J 9 8 6 4 3 2 in mixed suits: no pair, no straight, no
// flush. The house way puts 9 and 8 (positions 1 and 2) in his 2-card hand
// and leaves J-high for his 5-card hand.
constexpr int kDealer[kHandCards] = {CardId(kJack, S), CardId(9, H), CardId(8, D), CardId(6, C),
                                     CardId(4, S),     CardId(3, H), CardId(2, D)};
constexpr char kDealerIds[] = "9,20,32,43,2,14,26";

struct Deal {
  int ids[kDealtCards];
};

Deal DealOf(const int* player) {
  Deal d{};
  for (int i = 0; i < kHandCards; ++i) {
    d.ids[i] = player[i];
    d.ids[kHandCards + i] = kDealer[i];
  }
  return d;
}

// A A K K Q Q 3: splitting K K (3,4) wins both hands.
constexpr int kTwoPairsAndKings[kHandCards] = {CardId(kAce, S),   CardId(kAce, H),   CardId(kKing, D),
                                               CardId(kKing, C),  CardId(kQueen, S), CardId(kQueen, H),
                                               CardId(3, D)};
// A A K K Q 3 2: 3 2 (6,7) low wins only the 5-card hand; A A (1,2) low
// beats the pair of kings left: an illegal split.
constexpr int kAcesKings[kHandCards] = {CardId(kAce, S),  CardId(kAce, H),   CardId(kKing, D),
                                        CardId(kKing, C), CardId(kQueen, S), CardId(3, C),
                                        CardId(2, C)};
// T 8 7 5 4 3 2: with 3 2 low, T-high and 3-2 lose both hands.
constexpr int kTenHigh[kHandCards] = {CardId(10, S), CardId(8, H), CardId(7, D), CardId(5, C),
                                      CardId(4, H),  CardId(3, S), CardId(2, C)};

double Balance() {
  double balance = 0;
  dbGetBalance(1, &balance);
  return balance;
}

std::string DealerCards(int result, int wonHigh, int wonLow) {
  return "command=PLAYERDONEANSWER&answer=ok&DEALERCARDS=" + std::string(kDealerIds) + "," +
         std::to_string(result) + ",2,1," + std::to_string(wonHigh) + "," + std::to_string(wonLow);
}

TEST(PaiGowServer, AWholeSession) {
  PaiGowServerHarness s;
  EXPECT_EQ(s.Exchange("command=CLIENTINIT"),
            "command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=1000.000000&MINBET=5.000000"
            "&MAXBET=500.000000");
  QueueDeal(DealOf(kTwoPairsAndKings).ids);
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1000.000000");
  EXPECT_EQ(s.Exchange("command=FIRSTDEAL&BET=100"),
            "command=FIRSTDEALANSWER&answer=ok&FIRSTCARDS=12,25,37,50,10,23,27"
            "&MONEYLEFT=900.000000");
  EXPECT_EQ(Balance(), 900.0);
  EXPECT_EQ(s.Exchange("command=PLAYERDONE&SECONDCARDS=3,4"), DealerCards(0, 1, 1));
  EXPECT_EQ(Balance(), 1095.0);
  EXPECT_EQ(s.record->money, 1095.0);
  EXPECT_EQ(s.record->winCredit, 0.0);  // cleared once answered
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  QueueDeal(DealOf(kTenHigh).ids);
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1095.000000");
  EXPECT_EQ(s.Exchange("command=ENDPLAY&QUITFLAG=1"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  for (int frame = 0; frame < 3; ++frame) EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(Balance(), 1095.0);
}

TEST(PaiGowServer, EndPlayRightAfterBeginPlayThenClientExit) {
  PaiGowServerHarness s;
  s.OpenSession(DealOf(kTenHigh).ids);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(s.record->state, kServerEnded);
  EXPECT_EQ(Balance(), 1000.0);
}

// Bet 100 on a balance of 1000: the net of each result, to the cent.
struct Payout {
  const int* player;
  const char* split;
  std::string answer;
  double balance;
};

TEST(PaiGowServer, PayoutsOfABetOfAHundred) {
  const Payout payouts[] = {
      {kTwoPairsAndKings, "3,4", DealerCards(0, 1, 1), 1095.0},
      {kAcesKings, "6,7", DealerCards(2, 1, 0), 1000.0},
      {kTenHigh, "6,7", DealerCards(1, 0, 0), 900.0},
      {kAcesKings, "1,2",
       "command=PLAYERDONEANSWER&answer=cardfail&DEALERCARDS=" + std::string(kDealerIds) + ",2,1",
       900.0},
  };
  for (const Payout& p : payouts) {
    SCOPED_TRACE(p.split);
    PaiGowServerHarness s;
    s.OpenSession(DealOf(p.player).ids);
    EXPECT_EQ(s.Exchange("command=FIRSTDEAL&BET=100").substr(0, 33), "command=FIRSTDEALANSWER&answer=ok");
    EXPECT_EQ(s.Exchange(std::string("command=PLAYERDONE&SECONDCARDS=") + p.split), p.answer);
    EXPECT_EQ(Balance(), p.balance);
    EXPECT_EQ(s.record->money, p.balance);
    EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  }
}

TEST(PaiGowServer, ABalanceInCentsStaysExact) {
  PaiGowServerHarness s(1000.25);
  s.OpenSession(DealOf(kAcesKings).ids);
  EXPECT_EQ(s.Exchange("command=FIRSTDEAL&BET=12.34"),
            "command=FIRSTDEALANSWER&answer=ok&FIRSTCARDS=12,25,37,50,10,40,39"
            "&MONEYLEFT=987.910000");
  EXPECT_EQ(s.Exchange("command=PLAYERDONE&SECONDCARDS=6,7"), DealerCards(2, 1, 0));
  EXPECT_EQ(Balance(), 1000.25);  // a push gives the bet back
}

TEST(PaiGowServer, TheDealIsTheServerStreamsAndTheRoundIsSavedWithIt) {
  PaiGowServerHarness s;
  ASSERT_EQ(s.Exchange("command=CLIENTINIT").substr(0, 34), "command=CLIENTINITANSWER&answer=ok");
  game::SetServerRandomSource(nullptr);
  SetServerRandomState(20240611u);
  ASSERT_EQ(s.Exchange("command=BEGINPLAY").substr(0, 33), "command=BEGINPLAYANSWER&answer=ok");
  PaiGowServerRecord expected{};
  SetServerRandomState(20240611u);
  ShuffleAndDeal(&expected, NextServerRandom);
  for (int i = 0; i < kDealtCards; ++i) EXPECT_EQ(s.record->cards[i], expected.cards[i]) << i;
  ASSERT_EQ(s.savePoints.size(), 1u);
  EXPECT_EQ(s.savePoints[0].state, kServerSendBeginPlay);
  EXPECT_EQ(s.savePoints[0].money, 1000.0);
  EXPECT_EQ(s.savePoints[0].minBet, 5.0);
  EXPECT_STREQ(s.savePoints[0].gameName, kPaiGowGameCode);
  EXPECT_TRUE(IsSoundServerRecord(s.savePoints[0]));
  for (int i = 0; i < kDealtCards; ++i) EXPECT_EQ(s.savePoints[0].cards[i], expected.cards[i]);
}

TEST(PaiGowServerBet, TheLimitsAreAcceptedAndOneCentBeyondIsNot) {
  PaiGowServerHarness atMinimum;
  atMinimum.OpenSession(DealOf(kTenHigh).ids);
  EXPECT_EQ(atMinimum.Exchange("command=FIRSTDEAL&BET=5").substr(0, 33),
            "command=FIRSTDEALANSWER&answer=ok");
  PaiGowServerHarness atMaximum;
  atMaximum.OpenSession(DealOf(kTenHigh).ids);
  EXPECT_EQ(atMaximum.Exchange("command=FIRSTDEAL&BET=500").substr(0, 33),
            "command=FIRSTDEALANSWER&answer=ok");
  EXPECT_EQ(Balance(), 500.0);
  for (const char* bet : {"500.01", "4.99", "-100"}) {
    SCOPED_TRACE(bet);
    PaiGowServerHarness s;
    s.OpenSession(DealOf(kTenHigh).ids);
    s.ExpectEndsWith(std::string("command=FIRSTDEAL&BET=") + bet,
                     "command=FIRSTDEALANSWER&answer=fail&errormsg=Invalid+bet+amount");
    EXPECT_EQ(Balance(), 1000.0);
  }
}

TEST(PaiGowServerBet, ABetThatDoesNotParse) {
  PaiGowServerHarness s;
  s.OpenSession(DealOf(kTenHigh).ids);
  s.ExpectEndsWith("command=FIRSTDEAL&BET=ten",
                   "command=FIRSTDEALANSWER&answer=fail&errormsg=Can't+get+bet+data");
}

TEST(PaiGowServerBet, NoBetTagIsAnsweredWithoutAnAnswer) {
  PaiGowServerHarness s;
  s.OpenSession(DealOf(kTenHigh).ids);
  s.ExpectEndsWith("command=FIRSTDEAL",
                   "command=FIRSTDEALANSWER&errormsg=Can't+find+bet+tag");
}

TEST(PaiGowServerBet, ABetAboveTheBalanceLeavesTheAccountUntouched) {
  PaiGowServerHarness s(50);
  s.OpenSession(DealOf(kTenHigh).ids);
  s.ExpectEndsWith("command=FIRSTDEAL&BET=100",
                   "command=FIRSTDEALANSWER&answer=fail&errormsg=Bet+too+big");
  EXPECT_EQ(Balance(), 50.0);
  EXPECT_EQ(s.record->bet, 100.0);
  EXPECT_EQ(s.record->money, 50.0);
}

TEST(PaiGowServerWrongCommand, AtClientInit) {
  PaiGowServerHarness s;
  s.ExpectEndsWith("command=BEGINPLAY",
                   "command=BEGINPLAYanswer&answer=fail&errormsg=Got+BEGINPLAY+wanted+CLIENTINIT");
}

TEST(PaiGowServerWrongCommand, AFailedLimitReadAtClientInit) {
  PaiGowServerHarness s;
  s.userId = 0;  // the limits table refuses user 0
  s.ExpectEndsWith("command=CLIENTINIT",
                   "command=CLIENTINITANSWER&answer=fail&errormsg=DB_INVALID_DATA_ERR");
}

TEST(PaiGowServerWrongCommand, AtBeginPlay) {
  PaiGowServerHarness s;
  s.Exchange("command=CLIENTINIT");
  s.ExpectEndsWith("command=FIRSTDEAL&BET=10",
                   "command=FIRSTDEALanswer&answer=fail&errormsg=Got+FIRSTDEAL+wanted+BEGINPLAY");
}

TEST(PaiGowServerWrongCommand, AtFirstDealOrEndPlay) {
  PaiGowServerHarness s;
  s.OpenSession(DealOf(kTenHigh).ids);
  s.ExpectEndsWith("command=PLAYERDONE&SECONDCARDS=1,2",
                   "command=PLAYERDONEanswer&answer=fail"
                   "&errormsg=Expected+FIRSTDEAL/ENDPLAY+command+at+this+point");
}

TEST(PaiGowServerWrongCommand, AtPlayerDone) {
  PaiGowServerHarness s;
  s.OpenSession(DealOf(kTenHigh).ids);
  s.Exchange("command=FIRSTDEAL&BET=100");
  s.ExpectEndsWith("command=ENDPLAY",
                   "command=PLAYERDONEANSWER&answer=fail&errormsg=UNKNOWN+PAI+GOW+ERROR!");
  EXPECT_EQ(Balance(), 900.0);
}

TEST(PaiGowServerWrongCommand, AtEndPlay) {
  PaiGowServerHarness s;
  s.OpenSession(DealOf(kTenHigh).ids);
  s.Exchange("command=FIRSTDEAL&BET=100");
  s.Exchange("command=PLAYERDONE&SECONDCARDS=6,7");
  s.ExpectEndsWith("command=BEGINPLAY",
                   "command=BEGINPLAYanswer&answer=fail&errormsg=Got+BEGINPLAY+wanted+ENDPLAY");
}

TEST(PaiGowServerWrongCommand, AtTheUnusedEndPlayState) {
  PaiGowServerHarness ok;
  ok.OpenSession(DealOf(kTenHigh).ids);
  ok.record->state = kServerWaitEndPlayQuit;
  EXPECT_EQ(ok.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(ok.record->state, kServerWaitClientExit);
  PaiGowServerHarness s;
  s.OpenSession(DealOf(kTenHigh).ids);
  s.record->state = kServerWaitEndPlayQuit;
  s.ExpectEndsWith("command=CLIENTEXIT",
                   "command=CLIENTEXITanswer&answer=fail&errormsg=Got+CLIENTEXIT+wanted+ENDPLAY");
}

TEST(PaiGowServerWrongCommand, AtClientExit) {
  PaiGowServerHarness s;
  s.OpenSession(DealOf(kTenHigh).ids);
  s.Exchange("command=ENDPLAY");
  s.ExpectEndsWith("command=BEGINPLAY",
                   "command=BEGINPLAYanswer&answer=fail&errormsg=Got+BEGINPLAY+wanted+CLIENTEXIT");
}

TEST(PaiGowServer, AStateBeyondTheMachineDoesNothing) {
  PaiGowServerHarness s;
  s.record->state = 23;
  EXPECT_EQ(s.comm.OnDataReceived("command=CLIENTINIT", 19), 1);
  EXPECT_EQ(s.Frame(), 0);
  EXPECT_TRUE(s.transport->sent.empty());
}

// Splits the client never sends: answered "fail", the bet stays lost, and
// no card outside the player's seven is read.
TEST(PaiGowServerGuard, SplitsAClientCouldNotHaveSent) {
  const char* const splits[] = {"", "&SECONDCARDS=", "&SECONDCARDS=0,3", "&SECONDCARDS=3,8",
                                "&SECONDCARDS=4,4", "&SECONDCARDS=-1,2", "&SECONDCARDS=2"};
  for (const char* split : splits) {
    SCOPED_TRACE(split);
    PaiGowServerHarness s;
    s.OpenSession(DealOf(kTwoPairsAndKings).ids);
    s.Exchange("command=FIRSTDEAL&BET=100");
    const std::string text = *split == '\0' ? "Expected+SECONDCARDS+tag+at+this+point"
                                            : "SECONDCARDS+must+name+two+different+cards+1..7";
    s.ExpectEndsWith(std::string("command=PLAYERDONE") + split,
                     "command=PLAYERDONEANSWER&answer=fail&errormsg=" + text);
    EXPECT_EQ(Balance(), 900.0);
  }
}

}  // namespace
}  // namespace kw
