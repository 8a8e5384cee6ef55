// The Baccarat server through its link end: whole sessions, the coups of
// the edge cases with their CARDS and MONEYLEFT worked by hand, and every
// refusal with the account left as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "kw/Cards.h"
#include "tests/sq/BaccaratHarness.h"

namespace sq {
namespace {

using kw::CardId;
constexpr int T = 10, J = 11, Q = 12, K = 13, A = 14;

// P1 P2 B1 B2 P3 B3 by rank and suit.
const SixCards kPlayer8Banker7 = {CardId(3, 0), CardId(5, 1), CardId(K, 2),
                                  CardId(7, 3), CardId(2, 0), CardId(4, 1)};
const SixCards kTenAgainstTen = {CardId(4, 0), CardId(4, 1), CardId(T, 2),
                                 CardId(8, 3), CardId(2, 0), CardId(4, 2)};
const SixCards kBankerNatural = {CardId(Q, 0), CardId(2, 1), CardId(4, 2),
                                 CardId(5, 3), CardId(A, 0), CardId(A, 1)};

std::string Ids(const SixCards& c, bool playerThird, bool bankerThird) {
  return std::to_string(c[0]) + "," + std::to_string(c[1]) + "," + std::to_string(c[2]) + "," +
         std::to_string(c[3]) + "," + (playerThird ? std::to_string(c[4]) : "100") + "," +
         (bankerThird ? std::to_string(c[5]) : "100");
}

std::string DealOk(const std::string& cards, const std::string& moneyLeft) {
  return "command=DEALANSWER&answer=ok&CARDS=" + cards + "&MONEYLEFT=" + moneyLeft;
}

std::string Fail(const std::string& answer, const std::string& text) {
  return "command=" + answer + "&answer=fail&errormsg=" + text;
}

TEST(BaccaratSession, TwoCoupsThenTheClientLeaves) {
  BaccaratHarness s(1000);
  EXPECT_EQ(s.Exchange("command=CLIENTINIT"),
            "command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=1000.000000&MINBET=5.000000"
            "&MAXBET=500.000000&MAXTABLE=500.000000");
  QueueDeal(kPlayer8Banker7);
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"), "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1000.000000");
  EXPECT_EQ(s.Deal("10,0,0"),
            DealOk(Ids(kPlayer8Banker7, false, false) + ",3,5,0,7,2,4,0,20.000000,0", "1010.000000"));
  EXPECT_EQ(AccountBalance(), 1010.0);
  EXPECT_EQ(s.record->money, 1010.0);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");

  QueueDeal(kBankerNatural);
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"), "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1010.000000");
  EXPECT_EQ(s.Deal("0,100,0"),
            DealOk(Ids(kBankerNatural, false, false) + ",0,2,4,5,1,1,1,195.000000,1", "1105.000000"));
  EXPECT_EQ(AccountBalance(), 1105.0);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");

  // A client that quits sends ENDPLAY in place of DEAL.
  QueueDeal(kTenAgainstTen);
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"), "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1105.000000");
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(AccountBalance(), 1105.0);
  EXPECT_EQ(s.savePoints.size(), 3u);
}

TEST(BaccaratSession, TheSavePointHoldsTheDealtCoupAndNothingElse) {
  BaccaratHarness s(750);
  s.OpenSession(kPlayer8Banker7);
  s.Deal("10,0,0");
  s.Exchange("command=ENDPLAY");
  QueueDeal(kTenAgainstTen);
  s.Exchange("command=BEGINPLAY");
  ASSERT_EQ(s.savePoints.size(), 2u);
  const BaccaratServerRecord& r = s.savePoints[1];
  BaccaratServerRecord expected{};
  std::strcpy(expected.gameCode, "SQ");
  expected.state = kServerSendBeginPlay;
  expected.minBet = 5;
  expected.maxBet = 500;
  expected.maxTable = 500;
  expected.money = 760;
  const int ranks[kCoupCards] = {4, 4, T, 8, 2, 4};
  for (int i = 0; i < kCoupCards; ++i) {
    expected.cards[i] = kTenAgainstTen[i];
    expected.points[i] = ranks[i];
  }
  EXPECT_EQ(std::memcmp(&r, &expected, sizeof(r)), 0);
}

struct CoupCase {
  const char* name;
  SixCards cards;
  const char* bets;
  std::string cardsText;  // CARDS after the ids
  bool playerThird, bankerThird;
  double balanceAfter;     // from 1000
};

TEST(BaccaratCoup, EdgeCasesWorkedByHand) {
  const CoupCase cases[] = {
      {"Player 8 against Banker 7", kPlayer8Banker7, "10,0,0", "3,5,0,7,2,4,0,20.000000,0", false, false, 1010},
      {"Player 25 wins", kPlayer8Banker7, "25,0,0", "3,5,0,7,2,4,0,50.000000,0", false, false, 1025},
      {"Banker 20 loses", kPlayer8Banker7, "0,20,0", "3,5,0,7,2,4,3,0.000000,0", false, false, 980},
      {"Player wins with only a Tie stake", kPlayer8Banker7, "0,0,10", "3,5,0,7,2,4,3,0.000000,0", false, false, 990},
      {"equal naturals, Tie 10 and Player 10", kTenAgainstTen, "10,0,10", "4,4,0,8,2,4,2,90.000000,2", false, false, 1080},
      {"10 and 10 tie without a Tie stake", kTenAgainstTen, "10,10,0", "4,4,0,8,2,4,3,20.000000,2", false, false, 1000},
      {"an empty BETS stakes nothing", kTenAgainstTen, "", "4,4,0,8,2,4,3,0.000000,2", false, false, 1000},
      {"Player 5 draws a 4, Banker 4 draws",
       {CardId(2, 0), CardId(3, 0), CardId(J, 0), CardId(4, 1), CardId(4, 2), CardId(3, 1)},
       "0,0,5", "2,3,0,4,4,3,3,0.000000,0", true, true, 995},
      {"Banker 3 stands on a Player third card of 8",
       {CardId(2, 0), CardId(3, 0), CardId(A, 0), CardId(2, 1), CardId(8, 2), CardId(3, 1)},
       "0,0,5", "2,3,1,2,8,3,2,45.000000,2", true, false, 1040},
      {"Banker 3 draws on a Player third card of 9",
       {CardId(2, 0), CardId(3, 0), CardId(A, 0), CardId(2, 1), CardId(9, 2), CardId(3, 1)},
       "0,10,0", "2,3,1,2,9,3,1,19.500000,1", true, true, 1009.5},
      {"Player stands on 6, Banker 5 draws",
       {CardId(3, 0), CardId(3, 1), CardId(2, 0), CardId(3, 2), CardId(9, 2), CardId(A, 1)},
       "5,5,0", "3,3,2,3,9,1,3,10.000000,2", false, true, 1000},
      {"Player stands on 7, Banker 6 stands",
       {CardId(3, 0), CardId(4, 1), CardId(2, 0), CardId(4, 2), CardId(9, 2), CardId(A, 1)},
       "7.5,0,0", "3,4,2,4,9,1,0,15.000000,0", false, false, 1007.5},
  };
  for (const CoupCase& c : cases) {
    SCOPED_TRACE(c.name);
    BaccaratHarness s(1000);
    s.OpenSession(c.cards);
    char money[32];
    std::snprintf(money, sizeof(money), "%f", c.balanceAfter);
    EXPECT_EQ(s.Deal(c.bets),
              DealOk(Ids(c.cards, c.playerThird, c.bankerThird) + "," + c.cardsText, money));
    EXPECT_EQ(AccountBalance(), c.balanceAfter);
    EXPECT_EQ(s.record->money, c.balanceAfter);
  }
}

int AlwaysZero() { return 0; }

TEST(BaccaratCoup, ASourceAlwaysAnsweringZeroDealsABankerNineAgainstAPlayerFive) {
  BaccaratHarness s(100);
  s.Exchange("command=CLIENTINIT");
  game::SetServerRandomSource(AlwaysZero);
  s.Exchange("command=BEGINPLAY");
  // Ids 0..5: the ranks 2..7 of the first suit.
  EXPECT_EQ(s.Deal("0,10,0"), DealOk("0,1,2,3,100,100,2,3,4,5,6,7,1,19.500000,1", "109.500000"));
}

// 7 x 1.95 and 13 x 1.95 in doubles leave 28.999999999999996 where the
// player has $29.00: the account keeps cents, so all of it can be staked.
TEST(BaccaratCoup, CommissionsOfCentsLeaveAWholeBalanceToStake) {
  BaccaratHarness s(10);
  s.OpenSession(kBankerNatural);
  EXPECT_EQ(s.Deal("0,7,0"), DealOk(Ids(kBankerNatural, false, false) + ",0,2,4,5,1,1,1,13.650000,1", "16.650000"));
  s.Exchange("command=ENDPLAY");
  QueueDeal(kBankerNatural);
  s.Exchange("command=BEGINPLAY");
  EXPECT_EQ(s.Deal("0,13,0"), DealOk(Ids(kBankerNatural, false, false) + ",0,2,4,5,1,1,1,25.350000,1", "29.000000"));
  EXPECT_EQ(AccountBalance(), 29.0);
  s.Exchange("command=ENDPLAY");
  QueueDeal(kBankerNatural);
  s.Exchange("command=BEGINPLAY");
  EXPECT_EQ(s.Deal("29,0,0"), DealOk(Ids(kBankerNatural, false, false) + ",0,2,4,5,1,1,3,0.000000,1", "0.000000"));
  EXPECT_EQ(AccountBalance(), 0.0);
}

// ---- Refusals: each ends the machine and leaves the account untouched ----

void ExpectRefusedDeal(double balance, const std::string& bets, const std::string& text) {
  SCOPED_TRACE(bets);
  BaccaratHarness s(balance);
  s.OpenSession(kPlayer8Banker7);
  s.ExpectEndsWith("command=DEAL&BETS=" + bets, Fail("DEALANSWER", text));
  EXPECT_EQ(AccountBalance(), balance);
  EXPECT_EQ(s.record->money, balance);
}

TEST(BaccaratRefusal, StakesOutsideTheLimits) {
  for (const char* bets : {"nan,0,0", "0,inf,0", "0,0,-5", "4.99,0,0", "0,501,0", "200,200,101",
                           "-inf", "5,5,nan"}) {
    ExpectRefusedDeal(1000, bets, "Invalid+bet+amount");
  }
}

// A restore checks the stakes the same way: a refused one left in the
// record would make the record itself unrestorable.
TEST(BaccaratRefusal, ARefusedStakeIsNotKept) {
  BaccaratHarness s(1000);
  s.OpenSession(kPlayer8Banker7);
  s.ExpectEndsWith("command=DEAL&BETS=1000000,0,5", Fail("DEALANSWER", "Invalid+bet+amount"));
  EXPECT_EQ(s.record->betPlayer, 0);
  EXPECT_EQ(s.record->betTie, 0);
  EXPECT_EQ(IsBaccaratServerRecord(*s.record), 1);
}

TEST(BaccaratRefusal, UnreadableOrMissingStakes) {
  ExpectRefusedDeal(1000, "x", "Can't+get+bet+data");
  ExpectRefusedDeal(1000, ",5,5", "Can't+get+bet+data");
  BaccaratHarness s(1000);
  s.OpenSession(kPlayer8Banker7);
  s.ExpectEndsWith("command=DEAL", Fail("DEALANSWER", "Can't+find+bet+tag"));
  EXPECT_EQ(AccountBalance(), 1000.0);
}

TEST(BaccaratRefusal, StakesBeyondTheBalanceEvenWhenTheyWouldWin) {
  ExpectRefusedDeal(100, "101,0,0", "Error+Writing+to+money+datebase");
  ExpectRefusedDeal(100, "60,0,50", "Error+Writing+to+money+datebase");
}

TEST(BaccaratRefusal, ABalanceThatFellAfterBeginPlay) {
  BaccaratHarness s(1000);
  s.OpenSession(kPlayer8Banker7);
  dbSetBalance(1, 15);
  s.ExpectEndsWith("command=DEAL&BETS=0,20,0", Fail("DEALANSWER", "Error+Writing+to+money+datebase"));
  EXPECT_EQ(AccountBalance(), 15.0);
  EXPECT_EQ(s.record->money, 1000.0);
}

TEST(BaccaratRefusal, AMoneyLeftTextThatCannotBeMadeTakesNothing) {
  ExpectRefusedDeal(1e60, "10,0,0", "Error+:+Couldn't+convert+money+amount");
}

TEST(BaccaratRefusal, AFailedLimitReadAnswersOnlyFail) {
  BaccaratHarness s;
  s.userId = 0;  // the limits table refuses user 0, the balance does not
  s.ExpectEndsWith("command=CLIENTINIT",
                   "command=CLIENTINITANSWER&answer=fail&errormsg=DB_INVALID_DATA_ERR");
}

TEST(BaccaratWrongCommand, InEveryWaitingState) {
  {
    BaccaratHarness s;
    s.ExpectEndsWith("command=BEGINPLAY",
                     Fail("BEGINPLAYanswer", "Got+BEGINPLAY+wanted+CLIENTINIT"));
  }
  {
    BaccaratHarness s;
    s.Exchange("command=CLIENTINIT");
    s.ExpectEndsWith("command=DEAL&BETS=10,0,0", Fail("DEALanswer", "Got+DEAL+wanted+BEGINPLAY"));
  }
  {
    BaccaratHarness s;
    s.OpenSession(kPlayer8Banker7);
    s.ExpectEndsWith("command=CLIENTEXIT",
                     Fail("CLIENTEXITanswer", "Expected+DEAL/ENDPLAY+command+at+this+point"));
  }
  {
    BaccaratHarness s;
    s.OpenSession(kPlayer8Banker7);
    s.Deal("10,0,0");
    s.ExpectEndsWith("command=DEAL&BETS=10,0,0", Fail("DEALanswer", "Got+DEAL+wanted+ENDPLAY"));
    EXPECT_EQ(AccountBalance(), 1010.0);
  }
  {
    BaccaratHarness s;
    s.OpenSession(kPlayer8Banker7);
    s.Exchange("command=ENDPLAY");
    s.ExpectEndsWith("command=BEGINPLAY",
                     Fail("BEGINPLAYanswer", "Got+BEGINPLAY+wanted+CLIENTEXIT"));
  }
}

}  // namespace
}  // namespace sq
