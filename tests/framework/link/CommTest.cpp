// The link end: send and receive states, hooks, keep-alive packets, answers.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/link/Comm.h"
#include "tests/support/CaptureTransport.h"

namespace {

std::vector<int> gTrace;
int gBeforeSend = 0;

void RecordTrace(CComm&, int code) { gTrace.push_back(code); }
void CountBeforeSend(CComm&) { ++gBeforeSend; }

class CommTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gTrace.clear();
    gBeforeSend = 0;
    comm.Init("clientout.log", "clientin.log");
    comm.trace = RecordTrace;
    comm.SetTransport(transport = new CCaptureTransport);
  }
  int Receive(const char* text) { return comm.OnDataReceived(text, std::strlen(text) + 1); }

  CComm comm;
  CCaptureTransport* transport = nullptr;
};

}  // namespace

TEST_F(CommTest, InitFreesBothSides) {
  EXPECT_EQ(comm.sendAllocated, kSendFree);
  EXPECT_EQ(comm.recvAllocated, kRecvEmpty);
  EXPECT_STREQ(comm.outLog, "clientout.log");
  EXPECT_STREQ(comm.inLog, "clientin.log");
  comm.BeginPacket();
  Receive("command=X");
  comm.wantToSleep = 1;
  EXPECT_EQ(comm.Init("serverout.log", "serverin.log"), 1);
  EXPECT_EQ(comm.sendAllocated, kSendFree);
  EXPECT_EQ(comm.recvAllocated, kRecvEmpty);
  EXPECT_EQ(comm.recvList.head, nullptr);
  EXPECT_EQ(comm.wantToSleep, 0);
  EXPECT_EQ(comm.transport, transport);
}

TEST_F(CommTest, BuildingOnlyInTheRightState) {
  EXPECT_EQ(comm.AddTag("x"), 0);
  EXPECT_EQ(comm.IsSendFree(), 1);
  ASSERT_EQ(comm.BeginPacket(), 1);
  EXPECT_EQ(comm.SetTagValue("v"), 0);  // no tag yet
  EXPECT_EQ(comm.AddCommand("CLIENTINIT"), 1);
  EXPECT_EQ(comm.AddTag("MONEY"), 1);
  EXPECT_EQ(comm.SetTagValue("5.000000"), 1);
  EXPECT_EQ(comm.BeginPacket(), 0);  // unsent packet kept
  EXPECT_EQ(comm.IsSendFree(), 0);
  EXPECT_EQ(comm.wantToSleep, 1);
  ASSERT_EQ(comm.SendPacket(), 1);
  ASSERT_EQ(transport->sent.size(), 1u);
  EXPECT_EQ(transport->sent[0], std::string("command=CLIENTINIT&MONEY=5.000000", 34));
  EXPECT_EQ(comm.sendAllocated, kSendFree);
  EXPECT_EQ(gTrace, std::vector<int>{1});
  EXPECT_NE(comm.sendList.head, nullptr);  // kept until the next BeginPacket
  EXPECT_EQ(comm.SetTagValue("late"), 0);
}

TEST_F(CommTest, RefusedSendKeepsPacketAndRunsBeforeSendAgain) {
  comm.SetBeforeSendHook(CountBeforeSend);
  comm.BeginPacket();
  comm.AddCommand("BEGINPLAY");
  transport->accept = 0;
  EXPECT_EQ(comm.SendPacket(), 0);
  EXPECT_EQ(comm.sendAllocated, kSendBuilding);
  transport->accept = 1;
  EXPECT_EQ(comm.SendPacket(), 1);
  EXPECT_EQ(gBeforeSend, 2);
  EXPECT_EQ(transport->offered, 2);
  EXPECT_EQ(transport->sent.size(), 1u);
  EXPECT_EQ(comm.SendPacket(), 0);  // nothing being built: no send, no hook
  EXPECT_EQ(gBeforeSend, 2);
  EXPECT_EQ(transport->offered, 2);
}

TEST_F(CommTest, NoTransportRefusesAndHandBackFails) {
  comm.SetTransport(nullptr);
  comm.BeginPacket();
  comm.AddCommand("X");
  EXPECT_EQ(comm.SendPacket(), 0);
  EXPECT_EQ(comm.HandBack(), 0);
}

