// Button tags, the record hooks of both link ends, the playback client and
// the loading of saved logs with their error boxes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/link/BtnLog.h"
#include "framework/link/Comm.h"
#include "tests/framework/link/DbFile.h"
#include "tests/framework/link/FakeTransport.h"
#include "framework/link/PlaybackClient.h"
#include "tests/framework/link/PlaybackReset.h"
#include "framework/link/PlaybackServer.h"
#include "tests/framework/link/TempDir.h"
#include "platform/include/plat/headless.h"

namespace {

std::vector<int> gPressed;
std::vector<int> gPressKinds;
std::vector<int> gDisabled;

void Press(int button, int kind) {
  gPressed.push_back(button);
  gPressKinds.push_back(kind);
}
int Enabled(int button) {
  for (int b : gDisabled) {
    if (b == button) return 0;
  }
  return 1;
}

class PlaybackTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    plat::headless::Reset();
    ResetPlaybackState();
    gPressed.clear();
    gPressKinds.clear();
    gDisabled.clear();
    ShellHooks hooks{};
    hooks.pressButton = Press;
    hooks.isButtonEnabled = Enabled;
    SetShellHooks(hooks);
    client.Init("clientout.log", "clientin.log");
    server.Init("serverout.log", "serverin.log");
    client.SetTransport(clientWire = new FakeTransport);
    server.SetTransport(serverWire = new FakeTransport);
    InstallPlaybackHooks(server, client, GameServerHooks{"TY", nullptr, nullptr});
  }
  int Receive(CComm& end, const char* text) { return end.OnDataReceived(text, std::strlen(text) + 1); }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : plat::headless::MessageBoxes()) texts.push_back(box.text);
    return texts;
  }
  std::string OnlyBox() const {
    auto texts = BoxTexts();
    return texts.size() == 1 ? texts[0] : "<" + std::to_string(texts.size()) + " boxes>";
  }

  CComm client;
  CComm server;
  FakeTransport* clientWire = nullptr;
  FakeTransport* serverWire = nullptr;
};

std::string Sent(const FakeTransport* wire, std::size_t i) {
  const std::string& s = wire->sent.at(i);
  return s.substr(0, s.size() - 1);
}

std::vector<btnLog> Entries(const CPtrList& list) {
  std::vector<btnLog> out;
  for (CPtrNode* n = list.head; n; n = n->next) out.push_back(*static_cast<btnLog*>(n->data));
  return out;
}

std::string BtnLogBytes(int button, int state, float value) {
  std::string s = Int32Bytes(button) + Int32Bytes(state);
  std::uint32_t bits;
  std::memcpy(&bits, &value, 4);
  return s + Int32Bytes(static_cast<std::int32_t>(bits));
}

}  // namespace

TEST_F(PlaybackTest, ButtonTagsInAndOut) {
  client.BeginPacket();
  EXPECT_EQ(AddBtnTags(client, 12, 3, 0.0f), 1);
  EXPECT_EQ(AddBtnTags(client, -1, 1000000, 2.5f), 1);
  char* text = client.sendList.Encode();
  EXPECT_STREQ(text, "BTN=12&STE=3&VAL=0.000000&BTN=-1&STE=1000000&VAL=2.500000");
  std::free(text);

  Receive(server, "BTN=4&x=1&STE=5&VAL=1.5&BTN=6&STE=7");  // the second triple lacks VAL
  server.RewindReceived();
  CPtrList list;
  EXPECT_EQ(ReadBtnTags(list, server), 1);
  auto e = Entries(list);
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].button, 4);
  EXPECT_EQ(e[0].state, 5);
  EXPECT_EQ(e[0].value, 1.5f);
  list.DeleteAll();

  server.ReleaseReceived();
  Receive(server, "BTN=99999999999&STE=1&VAL=0");
  server.RewindReceived();
  int b, s;
  float v;
  EXPECT_EQ(ReadBtnTag(server, &b, &s, &v), 0);
  server.ReleaseReceived();
  Receive(server, "BTN=x&STE=1&VAL=0");
  server.RewindReceived();
  EXPECT_EQ(ReadBtnTag(server, &b, &s, &v), 0);
}

