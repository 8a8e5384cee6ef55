// The endings a client machine hands to the shared step, in state numbers
// of its own: the leave path packet by packet to the hand back, a wrong
// answer's text, the fatal path with its box, and every other state left
// to the machine.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "framework/game/ClientEnding.h"
#include "platform/include/plat/headless.h"
#include "tests/support/CaptureTransport.h"
#include "tests/support/TempFolderFixture.h"

namespace game {
namespace {

int gClosed = 0;
void CloseBetting() { ++gClosed; }

// Numbers unlike any machine's, so a mix-up of two of them shows.
constexpr ClientEndStates kStates{
    70, 71, 72, 5, 80, 81, 82, 90, 91, 92, 93, 94, 95, 96, 97, CloseBetting,
};

class ClientEnding : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    // The shared settings lie two folders above the program's.
    std::filesystem::create_directories("games/program");
    std::filesystem::current_path("games/program");
    plat::headless::Reset();
    comm.Init("clientout.log", "clientin.log");
    transport = new CCaptureTransport;
    comm.SetTransport(transport);
    gClosed = 0;
  }
  // One frame; answers the failed check's text, "" when none.
  std::string Step() {
    const char* error = nullptr;
    EXPECT_EQ(ClientEndingStep(kStates, &state, comm, "CLIENT: broken", &error), 1) << state;
    return error == nullptr ? "" : error;
  }
  void Receive(const char* text) { ASSERT_EQ(comm.OnDataReceived(text, std::strlen(text) + 1), 1); }

  CComm comm;
  CCaptureTransport* transport = nullptr;
  int state = 0;
};

