// A saved game restored into a toy game over the scripted main client: the
// recorded server packets are replayed, the recorded presses pressed at their
// client steps, then the saved link state and record are put back and the
// records removed. Also every load error of the restore.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/link/Comm.h"
#include "tests/framework/link/DbFile.h"
#include "framework/link/MainClientTransport.h"
#include "framework/link/PlaybackClient.h"
#include "tests/framework/link/PlaybackReset.h"
#include "framework/link/PlaybackServer.h"
#include "framework/link/RestoreWindow.h"
#include "tests/framework/link/TempDir.h"
#include "tests/framework/link/TestBus.h"
#include "platform/include/plat/headless.h"

namespace {

// ---- The toy game ----

struct ToyServerRecord {
  char game[16];
  std::int32_t state;
  std::int32_t value;
};
static_assert(sizeof(ToyServerRecord) == 24);

struct ToyClient {
  int state = 0;
  int step = 0;  // state changes so far
  double money = 0.0;
  int betRequest = 0;
  std::vector<int> pressed;
};

ToyClient gToy;
std::vector<std::string> gServerSaw;  // commands the toy server's own step took
int gRemoveCalls = 0;
int gAnimations = 1;
int gMutes = 0;
int gUnmutes = 0;
plat::HWND gGameWindow = nullptr;

int ToyLoad(void* record, int userId, const char* game) {
  void* data = nullptr;
  std::uint32_t size = 0;
  int error = dbRead(userId, game, "TYDATA", 0, &data, &size);
  if (error != kDbOk) {
    PlaybackError("GameServerLoad: dbRead returned error (trying to load game data)", userId, game, 0, error);
    return error;
  }
  if (size != sizeof(ToyServerRecord)) {
    std::free(data);
    PlaybackError("GameServerLoad: size of data read is invalid (trying to load game data)", userId, game, 0, 0);
    return -1;
  }
  std::memcpy(record, data, size);
  std::free(data);
  return 0;
}

void ToyOnRemove(void*, int) { ++gRemoveCalls; }

void ToyPress(int button, int) {
  gToy.pressed.push_back(button);
  gBtnLogClient.Add(button, gToy.step);
  if (button == 7) gToy.betRequest = 1;
}

double MoneyTag(CComm& comm) {
  return comm.FindNextTag("MONEY") ? std::atof(comm.TagValue()) : -1.0;
}

void ToyClientRun(ToyClient& c, CComm& comm) {
  comm.PollTransport();
  gPlaybackClient.Step(c.step);
  const int before = c.state;
  switch (c.state) {
    case 0:
      if (comm.IsSendFree()) {
        comm.BeginPacket();
        comm.AddCommand("CLIENTINIT");
        c.state = 1;
      }
      break;
    case 1:
    case 4:
    case 7:
      if (comm.SendPacket()) ++c.state;
      break;
    case 2:
    case 5:
    case 8:
      if (comm.IsReceived()) {
        comm.RewindReceived();
        static const char* const kAnswers[] = {"CLIENTINITANSWER", "BETANSWER", "ENDPLAYANSWER"};
        EXPECT_EQ(comm.IsCommand(kAnswers[(c.state - 2) / 3]), 1) << c.state;
        comm.RewindReceived();
        if (c.state != 8) c.money = MoneyTag(comm);
        comm.ReleaseReceived();
        ++c.state;
      }
      break;
    case 3:
      if (c.betRequest && comm.IsSendFree()) {
        comm.BeginPacket();
        comm.AddCommand("BET");
        comm.AddTag("AMOUNT");
        comm.SetTagValue("10");
        c.state = 4;
      }
      break;
    case 6:
      if (comm.IsSendFree()) {
        comm.BeginPacket();
        comm.AddCommand("ENDPLAY");
        c.state = 7;
      }
      break;
    default:
      break;
  }
  if (c.state != before) ++c.step;
}

// The toy server only answers ENDPLAY in state 5; anything else is a fault here.
void ToyServerRun(ToyServerRecord& r, CComm& comm) {
  comm.PollTransport();
  if (r.state == 5 && comm.IsReceived()) {
    comm.RewindReceived();
    gServerSaw.push_back(comm.recvList.GetValue("command") ? comm.recvList.GetValue("command") : "");
    comm.BeginPacket();
    comm.AnswerCommand();
    comm.AddAnswer("ok");
    comm.ReleaseReceived();
    r.state = 6;
  } else if (r.state == 6 && comm.SendPacket()) {
    r.state = 7;
  } else if (r.state != 5 && r.state != 6 && comm.recvAllocated == kRecvWaiting) {
    gServerSaw.push_back("unexpected");
    comm.ReleaseReceived();
  }
}

// ---- The saved records ----

std::string BtnLogBytes(int button, int state) { return Int32Bytes(button) + Int32Bytes(state) + Int32Bytes(0); }

void WritePacket(int index, const std::string& text) {
  std::string record = Int32Bytes(static_cast<std::int32_t>(text.size() + 1)) + text + '\0';
  dbWrite(1, "TY", "PKTLOG", index, record.data(), record.size());
}

void WriteServerRecord(int state, int value) {
  ToyServerRecord saved{};
  std::memcpy(saved.game, "TY", 3);
  saved.state = state;
  saved.value = value;
  dbWrite(1, "TY", "TYDATA", 0, &saved, sizeof saved);
}

// One round recorded up to BETanswer: the press of button 7 at client step 3.
void WriteSavedRound(int existanceFlag) {
  WriteInt(1, "TY", "EXISTANCEFLAG", 0, existanceFlag);
  WriteInt(1, "TY", "NUMBTNS", 0, 1);
  std::string press = BtnLogBytes(7, 3);
  dbWrite(1, "TY", "BTNLOG", 0, press.data(), 12);
  WriteInt(1, "TY", "NUMPCKS", 0, 2);
  WritePacket(0, "command=CLIENTINITanswer&answer=ok&MONEY=100.000000");
  WritePacket(1, "command=BETanswer&answer=ok&MONEY=90.000000");
  WriteServerRecord(5, 10);
}

void WriteCommWords(int justInit, int send, int recv, int sleep) {
  WriteInt(1, "TY", "COMM", 2, justInit);
  WriteInt(1, "TY", "COMM", 3, send);
  WriteInt(1, "TY", "COMM", 4, recv);
  WriteInt(1, "TY", "COMM", 5, sleep);
}

class RestoreTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    stub = &StartBus();
    ResetPlaybackState();
    gToy = ToyClient{};
    gServerSaw.clear();
    gRemoveCalls = gMutes = gUnmutes = 0;
    gAnimations = 1;

