// The main client between scripted programs on the headless bus: connect,
// alive, player record, hand-back, relaying, redelivery and the balance.
#include <cmath>

#include "tests/mainclient/MainClientFixture.h"
#include "framework/link/MainClientName.h"
#include "tests/mainclient/ScriptedProgram.h"

namespace {

using P = CScriptedProgram;

plat::LRESULT Single(plat::HWND to, plat::WPARAM code, plat::LPARAM param) {
  return plat::SendMessage(to, plat::RegisterWindowMessage(kSingleMessageName), code, param);
}

TEST_F(MainClientTest, AProgramConnectsAndGetsThePlayerRecordBeforeAnyPacket) {
  P craps("TestCraps");
  ASSERT_EQ(craps.Connect(), 1);
  ASSERT_EQ(P::Send(craps.client, {{"command", "CLIENTINIT"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(craps.recordsReceived, 1);
  EXPECT_STREQ(craps.record.GetName(), "Player");
  EXPECT_STREQ(craps.record.GetText(), "OFFLINE");
  EXPECT_EQ(craps.record.GetMoney(), 3000.0);
  EXPECT_EQ(P::Take(craps.server), "command=CLIENTINIT");
  EXPECT_EQ(mainClient.ProgramCount(), 1);
}

TEST_F(MainClientTest, AnswersTheAliveQueryAndRefusesABadConnect) {
  EXPECT_EQ(Single(mainClient.Window(), 5, 0), -3);
  EXPECT_EQ(Single(mainClient.Window(), 3, 0), 0);
  EXPECT_EQ(Single(mainClient.Window(), 3, 12345), 0);
  EXPECT_EQ(Single(mainClient.Window(), 3, plat::HandleToLParam(mainClient.Window())), 0);
  EXPECT_EQ(mainClient.ProgramCount(), 0);
}

TEST_F(MainClientTest, TakesTheFocusWhenAProgramHandsBack) {
  P craps("TestCraps");
  ASSERT_EQ(craps.Connect(), 1);
  plat::ShowWindow(mainClient.Window(), plat::SW_SHOWNORMAL);
  plat::SetForegroundWindow(craps.Window());
  EXPECT_EQ(craps.client.HandBack(), 1);
  EXPECT_EQ(plat::headless::ForegroundWindow(), mainClient.Window());
}

TEST_F(MainClientTest, RelaysEachProgramsPacketsBetweenItsOwnEndsOnly) {
  P craps("TestCraps");
  P keno("TestKeno");
  ASSERT_EQ(craps.Connect(), 1);
  ASSERT_EQ(keno.Connect(), 1);
  ASSERT_EQ(P::Send(craps.client, {{"command", "ROLLDICE"}}), 1);
  ASSERT_EQ(P::Send(keno.client, {{"command", "SHOOT"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(P::Take(craps.server), "command=ROLLDICE");
  EXPECT_EQ(P::Take(keno.server), "command=SHOOT");
  EXPECT_EQ(P::Take(craps.client), "");
  ASSERT_EQ(P::Send(keno.server, {{"command", "SHOOTanswer"}, {"answer", "ok"}}), 1);
  ASSERT_EQ(P::Send(craps.server, {{"command", "BETANSWER"}, {"answer", "fail"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(P::Take(craps.client), "command=BETANSWER&answer=fail");
  EXPECT_EQ(P::Take(keno.client), "command=SHOOTanswer&answer=ok");
  EXPECT_EQ(P::Take(keno.server), "");
}

TEST_F(MainClientTest, PacketsARefusingEndCouldNotTakeArriveLaterInTheirOrder) {
  P craps("TestCraps");
  ASSERT_EQ(craps.Connect(), 1);
  for (const char* n : {"1", "2", "3", "4"}) ASSERT_EQ(P::Send(craps.client, {{"command", "STEP"}, {"n", n}}), 1);
  Pump(mainClient);
  // The server end holds the first unread, so it refused the others.
  for (const char* n : {"1", "2", "3", "4"}) {
    EXPECT_EQ(P::Take(craps.server), std::string("command=STEP&n=") + n);
    if (std::string(n) == "2") {
      ASSERT_EQ(P::Send(craps.client, {{"command", "STEP"}, {"n", "5"}}), 1);
    }
    Pump(mainClient);
  }
  EXPECT_EQ(P::Take(craps.server), "command=STEP&n=5");
  EXPECT_EQ(P::Take(craps.server), "");
}

TEST_F(MainClientTest, AProgramThatVanishesIsForgottenWhileOthersPlayOn) {
  P craps("TestCraps");
  P keno("TestKeno");
  ASSERT_EQ(craps.Connect(), 1);
  ASSERT_EQ(keno.Connect(), 1);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(P::Send(craps.client, {{"command", "STEP"}}), 1);
  Pump(mainClient);
  craps.Vanish();
  Pump(mainClient);
  EXPECT_EQ(mainClient.ProgramCount(), 1);
  ASSERT_EQ(P::Send(keno.client, {{"command", "SHOOT"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(P::Take(keno.server), "command=SHOOT");
}

TEST_F(MainClientTest, TheBalanceIsBookedFromTheProgramsAndKeptAcrossRestarts) {
  {
    P craps("TestCraps");
    P keno("TestKeno");
    ASSERT_EQ(craps.Connect(), 1);
    ASSERT_EQ(keno.Connect(), 1);
    Pump(mainClient);
    // Each plays with its own copy; an answer makes the main client ask for it.
    craps.balance = 3100.0;
    keno.balance = 2950.0;
    ASSERT_EQ(P::Send(craps.server, {{"command", "BETDATA"}}), 1);
    ASSERT_EQ(P::Send(keno.server, {{"command", "WINLIST"}}), 1);
    Pump(mainClient);
    EXPECT_EQ(mainClient.Balance(), 3050.0);
  }
  mainClient.Destroy();
  CMainClient restarted;
  ASSERT_EQ(restarted.Create(StoreFile(), ""), 1) << restarted.FailureText();
  EXPECT_EQ(restarted.Balance(), 3050.0);
  P craps("TestCraps");
  ASSERT_EQ(craps.Connect(), 1);
  Pump(restarted);
  EXPECT_EQ(craps.record.GetMoney(), 3050.0);
  restarted.Destroy();
}

TEST_F(MainClientTest, AReportedMoneyThatIsNoNumberIsRefused) {
  P craps("TestCraps");
  ASSERT_EQ(craps.Connect(), 1);
  Pump(mainClient);
  craps.balance = std::nan("");
  ASSERT_EQ(P::Send(craps.server, {{"command", "BETDATA"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(mainClient.Balance(), 3000.0);
}

}  // namespace
