// A machine's leave through a capture transport: ENDPLAY, its answer,
// CLIENTEXIT, its answer, then the end; a wrong answer is the client's
// error with the packet left for the fatal box.
#include <gtest/gtest.h>

#include <cstring>

#include "mz/MachineShell.h"
#include "tests/support/CaptureTransport.h"

namespace {

enum : int { kQuit = 10, kSendQuit, kWaitQuit, kExit, kSendExit, kWaitExit, kEnd = 20, kElsewhere = 3 };
constexpr mz::MachineLeaveStates kLeave{kQuit, kSendQuit, kWaitQuit, kExit, kSendExit, kWaitExit, kEnd};

class MachineLeave : public ::testing::Test {
 protected:
  void SetUp() override {
    comm.Init("clientout.log", "clientin.log");
    transport = new CCaptureTransport;
    comm.SetTransport(transport);
  }
  int Step() { return mz::StepMachineLeave(comm, &state, kLeave, &error); }
  void Receive(const char* text) { ASSERT_EQ(comm.OnDataReceived(text, std::strlen(text) + 1), 1); }

  CComm comm;
  CCaptureTransport* transport = nullptr;
  int state = kQuit;
  const char* error = nullptr;
};

TEST_F(MachineLeave, EndPlayThenClientExitThenTheEnd) {
  ASSERT_EQ(Step(), 1);
  ASSERT_EQ(Step(), 1);
  EXPECT_EQ(state, kWaitQuit);
  EXPECT_EQ(transport->LastText(), "command=ENDPLAY");
  EXPECT_EQ(Step(), 1);  // nothing yet
  EXPECT_EQ(state, kWaitQuit);
  Receive("command=ENDPLAYANSWER&answer=ok");
  ASSERT_EQ(Step(), 1);
  EXPECT_EQ(state, kExit);
  Step();
  Step();
  EXPECT_EQ(transport->LastText(), "command=CLIENTEXIT");
  Receive("command=CLIENTEXITanswer&answer=ok");
  ASSERT_EQ(Step(), 1);
  EXPECT_EQ(error, nullptr);
  EXPECT_EQ(state, kEnd);
  EXPECT_EQ(Step(), 0);
}

TEST_F(MachineLeave, AWrongAnswerIsTheClientsErrorAndStaysUnread) {
  state = kWaitQuit;
  Receive("command=BEGINPLAYANSWER&answer=ok");
  ASSERT_EQ(Step(), 1);
  EXPECT_STREQ(error, "WAITENDPLAYQUITANSWER: Invalid answerstring: wanted ENDPLAYANSWER");
  EXPECT_EQ(state, kWaitQuit);
  EXPECT_EQ(comm.recvAllocated, kRecvWaiting);
  state = kWaitExit;
  comm.ReleaseReceived();
  Receive("command=CLIENTEXITANSWER&answer=fail&errormsg=no");
  ASSERT_EQ(Step(), 1);
  EXPECT_STREQ(error, "WAITCLIENTEXITANSWER: Answer != ok");
}

TEST_F(MachineLeave, OtherStatesAreNotItsOwn) {
  state = kElsewhere;
  EXPECT_EQ(Step(), 0);
  EXPECT_EQ(state, kElsewhere);
  EXPECT_TRUE(transport->sent.empty());
}

}  // namespace
