// The server side of the protocol frame through a capture transport: each
// answer as the client reads it.
#include <gtest/gtest.h>

#include <string>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/KeyValueList.h"
#include "platform/include/plat/headless.h"
#include "tests/support/CaptureTransport.h"

namespace game {
namespace {

class ServerFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    comm.Init("serverout.log", "serverin.log");
    transport = new CCaptureTransport;
    comm.SetTransport(transport);
    dbSetBalance(1, 250.5);
  }

  void Receive(const char* text) {
    ASSERT_EQ(comm.OnDataReceived(text, std::char_traits<char>::length(text) + 1), 1);
  }

  // Sends the built answer and reads it back as the client does.
  const CKeyValueList& Sent() {
    int state = 0;
    EXPECT_EQ(ServerSendAnswer(comm, &state, 7), 1);
    EXPECT_EQ(state, 7);
    answer_.Clear();
    EXPECT_TRUE(answer_.Decode(transport->sent.back().c_str()));
    return answer_;
  }

  static std::string Value(const CKeyValueList& list, const char* key) {
    const char* value = list.GetValue(key);
    return value != nullptr ? value : "<none>";
  }

  CComm comm;
  CCaptureTransport* transport = nullptr;

 private:
  CKeyValueList answer_;
};

TEST_F(ServerFrame, AWaitingStateActsOnlyWithAPacketAndAFreeSendSide) {
  EXPECT_EQ(ServerCanAnswer(comm), 0);
  Receive("command=BEGINPLAY");
  EXPECT_EQ(ServerCanAnswer(comm), 1);
  ASSERT_EQ(comm.BeginPacket(), 1);  // an answer still unsent
  EXPECT_EQ(ServerCanAnswer(comm), 0);
}

TEST_F(ServerFrame, CommandsCompareIgnoringCaseAndMayBeAskedAgain) {
  Receive("command=rolldice&BET=1");
  EXPECT_EQ(ServerGotCommand(comm, "ENDPLAY"), 0);
  EXPECT_EQ(ServerGotCommand(comm, "ROLLDICE"), 1);
  EXPECT_EQ(std::string(ServerTagValue(comm, "bet")), "1");
  EXPECT_EQ(ServerTagValue(comm, "QUITFLAG"), nullptr);
}

TEST_F(ServerFrame, AWrongCommandIsAnsweredWithBothNamesAndReleased) {
  Receive("command=CLIENTEXIT");
  ASSERT_EQ(AnswerWrongCommand(comm, kBeginPlay), 1);
  EXPECT_EQ(comm.recvAllocated, kRecvEmpty);
  const CKeyValueList& answer = Sent();
  EXPECT_EQ(Value(answer, "command"), "CLIENTEXITanswer");
  EXPECT_EQ(Value(answer, "answer"), "fail");
  EXPECT_EQ(Value(answer, "errormsg"), "Got CLIENTEXIT wanted BEGINPLAY");
}

TEST_F(ServerFrame, APacketWithoutCommandIsAnsweredAsUnknown) {
  Receive("BET=1");
  ASSERT_EQ(AnswerUnexpected(comm, "Expected ROLLDICE/ENDPLAY command at this point"), 1);
  const CKeyValueList& answer = Sent();
  EXPECT_EQ(Value(answer, "command"), "unknowncommand");
  EXPECT_EQ(Value(answer, "errormsg"), "Expected ROLLDICE/ENDPLAY command at this point");
}

TEST_F(ServerFrame, AFailureCarriesItsTextOnlyWhenGiven) {
  Receive("command=ROLLDICE");
  ASSERT_EQ(AnswerFailure(comm, "BETANSWER", kAnswerFail, nullptr), 1);
  const CKeyValueList& refused = Sent();
  EXPECT_EQ(Value(refused, "command"), "BETANSWER");
  EXPECT_EQ(Value(refused, "answer"), "fail");
  EXPECT_EQ(Value(refused, "errormsg"), "<none>");

  ASSERT_EQ(AnswerFailure(comm, "BETDATA", kAnswerDbError, "DB_NOTENOUGHMONEY"), 1);
  const CKeyValueList& dbFailed = Sent();
  EXPECT_EQ(Value(dbFailed, "answer"), "dberror");
  EXPECT_EQ(Value(dbFailed, "errormsg"), "DB_NOTENOUGHMONEY");
}

TEST_F(ServerFrame, ARefusalAnswersFailReleasesThePacketAndEntersTheFailState) {
  Receive("command=FIRSTDEAL&BET=x");
  int state = 4;
  AnswerRefusal(comm, &state, "FIRSTDEALANSWER", "Can't get bet data", 22);
  EXPECT_EQ(state, 22);
  EXPECT_EQ(comm.recvAllocated, kRecvEmpty);
  const CKeyValueList& answer = Sent();
  EXPECT_EQ(Value(answer, "command"), "FIRSTDEALANSWER");
  EXPECT_EQ(Value(answer, "answer"), "fail");
  EXPECT_EQ(Value(answer, "errormsg"), "Can't get bet data");
}