TEST_F(PlaybackTest, ClientPacketCarriesQueuedPressesOnce) {
  gBtnLogClient.Add(5, 2);
  gBtnLogClient.Add(7, 3);
  client.BeginPacket();
  client.AddCommand("ROLL");
  clientWire->accept = 0;
  EXPECT_EQ(client.SendPacket(), 0);
  clientWire->accept = 1;
  EXPECT_EQ(client.SendPacket(), 1);
  EXPECT_EQ(Sent(clientWire, 1), "command=ROLL&BTN=5&STE=2&VAL=0.000000&BTN=7&STE=3&VAL=0.000000");
  EXPECT_EQ(gBtnLogClient.list.head, nullptr);
  client.BeginPacket();
  client.AddCommand("NEXT");
  client.SendPacket();
  EXPECT_EQ(Sent(clientWire, 2), "command=NEXT");
}

TEST_F(PlaybackTest, ARightReleaseTravelsAsValueTwoAndIsReplayedAsARightPress) {
  gBtnLogClient.Add(11, 4, kBtnValueRight);
  gBtnLogClient.Add(11, 4);
  client.BeginPacket();
  client.AddCommand("ROLL");
  ASSERT_EQ(client.SendPacket(), 1);
  EXPECT_EQ(Sent(clientWire, 0), "command=ROLL&BTN=11&STE=4&VAL=2.000000&BTN=11&STE=4&VAL=0.000000");
  Receive(client, "command=ROLLANSWER&BTN=11&STE=4&VAL=2.000000&BTN=11&STE=4&VAL=0.000000");
  gPlaybackClient.Step(4);
  EXPECT_EQ(gPressed, (std::vector<int>{11, 11}));
  EXPECT_EQ(gPressKinds, (std::vector<int>{kPressRight, kPressLeft}));
}

TEST_F(PlaybackTest, ServerCollectsTriplesAndRecordsEachPacketOnce) {
  Receive(server, "command=ROLL&BTN=5&STE=2&VAL=0.000000");
  auto e = Entries(gBtnLogServer.list);
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(e[0].button, 5);

  for (const char* command : {"CLIENTINITanswer", "BEGINPLAYanswer", "ROLLanswer"}) {
    server.BeginPacket();
    server.AddCommand(command);
    serverWire->accept = 0;
    server.SendPacket();
    serverWire->accept = 1;
    ASSERT_EQ(server.SendPacket(), 1);
  }
  std::vector<std::string> logged;
  for (CPtrNode* n = gPacketLogServer.list.head; n; n = n->next) {
    logged.push_back(PacketBlockText(n->data));
    EXPECT_EQ(PacketBlockLength(n->data), std::strlen(PacketBlockText(n->data)) + 1);
  }
  EXPECT_EQ(logged, (std::vector<std::string>{"command=CLIENTINITanswer", "command=BEGINPLAYanswer",
                                              "command=ROLLanswer"}));

  ResetPlaybackLists();
  EXPECT_EQ(gBtnLogServer.list.head, nullptr);
  ASSERT_NE(gPacketLogServer.list.head, nullptr);
  EXPECT_EQ(gPacketLogServer.list.head, gPacketLogServer.list.tail);
  EXPECT_STREQ(PacketBlockText(gPacketLogServer.list.head->data), "command=CLIENTINITanswer");
}

TEST_F(PlaybackTest, PlaybackClientQueuesAndFollowsTheTags) {
  EXPECT_EQ(gPlaybackClient.IsActive(), 1);  // before the first packet
  EXPECT_EQ(gPlaybackClient.Finished(), 0);
  Receive(client, "command=A&BTN=1&STE=0&VAL=0&PLAYBACK=&playbackdone=");
  EXPECT_EQ(gPlaybackClient.seenPacket, 1);
  EXPECT_EQ(gPlaybackClient.playing, 1);  // only the exact name ends it
  EXPECT_EQ(gPlaybackClient.changed, 1);
  EXPECT_EQ(Entries(gPlaybackClient.list).size(), 1u);
  EXPECT_STREQ(client.cursor->key, "command");
  EXPECT_EQ(gPlaybackClient.IsActive(), 1);
  EXPECT_EQ(gPlaybackClient.Finished(), 0);
}