TEST_F(ClientEnding, LeavingSendsEndPlayThenClientExitAndWritesTheSettings) {
  state = kStates.buildQuitEnd;
  EXPECT_EQ(Step(), "");
  EXPECT_EQ(state, 81);
  EXPECT_EQ(Step(), "");
  EXPECT_EQ(transport->sent.back(), std::string("command=ENDPLAY") + '\0');
  EXPECT_EQ(Step(), "");
  EXPECT_EQ(state, 82) << "waits for the answer";
  Receive("command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(Step(), "");
  EXPECT_EQ(state, 90);
  EXPECT_EQ(Step(), "");
  EXPECT_EQ(Step(), "");
  EXPECT_EQ(transport->sent.back(), std::string("command=CLIENTEXIT") + '\0');
  Receive("command=CLIENTEXITANSWER&answer=ok");
  EXPECT_EQ(Step(), "");
  EXPECT_EQ(state, 93);
  EXPECT_EQ(Step(), "");
  EXPECT_EQ(state, kStates.endHandBack);
  EXPECT_TRUE(std::filesystem::exists("../../Casino.cfg"));
  EXPECT_EQ(gClosed, 0);
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
}

TEST_F(ClientEnding, TheRoundsEndPlayLeadsToTheNextGame) {
  state = kStates.buildEndPlay;
  Step();
  Step();
  Receive("command=ENDPLAYANSWER&answer=ok");
  EXPECT_EQ(Step(), "");
  EXPECT_EQ(state, kStates.nextGame);
}

TEST_F(ClientEnding, EachWrongAnswerGivesItsOwnText) {
  struct Case {
    int wait;
    const char* answer;
    const char* text;
  };
  const Case cases[] = {
      {72, "command=OTHER&answer=ok", "WAITENDPLAYANSWER: Invalid answerstring: wanted ENDPLAYANSWER"},
      {72, "command=ENDPLAYANSWER&answer=fail", "WAITENDPLAYANSWER: Answer != ok"},
      {82, "command=OTHER&answer=ok", "WAITENDPLAYQUITANSWER: Invalid answerstring: wanted ENDPLAYANSWER"},
      {82, "command=ENDPLAYANSWER&answer=fail", "WAITENDPLAYQUITANSWER: Answer != ok"},
      {92, "command=ENDPLAYANSWER&answer=ok", "WAITCLIENTEXITANSWER: Invalid answerstring: wanted CLIENTEXITANSWER"},
      {92, "command=CLIENTEXITANSWER&answer=fail", "WAITCLIENTEXITANSWER: Answer != ok"},
  };
  for (const Case& c : cases) {
    state = c.wait;
    Receive(c.answer);
    EXPECT_EQ(Step(), c.text);
    EXPECT_EQ(state, c.wait) << "the machine's failure step moves on";
    comm.ReleaseReceived();
  }
}

TEST_F(ClientEnding, TheFatalPathClosesBettingShowsTheBoxOnceAndReleasesTheAnswer) {
  Receive("command=ENDPLAYANSWER&answer=fail");
  state = kStates.fatalSettings;
  EXPECT_EQ(Step(), "");
  EXPECT_EQ(gClosed, 1);
  EXPECT_EQ(state, kStates.fatalBox);
  EXPECT_EQ(Step(), "");
  EXPECT_EQ(state, kStates.fatalHandBack);
  ASSERT_EQ(plat::headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(plat::headless::MessageBoxes()[0].caption, "FATAL ERROR");
  EXPECT_EQ(plat::headless::MessageBoxes()[0].text, "CLIENT: broken");
  EXPECT_EQ(comm.IsReceived(), 0);
}

TEST_F(ClientEnding, OtherStatesAreTheMachines) {
  for (int other : {0, 5, 73, 94, 97, 98}) {
    state = other;
    const char* error = "untouched";
    // The hand backs (94, 97) are the frame's, never a step's.
    EXPECT_EQ(ClientEndingStep(kStates, &state, comm, "", &error), 0) << other;
    EXPECT_EQ(state, other);
  }
  EXPECT_TRUE(transport->sent.empty());
}

// The leave alone, as a machine with endings of its own steps it: ENDPLAY,
// its answer, CLIENTEXIT, its answer, then the machine's next state; a
// wrong answer is the client's error with the packet left for the fatal box.
enum : int { kQuit = 10, kSendQuit, kWaitQuit, kExit, kSendExit, kWaitExit, kEnd = 20, kElsewhere = 3 };
constexpr ClientLeaveStates kLeave{kQuit, kSendQuit, kWaitQuit, kExit, kSendExit, kWaitExit, kEnd};

class ClientLeave : public ::testing::Test {
 protected:
  void SetUp() override {
    comm.Init("clientout.log", "clientin.log");
    transport = new CCaptureTransport;
    comm.SetTransport(transport);
  }
  int Step() { return ClientLeaveStep(kLeave, &state, comm, &error); }
  void Receive(const char* text) { ASSERT_EQ(comm.OnDataReceived(text, std::strlen(text) + 1), 1); }

  CComm comm;
  CCaptureTransport* transport = nullptr;
  int state = kQuit;
  const char* error = nullptr;
};

TEST_F(ClientLeave, EndPlayThenClientExitThenTheEnd) {
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

TEST_F(ClientLeave, AWrongAnswerIsTheClientsErrorAndStaysUnread) {
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

TEST_F(ClientLeave, OtherStatesAreNotItsOwn) {
  state = kElsewhere;
  EXPECT_EQ(Step(), 0);
  EXPECT_EQ(state, kElsewhere);
  EXPECT_TRUE(transport->sent.empty());
}

// A card table's failure step keeps the check's text, makes the box's text
// with the server's word and starts the fatal path; the packet stays.
TEST_F(ClientLeave, AFailedCheckStartsTheFatalPathWithBothTexts) {
  struct Table {
    int state;
    const char* errorText;
    char statusText[160];
  } table{kWaitQuit, nullptr, {}};
  Receive("command=ENDPLAYANSWER&answer=fail&errormsg=no money");
  FailRecord<Table, kElsewhere>(&table, comm, "WAITENDPLAYQUITANSWER: Answer != ok");
  EXPECT_EQ(table.state, kElsewhere);
  EXPECT_STREQ(table.errorText, "WAITENDPLAYQUITANSWER: Answer != ok");
  EXPECT_STREQ(table.statusText, "CLIENT: WAITENDPLAYQUITANSWER: Answer != ok\nSERVER: no money");
  EXPECT_EQ(comm.recvAllocated, kRecvWaiting);
}

}  // namespace
}  // namespace game
