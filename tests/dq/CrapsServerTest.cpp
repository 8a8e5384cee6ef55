// The Craps server through its link end: exact answer texts of a session,
// of every wrong command or answer, and of the faults the server guards.
#include <gtest/gtest.h>

#include <string>

#include "dq/CrapsServer.h"
#include "framework/link/Db.h"
#include "tests/dq/ServerHarness.h"
#include "platform/include/plat/headless.h"

namespace dq {
namespace {

double Balance() {
  double balance = 0;
  dbGetBalance(1, &balance);
  return balance;
}

TEST(CrapsServer, AFullSession) {
  ServerHarness s;
  EXPECT_EQ(s.Exchange("command=CLIENTINIT"),
            "command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=1000.000000&MINBET=5.000000"
            "&MAXBET=500.000000&MAXODDS=3.000000&MAXTABLE=500.000000&MINBETPROP=1.000000");
  EXPECT_EQ(s.record->comeOut, 1);
  QueueDice(5, 6);
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1000.000000");
  EXPECT_EQ(s.Exchange("command=ROLLDICE&BET=3210.00$#0000"), "command=BETANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=SENDRESULT&RESULT="),
            "command=BETDATA&answer=ok&RESULT=3220.000000$#5,6,0,1,0,0,0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(Balance(), 1010.0);
  EXPECT_EQ(s.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
  QueueDice(1, 1);
  EXPECT_EQ(s.Exchange("command=BEGINPLAY"),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1010.000000");
  EXPECT_EQ(s.Exchange("command=ENDPLAY&QUITFLAG=0"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
  for (int frame = 0; frame < 3; ++frame) EXPECT_EQ(s.Frame(), -1);
  EXPECT_EQ(Balance(), 1010.0);
}

TEST(CrapsServer, TheDiceAreFixedAtBeginPlayBeforeAnyBet) {
  ServerHarness s;
  s.OpenSession(2, 5);
  EXPECT_EQ(s.record->dice[0], 2);
  EXPECT_EQ(s.record->dice[1], 5);
  s.PlayRoll("305.00$#0000", 6, 1);
  EXPECT_EQ(s.record->previousDice[0], 2);
  EXPECT_EQ(s.record->previousDice[1], 5);
  EXPECT_EQ(s.record->dice[0], 6);
  EXPECT_EQ(s.record->dice[1], 1);
  EXPECT_EQ(s.record->bets[kBig6], 0.0f);  // cleared for the next roll
}

TEST(CrapsServer, AComeBetTravelsToItsPointAndIsPaidThere) {
  ServerHarness s;
  s.OpenSession(2, 2);
  EXPECT_EQ(s.PlayRoll("0@10.00$#0000", 3, 3), "command=BETDATA&answer=ok&RESULT="
                                                "0@-1.000000$#2,2,4,0,0,0,0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(s.PlayRoll("0@10.00$4@10.00$#0000", 5, 1),
            "command=BETDATA&answer=ok&RESULT=0@-1.000000$4@-1.000000$"
            "#3,3,4,0,0,0,1,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(s.PlayRoll("0@10.00$7@10.00$#0000", 1, 1),
            "command=BETDATA&answer=ok&RESULT=0@-1.000000$7@20.000000$"
            "#5,1,4,0,0,0,0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(Balance(), 1010.0);
}

// Each waiting state answers a command it did not expect, then ends.
void ExpectEndsWith(ServerHarness& s, const std::string& packet, const std::string& answer) {
  EXPECT_EQ(s.Exchange(packet), answer);
  std::size_t sent = s.transport->sent.size();
  EXPECT_EQ(s.Frame(), -2);
  EXPECT_EQ(s.comm.OnDataReceived("command=CLIENTINIT", 19), 1);
  EXPECT_EQ(s.Frame(), -2);
  EXPECT_EQ(s.transport->sent.size(), sent);
}

TEST(CrapsServerWrongCommand, AtClientInit) {
  ServerHarness s;
  ExpectEndsWith(s, "command=BEGINPLAY",
                 "command=BEGINPLAYanswer&answer=fail&errormsg=Got+BEGINPLAY+wanted+CLIENTINIT");
}

TEST(CrapsServerWrongCommand, APacketWithoutCommand) {
  ServerHarness s;
  ExpectEndsWith(s, "BET=#0000",
                 "command=unknowncommand&answer=fail"
                 "&errormsg=Got+unknowncommand+wanted+CLIENTINIT");
}

TEST(CrapsServerWrongCommand, AtBeginPlay) {
  ServerHarness s;
  s.Exchange("command=CLIENTINIT");
  ExpectEndsWith(s, "command=CLIENTEXIT",
                 "command=CLIENTEXITanswer&answer=fail&errormsg=Got+CLIENTEXIT+wanted+BEGINPLAY");
}

TEST(CrapsServerWrongCommand, AtRollOrQuit) {
  ServerHarness s;
  s.OpenSession(1, 2);
  ExpectEndsWith(s, "command=SENDRESULT",
                 "command=SENDRESULTanswer&answer=fail"
                 "&errormsg=Expected+ROLLDICE/ENDPLAY+command+at+this+point");
}

TEST(CrapsServerWrongCommand, WhereTheResultsAreAsked) {
  ServerHarness s;
  s.OpenSession(1, 2);
  EXPECT_EQ(s.Exchange("command=ROLLDICE&BET=3210.00$#0000"), "command=BETANSWER&answer=ok");
  ExpectEndsWith(s, "command=ENDPLAY",
                 "command=ENDPLAYanswer&answer=fail&errormsg=Got+ENDPLAY+wanted+SENDRESULT");
}

TEST(CrapsServerWrongCommand, AtEndPlay) {
  ServerHarness s;
  s.OpenSession(1, 2);
  s.Exchange("command=ROLLDICE&BET=3210.00$#0000");
  s.Exchange("command=SENDRESULT&RESULT=");
  ExpectEndsWith(s, "command=BEGINPLAY",
                 "command=BEGINPLAYanswer&answer=fail&errormsg=Got+BEGINPLAY+wanted+ENDPLAY");
}

TEST(CrapsServerWrongCommand, AtClientExit) {
  ServerHarness s;
  s.OpenSession(1, 2);
  EXPECT_EQ(s.Exchange("command=ENDPLAY&QUITFLAG=0"), "command=ENDPLAYANSWER&answer=ok");
  ExpectEndsWith(s, "command=BEGINPLAY",
                 "command=BEGINPLAYanswer&answer=fail&errormsg=Got+BEGINPLAY+wanted+CLIENTEXIT");
}

TEST(CrapsServer, EndPlayWithoutQuitFlagBeforeTheRoll) {
  ServerHarness s;
  s.OpenSession(1, 2);
  ExpectEndsWith(s, "command=ENDPLAY",
                 "command=ENDPLAYANSWER&answer=fail&errormsg=Expected+QUITFLAG+tag+at+this+point");
}

TEST(CrapsServer, ARefusedBetListWaitsForTheNextRoll) {
  ServerHarness s;
  s.OpenSession(3, 4);
  EXPECT_EQ(s.Exchange("command=ROLLDICE&BET=4@10.00$#0000"), "command=BETANSWER&answer=fail");
  EXPECT_EQ(s.record->state, kServerWaitRollOrQuit);
  EXPECT_EQ(s.Exchange("command=ROLLDICE&BET=3210.00$#0000"), "command=BETANSWER&answer=ok");
  EXPECT_EQ(s.record->bets[kComeBet], 0.0f);  // the refused list is gone
  EXPECT_EQ(s.Exchange("command=SENDRESULT&RESULT="),
            "command=BETDATA&answer=ok&RESULT=32-2.000000$#3,4,0,1,0,0,0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(Balance(), 990.0);
}

TEST(CrapsServer, ABetBelowTheMinimumIsRefused) {
  ServerHarness s;
  s.OpenSession(3, 4);
  EXPECT_EQ(s.Exchange("command=ROLLDICE&BET=324.00$#0000"), "command=BETANSWER&answer=fail");
}

// A roll without its list, or a list the server cannot read safely, ends
// the session with an answer the client shows, instead of waiting forever
// or writing outside the bet list.
TEST(CrapsServerGuard, RollDiceWithoutABetTag) {
  ServerHarness s;
  s.OpenSession(3, 4);
  ExpectEndsWith(s, "command=ROLLDICE",
                 "command=BETANSWER&answer=fail&errormsg=Expected+BET+tag+at+this+point");
}

TEST(CrapsServerGuard, ABetIndexOutsideTheTable) {
  ServerHarness s;
  s.OpenSession(3, 4);
  ExpectEndsWith(s, "command=ROLLDICE&BET=6910.00$#0000",
                 "command=BETANSWER&answer=fail&errormsg=Bet+index+from+client+out+of+range");
  for (int kind = kCrapsBetKinds; kind < kCrapsBetSlots; ++kind) {
    EXPECT_EQ(s.record->bets[kind], 0.0f);
  }
}

TEST(CrapsServerGuard, ABetListWithoutItsEndMark) {
  ServerHarness s;
  s.OpenSession(3, 4);
  ExpectEndsWith(s, "command=ROLLDICE&BET=3210.00$",
                 "command=BETANSWER&answer=fail&errormsg=Bet+list+from+client+is+incomplete");
  EXPECT_EQ(s.record->bets[kField], 0.0f);
}

TEST(CrapsServerGuard, UnreadableIndexAndStake) {
  ServerHarness index;
  index.OpenSession(3, 4);
  ExpectEndsWith(index, "command=ROLLDICE&BET=x@10.00$#0000",
                 "command=BETANSWER&answer=fail&errormsg=Couldn't+convert+Bet+index+from+client");
  ServerHarness stake;
  stake.OpenSession(3, 4);
  ExpectEndsWith(stake, "command=ROLLDICE&BET=32nan$#0000",
                 "command=BETANSWER&answer=fail&errormsg=Couldn't+convert+Bet+from+client");
}

TEST(CrapsServerGuard, AFailedLimitReadAnswersOnlyFail) {
  ServerHarness s;
  s.userId = 0;  // the limits table refuses user 0
  ExpectEndsWith(s, "command=CLIENTINIT",
                 "command=CLIENTINITANSWER&answer=fail&errormsg=DB_INVALID_DATA_ERR");
}

TEST(CrapsServerGuard, AFailedMoneyStepLeavesTheAccountWhole) {
  ServerHarness s;
  s.OpenSession(3, 4);  // a come-out seven
  EXPECT_EQ(s.Exchange("command=ROLLDICE&BET=0@10.00$3220.00$#0000"),
            "command=BETANSWER&answer=ok");
  dbSetBalance(1, 5);  // the pass line wins 10, the field loses 20
  ExpectEndsWith(s, "command=SENDRESULT&RESULT=",
                 "command=BETDATA&answer=dberror&errormsg=DB_NOT_ENOUGH_MONEY_ERR");
  EXPECT_EQ(Balance(), 5.0);
}

// 2^32 + 1 is no consent either, though scanf wrapped it to 1.
TEST(CrapsServerQuit, RefusedWithoutConsentWhileThePointStands) {
  for (const char* flag : {"0", "4294967297"}) {
    ServerHarness s;
    s.OpenSession(2, 3);
    s.PlayRoll("0@10.00$#0000", 1, 1);  // the point is 5
    ExpectEndsWith(s, std::string("command=ENDPLAY&QUITFLAG=") + flag,
                   "command=ENDPLAYANSWER&answer=fail"
                   "&errormsg=Illegal+bets+on+table+while+trying+to+quit!+Bets+will+be+lost!");
    EXPECT_EQ(Balance(), 990.0) << flag;
  }
}

TEST(CrapsServerQuit, WithConsentOnlyStandingContractStakesAreCharged) {
  ServerHarness s;
  s.OpenSession(2, 3);
  s.PlayRoll("0@10.00$3210.00$#0000", 1, 1);  // the field lost, the pass line stands on 5
  EXPECT_EQ(Balance(), 990.0);
  EXPECT_EQ(s.Exchange("command=ENDPLAY&QUITFLAG=1"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(Balance(), 980.0);
  EXPECT_EQ(s.Exchange("command=CLIENTEXIT"), "command=CLIENTEXITANSWER&answer=ok");
}

TEST(CrapsServerQuit, AFailedForfeitDebitIsReported) {
  ServerHarness s;
  s.OpenSession(2, 3);
  s.PlayRoll("0@10.00$#0000", 1, 1);
  dbSetBalance(1, 5);
  ExpectEndsWith(s, "command=ENDPLAY&QUITFLAG=1",
                 "command=ENDPLAYANSWER&answer=dberror&errormsg=DB_NOT_ENOUGH_MONEY_ERR");
  EXPECT_EQ(Balance(), 5.0);
}

TEST(CrapsServerQuit, ADontComePointTakenOffIsNotCharged) {
  ServerHarness s;
  s.OpenSession(2, 3);
  s.PlayRoll("#0000", 4, 4);             // the point is 5
  s.PlayRoll("1710.00$#0000", 1, 2);     // the don't come bet moves to 8
  EXPECT_EQ(s.record->dontComePoints[7], 1);
  EXPECT_EQ(s.Exchange("command=ENDPLAY&QUITFLAG=0"), "command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(Balance(), 1000.0);
}

TEST(CrapsServer, AnAnswerTheMainClientRefusesIsSentAgain) {
  ServerHarness s;
  s.transport->accept = 0;
  EXPECT_EQ(s.Exchange("command=CLIENTINIT"), "");
  EXPECT_EQ(s.record->state, kServerSendClientInit);
  s.transport->accept = 1;
  s.Frame();
  ASSERT_EQ(s.transport->sent.size(), 1u);
  EXPECT_EQ(s.transport->sent[0].substr(0, 34), "command=CLIENTINITANSWER&answer=ok");
  EXPECT_EQ(s.record->state, kServerWaitBeginPlay);
}

TEST(CrapsServer, InitCopiesTheGameCodeOnlyWhenItFits) {
  plat::headless::ClearMessageBoxes();
  void* fits = CrapsServerShell::Init("ABCDEFGHIJKLMNO");
  EXPECT_STREQ(static_cast<CrapsServerRecord*>(fits)->gameCode, "ABCDEFGHIJKLMNO");
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
  void* tooLong = CrapsServerShell::Init("ABCDEFGHIJKLMNOP");
  EXPECT_STREQ(static_cast<CrapsServerRecord*>(tooLong)->gameCode, "");
  EXPECT_EQ(static_cast<CrapsServerRecord*>(tooLong)->state, 0);
  ASSERT_EQ(plat::headless::MessageBoxes().size(), 1u);
  EXPECT_NE(plat::headless::MessageBoxes()[0].text.find("ServerInit: gameName inputstring to long"),
            std::string::npos);
  CrapsServerShell::Free(fits);
  CrapsServerShell::Free(tooLong);
}

}  // namespace
}  // namespace dq