// A round's start: the game's command stays for the next state, ENDPLAY
// leaves, anything else ends the server.
TEST_F(ServerFrame, ARoundStartsWithTheGamesCommandOrEndsWithENDPLAY) {
  const char kWrong[] = "Expected SHOOT/ENDPLAY command at this point";
  int state = 4;
  ServerWaitPlayOrQuit(comm, &state, "SHOOT", 5, 10, kWrong, 14);
  EXPECT_EQ(state, 4);  // nothing arrived
  Receive("command=shoot&BETLIST=3");
  ServerWaitPlayOrQuit(comm, &state, "SHOOT", 5, 10, kWrong, 14);
  EXPECT_EQ(state, 5);
  EXPECT_EQ(comm.recvAllocated, kRecvWaiting);
  EXPECT_EQ(std::string(ServerTagValue(comm, "BETLIST")), "3");
  comm.ReleaseReceived();

  state = 4;
  Receive("command=ENDPLAY");
  ServerWaitPlayOrQuit(comm, &state, "SHOOT", 5, 10, kWrong, 14);
  EXPECT_EQ(state, 10);
  EXPECT_EQ(comm.recvAllocated, kRecvEmpty);
  EXPECT_EQ(Value(Sent(), "command"), "ENDPLAYANSWER");

  state = 4;
  Receive("command=BEGINPLAY");
  ServerWaitPlayOrQuit(comm, &state, "SHOOT", 5, 10, kWrong, 14);
  EXPECT_EQ(state, 14);
  const CKeyValueList& refused = Sent();
  EXPECT_EQ(Value(refused, "command"), "BEGINPLAYanswer");
  EXPECT_EQ(Value(refused, "answer"), "fail");
  EXPECT_EQ(Value(refused, "errormsg"), kWrong);
}

TEST_F(ServerFrame, ClientInitSendsTheBalanceAndEveryLimitInTableOrder) {
  const ServerLimitTag limits[] = {{"MINBET", "minBetCraps"}, {"MAXBET", "maxBetCraps"}};
  double values[2] = {};
  Receive("command=CLIENTINIT");
  ASSERT_EQ(AnswerClientInit(comm, 1, limits, 2, values), 1);
  EXPECT_EQ(comm.recvAllocated, kRecvEmpty);
  const CKeyValueList& answer = Sent();
  EXPECT_EQ(transport->sent.back().rfind("command=CLIENTINITANSWER&answer=ok&MONEYAMOUNT=250.500000&MINBET=", 0), 0u)
      << transport->sent.back();
  EXPECT_NE(answer.GetValue("MAXBET"), nullptr);
  EXPECT_GT(values[1], values[0]);
}

TEST_F(ServerFrame, ClientInitWithAnUnknownLimitFailsWithTheErrorName) {
  const ServerLimitTag limits[] = {{"MINBET", "minBetCraps"}, {"NOSUCH", "noSuchLimit"}};
  double values[2] = {};
  Receive("command=CLIENTINIT");
  ASSERT_EQ(AnswerClientInit(comm, 1, limits, 2, values), 0);
  const CKeyValueList& answer = Sent();
  EXPECT_EQ(Value(answer, "answer"), "fail");
  EXPECT_EQ(Value(answer, "errormsg"), DbErrorName(kDbNoSuchLimit));
}

TEST_F(ServerFrame, ClientInitNamesTheProgramsExtraCode) {
  const ServerLimitTag limits[] = {{"NOSUCH", "noSuchLimit"}};
  double values[1] = {};
  Receive("command=CLIENTINIT");
  ASSERT_EQ(AnswerClientInit(comm, 1, limits, 1, values, kDbNoPropertyName), 0);
  EXPECT_EQ(Value(Sent(), "errormsg"), "DB_NO_PROPERTY_ERR");
}

TEST_F(ServerFrame, BeginPlayAnswersTheBalance) {
  double balance = 0;
  Receive("command=BEGINPLAY");
  ASSERT_EQ(AnswerBeginPlay(comm, 1, &balance), 1);
  EXPECT_EQ(balance, 250.5);
  EXPECT_EQ(Value(Sent(), "MONEYAMOUNT"), "250.500000");
}

TEST_F(ServerFrame, ASendStateRetriesUntilTheTransportTakesThePacket) {
  Receive("command=ENDPLAY");
  ASSERT_EQ(AnswerDone(comm, kEndPlayAnswer), 1);
  transport->accept = 0;
  int state = 12;
  EXPECT_EQ(ServerSendAnswer(comm, &state, 13), 0);
  EXPECT_EQ(state, 12);
  transport->accept = 1;
  EXPECT_EQ(ServerSendAnswer(comm, &state, 13), 1);
  EXPECT_EQ(state, 13);
  EXPECT_EQ(transport->sent.back(), std::string("command=ENDPLAYANSWER&answer=ok") + '\0');
}

int Seven() { return 7; }

TEST_F(ServerFrame, AnInstalledSourceFixesTheDrawAndNullGivesTheServerStreamBack) {
  SetServerRandomSource(Seven);
  EXPECT_EQ(ServerRandomNumber(), 7);
  SetServerRandomSource(nullptr);
  bool other = false;
  for (int i = 0; i < 8; ++i) {
    const int draw = ServerRandomNumber();
    EXPECT_GE(draw, 0);
    EXPECT_LE(draw, 32767);
    other = other || draw != 7;
  }
  EXPECT_TRUE(other);
}

}  // namespace
}  // namespace game