TEST_F(PlaybackTest, NoPlaybackFinishesAtTheFirstPacket) {
  Receive(client, "command=CLIENTINITanswer");
  EXPECT_EQ(gPlaybackClient.IsActive(), 0);
  EXPECT_EQ(gPlaybackClient.Finished(), 1);
  EXPECT_EQ(gPlaybackClient.Finished(), 1);
}

TEST_F(PlaybackTest, GraceOf151CallsAfterThePlayback) {
  Receive(client, "command=A&PLAYBACK");
  client.ReleaseReceived();
  Receive(client, "command=B&PLAYBACKDONE");
  EXPECT_EQ(gPlaybackClient.playing, 0);
  for (int i = 0; i < 151; ++i) ASSERT_EQ(gPlaybackClient.IsActive(), 1) << i;
  EXPECT_EQ(gPlaybackClient.IsActive(), 0);
  EXPECT_EQ(gPlaybackClient.Finished(), 1);
  EXPECT_EQ(gPlaybackClient.changed, 0);
  EXPECT_EQ(gPlaybackClient.Finished(), 1);
}

TEST_F(PlaybackTest, FinishedWaitsForTheGrace) {
  Receive(client, "command=B&PLAYBACKDONE");
  int frames = 0;
  while (!gPlaybackClient.Finished()) ++frames;
  EXPECT_EQ(frames, 151);
}

TEST_F(PlaybackTest, StepPressesByClientStepInQueueOrder) {
  Receive(client, "BTN=1&STE=5&VAL=0&BTN=2&STE=2&VAL=0&BTN=3&STE=3&VAL=0&BTN=4&STE=2&VAL=0");
  gPlaybackClient.Step(1);
  EXPECT_TRUE(gPressed.empty());
  gPlaybackClient.Step(2);
  EXPECT_EQ(gPressed, (std::vector<int>{2, 4}));
  gPlaybackClient.Step(4);
  EXPECT_EQ(gPressed, (std::vector<int>{2, 4, 3}));
  EXPECT_EQ(gPlaybackClient.IsActive(), 1);  // an entry still waits
  gPlaybackClient.Step(5);
  EXPECT_EQ(gPressed, (std::vector<int>{2, 4, 3, 1}));
  EXPECT_EQ(gPlaybackClient.list.head, nullptr);
}

TEST_F(PlaybackTest, DisabledButtonHoldsTheRest) {
  Receive(client, "BTN=8&STE=1&VAL=0&BTN=9&STE=1&VAL=0");
  gDisabled = {8};
  gPlaybackClient.Step(1);
  EXPECT_TRUE(gPressed.empty());
  gDisabled.clear();
  gPlaybackClient.Step(1);
  EXPECT_EQ(gPressed, (std::vector<int>{8, 9}));
}

namespace {
void PressAndTakeEvent(int button, int) {
  gPressed.push_back(button);
  // What an event lookup does during a press: take an entry out, rewind.
  CPtrList& list = gPlaybackClient.list;
  for (list.First(); list.HasCurrent(); list.Next()) {
    auto* e = static_cast<btnLog*>(list.Current());
    if (e->button == 10001) {
      list.RemoveCurrent();
      std::free(e);
      break;
    }
  }
  list.First();
}
}  // namespace

TEST_F(PlaybackTest, PressMayTouchTheQueue) {
  ShellHooks hooks = GetShellHooks();
  hooks.pressButton = PressAndTakeEvent;
  SetShellHooks(hooks);
  Receive(client, "BTN=1&STE=0&VAL=0&BTN=10001&STE=1000000&VAL=25&BTN=2&STE=0&VAL=0");
  gPlaybackClient.Step(0);
  EXPECT_EQ(gPressed, (std::vector<int>{1, 2}));
  EXPECT_EQ(gPlaybackClient.list.head, nullptr);
}

