// The Caribbean Poker server through its link end: a whole session, each
// hand settled by hand from a balance of 100, the ante checks in their
// order, every wrong command and the account refusals the server reports.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "gz/CaribbeanServer.h"
#include "kw/Cards.h"
#include "platform/include/plat/headless.h"
#include "tests/gz/CaribbeanHarness.h"

namespace gz {
namespace {

using kw::CardId;
constexpr int A = 14, K = 13, Q = 12, J = 11;

// Player: a pair of nines. Dealer: ace-king high, so the dealer qualifies.
const TenCards kPairAgainstAceKing = {CardId(9, 0), CardId(9, 1),  CardId(K, 2), CardId(7, 3),
                                      CardId(4, 0), CardId(A, 1),  CardId(K, 0), CardId(8, 1),
                                      CardId(6, 3), CardId(2, 2)};

// Each wrong or refused packet is answered, then the server ends for good.
void ExpectEndsWith(CaribbeanHarness& s, const std::string& packet, const std::string& answer) {
  s.ExpectEndsWith(packet, answer);
  EXPECT_EQ(s.record->state, kServerFailed);
}

TEST(CaribbeanServer, AFullSession) {
  CaribbeanHarness s;
  EXPECT_EQ(s.Exchange("command=CLIENTINIT"),
            "command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=100.000000&MINBET=5.000000"
            "&MAXBET=500.000000");
  QueueDeal(kPairAgainstAceKing);
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=100.000000");
  EXPECT_EQ(s.savePoints, 1);
  EXPECT_EQ(s.Ante("10.00"),
            "command=FIRSTDEALANSWER&answer=ok&FIRSTCARDS=7,20,37,44,2,25&MONEYLEFT=90.000000");
  EXPECT_EQ(AccountBalance(), 90.0);
  EXPECT_EQ(s.Exchange("command=PLAYERBET"),
            "command=PLAYERBETANSWER&answer=ok&SECONDCARDS=11,19,43,26,0,130.000000");
  EXPECT_EQ(AccountBalance(), 130.0);
  EXPECT_EQ(s.record->callBet, 20.0);
  EXPECT_EQ(s.record->win, 40.0);
  EXPECT_EQ(s.record->money, 130.0);
  EXPECT_EQ(s.record->comparison, 3);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  QueueDeal(kPairAgainstAceKing);
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=130.000000");
  EXPECT_EQ(s.savePoints, 2);
  EXPECT_EQ(s.record->win, 0.0);  // a new hand starts clean
  EXPECT_EQ(s.record->minAnte, 5.0);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  for (int frame = 0; frame < 3; ++frame) EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(AccountBalance(), 130.0);
}

struct HandByHand {
  const char* name;
  TenCards cards;
  double balanceAfter;
  int outcome;
};

TEST(CaribbeanSettlement, AnteTenFromAHundred) {
  const HandByHand hands[] = {
      {"pair", kPairAgainstAceKing, 130, 0},
      {"high card",
       {CardId(A, 0), CardId(K, 1), CardId(Q, 2), CardId(5, 3), CardId(3, 0), CardId(A, 2),
        CardId(K, 3), CardId(J, 0), CardId(5, 1), CardId(2, 1)},
       130, 0},
      {"flush",
       {CardId(2, 3), CardId(5, 3), CardId(8, 3), CardId(J, 3), CardId(K, 3), CardId(4, 0),
        CardId(4, 1), CardId(9, 2), CardId(7, 0), CardId(3, 1)},
       210, 0},
      {"push",
       {CardId(A, 0), CardId(K, 1), CardId(9, 2), CardId(5, 3), CardId(3, 0), CardId(A, 1),
        CardId(K, 2), CardId(9, 3), CardId(5, 0), CardId(3, 1)},
       100, 3},
      {"dealer not qualified",
       {CardId(2, 0), CardId(2, 1), CardId(7, 2), CardId(8, 3), CardId(J, 1), CardId(A, 1),
        CardId(Q, 2), CardId(9, 1), CardId(5, 3), CardId(3, 1)},
       110, 2},
      {"dealer wins",
       {CardId(2, 2), CardId(4, 1), CardId(7, 2), CardId(8, 3), CardId(J, 1), CardId(A, 1),
        CardId(K, 2), CardId(9, 1), CardId(5, 3), CardId(3, 1)},
       70, 1},
  };
  for (const HandByHand& hand : hands) {
    SCOPED_TRACE(hand.name);
    CaribbeanHarness s(100);
    s.OpenSession(hand.cards);
    EXPECT_EQ(s.Ante("10").substr(0, 34), "command=FIRSTDEALANSWER&answer=ok&");
    char expected[160];
    std::snprintf(expected, sizeof(expected),
                  "command=PLAYERBETANSWER&answer=ok&SECONDCARDS=%i,%i,%i,%i,%i,%f",
                  hand.cards[6], hand.cards[7], hand.cards[8], hand.cards[9], hand.outcome,
                  hand.balanceAfter);
    EXPECT_EQ(s.Exchange("command=PLAYERBET"), expected);
    EXPECT_EQ(AccountBalance(), hand.balanceAfter);
    EXPECT_EQ(s.record->money, hand.balanceAfter);
    EXPECT_EQ(s.record->outcome, hand.outcome);
  }
}

TEST(CaribbeanSettlement, ASurrenderLosesTheAnteOnly) {
  CaribbeanHarness s(100);
  s.OpenSession(kPairAgainstAceKing);
  s.Ante("10");
  EXPECT_EQ(s.Exchange("command=PLAYERSUR"),
            "command=PLAYERSURANSWER&answer=ok&SECONDCARDS=11,19,43,26");
  EXPECT_EQ(AccountBalance(), 90.0);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
}

TEST(CaribbeanSettlement, ARoyalFlushCapsTheCallBetsShare) {
  const TenCards royal = {CardId(10, 1), CardId(J, 1), CardId(Q, 1), CardId(K, 1),
                          CardId(A, 1),  CardId(A, 0), CardId(K, 0), CardId(8, 2),
                          CardId(6, 3),  CardId(2, 2)};
  struct {
    double balance;
    const char* ante;
    double after;
  } cases[] = {{300, "100", 200 + 40200}, {1500, "500", 1000 + 51000}};
  for (const auto& c : cases) {
    CaribbeanHarness s(c.balance);
    s.OpenSession(royal);
    s.Ante(c.ante);
    s.Exchange("command=PLAYERBET");
    EXPECT_EQ(AccountBalance(), c.after) << c.ante;
    EXPECT_EQ(s.record->win, c.after - c.balance + std::atof(c.ante)) << c.ante;
  }
}

int AlwaysZero() { return 0; }

TEST(CaribbeanSettlement, ASourceOfZerosGivesTheDealerTheHigherStraightFlush) {
  CaribbeanHarness s(100);
  ASSERT_EQ(s.Exchange("command=CLIENTINIT").substr(0, 34), "command=CLIENTINITANSWER&answer=ok");
  game::SetServerRandomSource(AlwaysZero);
  s.Exchange("command=BEGINPLAY");
  EXPECT_EQ(s.Ante("10"),
            "command=FIRSTDEALANSWER&answer=ok&FIRSTCARDS=0,1,2,3,4,5&MONEYLEFT=90.000000");
  EXPECT_EQ(s.Exchange("command=PLAYERBET"),
            "command=PLAYERBETANSWER&answer=ok&SECONDCARDS=6,7,8,9,1,70.000000");
  EXPECT_EQ(s.record->comparison, -10);
}

TEST(CaribbeanAnte, EachRefusalInItsOrderLeavesTheMoneyAlone) {
  struct {
    const char* packet;
    const char* error;
  } refusals[] = {
      {"command=FIRSTDEAL", "Can't+find+bet+tag"},
      {"command=FIRSTDEAL&ANTE=ten", "Can't+get+bet+data"},
      {"command=FIRSTDEAL&ANTE=4.99", "Invalid+ante+amount"},
      {"command=FIRSTDEAL&ANTE=500.01", "Invalid+ante+amount"},
      {"command=FIRSTDEAL&ANTE=nan", "Invalid+ante+amount"},
      {"command=FIRSTDEAL&ANTE=33.34", "Ante+is+less+than+1/3+of+total"},
  };
  for (const auto& refusal : refusals) {
    SCOPED_TRACE(refusal.packet);
    CaribbeanHarness s(100);
    s.OpenSession(kPairAgainstAceKing);
    ExpectEndsWith(s, refusal.packet,
                   std::string("command=FIRSTDEALANSWER&answer=fail&errormsg=") + refusal.error);
    EXPECT_EQ(AccountBalance(), 100.0);
    EXPECT_EQ(s.record->money, 100.0);
  }
  CaribbeanHarness s(100);
  s.OpenSession(kPairAgainstAceKing);
  EXPECT_EQ(s.Ante("33.33").substr(0, 34), "command=FIRSTDEALANSWER&answer=ok&");
  EXPECT_DOUBLE_EQ(AccountBalance(), 66.67);
}

TEST(CaribbeanAnte, AnAnteTheAccountRefusesIsTooBig) {
  CaribbeanHarness s(100);
  s.OpenSession(kPairAgainstAceKing);
  dbSetBalance(1, 5);  // the balance fell after BEGINPLAY read it
  ExpectEndsWith(s, "command=FIRSTDEAL&ANTE=10",
                 "command=FIRSTDEALANSWER&answer=fail&errormsg=Ante+too+big");
  EXPECT_EQ(AccountBalance(), 5.0);
  EXPECT_EQ(s.record->money, 100.0);
}

TEST(CaribbeanAccount, ARefusedCallDebitIsReportedNeverAnsweredOk) {
  const TenCards dealerWins = {CardId(2, 2), CardId(4, 1), CardId(7, 2), CardId(8, 3),
                               CardId(J, 1), CardId(A, 1), CardId(K, 2), CardId(9, 1),
                               CardId(5, 3), CardId(3, 1)};
  CaribbeanHarness s(100);
  s.OpenSession(dealerWins);
  s.Ante("10");
  dbSetBalance(1, 15);  // less than the call bet of 20
  ExpectEndsWith(s, "command=PLAYERBET",
                 "command=PLAYERBETANSWER&answer=fail&errormsg=DB_NOT_ENOUGH_MONEY_ERR");
  EXPECT_EQ(AccountBalance(), 15.0);
  EXPECT_EQ(s.record->money, 90.0);
  EXPECT_EQ(s.record->win, 0.0);
}

TEST(CaribbeanAccount, AFailedLimitReadAnswersOnlyFail) {
  CaribbeanHarness s;
  s.userId = 0;  // the limits table refuses user 0, the balance does not
  ExpectEndsWith(s, "command=CLIENTINIT",
                 "command=CLIENTINITANSWER&answer=fail&errormsg=DB_INVALID_DATA_ERR");
}

TEST(CaribbeanWrongCommand, AtClientInit) {
  CaribbeanHarness s;
  ExpectEndsWith(s, "command=BEGINPLAY",
                 "command=BEGINPLAYanswer&answer=fail&errormsg=Got+BEGINPLAY+wanted+CLIENTINIT");
}

TEST(CaribbeanWrongCommand, AtBeginPlay) {
  CaribbeanHarness s;
  s.Exchange("command=CLIENTINIT");
  ExpectEndsWith(s, "command=FIRSTDEAL&ANTE=10",
                 "command=FIRSTDEALanswer&answer=fail&errormsg=Got+FIRSTDEAL+wanted+BEGINPLAY");
}

TEST(CaribbeanWrongCommand, BeforeTheAnte) {
  CaribbeanHarness s;
  s.OpenSession(kPairAgainstAceKing);
  ExpectEndsWith(s, "command=PLAYERBET",
                 "command=PLAYERBETanswer&answer=fail"
                 "&errormsg=Expected+FIRSTDEAL/ENDPLAY+command+at+this+point");
}

TEST(CaribbeanWrongCommand, AtTheCall) {
  CaribbeanHarness s;
  s.OpenSession(kPairAgainstAceKing);
  s.Ante("10");
  ExpectEndsWith(s, "command=ENDPLAY",
                 "command=PLAYERBETANSWER&answer=fail&errormsg=UNKNOWN+LAME-O-RIBBEAN+ERROR!");
  EXPECT_EQ(AccountBalance(), 90.0);
}

TEST(CaribbeanWrongCommand, AtEndPlay) {
  CaribbeanHarness s;
  s.OpenSession(kPairAgainstAceKing);
  s.Ante("10");
  s.Exchange("command=PLAYERSUR");
  ExpectEndsWith(s, "command=BEGINPLAY",
                 "command=BEGINPLAYanswer&answer=fail&errormsg=Got+BEGINPLAY+wanted+ENDPLAY");
}

TEST(CaribbeanWrongCommand, AtClientExit) {
  CaribbeanHarness s;
  s.OpenSession(kPairAgainstAceKing);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.record->state, kServerWaitClientExit);
  ExpectEndsWith(s, "command=BEGINPLAY",
                 "command=BEGINPLAYanswer&answer=fail&errormsg=Got+BEGINPLAY+wanted+CLIENTEXIT");
}

TEST(CaribbeanServer, EndPlayBeforeTheAnteLeadsToClientExit) {
  CaribbeanHarness s;
  s.OpenSession(kPairAgainstAceKing);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(AccountBalance(), 100.0);
}

TEST(CaribbeanServer, AnAnswerTheMainClientRefusesIsSentAgain) {
  CaribbeanHarness s;
  s.transport->accept = 0;
  EXPECT_EQ(s.Exchange("command=CLIENTINIT"), "");
  EXPECT_EQ(s.record->state, kServerSendClientInit);
  s.transport->accept = 1;
  s.Frame();
  ASSERT_EQ(s.transport->sent.size(), 1u);
  EXPECT_EQ(s.record->state, kServerWaitBeginPlay);
}

TEST(CaribbeanServer, InitCopiesTheGameCodeOnlyWhenItFits) {
  plat::headless::ClearMessageBoxes();
  CaribbeanServerRecord* fits = CaribbeanServerShell::New("ABCDEFGHIJKLMNO");
  EXPECT_STREQ(fits->gameCode, "ABCDEFGHIJKLMNO");
  CaribbeanServerRecord* tooLong = CaribbeanServerShell::New("ABCDEFGHIJKLMNOP");
  EXPECT_STREQ(tooLong->gameCode, "");
  ASSERT_EQ(plat::headless::MessageBoxes().size(), 1u);
  EXPECT_NE(plat::headless::MessageBoxes()[0].text.find("ServerInit: gameName inputstring to long"),
            std::string::npos);
  CaribbeanServerShell::Free(fits);
  CaribbeanServerShell::Free(tooLong);
}

}  // namespace
}  // namespace gz
