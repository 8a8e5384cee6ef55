// The client side of the protocol frame through a capture transport: the
// packets it builds, each answer check with its text, the fatal box text
// and the hand-back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/game/ClientFrame.h"
#include "platform/include/plat/headless.h"
#include "tests/support/CaptureTransport.h"

namespace game {
namespace {

class ClientFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    comm.Init("clientout.log", "clientin.log");
    transport = new CCaptureTransport;
    comm.SetTransport(transport);
  }
  void Receive(const char* text) {
    ASSERT_EQ(comm.OnDataReceived(text, std::strlen(text) + 1), 1);
    ASSERT_EQ(ClientArrived(comm), 1);
  }

  CComm comm;
  CCaptureTransport* transport = nullptr;
};

TEST_F(ClientFrame, APacketIsBuiltOnceAndSentWhenTheTransportTakesIt) {
  ASSERT_EQ(ClientBuild(comm, kEndPlay), 1);
  ClientAddTag(comm, kQuitFlagTag, "1");
  EXPECT_EQ(ClientBuild(comm, kClientExit), 0);  // the ENDPLAY is kept
  transport->accept = 0;
  int state = 32;
  EXPECT_EQ(ClientSend(comm, &state, 36), 0);
  EXPECT_EQ(state, 32);
  transport->accept = 1;
  EXPECT_EQ(ClientSend(comm, &state, 36), 1);
  EXPECT_EQ(state, 36);
  EXPECT_EQ(transport->sent.back(), std::string("command=ENDPLAY&QUITFLAG=1") + '\0');
}

TEST_F(ClientFrame, NothingArrivedIsNoAnswer) { EXPECT_EQ(ClientArrived(comm), 0); }

TEST_F(ClientFrame, AnAnswerIsCheckedForItsNameThenForOk) {
  const char* bad = "WAITENDPLAYANSWER: Invalid answerstring: wanted ENDPLAYANSWER";
  const char* notOk = "WAITENDPLAYANSWER: Answer != ok";
  Receive("command=BEGINPLAYANSWER&answer=ok");
  EXPECT_STREQ(ClientCheckAnswer(comm, kEndPlayAnswer, bad, notOk), bad);
  comm.ReleaseReceived();
  Receive("command=ENDPLAYANSWER&answer=fail");
  EXPECT_STREQ(ClientCheckAnswer(comm, kEndPlayAnswer, bad, notOk), notOk);
  comm.ReleaseReceived();
  // The server end's own spelling of an answer name matches too.
  Receive("command=ENDPLAYanswer&answer=OK");
  EXPECT_EQ(ClientCheckAnswer(comm, kEndPlayAnswer, bad, notOk), nullptr);
}

TEST_F(ClientFrame, AMissingTagAndAnUnreadableOneHaveTheirOwnTexts) {
  const ClientNumberTag tags[] = {
      {"MONEYAMOUNT", "missing money", "bad money"},
      {"MINBET", "missing minBet", "bad minBet"},
  };
  double values[2] = {};
  Receive("command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=12.5");
  EXPECT_STREQ(ClientReadNumbers(comm, tags, 2, values), "missing minBet");
  EXPECT_EQ(values[0], 12.5);
  comm.ReleaseReceived();
  Receive("command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=12.5&MINBET=five");
  EXPECT_STREQ(ClientReadNumbers(comm, tags, 2, values), "bad minBet");
  comm.ReleaseReceived();
  Receive("command=CLIENTINITANSWER&answer=ok&minbet=5&moneyamount=7");
  EXPECT_EQ(ClientReadNumbers(comm, tags, 2, values), nullptr);
  EXPECT_EQ(values[0], 7.0);
  EXPECT_EQ(values[1], 5.0);
}

TEST_F(ClientFrame, NanAndInfinityAreNoAmounts) {
  const ClientNumberTag tags[] = {{"MAXTABLE", "missing maxTable", "bad maxTable"}};
  for (const char* text : {"nan", "-nan", "inf", "-INF", "infinity", "1e999"}) {
    double value = 500.0;
    Receive((std::string("command=CLIENTINITANSWER&answer=ok&MAXTABLE=") + text).c_str());
    EXPECT_STREQ(ClientReadNumbers(comm, tags, 1, &value), "bad maxTable") << text;
    EXPECT_EQ(value, 500.0) << text;
    comm.ReleaseReceived();
  }
}

TEST_F(ClientFrame, TheFatalTextJoinsTheServersTextWhenOneCame) {
  char text[160];
  Receive("command=BETANSWER&answer=fail&errormsg=Bet too high");
  ClientFatalText(comm, "WAITBETCHECKANSWER: Invalid Bet on Craps Table", text, sizeof text);
  EXPECT_STREQ(text, "CLIENT: WAITBETCHECKANSWER: Invalid Bet on Craps Table\nSERVER: Bet too high");
  comm.ReleaseReceived();

  Receive("command=BETANSWER&answer=fail&errormsg=");
  ClientFatalText(comm, "lost", text, sizeof text);
  EXPECT_STREQ(text, "CLIENT: lost");
  comm.ReleaseReceived();
  ClientFatalText(comm, "nothing waits", text, sizeof text);
  EXPECT_STREQ(text, "CLIENT: nothing waits");
}

TEST_F(ClientFrame, AServerTextTooLongForTheBoxIsCut) {
  const std::string longText(300, 'x');
  const std::string packet = "command=BETANSWER&answer=fail&errormsg=" + longText;
  Receive(packet.c_str());
  char text[160];
  ClientFatalText(comm, "c", text, sizeof text);
  EXPECT_EQ(std::strlen(text), 159u);
  EXPECT_EQ(std::string(text).rfind("CLIENT: c\nSERVER: xxx", 0), 0u);
}

TEST_F(ClientFrame, TheFatalBoxSaysItsTextUnderFatalError) {
  plat::headless::ClearMessageBoxes();
  ShowClientFatalBox("CLIENT: x");
  ASSERT_EQ(plat::headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(plat::headless::MessageBoxes()[0].text, "CLIENT: x");
  EXPECT_EQ(plat::headless::MessageBoxes()[0].caption, "FATAL ERROR");
}

TEST_F(ClientFrame, TheEndAnswersOnlyOnceTheMainClientTookTheFocus) {
  transport->handBack = 0;
  EXPECT_EQ(ClientHandBack(comm, -2), 0);
  transport->handBack = 1;
  EXPECT_EQ(ClientHandBack(comm, -2), -2);
  EXPECT_EQ(ClientHandBack(comm, -1), -1);
}

}  // namespace
}  // namespace game