TEST_F(PlaybackTest, LoadedButtonsTravelWithTheFirstServerPacket) {
  WriteInt(1, "TY", "NUMBTNS", 0, 2);
  std::string b0 = BtnLogBytes(7, 2, 0.0f), b1 = BtnLogBytes(10001, 1000000, 25.0f);
  dbWrite(1, "TY", "BTNLOG", 0, b0.data(), 12);
  dbWrite(1, "TY", "BTNLOG", 1, b1.data(), 12);
  ASSERT_EQ(gBtnPlaybackServer.Load(1, "TY"), 0);
  server.BeginPacket();
  server.AddCommand("CLIENTINITanswer");
  ASSERT_EQ(server.SendPacket(), 1);
  EXPECT_EQ(Sent(serverWire, 0),
            "command=CLIENTINITanswer&BTN=7&STE=2&VAL=0.000000&BTN=10001&STE=1000000&VAL=25.000000");
  server.BeginPacket();
  server.AddCommand("NEXT");
  server.SendPacket();
  EXPECT_EQ(Sent(serverWire, 1), "command=NEXT");
  EXPECT_STREQ(PacketBlockText(gPacketLogServer.list.head->data), "command=CLIENTINITanswer");
}

TEST_F(PlaybackTest, ButtonLoadCapsAt999) {
  WriteInt(1, "TY", "NUMBTNS", 0, 2000);
  std::string bytes = BtnLogBytes(1, 1, 0.0f);
  for (int i = 0; i < 1000; ++i) dbWrite(1, "TY", "BTNLOG", i, bytes.data(), 12);
  EXPECT_EQ(gBtnPlaybackServer.Load(1, "TY"), 0);
  EXPECT_EQ(Entries(gBtnPlaybackServer.list).size(), 999u);
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(PlaybackTest, PacketLoadCapsAt999) {
  WriteInt(1, "TY", "NUMPCKS", 0, 5000);
  std::string text = "command=X";
  std::string record = Int32Bytes(static_cast<std::int32_t>(text.size() + 1)) + text + '\0';
  for (int i = 0; i < 1000; ++i) dbWrite(1, "TY", "PKTLOG", i, record.data(), record.size());
  EXPECT_EQ(gPacketPlaybackServer.Load(1, "TY"), 0);
  EXPECT_EQ(gPacketPlaybackServer.state, kPlaybackSendNext);
  int count = 0;
  for (CPtrNode* n = gPacketPlaybackServer.list.head; n; n = n->next) ++count;
  EXPECT_EQ(count, 999);
}

struct LoadErrorCase {
  const char* name;
  void (*write)();
  const char* box;
};

void NoNumBtns() {}
void ShortNumBtns() { dbWrite(1, "TY", "NUMBTNS", 0, "ab", 2); }
void MissingBtnLog() {
  WriteInt(1, "TY", "NUMBTNS", 0, 2);
  std::string b = BtnLogBytes(1, 1, 0.0f);
  dbWrite(1, "TY", "BTNLOG", 0, b.data(), 12);
}
void LongBtnLog() {
  WriteInt(1, "TY", "NUMBTNS", 0, 1);
  std::string b = BtnLogBytes(1, 1, 0.0f) + "x";
  dbWrite(1, "TY", "BTNLOG", 0, b.data(), 13);
}

TEST_F(PlaybackTest, ButtonLoadErrors) {
  const LoadErrorCase cases[] = {
      {"no count", NoNumBtns,
       "Playback error: error: -18 Userid: 1 Game: TY, dbindex: 0\n"
       "CBtnPlaybackServer::Load: dbRead returned error (number of button log)"},
      {"short count", ShortNumBtns,
       "Playback error: error: 0 Userid: 1 Game: TY, dbindex: 0\n"
       "CBtnPlaybackServer::Load: dbRead read in a invalid amount of data, should be sizeof (int) (button "
       "playback)"},
      {"missing entry", MissingBtnLog,
       "Playback error: error: -18 Userid: 1 Game: TY, dbindex: 1\n"
       "CBtnPlaybackServer::Load: dbRead retuned error (button playback)"},
      {"long entry", LongBtnLog,
       "Playback error: error: 0 Userid: 1 Game: TY, dbindex: 0\n"
       "CBtnPlaybackServer::Load: dbRead read in a invalid amount of data, should be sizeof (btnLog) "
       "(button playback)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(kDbFileName);
    plat::headless::ClearMessageBoxes();
    c.write();
    EXPECT_EQ(gBtnPlaybackServer.Load(1, "TY"), -1);
    EXPECT_EQ(OnlyBox(), c.box);
    const auto& box = plat::headless::MessageBoxes().back();
    EXPECT_EQ(box.caption, "INFO");
  }
}

void NoNumPcks() {}
void ShortNumPcks() { dbWrite(1, "TY", "NUMPCKS", 0, "", 0); }
void MissingPkt() { WriteInt(1, "TY", "NUMPCKS", 0, 1); }
void TinyPkt() {
  WriteInt(1, "TY", "NUMPCKS", 0, 1);
  dbWrite(1, "TY", "PKTLOG", 0, "abc", 3);
}
void LyingPkt() {
  WriteInt(1, "TY", "NUMPCKS", 0, 2);
  std::string ok = Int32Bytes(4) + "a=1" + '\0';
  dbWrite(1, "TY", "PKTLOG", 0, ok.data(), ok.size());
  std::string lie = Int32Bytes(1000000) + "a=1" + '\0';
  dbWrite(1, "TY", "PKTLOG", 1, lie.data(), lie.size());
}

TEST_F(PlaybackTest, PacketLoadErrors) {
  const LoadErrorCase cases[] = {
      {"no count", NoNumPcks,
       "Playback error: error: -18 Userid: 1 Game: TY, dbindex: 0\n"
       "CPacketPlaybackServer::Load: dbRead returned error (num packets)"},
      {"short count", ShortNumPcks,
       "Playback error: error: 0 Userid: 1 Game: TY, dbindex: 0\n"
       "CPacketPlaybackServer::Load: dbRead read in a invalid amount of data, should be sizeof (int) (num "
       "packets)"},
      {"missing packet", MissingPkt,
       "Playback error: error: -18 Userid: 1 Game: TY, dbindex: 0\n"
       "CPacketPlaybackServer::Load: dbRead returned error (packetlog)"},
      {"tiny packet", TinyPkt,
       "Playback error: error: 0 Userid: 1 Game: TY, dbindex: 0\n"
       "CPacketPlaybackServer::Load: dbRead read less than 4 bytes (packetlog)"},
      {"lying length", LyingPkt,
       "Playback error: error: 0 Userid: 1 Game: TY, dbindex: 1\n"
       "CPacketPlaybackServer::Load: dbRead read an invalid amount of memory (amount specified in packet != "
       "real amount)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::remove(kDbFileName);
    plat::headless::ClearMessageBoxes();
    gPacketPlaybackServer.Clear();
    c.write();
    EXPECT_EQ(gPacketPlaybackServer.Load(1, "TY"), -1);
    EXPECT_EQ(gPacketPlaybackServer.state, kPlaybackIdle);
    EXPECT_EQ(OnlyBox(), c.box);
  }
}

TEST_F(PlaybackTest, StoredPacketWithoutItsZeroStaysInside) {
  WriteInt(1, "TY", "NUMPCKS", 0, 1);
  std::string record = Int32Bytes(9) + "command=X";  // the zero byte is missing
  dbWrite(1, "TY", "PKTLOG", 0, record.data(), record.size());
  ASSERT_EQ(gPacketPlaybackServer.Load(1, "TY"), 0);
  server.BeginPacket();
  ASSERT_EQ(gPacketPlaybackServer.SendNext(server), 1);
  EXPECT_STREQ(server.sendList.GetValue("command"), "X");
  EXPECT_NE(server.sendList.Find("PLAYBACKDONE", nullptr), nullptr);
  EXPECT_EQ(gPacketPlaybackServer.SendNext(server), 0);
}

TEST_F(PlaybackTest, InfoAndErrorTexts) {
  PlaybackInfo("Event data loaded (part 1)", 1, "DQ");
  PlaybackError("ServerInit: gameName inputstring to long", 0, nullptr, 0, 0);
  auto texts = BoxTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], "Playback info: Userid: 1 Game: DQ\nEvent data loaded (part 1)");
  EXPECT_EQ(texts[1], "Playback error: error: 0 Userid: 0 Game: , dbindex: 0\nServerInit: gameName inputstring to long");
  EXPECT_EQ(plat::headless::MessageBoxes()[0].caption, "INFO");
}