    client.Init("clientout.log", "clientin.log");
    server.Init("serverout.log", "serverin.log");
    gGameWindow = CreateGameWindow(&client, &server);
    auto* ct = new CMainClientTransport;
    ct->Reset();
    ct->RegisterMessages(kChannelClient);
    client.SetTransport(ct);
    ASSERT_EQ(ct->Connect(gGameWindow), nullptr);
    auto* st = new CMainClientTransport;
    st->Reset();
    st->RegisterMessages(kChannelServer);
    server.SetTransport(st);
    st->Attach(ct->mainWnd, gGameWindow);

    ShellHooks hooks{};
    hooks.mainWindow = [] { return gGameWindow; };
    hooks.pressButton = ToyPress;
    hooks.isButtonEnabled = [](int) { return 1; };
    hooks.muteForRestore = [] { ++gMutes; };
    hooks.restoreSoundFlags = [] { ++gUnmutes; };
    hooks.showAnimations = [] { return gAnimations; };
    hooks.setShowAnimations = [](int v) { gAnimations = v; };
    SetShellHooks(hooks);
    InstallPlaybackHooks(server, client, GameServerHooks{"TY", ToyLoad, ToyOnRemove});
    record = ToyServerRecord{};
    std::memcpy(record.game, "TY", 3);
    dbWrite(2, "KW", "KWDATA", 0, "other user", 11);
  }
  void TearDown() override {
    CloseRestoreWindow();
    TempDirTest::TearDown();
  }

  // One frame as the shell runs it. Answers 1 when the playback ran in place
  // of the game server.
  int Frame() {
    ToyClientRun(gToy, client);
    int playback = gPacketPlaybackServer.IsActive();
    if (playback) {
      gPacketPlaybackServer.Step(server, &record, 1, "TY");
    } else {
      ToyServerRun(record, server);
    }
    if (gPlaybackClient.Finished()) CloseRestoreWindow();
    return playback;
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : plat::headless::MessageBoxes()) texts.push_back(box.text);
    return texts;
  }
  bool UserTwoKept() const {
    void* data = nullptr;
    std::uint32_t size = 0;
    if (dbRead(2, "KW", "KWDATA", 0, &data, &size) != kDbOk) return false;
    bool same = size == 11 && std::strcmp(static_cast<char*>(data), "other user") == 0;
    std::free(data);
    return same;
  }
  bool UserOneHasRecords() const {
    char name[kDbNameSize];
    return dbGetSavedGameName(1, name) == kDbOk;
  }

  MainClientStub* stub = nullptr;
  CComm client;
  CComm server;
  ToyServerRecord record{};
};