TEST_F(CommTest, KeepAlivePacketsAreNotTraced) {
  comm.BeginPacket();
  comm.AddCommand("HeartBeat");
  EXPECT_EQ(comm.SendPacket(), 1);
  comm.BeginPacket();
  comm.AddCommand("asyncmsg");
  EXPECT_EQ(comm.SendPacket(), 1);
  EXPECT_TRUE(gTrace.empty());

  EXPECT_EQ(Receive("command=heartbeat"), 1);
  EXPECT_EQ(comm.recvAllocated, kRecvEmpty);
  EXPECT_EQ(comm.IsReceived(), 0);
  EXPECT_EQ(gTrace, std::vector<int>{-1});
  EXPECT_EQ(comm.wantToSleep, 1);

  gTrace.clear();
  EXPECT_EQ(Receive("command=asyncmsg&text=hi"), 1);
  EXPECT_EQ(comm.recvAllocated, kRecvWaiting);
  EXPECT_EQ(comm.IsReceived(), 1);
  EXPECT_TRUE(gTrace.empty());
  comm.ReleaseReceived();
  Receive("command=OTHER");
  EXPECT_EQ(comm.IsReceived(), 1);
  EXPECT_EQ(gTrace, std::vector<int>{0});
}

TEST_F(CommTest, SecondPacketRefusedWhileOneWaits) {
  EXPECT_EQ(Receive("command=A&x=1"), 1);
  EXPECT_EQ(Receive("command=B"), 0);
  EXPECT_STREQ(comm.recvList.GetValue("command"), "A");
  EXPECT_STREQ(comm.recvList.GetValue("x"), "1");
  comm.ReleaseReceived();
  EXPECT_EQ(Receive("command=B"), 1);
  EXPECT_STREQ(comm.recvList.GetValue("command"), "B");
  EXPECT_EQ(comm.recvList.head->next, nullptr);
}

TEST_F(CommTest, ReceivedTextIsBoundedAndHugeOnesDropped) {
  const char block[] = {'c', 'o', 'm', 'm', 'a', 'n', 'd', '=', 'A', 'B'};  // no zero byte
  EXPECT_EQ(comm.OnDataReceived(block, 9), 1);
  EXPECT_STREQ(comm.recvList.GetValue("command"), "A");
  comm.ReleaseReceived();

  std::string huge = "command=X&pad=" + std::string(kMaxPacketText, 'p');
  EXPECT_EQ(comm.OnDataReceived(huge.c_str(), huge.size() + 1), 1);
  EXPECT_EQ(comm.recvAllocated, kRecvEmpty);
  EXPECT_EQ(comm.recvList.head, nullptr);

  EXPECT_EQ(comm.OnDataReceived(nullptr, 0), 1);  // an empty packet waits like any other
  EXPECT_EQ(comm.recvAllocated, kRecvWaiting);
  EXPECT_EQ(comm.IsCommand("X"), 0);
}

TEST_F(CommTest, IsCommandMovesTheCursor) {
  Receive("x=1");
  comm.RewindReceived();
  EXPECT_EQ(comm.IsCommand("x"), 0);
  comm.ReleaseReceived();

  Receive("command=B");
  comm.RewindReceived();
  EXPECT_EQ(comm.IsCommand("A"), 0);
  EXPECT_EQ(comm.IsCommand("B"), 0);
  comm.RewindReceived();
  EXPECT_EQ(comm.IsCommand("b"), 1);
  comm.ReleaseReceived();
  EXPECT_EQ(comm.IsCommand("B"), 0);
}

TEST_F(CommTest, AnswerAndTagReading) {
  Receive("command=ROLL&answer=OK&v=1&V=2&w=3");
  ASSERT_EQ(comm.IsReceived(), 1);
  comm.RewindReceived();
  EXPECT_EQ(comm.IsCommand("roll"), 1);
  EXPECT_EQ(comm.IsAnswer("ok"), 1);
  ASSERT_EQ(comm.FindNextTag("v"), 1);
  EXPECT_STREQ(comm.TagValue(), "1");
  ASSERT_EQ(comm.FindNextTag("v"), 1);
  EXPECT_STREQ(comm.TagValue(), "2");
  EXPECT_EQ(comm.FindNextTag("v"), 0);
  EXPECT_EQ(comm.TagName(), nullptr);
  EXPECT_EQ(comm.FindNextTag("w"), 0);  // the cursor is gone

  comm.RewindReceived();
  ASSERT_EQ(comm.FindNextTag("command"), 1);  // the first tag itself
  std::vector<std::string> names;
  for (comm.FirstTag(); comm.HasTag(); comm.NextTag()) names.push_back(comm.TagName());
  EXPECT_EQ(names, (std::vector<std::string>{"command", "answer", "v", "V", "w"}));
  EXPECT_EQ(comm.ReleaseReceived(), 1);
  EXPECT_EQ(comm.HasTag(), 0);
}

