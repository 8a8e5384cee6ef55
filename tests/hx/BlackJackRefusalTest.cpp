// Every refusal of the Black Jack server: its exact answer, the end of the
// machine, and what the forfeit of the held stakes leaves in the account.
#include <gtest/gtest.h>

#include <string>

#include "framework/link/Db.h"
#include "tests/hx/BlackJackHarness.h"

namespace hx {
namespace {

constexpr double kStart = 1000;

std::string Fail(const std::string& answer, const std::string& text) {
  return "command=" + answer + "&answer=fail&errormsg=" + text;
}

void ExpectRefused(BlackJackHarness& s, const std::string& packet, const std::string& answer,
                   double balance) {
  EXPECT_EQ(s.Exchange(packet), answer);
  s.ExpectEnded();
  EXPECT_EQ(AccountBalance(), balance);
  for (double stake : s.record->stakes) EXPECT_EQ(stake, 0);
}

TEST(BlackJackRefusal, BetsAtAndBeyondTheLimits) {
  for (const char* bet : {"5", "500"}) {
    BlackJackHarness s(kStart);
    s.Open("TS 9H 7D");
    EXPECT_EQ(s.Exchange(std::string("command=FIRSTDEAL&BET=") + bet).substr(0, 33),
              "command=FIRSTDEALANSWER&answer=ok");
  }
  for (const char* bet : {"4.99", "500.01", "nan", "x"}) {
    BlackJackHarness s(kStart);
    s.Open("");
    const std::string text = std::string(bet) == "x" ? "Can't+get+bet+data" : "Invalid+bet+amount";
    ExpectRefused(s, std::string("command=FIRSTDEAL&BET=") + bet, Fail("FIRSTDEALANSWER", text),
                  kStart);
  }
  BlackJackHarness s(kStart);
  s.Open("");
  ExpectRefused(s, "command=FIRSTDEAL", Fail("FIRSTDEALANSWER", "Can't+find+bet+tag"), kStart);
}

TEST(BlackJackRefusal, ABetBeyondTheBalance) {
  BlackJackHarness s(100);
  s.Open("");
  ExpectRefused(s, "command=FIRSTDEAL&BET=100.01",
                Fail("FIRSTDEALANSWER", "DB_NOT_ENOUGH_MONEY_ERR"), 100);
}

TEST(BlackJackRefusal, InsuranceWithoutItsTags) {
  BlackJackHarness s(kStart);
  s.Open("TS 9H AD");
  s.Exchange("command=FIRSTDEAL&BET=10");
  ExpectRefused(s, "command=INSURANCE&INSURANCEFLAG=yes",
                Fail("INSURANCEANSWER", "Can't+find+tag+INSURANCE1"), kStart - 10);
  BlackJackHarness t(kStart);
  t.Open("TS 9H AD");
  t.Exchange("command=FIRSTDEAL&BET=10");
  ExpectRefused(t, "command=INSURANCE&INSURANCE1=",
                Fail("INSURANCEANSWER", "Can't+find+tag+INSURANCEFLAG+(1)"), kStart - 10);
}

TEST(BlackJackRefusal, InsuranceBeyondTheBalance) {
  BlackJackHarness s(14);
  s.Open("TS 9H AD");
  s.Exchange("command=FIRSTDEAL&BET=10");
  ExpectRefused(s, "command=INSURANCE&INSURANCE1=&INSURANCEFLAG=yes",
                Fail("INSURANCEANSWER", "DB_NOT_ENOUGH_MONEY_ERR"), 4);
}

struct ActionCase {
  const char* name;
  std::vector<std::string> before;
  std::string packet, answer;
  double lost;
};

TEST(BlackJackRefusal, EveryPlayerActionRefused) {
  const ActionCase cases[] = {
      {"hit twice after a double", {"DOUBLE", "PLAYERHIT"}, "PLAYERHIT",
       Fail("PLAYERHITANSWER", "Player+have+already+done+a+hit+after+the+double"), 20},
      {"stand owing the double's card", {"DOUBLE"}, "PLAYERSTAND",
       Fail("PLAYERSTANDANSWER", "Player+must+do+a+hit+after+a+double"), 20},
      {"split after a double", {"DOUBLE"}, "SPLIT",
       Fail("SPLITANSWER", "a+split+occured+in+the+middle+of+a+double"), 20},
      {"double twice", {"DOUBLE"}, "DOUBLE", Fail("DOUBLEANSWER", "Invalid+double"), 20},
      {"double on three cards", {"PLAYERHIT"}, "DOUBLE",
       Fail("DOUBLEANSWER", "Player+doesn't+have+exactly+two+cards"), 10},
      {"split three cards", {"PLAYERHIT"}, "SPLIT",
       Fail("SPLITANSWER", "You+can't+do+a+split+if+you+don't+have+exactly+two+cards"), 10},
      {"a ten and a nine split", {}, "SPLIT",
       Fail("SPLITANSWER", "You+don't+have+two+cards+with+the+same+value"), 10},
      {"an unknown action", {}, "ENDPLAY",
       "command=ENDPLAYanswer&answer=fail"
       "&errormsg=Expected+PLAYERHIT/PLAYERSTAND/DOUBLE/SPLIT+at+this+point",
       10},
  };
  for (const ActionCase& c : cases) {
    SCOPED_TRACE(c.name);
    BlackJackHarness s(kStart);
    s.Open("2S 3H 7D 2C 2D");  // 2 3 against a 7; the hits keep it low
    s.Deal("10");
    for (const std::string& action : c.before) {
      ASSERT_NE(s.Exchange("command=" + action).find("answer=ok"), std::string::npos) << action;
    }
    ExpectRefused(s, "command=" + c.packet, c.answer, kStart - c.lost);
  }
}

TEST(BlackJackRefusal, ATenAndANineSplitForfeitOnlyTheBet) {
  BlackJackHarness s(kStart);
  s.Open("TS 9H 7D");
  s.Deal("10");
  ExpectRefused(s, "command=SPLIT",
                Fail("SPLITANSWER", "You+don't+have+two+cards+with+the+same+value"), kStart - 10);
}

TEST(BlackJackRefusal, ASecondSplit) {
  BlackJackHarness s(kStart);
  s.Open("8S 8H 7D 8C 2D");
  s.Deal("10");
  EXPECT_NE(s.Exchange("command=SPLIT").find("answer=ok"), std::string::npos);
  ExpectRefused(s, "command=SPLIT", Fail("SPLITANSWER", "You+can+split+only+once"), kStart - 20);
}

TEST(BlackJackRefusal, NoHitOn21) {
  BlackJackHarness s(kStart);
  s.Open("AS KH 7D");
  s.Deal("10");
  ExpectRefused(s, "command=PLAYERHIT", Fail("PLAYERHITANSWER", "Player+can't+hit+at+this+point"),
                kStart - 10);
}

// A split king that drew an ace could take a doubled card neither by a hit
// nor by a stand: the double is refused instead of leaving the round stuck.
TEST(BlackJackRefusal, NoDoubleOn21AfterASplit) {
  BlackJackHarness s(kStart);
  s.Open("KS KH 7D AC 5D");
  s.Deal("10");
  EXPECT_NE(s.Exchange("command=SPLIT").find("answer=ok"), std::string::npos);
  ExpectRefused(s, "command=DOUBLE", Fail("DOUBLEANSWER", "Invalid+double"), kStart - 20);
}

TEST(BlackJackRefusal, NotEnoughMoneyToDouble) {
  BlackJackHarness s(15);
  s.Open("6S 4H 7D");
  s.Deal("10");
  ExpectRefused(s, "command=DOUBLE", Fail("DOUBLEANSWER", "Not+enough+money+to+double"), 5);
}

TEST(BlackJackRefusal, WrongCommandsOfTheFrame) {
  BlackJackHarness s(kStart);
  ExpectRefused(s, "command=BEGINPLAY",
                "command=BEGINPLAYanswer&answer=fail&errormsg=Got+BEGINPLAY+wanted+CLIENTINIT",
                kStart);
  BlackJackHarness t(kStart);
  t.Open("TS 9H 7D");
  t.Exchange("command=FIRSTDEAL&BET=10");
  ExpectRefused(t, "command=PLAYERHIT",
                "command=PLAYERHITanswer&answer=fail&errormsg=Got+PLAYERHIT+wanted+INSURANCE",
                kStart - 10);
}

// A stake operation that the account refuses at the settlement is answered
// with its error name, never reported as settled.
TEST(BlackJackSettlementFailure, AFirstHandLossTheAccountCannotPay) {
  BlackJackHarness s(kStart);
  s.Open("TS 7H 9D TC");
  s.Deal("10");
  s.Exchange("command=PLAYERSTAND");
  dbSetBalance(1, 5);  // the main client lowered the balance meanwhile
  EXPECT_EQ(s.Exchange("command=WANTDEALERCARDS"),
            Fail("WANTDEALERCARDSANSWER", "DB_NOT_ENOUGH_MONEY_ERR"));
  s.ExpectEnded();
  EXPECT_EQ(AccountBalance(), 5);
}

TEST(BlackJackSettlementFailure, AnInsuranceLossTheAccountCannotPay) {
  BlackJackHarness s(kStart);
  s.Open("TS 7H AD 6C");
  s.Deal("10", "yes");
  s.Exchange("command=PLAYERSTAND");
  dbSetBalance(1, 2);
  // The hand pushes (17 to 17); the 5 of insurance cannot be debited.
  EXPECT_EQ(s.Exchange("command=WANTDEALERCARDS"),
            Fail("WANTDEALERCARDSANSWER", "DB_NOT_ENOUGH_MONEY_ERR"));
  s.ExpectEnded();
  EXPECT_EQ(AccountBalance(), 2);
}

}  // namespace
}  // namespace hx