const char kPart1[] = "Playback info: Userid: 1 Game: TY\nEvent data loaded (part 1)";
const char kPart2[] = "Playback info: Userid: 1 Game: TY\nEvent data loaded (part 2)";

}  // namespace

TEST_F(RestoreTest, ExistanceFlag2RestoresRightAfterTheLastPacket) {
  WriteSavedRound(2);
  WriteCommWords(1, kSendFree, kRecvEmpty, 1);
  OpenRestoreWindow();
  EXPECT_EQ(gAnimations, 0);
  EXPECT_EQ(gMutes, 1);
  EXPECT_NE(plat::FindWindow(kRestoreClassName, nullptr), nullptr);

  ASSERT_EQ(LoadSavedGame(&record, server, 1), 0);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{kPart1});
  ASSERT_EQ(gPacketPlaybackServer.IsActive(), 1);

  int frames = 0;
  while (gPacketPlaybackServer.IsActive() && frames < 100) {
    Frame();
    ++frames;
  }
  ASSERT_LT(frames, 100);
  // The saved link state and record are back; the client was replayed to BETanswer.
  EXPECT_EQ(server.recvJustInit, 1);
  EXPECT_EQ(server.sendAllocated, kSendFree);
  EXPECT_EQ(server.recvAllocated, kRecvEmpty);
  EXPECT_EQ(server.wantToSleep, 1);
  EXPECT_EQ(record.state, 5);
  EXPECT_EQ(record.value, 10);
  EXPECT_EQ(gToy.pressed, std::vector<int>{7});
  EXPECT_EQ(gToy.money, 90.0);
  EXPECT_FALSE(UserOneHasRecords());
  EXPECT_TRUE(UserTwoKept());
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kPart1, kPart2}));
  std::vector<std::string> traffic;
  for (const auto& r : stub->relayed) traffic.push_back(std::to_string(r.kind) + ":" + r.text.c_str());
  EXPECT_EQ(traffic, (std::vector<std::string>{
                         "1:command=CLIENTINIT",
                         "2:command=CLIENTINITanswer&answer=ok&MONEY=100.000000&PLAYBACK=&BTN=7&STE=3&VAL=0.000000",
                         "1:command=BET&AMOUNT=10&BTN=7&STE=3&VAL=0.000000",
                         "2:command=BETanswer&answer=ok&MONEY=90.000000&PLAYBACKDONE=",
                     }));
  EXPECT_EQ(gRemoveCalls, 0);

  // The user's clicks stay blocked through the grace, then the game goes on.
  for (int i = 0; i < 200 && (gToy.state != 9 || IsRestoring()); ++i) Frame();
  EXPECT_EQ(gToy.state, 9);
  EXPECT_EQ(gServerSaw, std::vector<std::string>{"ENDPLAY"});
  EXPECT_EQ(record.state, 7);
  EXPECT_EQ(IsRestoring(), 0);
  EXPECT_EQ(gAnimations, 1);
  EXPECT_EQ(gUnmutes, 1);
  EXPECT_TRUE(plat::IsWindowVisible(gGameWindow));
  EXPECT_EQ(plat::FindWindow(kRestoreClassName, nullptr), nullptr);
  EXPECT_EQ(gPlaybackClient.IsActive(), 0);
}

TEST_F(RestoreTest, ExistanceFlag1DropsOneMoreClientPacketAndRestoresTheUnreadOne) {
  WriteSavedRound(1);
  // Saved when the server end had taken ENDPLAY and not read it yet.
  WriteCommWords(1, kSendFree, kRecvWaiting, 0);
  WriteText(1, "TY", "COMM", 1, "command=ENDPLAY&saved=yes");
  ASSERT_EQ(LoadSavedGame(&record, server, 1), 0);

  int frames = 0;
  while (gPacketPlaybackServer.IsActive() && frames < 100) {
    Frame();
    ++frames;
  }
  ASSERT_LT(frames, 100);
  EXPECT_EQ(gToy.state, 8);  // ENDPLAY went out and was dropped by the playback
  EXPECT_EQ(server.recvAllocated, kRecvWaiting);
  EXPECT_STREQ(server.recvList.GetValue("saved"), "yes");
  EXPECT_EQ(record.state, 5);
  EXPECT_TRUE(gServerSaw.empty());
  EXPECT_FALSE(UserOneHasRecords());
  EXPECT_TRUE(UserTwoKept());

  for (int i = 0; i < 10 && gToy.state != 9; ++i) Frame();
  EXPECT_EQ(gToy.state, 9);  // answered from the restored packet
  EXPECT_EQ(gServerSaw, std::vector<std::string>{"ENDPLAY"});
}