TEST_F(CommTest, AnswerCommandNamesTheRequest) {
  Receive("command=BEGINPLAY");
  comm.BeginPacket();
  EXPECT_EQ(comm.AnswerCommand(), 1);
  EXPECT_STREQ(comm.sendList.GetValue("command"), "BEGINPLAYanswer");
  EXPECT_EQ(comm.sendList.Find("command", nullptr)->ValueIs("BEGINPLAYANSWER"), 1);
  comm.ReleaseReceived();
  comm.SendPacket();

  Receive("x=1");
  comm.BeginPacket();
  comm.AnswerCommand();
  EXPECT_STREQ(comm.sendList.GetValue("command"), "unknowncommand");
}

TEST_F(CommTest, WrongCommandText) {
  Receive("command=CLIENTEXIT");
  comm.BeginPacket();
  comm.AddWrongCommand("BEGINPLAY");
  EXPECT_STREQ(comm.sendList.GetValue("errormsg"), "Got CLIENTEXIT wanted BEGINPLAY");
  comm.ReleaseReceived();
  comm.SendPacket();

  Receive("x=1");
  comm.BeginPacket();
  comm.AddWrongCommand("ROLL");
  EXPECT_STREQ(comm.sendList.GetValue("errormsg"), "Got unknowncommand wanted ROLL");
  comm.ReleaseReceived();
  comm.SendPacket();

  std::string longCommand = "command=" + std::string(300, 'C');
  Receive(longCommand.c_str());
  comm.BeginPacket();
  comm.AddWrongCommand("X");
  comm.AnswerCommand();
  EXPECT_EQ(std::strlen(comm.sendList.GetValue("errormsg")), 159u);
  EXPECT_EQ(std::strlen(comm.sendList.GetValue("command")), 159u);
}

TEST_F(CommTest, YesNoTags) {
  comm.BeginPacket();
  CKeyValue* tag = comm.AddYesNoTag("HOLD1", 1);
  ASSERT_NE(tag, nullptr);
  EXPECT_STREQ(tag->value, "yes");
  EXPECT_STREQ(comm.AddYesNoTag("HOLD2", 0)->value, "no");

  Receive("a=YES&b=no&c=maybe&A=no");
  EXPECT_EQ(comm.GetYesNoTag("A"), 1);  // the first of the name
  EXPECT_EQ(comm.GetYesNoTag("b"), 0);
  EXPECT_EQ(comm.GetYesNoTag("c"), 0);
  EXPECT_EQ(comm.GetYesNoTag("d"), -1);
}

namespace {

std::vector<std::string> gHookLog;

void LogBeforeReceive(CComm& c) {
  gHookLog.push_back(std::string("before:") + (c.cursor ? c.cursor->key : "-"));
}

void LogAfterReceive(CComm& c) {
  gHookLog.push_back(std::string("after:") + (c.cursor ? c.cursor->key : "-") +
                     std::to_string(c.recvAllocated) + std::to_string(c.recvJustInit));
  c.cursor = nullptr;  // the hook may wander; the link end puts the cursor back
}

}  // namespace

TEST_F(CommTest, ReceiveHooksSeeTheDecodedPacket) {
  gHookLog.clear();
  comm.SetBeforeReceiveHook(LogBeforeReceive);
  comm.SetAfterReceiveHook(LogAfterReceive);
  Receive("first=1&second=2");
  EXPECT_EQ(gHookLog, (std::vector<std::string>{"before:-", "after:first41"}));
  EXPECT_STREQ(comm.cursor->key, "first");

  comm.ResetHooks();
  comm.ReleaseReceived();
  Receive("x=1");
  EXPECT_EQ(gHookLog.size(), 2u);
}

TEST_F(CommTest, TransportIsOwned) {
  int destroyed = 0;
  comm.SetTransport(new CCaptureTransport(&destroyed));
  comm.SetTransport(new CCaptureTransport(&destroyed));
  EXPECT_EQ(destroyed, 1);
  comm.PollTransport();
  EXPECT_EQ(static_cast<CCaptureTransport*>(comm.transport)->polls, 1);
  {
    CComm other;
    other.SetTransport(new CCaptureTransport(&destroyed));
  }
  EXPECT_EQ(destroyed, 2);
}

TEST_F(CommTest, SetStateStoresTheWords) {
  comm.SetState(1, kSendBuilding, kRecvWaiting, 1);
  EXPECT_EQ(comm.recvJustInit, 1);
  EXPECT_EQ(comm.sendAllocated, kSendBuilding);
  EXPECT_EQ(comm.recvAllocated, kRecvWaiting);
  EXPECT_EQ(comm.wantToSleep, 1);
  EXPECT_EQ(Receive("command=X"), 0);
  EXPECT_EQ(comm.BeginPacket(), 0);
}
