// The Keno server through its link end: exact answer texts of a session,
// payouts worked by hand to the cent, each SHOOT refusal in its order, each
// wrong command, and the bets that would have paid without a hit.
#include <gtest/gtest.h>

#include <string>

#include "framework/link/Db.h"
#include "tests/pd/KenoServerHarness.h"

namespace pd {
namespace {

// 1..20 drawn in order.
constexpr int kLowDraw[kKenoDrawn] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                      11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
const std::string kLowNumbers = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20";

std::string Shoot(const std::string& betList) { return "command=SHOOT&BETLIST=" + betList; }
std::string WinList(int winFlag, int returned) {
  return "command=SHOOTANSWER&answer=ok&WINLIST=" + kLowNumbers + "," + std::to_string(winFlag) +
         "," + std::to_string(returned);
}
// The packet text writes a space as "+".
std::string Encoded(std::string text) {
  for (char& c : text) {
    if (c == ' ') c = '+';
  }
  return text;
}
std::string Refused(const std::string& text) {
  return "command=SHOOTANSWER&answer=fail&errormsg=" + Encoded(text);
}

TEST(KenoServer, AWholeSession) {
  KenoServerHarness s;
  EXPECT_EQ(s.Exchange("command=CLIENTINIT"),
            "command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=1000.000000");
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1000.000000");
  QueueDraw(kLowDraw);
  EXPECT_EQ(s.Exchange(Shoot("3,1,1,2,3,0,0,0,0,0,0,0")), WinList(1, 50));
  EXPECT_EQ(AccountBalance(), 1049.0);
  EXPECT_EQ(s.record->money, 1000.0);  // the balance of BEGINPLAY stays
  EXPECT_EQ(s.record->count, 3);
  EXPECT_EQ(s.record->stake, 1);
  EXPECT_EQ(s.record->winFlag, 1);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1049.000000");
  EXPECT_EQ(s.record->money, 1049.0);
  EXPECT_EQ(s.record->count, 3);  // the last round's bet and draw stay until SHOOT
  EXPECT_EQ(s.record->drawn[19], 20);
  // ENDPLAY before SHOOT leaves the session.
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  const std::size_t sent = s.transport->sent.size();
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(s.transport->sent.size(), sent);
  EXPECT_EQ(AccountBalance(), 1049.0);
  ASSERT_EQ(s.savePoints.size(), 2u);
  EXPECT_EQ(s.savePoints[0].record.state, kServerSendBeginPlay);
  EXPECT_EQ(s.savePoints[1].record.money, 1049.0);
}

struct Payout {
  const char* betList;
  int winFlag;
  int returned;
  double balanceAfter;  // from 1000
};

TEST(KenoServer, PayoutsWorkedByHand) {
  const Payout payouts[] = {
      {"3,1,1,2,3,0,0,0,0,0,0,0", 1, 50, 1049},     // 3 of 3: credit 49
      {"3,1,1,2,30,0,0,0,0,0,0,0", 1, 2, 1001},     // 2 of 3: credit 1
      {"3,1,0,0,0,0,0,0,0,1,40,30", 0, 0, 999},     // 1 of 3: debit 1
      {"3,1,30,40,50,0,0,0,0,0,0,0", 0, 0, 999},    // 0 of 3: debit 1
      {"10,10,1,2,3,4,5,6,7,8,9,10", 1, 100000, 100990},  // 10 of 10: credit 99990
      {"10,1,1,2,3,4,5,41,42,43,44,45", 1, 5, 1004},      // 5 of 10: credit 4
      {"10,1,1,2,3,4,41,42,43,44,45,46", 0, 0, 999},      // 4 of 10: debit 1
      {"10,5,41,42,43,44,45,46,47,48,49,50", 0, 0, 995},  // 0 of 10: debit 5
      {"9,5,1,2,3,4,5,6,7,8,9,0", 1, 100000, 100995},     // 9 of 9 at $5: capped
      {"7,10,1,2,3,4,5,6,50,0,0,0", 1, 2500, 3490},       // 6 of 7 at $10
      {"5,5,1,2,3,60,70,0,0,0,0,0", 1, 25, 1020},         // 3 of 5 at $5
      {"4,10,1,2,3,60,0,0,0,0,0,0", 1, 50, 1040},         // 3 of 4 at $10
  };
  for (const Payout& p : payouts) {
    SCOPED_TRACE(p.betList);
    KenoServerHarness s(1000);
    s.OpenSession();
    QueueDraw(kLowDraw);
    EXPECT_EQ(s.Exchange(Shoot(p.betList)), WinList(p.winFlag, p.returned));
    EXPECT_EQ(AccountBalance(), p.balanceAfter);
    EXPECT_EQ(s.record->winFlag, p.winFlag);
    EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  }
}

TEST(KenoServer, TheBalanceFollowsEveryRoundToTheCent) {
  KenoServerHarness s(12.34);
  s.OpenSession();
  double expected = 12.34;
  const Payout rounds[] = {
      {"3,10,30,40,50,0,0,0,0,0,0,0", 0, 0, 0},   // debit 10
      {"3,1,1,2,30,0,0,0,0,0,0,0", 1, 2, 0},      // credit 1
      {"3,1,1,2,3,0,0,0,0,0,0,0", 1, 50, 0},      // credit 49
      {"4,5,1,2,3,60,0,0,0,0,0,0", 1, 25, 0},     // credit 20
  };
  const double nets[] = {-10, 1, 49, 20};
  for (int i = 0; i < 4; ++i) {
    QueueDraw(kLowDraw);
    EXPECT_EQ(s.Exchange(Shoot(rounds[i].betList)), WinList(rounds[i].winFlag, rounds[i].returned));
    expected += nets[i];
    EXPECT_NEAR(AccountBalance(), expected, 1e-9);
    EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
    EXPECT_NEAR(s.record->money, expected - nets[i], 1e-9);
    s.Exchange("command=BEGINPLAY");
  }
  EXPECT_NEAR(AccountBalance(), 72.34, 1e-9);
}

struct Refusal {
  const char* packet;
  const char* text;
};

// Each refusal ends the server after its answer; the balance is untouched
// and nothing is drawn.
TEST(KenoServer, EachShootRefusalInItsOrder) {
  const Refusal refusals[] = {
      {"command=SHOOT", "Can't find bet tag"},
      {"command=SHOOT&BETLIST=3,1,1,2,3", "Can't get bet list"},
      {"command=SHOOT&BETLIST=", "Can't get bet list"},
      {"command=SHOOT&BETLIST=2,1,1,2,0,0,0,0,0,0,0,0", "The minimum numbers to bet on is 3!"},
      {"command=SHOOT&BETLIST=11,1,1,2,3,4,5,6,7,8,9,10", "The maximum numbers to bet on is 10!"},
      // The count is checked before the money.
      {"command=SHOOT&BETLIST=11,10,1,2,3,4,5,6,7,8,9,10", "The maximum numbers to bet on is 10!"},
      {"command=SHOOT&BETLIST=3,10,1,2,3,0,0,0,0,0,0,0",
       "you don't have enough money to play your bet"},
      // The money before the stake's own check.
      {"command=SHOOT&BETLIST=3,20,1,2,3,0,0,0,0,0,0,0",
       "you don't have enough money to play your bet"},
      {"command=SHOOT&BETLIST=3,2,1,2,3,0,0,0,0,0,0,0", "Illegal bet amount"},
      {"command=SHOOT&BETLIST=4,1,1,2,3,0,0,0,0,0,0,0", "Illegal number of numbers"},
      {"command=SHOOT&BETLIST=4,2,1,2,3,0,0,0,0,0,0,0", "Illegal bet amount"},
      {"command=SHOOT&BETLIST=10,1,7,7,7,7,7,7,7,7,7,7", "Illegal number of numbers"},
      {"command=SHOOT&BETLIST=3,1,0,2,3,0,0,0,0,0,0,81", "Illegal number of numbers"},
      {"command=SHOOT&BETLIST=3,1,1,-2,3,0,0,0,0,0,0,0", "Illegal number of numbers"},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.packet);
    KenoServerHarness s(9.5);
    s.OpenSession();
    s.ExpectEndsWith(r.packet, Refused(r.text));
    EXPECT_EQ(AccountBalance(), 9.5);
    EXPECT_EQ(s.record->count, 0);
    EXPECT_EQ(s.record->stake, 0);
  }
}

// Ten slots of one number would win 10 of 10 with one hit if let through.
TEST(KenoServer, TenEqualPicksWinNothingAndCostNothing) {
  KenoServerHarness s(1000);
  s.OpenSession();
  s.ExpectEndsWith(Shoot("10,1,5,5,5,5,5,5,5,5,5,5"), Refused("Illegal number of numbers"));
  EXPECT_EQ(AccountBalance(), 1000.0);
}

TEST(KenoServer, AnAccountThatRefusesTheDebitEndsTheServer) {
  KenoServerHarness s(1000);
  s.OpenSession();
  dbSetBalance(1, 0.5);  // a new player record since BEGINPLAY
  QueueDraw(kLowDraw);
  s.ExpectEndsWith(Shoot("3,1,30,40,50,0,0,0,0,0,0,0"), Refused("DB_NOT_ENOUGH_MONEY_ERR"));
  EXPECT_EQ(AccountBalance(), 0.5);
}

TEST(KenoServer, EachWrongCommandEndsTheServer) {
  {
    KenoServerHarness s;
    s.ExpectEndsWith("command=BEGINPLAY",
                     Encoded("command=BEGINPLAYanswer&answer=fail&errormsg=Got BEGINPLAY wanted CLIENTINIT"));
  }
  {
    KenoServerHarness s;
    s.Exchange("command=CLIENTINIT");
    s.ExpectEndsWith("command=SHOOT&BETLIST=3,1,1,2,3,0,0,0,0,0,0,0",
                     Encoded("command=SHOOTanswer&answer=fail&errormsg=Got SHOOT wanted BEGINPLAY"));
  }
  {
    KenoServerHarness s;
    s.OpenSession();
    s.ExpectEndsWith("command=CLIENTEXIT",
                     Encoded("command=CLIENTEXITanswer&answer=fail"
                             "&errormsg=Expected SHOOT/ENDPLAY command at this point"));
  }
  {
    KenoServerHarness s;
    s.OpenSession();
    QueueDraw(kLowDraw);
    s.Exchange(Shoot("3,1,1,2,3,0,0,0,0,0,0,0"));
    s.ExpectEndsWith("command=BEGINPLAY",
                     Encoded("command=BEGINPLAYanswer&answer=fail&errormsg=Got BEGINPLAY wanted ENDPLAY"));
  }
  {
    KenoServerHarness s;
    s.OpenSession();
    s.Exchange("command=ENDPLAY");
    s.ExpectEndsWith("command=BEGINPLAY",
                     Encoded("command=BEGINPLAYanswer&answer=fail&errormsg=Got BEGINPLAY wanted CLIENTEXIT"));
  }
  {
    KenoServerHarness s;
    s.OpenSession();
    s.ExpectEndsWith("answer=ok",
                     Encoded("command=unknowncommand&answer=fail"
                             "&errormsg=Expected SHOOT/ENDPLAY command at this point"));
  }
}

TEST(KenoServer, DbErrorNamesAddTheMissingProperty) {
  EXPECT_STREQ(DbErrorName(-16), "DB_NO_PROPERTY_ERR");
  EXPECT_STREQ(DbErrorName(-8), "DB_NOT_ENOUGH_MONEY_ERR");
  EXPECT_STREQ(DbErrorName(-1), "DB_INVALID_DATA_ERR");
  EXPECT_STREQ(DbErrorName(-18), "UNKNOWN DB ERROR");
  EXPECT_STREQ(DbErrorName(0), "UNKNOWN DB ERROR");
}

}  // namespace
}  // namespace pd