TEST_F(RestoreTest, SavedUnsentPacketIsRestoredReadyToSend) {
  WriteCommWords(0, kSendBuilding, kRecvEmpty, 0);
  WriteText(1, "TY", "COMM", 0, "command=BETanswer&answer=ok");
  ASSERT_EQ(GameServerLoadComm(server, 1, "TY"), 0);
  EXPECT_EQ(server.sendAllocated, kSendBuilding);
  EXPECT_STREQ(server.sendList.GetValue("command"), "BETanswer");
  EXPECT_EQ(server.SetTagValue("fail"), 1);  // the last tag is current
  EXPECT_EQ(server.SendPacket(), 1);
  EXPECT_EQ(stub->relayed.back().text, std::string("command=BETanswer&answer=fail", 30));
}

TEST_F(RestoreTest, RemoveFlagSettlesWithoutPlayback) {
  WriteSavedRound(2);
  WriteCommWords(0, kSendFree, kRecvEmpty, 0);
  dbWrite(1, "TY", "removeflag", 1, "", 0);
  EXPECT_EQ(LoadSavedGame(&record, server, 1), -1);
  EXPECT_EQ(gPacketPlaybackServer.IsActive(), 0);
  EXPECT_EQ(gRemoveCalls, 1);
  EXPECT_EQ(record.state, 5);
  EXPECT_FALSE(UserOneHasRecords());
  EXPECT_TRUE(UserTwoKept());
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kPart1, kPart2}));
}

TEST_F(RestoreTest, NoSavedGameStartsNormallyAndKeepsTheFile) {
  std::string before = ReadWholeFile(kDbFileName);
  EXPECT_EQ(LoadSavedGame(&record, server, 1), 0);
  EXPECT_EQ(gPacketPlaybackServer.IsActive(), 0);
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_EQ(ReadWholeFile(kDbFileName), before);
  std::remove(kDbFileName);
  EXPECT_EQ(LoadSavedGame(&record, server, 1), 0);
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(RestoreTest, ServerLoadFailureRemovesRecordsAndClearsStores) {
  WriteSavedRound(2);
  WriteCommWords(0, kSendFree, kRecvEmpty, 0);
  std::remove(kDbFileName);
  // The same round without its server record.
  dbWrite(2, "KW", "KWDATA", 0, "other user", 11);
  WriteInt(1, "TY", "EXISTANCEFLAG", 0, 2);
  WriteInt(1, "TY", "NUMBTNS", 0, 0);
  WriteInt(1, "TY", "NUMPCKS", 0, 0);
  WriteCommWords(0, kSendFree, kRecvEmpty, 0);
  ASSERT_EQ(LoadSavedGame(&record, server, 1), 0);
  for (int i = 0; i < 5 && gPacketPlaybackServer.IsActive(); ++i) Frame();
  EXPECT_EQ(gPacketPlaybackServer.IsActive(), 0);
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                            kPart1, "Playback error: error: -18 Userid: 1 Game: TY, dbindex: 0\n"
                                    "GameServerLoad: dbRead returned error (trying to load game data)",
                            std::string("Playback info: Userid: 1 Game: TY\n") + kRestoreFailedText}));
  EXPECT_FALSE(UserOneHasRecords());
  EXPECT_TRUE(UserTwoKept());
  // A fresh server could not answer the replayed client: the program ends
  // instead of waiting for ever behind the restore window.
  EXPECT_FALSE(plat::IsWindow(gGameWindow));
}

namespace {

struct LoadPlaybackCase {
  const char* name;
  void (*write)();
  const char* box;
};

void OtherGame() {
  WriteInt(1, "DQ", "EXISTANCEFLAG", 0, 2);
  WriteInt(1, "TY", "EXISTANCEFLAG", 0, 2);
}
void NoFlag() { WriteInt(1, "TY", "NUMBTNS", 0, 0); }
void ShortFlag() { dbWrite(1, "TY", "EXISTANCEFLAG", 0, "\x02", 1); }
void BadFlag() { WriteInt(1, "TY", "EXISTANCEFLAG", 0, 3); }

}  // namespace

