// Whole games through the server's link end with a fixed deck: the exact
// answers, and the account after each game equal to the start plus the wins
// less the losses, to the cent.
#include <gtest/gtest.h>

#include <string>

#include "tests/hx/BlackJackHarness.h"

namespace hx {
namespace {

constexpr double kStart = 1000;

// The settlement answer after standing on the hand(s).
std::string StandAndSettle(BlackJackHarness& s, int hands = 1) {
  for (int i = 0; i < hands; ++i) {
    EXPECT_EQ(s.Exchange("command=PLAYERSTAND"), "command=PLAYERSTANDANSWER&answer=ok");
  }
  return s.Exchange("command=WANTDEALERCARDS");
}

void EndGame(BlackJackHarness& s) {
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.record->state, kServerWaitBeginPlay);
}

TEST(BlackJackSession, ANaturalAgainstASevenAndTheWholeFrame) {
  BlackJackHarness s(kStart);
  EXPECT_EQ(s.Exchange("command=CLIENTINIT"),
            "command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=1000.000000&MINBET=5.000000"
            "&MAXBET=500.000000");
  s.NextGame("AS KH 7D");
  EXPECT_EQ(s.Exchange("command=FIRSTDEAL&BET=12.50"),
            "command=FIRSTDEALANSWER&answer=ok&PLAYERCARD=&TYPE=SPADE&VALUE=1"
            "&PLAYERCARD=&TYPE=HEART&VALUE=13&DEALERCARD=&TYPE=DIAMOND&VALUE=7"
            "&MONEYLEFT=987.500000");
  EXPECT_EQ(s.Exchange("command=INSURANCE&INSURANCE1=&INSURANCEFLAG=no"),
            "command=INSURANCEANSWER&answer=ok&MONEYLEFT=987.500000");
  EXPECT_EQ(AccountBalance(), kStart);  // held, not debited
  EXPECT_EQ(StandAndSettle(s),
            "command=WANTDEALERCARDSANSWER&answer=ok&NUMCARDDEALER=0&MONEYLEFT=1018.750000"
            "&WINFLAG1=WIN2.5&WINFLAG2=NOPLAY&WININS1FLAG=NOPLAY&WININS2FLAG=NOPLAY");
  EXPECT_EQ(AccountBalance(), kStart + 18.75);
  EndGame(s);
  s.NextGame("");
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  for (int frame = 0; frame < 3; ++frame) EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(AccountBalance(), kStart + 18.75);
}

TEST(BlackJackSession, ANaturalAgainstAnAceUp) {
  BlackJackHarness s(kStart);
  s.Open("AS KH AD KC");
  s.Deal("10");
  EXPECT_EQ(StandAndSettle(s),
            "command=WANTDEALERCARDSANSWER&answer=ok&NUMCARDDEALER=1&DEALERCARD=&TYPE=CLUB"
            "&VALUE=13&MONEYLEFT=1000.000000&WINFLAG1=PUSH&WINFLAG2=NOPLAY"
            "&WININS1FLAG=NOPLAY&WININS2FLAG=NOPLAY");
  EXPECT_EQ(AccountBalance(), kStart);
  EndGame(s);
  s.NextGame("AS KH AD 5C");
  s.Deal("10");
  std::string settled = StandAndSettle(s);
  EXPECT_NE(settled.find("&NUMCARDDEALER=1&DEALERCARD=&TYPE=CLUB&VALUE=5&"), std::string::npos);
  EXPECT_NE(settled.find("&WINFLAG1=WIN2.5&"), std::string::npos);
  EXPECT_EQ(AccountBalance(), kStart + 15);
}

TEST(BlackJackSession, TheDealerStandsOnSoft17AndDrawsOnSoft16) {
  BlackJackHarness s(kStart);
  s.Open("TS 9H AD 6C");
  s.Deal("10");
  std::string settled = StandAndSettle(s);
  EXPECT_NE(settled.find("&NUMCARDDEALER=1&DEALERCARD=&TYPE=CLUB&VALUE=6&"), std::string::npos);
  EXPECT_NE(settled.find("&WINFLAG1=WIN&"), std::string::npos);
  EXPECT_EQ(AccountBalance(), kStart + 10);
  EndGame(s);
  s.NextGame("TS 8H AD 5C 2C");
  s.Deal("10");
  settled = StandAndSettle(s);
  EXPECT_NE(settled.find("&NUMCARDDEALER=2&DEALERCARD=&TYPE=CLUB&VALUE=5"
                         "&DEALERCARD=&TYPE=CLUB&VALUE=2&"),
            std::string::npos);
  EXPECT_NE(settled.find("&WINFLAG1=PUSH&"), std::string::npos);
  EXPECT_EQ(AccountBalance(), kStart + 10);
}

TEST(BlackJackSession, AThreeCard21AgainstANaturalAndAgainstAThreeCard21) {
  BlackJackHarness s(kStart);
  s.Open("7S 4H KD TC AC");
  s.Deal("10");
  EXPECT_EQ(s.Exchange("command=PLAYERHIT"),
            "command=PLAYERHITANSWER&answer=ok&PLAYERCARD=&TYPE=CLUB&VALUE=10");
  EXPECT_NE(StandAndSettle(s).find("&NUMCARDDEALER=1&DEALERCARD=&TYPE=CLUB&VALUE=1"
                                   "&MONEYLEFT=990.000000&WINFLAG1=LOOSE&"),
            std::string::npos);
  EXPECT_EQ(AccountBalance(), kStart - 10);
  EndGame(s);
  s.NextGame("7S 4H KD TC 5C 6C");
  s.Deal("10");
  s.Exchange("command=PLAYERHIT");
  EXPECT_NE(StandAndSettle(s).find("&NUMCARDDEALER=2&"), std::string::npos);
  EXPECT_EQ(AccountBalance(), kStart - 10);
}

// The halved loss reads the dealer's cards: a ten up and an ace under it.
TEST(BlackJackSession, ADoubledLossAgainstKingThenAceAndAceThenKing) {
  BlackJackHarness s(kStart);
  s.Open("6S 4H KD TC AC");
  s.Deal("10");
  EXPECT_EQ(s.Exchange("command=DOUBLE"), "command=DOUBLEANSWER&answer=ok&MONEYLEFT=980.000000");
  s.Exchange("command=PLAYERHIT");
  EXPECT_NE(StandAndSettle(s).find("&WINFLAG1=LOOSE&"), std::string::npos);
  EXPECT_EQ(AccountBalance(), kStart - 10);
  EndGame(s);
  s.NextGame("6S 4H AD TC KC");
  s.Deal("10");
  s.Exchange("command=DOUBLE");
  s.Exchange("command=PLAYERHIT");
  EXPECT_NE(StandAndSettle(s).find("&WINFLAG1=LOOSE&"), std::string::npos);
  EXPECT_EQ(AccountBalance(), kStart - 10 - 20);
}

TEST(BlackJackSession, ADoubledBustAgainstTheNaturalItRevealsLosesTheBetBeforeTheDouble) {
  BlackJackHarness s(kStart);
  s.Open("TS 5H KD KC AC");
  s.Deal("10");
  s.Exchange("command=DOUBLE");
  EXPECT_EQ(s.Exchange("command=PLAYERHIT"),
            "command=PLAYERHITANSWER&answer=ok&PLAYERCARD=&TYPE=CLUB&VALUE=13&BUST="
            "&DEALERCARD=&TYPE=CLUB&VALUE=1");
  EXPECT_EQ(s.Exchange("command=WANTDEALERCARDS"),
            "command=WANTDEALERCARDSANSWER&answer=ok&NUMCARDDEALER=0&MONEYLEFT=990.000000"
            "&WINFLAG1=LOOSE&WINFLAG2=NOPLAY&WININS1FLAG=NOPLAY&WININS2FLAG=NOPLAY");
  EXPECT_EQ(AccountBalance(), kStart - 10);
}

TEST(BlackJackSession, InsuranceWonAgainstADealerNatural) {
  BlackJackHarness s(kStart);
  s.Open("TS 9H AD KC");
  s.Exchange("command=FIRSTDEAL&BET=10");
  EXPECT_EQ(s.Exchange("command=INSURANCE&INSURANCE1=&INSURANCEFLAG=yes"),
            "command=INSURANCEANSWER&answer=ok&MONEYLEFT=985.000000");
  EXPECT_EQ(StandAndSettle(s),
            "command=WANTDEALERCARDSANSWER&answer=ok&NUMCARDDEALER=1&DEALERCARD=&TYPE=CLUB"
            "&VALUE=13&MONEYLEFT=1000.000000&WINFLAG1=LOOSE&WINFLAG2=NOPLAY"
            "&WININS1FLAG=WIN&WININS2FLAG=NOPLAY");
  EXPECT_EQ(AccountBalance(), kStart - 10 + 10);
}

TEST(BlackJackSession, InsuranceLostAndAnInsuredBustStillSeesNoMoreCards) {
  BlackJackHarness s(kStart);
  s.Open("TS 6H AD KC 9C");
  s.Deal("10", "yes");
  EXPECT_NE(s.Exchange("command=PLAYERHIT").find("&BUST=&DEALERCARD=&TYPE=CLUB&VALUE=9"),
            std::string::npos);
  EXPECT_NE(s.Exchange("command=WANTDEALERCARDS").find("&NUMCARDDEALER=0&MONEYLEFT=985.000000"
                                                       "&WINFLAG1=LOOSE&WINFLAG2=NOPLAY"
                                                       "&WININS1FLAG=LOOSE&"),
            std::string::npos);
  EXPECT_EQ(AccountBalance(), kStart - 15);
}

TEST(BlackJackSession, SplitAcesMaking21ArePaidAsWins) {
  BlackJackHarness s(kStart);
  s.Open("AS AH 7D KC QD TC");
  s.Deal("10");
  EXPECT_EQ(s.Exchange("command=SPLIT"),
            "command=SPLITANSWER&answer=ok&NEWHAND1CARD=&TYPE=CLUB&VALUE=13"
            "&NEWHAND2CARD=&TYPE=DIAMOND&VALUE=12&MONEYLEFT=980.000000");
  EXPECT_EQ(StandAndSettle(s, 2),
            "command=WANTDEALERCARDSANSWER&answer=ok&NUMCARDDEALER=1&DEALERCARD=&TYPE=CLUB"
            "&VALUE=10&MONEYLEFT=1020.000000&WINFLAG1=WIN&WINFLAG2=WIN"
            "&WININS1FLAG=NOPLAY&WININS2FLAG=NOPLAY");
  EXPECT_EQ(AccountBalance(), kStart + 20);
}

TEST(BlackJackSession, SplitAcesTakeNoCard) {
  BlackJackHarness s(kStart);
  s.Open("AS AH 7D KC QD");
  s.Deal("10");
  s.Exchange("command=SPLIT");
  EXPECT_EQ(s.Exchange("command=PLAYERHIT"),
            "command=PLAYERHITanswer&answer=fail"
            "&errormsg=Expected+PLAYERHIT/PLAYERSTAND/DOUBLE/SPLIT+at+this+point");
  s.ExpectEnded();
  EXPECT_EQ(AccountBalance(), kStart - 20);  // both held stakes forfeited
}

TEST(BlackJackSession, AKingAndATenSplitAndEachHandIsSettled) {
  BlackJackHarness s(kStart);
  s.Open("KS TH 6D 9C 8C TD 8H");
  s.Deal("10");
  s.Exchange("command=SPLIT");
  EXPECT_EQ(s.Exchange("command=PLAYERSTAND"), "command=PLAYERSTANDANSWER&answer=ok");
  EXPECT_EQ(s.record->splitState, kSplitSecondInPlay);
  std::string settled = StandAndSettle(s);
  EXPECT_NE(settled.find("&NUMCARDDEALER=2&"), std::string::npos);
  EXPECT_NE(settled.find("&WINFLAG1=WIN&WINFLAG2=WIN&"), std::string::npos);
  EXPECT_EQ(AccountBalance(), kStart + 20);
}

// After a split the halved loss looks at each hand's own stake: only the
// doubled one is halved.
TEST(BlackJackSession, OnlyTheDoubledSplitHandLosesHalf) {
  BlackJackHarness s(kStart);
  s.Open("8S 8H KD 9C 3C 2D AC");
  s.Deal("10");
  s.Exchange("command=SPLIT");  // 8 9 and 8 3
  EXPECT_EQ(s.Exchange("command=PLAYERSTAND"), "command=PLAYERSTANDANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=DOUBLE"), "command=DOUBLEANSWER&answer=ok&MONEYLEFT=970.000000");
  s.Exchange("command=PLAYERHIT");  // 8 3 2
  std::string settled = StandAndSettle(s);
  EXPECT_NE(settled.find("&NUMCARDDEALER=1&DEALERCARD=&TYPE=CLUB&VALUE=1&MONEYLEFT=980.000000"
                         "&WINFLAG1=LOOSE&WINFLAG2=LOOSE&"),
            std::string::npos);
  EXPECT_EQ(AccountBalance(), kStart - 10 - 10);
}

TEST(BlackJackSession, ABustShowsTheDealersCardAndLoses) {
  BlackJackHarness s(kStart);
  s.Open("TS 6H 7D KC 9D");
  s.Deal("10");
  EXPECT_EQ(s.Exchange("command=PLAYERHIT"),
            "command=PLAYERHITANSWER&answer=ok&PLAYERCARD=&TYPE=CLUB&VALUE=13&BUST="
            "&DEALERCARD=&TYPE=DIAMOND&VALUE=9");
  EXPECT_EQ(s.Exchange("command=WANTDEALERCARDS"),
            "command=WANTDEALERCARDSANSWER&answer=ok&NUMCARDDEALER=0&MONEYLEFT=990.000000"
            "&WINFLAG1=LOOSE&WINFLAG2=NOPLAY&WININS1FLAG=NOPLAY&WININS2FLAG=NOPLAY");
  EXPECT_EQ(AccountBalance(), kStart - 10);
}

}  // namespace
}  // namespace hx
