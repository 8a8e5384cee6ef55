// The main-client transport and the player record, against a scripted main
// client on the headless bus.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/link/Comm.h"
#include "framework/link/MainClientTransport.h"
#include "framework/link/PlayerRecord.h"
#include "tests/support/GameWindow.h"
#include "tests/support/ScriptedMainClient.h"
#include "platform/include/plat/headless.h"

namespace {

class TransportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::headless::Reset();
    stub = &StartScriptedMainClient();
    client.Init("clientout.log", "clientin.log");
    server.Init("serverout.log", "serverin.log");
    game = CreateGameWindow(&client, &server);
  }
  // Both ends connected as WinMain does it.
  void Connect() {
    auto* ct = new CMainClientTransport;
    ct->Reset();
    ASSERT_EQ(ct->RegisterMessages(kChannelClient), 1);
    client.SetTransport(ct);
    ASSERT_EQ(ct->Connect(game), nullptr);
    auto* st = new CMainClientTransport;
    st->Reset();
    ASSERT_EQ(st->RegisterMessages(kChannelServer), 1);
    server.SetTransport(st);
    ASSERT_EQ(st->Attach(ct->mainWnd, game), 1);
    clientTransport = ct;
    serverTransport = st;
  }
  int SendFromClient(const char* command) {
    client.BeginPacket();
    client.AddCommand(command);
    return client.SendPacket();
  }

  ScriptedMainClient* stub = nullptr;
  CComm client;
  CComm server;
  plat::HWND game = nullptr;
  CMainClientTransport* clientTransport = nullptr;
  CMainClientTransport* serverTransport = nullptr;
};

}  // namespace

TEST_F(TransportTest, ConnectErrors) {
  CMainClientTransport t;
  t.Reset();
  EXPECT_STREQ(t.Connect(game), "Can't set main client's window handle in local client");  // not registered

  t.RegisterMessages(kChannelClient);
  stub->connectAnswer = 0;
  EXPECT_STREQ(t.Connect(game), "Can't communicate with main client");
  EXPECT_EQ(stub->program, game);

  plat::DestroyWindow(stub->window);
  CMainClientTransport lonely;
  lonely.Reset();
  lonely.RegisterMessages(kChannelClient);
  EXPECT_STREQ(lonely.Connect(game), "Cannot find local Main Client!");
  EXPECT_EQ(lonely.state, 0);
}

TEST_F(TransportTest, ConnectAnnouncesTheGameWindow) {
  Connect();
  EXPECT_EQ(stub->connects, 1);
  EXPECT_EQ(stub->program, game);
  EXPECT_EQ(clientTransport->mainWnd, stub->window);
  EXPECT_EQ(clientTransport->state, 1);
  EXPECT_EQ(serverTransport->mainWnd, stub->window);
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
}

TEST_F(TransportTest, AttachOnlyOnce) {
  Connect();
  plat::HWND other = CreateGameWindow(&client, &server);
  EXPECT_EQ(serverTransport->Attach(other, other), 0);
  EXPECT_EQ(serverTransport->mainWnd, stub->window);
  EXPECT_EQ(serverTransport->ownWnd, game);

  CMainClientTransport unregistered;
  unregistered.Reset();
  EXPECT_EQ(unregistered.Attach(stub->window, game), 0);
  EXPECT_EQ(unregistered.SetMainWindow(stub->window), 0);
}

TEST_F(TransportTest, NothingSentBeforeConnect) {
  CMainClientTransport t;
  t.Reset();
  t.RegisterMessages(kChannelClient);
  EXPECT_EQ(t.SendData("command=X", 10), 0);
  EXPECT_EQ(t.HandBack(), 0);
  CPlayerRecord record;
  EXPECT_EQ(t.SendPlayerRecord(record), 0);
  EXPECT_TRUE(stub->relayed.empty());
  EXPECT_EQ(stub->handBacks, 0);
  EXPECT_EQ(stub->records, 0);
  EXPECT_EQ(PumpPosted(), 0);
}