TEST_F(RestoreTest, LoadPlaybackErrorsRemoveTheRecords) {
  const LoadPlaybackCase cases[] = {
      {"other game", OtherGame, "LoadPlayback: The saved game is not this game"},
      {"no flag", NoFlag, "LoadPlayback: dbRead returned error (trying to read EXISTANCEFLAG)"},
      {"short flag", ShortFlag, "LoadPlayback: dbRead read in invalid size (trying to read EXISTANCEFLAG)"},
      {"bad flag", BadFlag, "LoadPlayback: EXISTANCEFLAG has an invalid value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    plat::headless::ClearMessageBoxes();
    c.write();
    EXPECT_EQ(LoadPlayback(1, "TY"), 0);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                              std::string("Playback error: error: 0 Userid: 1 Game: TY, dbindex: 0\n") + c.box});
    EXPECT_FALSE(UserOneHasRecords());
    EXPECT_TRUE(UserTwoKept());
    EXPECT_EQ(gPacketPlaybackServer.IsActive(), 0);
    EXPECT_EQ(gBtnPlaybackServer.list.head, nullptr);
  }
}

TEST_F(RestoreTest, LoadErrorWithRemoveFlagKeepsTheRecords) {
  dbWrite(1, "TY", "removeflag", 1, "", 0);
  WriteInt(1, "TY", "EXISTANCEFLAG", 0, 9);
  EXPECT_EQ(LoadPlayback(1, "TY"), -1);
  EXPECT_TRUE(UserOneHasRecords());
  EXPECT_EQ(BoxTexts().size(), 1u);
}

TEST_F(RestoreTest, LoadCommErrorsLeaveTheLinkEndAlone) {
  const char* const texts[] = {
      "GameServerLoadComm: dbRead returned error (trying to read recvJustInit)",
      "GameServerLoadComm: dbRead returned error (trying to read sendAllocated)",
      "GameServerLoadComm: dbRead returned error (trying to read recvAllocated)",
      "GameServerLoadComm: dbRead returned error (trying to read wantToSleep)",
  };
  const int words[] = {1, kSendBuilding, kRecvWaiting, 1};
  for (int missing = 0; missing < 4; ++missing) {
    SCOPED_TRACE(missing);
    std::remove(kDbFileName);
    plat::headless::ClearMessageBoxes();
    for (int i = 0; i < missing; ++i) WriteInt(1, "TY", "COMM", i + 2, words[i]);
    EXPECT_EQ(GameServerLoadComm(server, 1, "TY"), kDbNoRecord);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Playback error: error: -18 Userid: 1 Game: TY, dbindex: " +
                                                   std::to_string(missing + 2) + "\n" + texts[missing]});
    EXPECT_EQ(server.sendAllocated, kSendFree);
    EXPECT_EQ(server.recvAllocated, kRecvEmpty);
  }

  std::remove(kDbFileName);
  plat::headless::ClearMessageBoxes();
  WriteCommWords(1, kSendBuilding, kRecvWaiting, 1);
  EXPECT_EQ(GameServerLoadComm(server, 1, "TY"), kDbNoRecord);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                            "Playback error: error: -18 Userid: 1 Game: TY, dbindex: 0\n"
                            "GameServerLoadComm: dbRead returned error (trying to read comm send buffer)"});
  plat::headless::ClearMessageBoxes();
  WriteText(1, "TY", "COMM", 0, "command=X");
  EXPECT_EQ(GameServerLoadComm(server, 1, "TY"), kDbNoRecord);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                            "Playback error: error: -18 Userid: 1 Game: TY, dbindex: 1\n"
                            "GameServerLoadComm: dbRead returned error (trying to read comm recv buffer)"});
  EXPECT_EQ(server.sendAllocated, kSendFree);
  EXPECT_EQ(server.sendList.head, nullptr);

  // A side state the link end does not know is refused.
  std::remove(kDbFileName);
  plat::headless::ClearMessageBoxes();
  WriteCommWords(0, 7, kRecvEmpty, 0);
  EXPECT_EQ(GameServerLoadComm(server, 1, "TY"), kDbInvalidData);
  EXPECT_EQ(server.sendAllocated, kSendFree);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Playback error: error: -1 Userid: 1 Game: TY, dbindex: 3\n" +
                                                 std::string(texts[1])});
}