TEST_F(TransportTest, RoundTripThroughTheMainClient) {
  Connect();
  client.BeginPacket();
  client.AddCommand("CLIENTINIT");
  client.AddTag("NAME");
  client.SetTagValue("a b&c");
  ASSERT_EQ(client.SendPacket(), 1);
  ASSERT_EQ(stub->relayed.size(), 1u);
  EXPECT_EQ(stub->relayed[0].channel, kChannelClient);
  EXPECT_EQ(stub->relayed[0].text, "command=CLIENTINIT&NAME=a+b%26c");
  EXPECT_EQ(stub->relayed[0].length, 32u);
  EXPECT_EQ(PumpPosted(), 1);
  EXPECT_EQ(stub->wakeUps, 1);

  ASSERT_EQ(server.IsReceived(), 1);
  server.RewindReceived();
  ASSERT_EQ(server.IsCommand("CLIENTINIT"), 1);
  ASSERT_EQ(server.FindNextTag("name"), 1);
  EXPECT_STREQ(server.TagValue(), "a b&c");
  server.BeginPacket();
  server.AnswerCommand();
  server.AddAnswer("ok");
  server.ReleaseReceived();
  ASSERT_EQ(server.SendPacket(), 1);
  EXPECT_EQ(stub->relayed.back().channel, kChannelServer);

  ASSERT_EQ(client.IsReceived(), 1);
  client.RewindReceived();
  EXPECT_EQ(client.IsCommand("CLIENTINITANSWER"), 1);
  EXPECT_EQ(client.IsAnswer("OK"), 1);
}

TEST_F(TransportTest, BusyReceiverRefusesAndTheSenderRetries) {
  Connect();
  ASSERT_EQ(SendFromClient("FIRST"), 1);
  EXPECT_EQ(SendFromClient("SECOND"), 0);  // server end still holds FIRST
  EXPECT_EQ(stub->relayed.back().answer, plat::FALSE);
  EXPECT_STREQ(server.recvList.GetValue("command"), "FIRST");
  EXPECT_EQ(client.sendAllocated, kSendBuilding);
  PumpPosted();
  EXPECT_EQ(stub->wakeUps, 1);  // only the taken packet woke the main client

  server.ReleaseReceived();
  EXPECT_EQ(client.SendPacket(), 1);
  EXPECT_STREQ(server.recvList.GetValue("command"), "SECOND");
}

TEST_F(TransportTest, HandBackGivesTheFocus) {
  Connect();
  EXPECT_EQ(client.HandBack(), 1);
  EXPECT_EQ(stub->handBacks, 1);
  EXPECT_EQ(plat::GetFocus(), stub->window);
}

TEST_F(TransportTest, FailedWakeUpIsRetried) {
  Connect();
  plat::HWND mainWnd = clientTransport->mainWnd;
  clientTransport->mainWnd = game;
  plat::DestroyWindow(game);
  clientTransport->PostWakeUp();
  EXPECT_EQ(clientTransport->wakeUpPending, 1);
  EXPECT_EQ(clientTransport->IsIdle(), 0);
  clientTransport->mainWnd = mainWnd;
  client.PollTransport();
  EXPECT_EQ(clientTransport->IsIdle(), 1);
  EXPECT_EQ(PumpPosted(), 1);
  EXPECT_EQ(stub->wakeUps, 1);
}

TEST_F(TransportTest, PlayerRecordGoesWhole) {
  Connect();
  CPlayerRecord record;
  record.SetName("Player");
  record.SetText("OFFLINE");
  record.SetMoney(1234.5);
  ASSERT_EQ(serverTransport->SendPlayerRecord(record), 1);
  EXPECT_EQ(stub->records, 1);
  EXPECT_STREQ(stub->lastRecord.GetName(), "Player");
  EXPECT_STREQ(stub->lastRecord.GetText(), "OFFLINE");
  EXPECT_EQ(stub->lastRecord.GetMoney(), 1234.5);
}

TEST(PlayerRecord, FieldsKeepTheirZero) {
  CPlayerRecord record;
  const std::string twenty(20, 'N');
  record.SetName(twenty.c_str());
  EXPECT_EQ(std::string(record.GetName()), twenty);
  EXPECT_EQ(record.name[20], '\0');
  record.SetName((twenty + "longer").c_str());
  EXPECT_EQ(std::string(record.GetName()), twenty);
  record.SetName("ab");
  EXPECT_EQ(record.name[2], '\0');
  EXPECT_EQ(record.name[3], '\0');  // cleared, not left from before
  record.SetText(std::string(30, 'T').c_str());
  EXPECT_EQ(std::string(record.GetText()), std::string(19, 'T'));
  record.SetName(nullptr);
  EXPECT_STREQ(record.GetName(), "");
}

TEST(PlayerRecord, ReceiveChecksSizeAndTerminates) {
  unsigned char wire[49];
  std::memset(wire, 'x', sizeof wire);
  double money = 77.25;
  std::memcpy(wire + 41, &money, sizeof money);
  CPlayerRecord record;
  EXPECT_EQ(record.Receive(wire, 48), 0);
  EXPECT_EQ(record.Receive(wire, sizeof wire), 1);
  EXPECT_EQ(std::string(record.GetName()), std::string(20, 'x'));
  EXPECT_EQ(std::string(record.GetText()), std::string(19, 'x'));
  EXPECT_EQ(record.GetMoney(), 77.25);
}
