// The saved game the main client writes while it relays a scripted round:
// read back with the programs' own record readers, and restored by the
// programs' own playback.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>

#include "framework/link/Db.h"
#include "tests/mainclient/MainClientFixture.h"
#include "framework/link/PlaybackClient.h"
#include "framework/link/PlaybackServer.h"
#include "framework/link/Restore.h"
#include "framework/link/SavePointSender.h"
#include "mainclient/SavedGameFile.h"
#include "framework/link/MainClientName.h"
#include "framework/link/SavePoint.h"
#include "tests/support/ScriptedProgram.h"

namespace {

using P = CScriptedProgram;

constexpr char kGame[] = "XX";
constexpr char kClientInitAnswer[] = "command=CLIENTINITanswer&answer=ok&MONEYAMOUNT=3000.000000";
constexpr char kBeginPlayAnswer[] = "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=3000.000000";

struct ServerRecord {
  unsigned char bytes[64];
};

int LoadRecord(void* record, int userId, const char* game) {
  void* data = nullptr;
  std::uint32_t size = 0;
  const int answer = dbRead(userId, game, "XXDATA", 0, &data, &size);
  if (answer != 0) return answer;
  const int ok = size == sizeof(ServerRecord);
  if (ok) std::memcpy(record, data, size);
  std::free(data);
  return ok ? 0 : -1;
}

class SavedGameTest : public MainClientTest {
 protected:
  void SetUp() override {
    MainClientTest::SetUp();
    programFolder = folder.Path() + "/games/xx";
    std::filesystem::create_directories(programFolder);
    // The programs' readers open "db_savef" in their working folder.
    previous = std::filesystem::current_path();
    std::filesystem::current_path(programFolder);
    for (int i = 0; i < 64; ++i) record.bytes[i] = static_cast<unsigned char>(i * 7 + 1);
    gBtnLogClient.Clear();
    gPlaybackClient.Clear();
    gBtnLogServer.Clear();
    gPacketLogServer.Clear();
    gBtnPlaybackServer.Clear();
    gPacketPlaybackServer.Clear();
  }
  void TearDown() override {
    std::filesystem::current_path(previous);
    MainClientTest::TearDown();
  }

  // CLIENTINIT and its answer, then BEGINPLAY up to the save point with the
  // answer built but not sent; presses ride on both client packets.
  void PlayToSavePoint(P& program) {
    mainClient.ExpectProgram("xx", programFolder, 0);
    ASSERT_EQ(program.Connect(), 1);
    ASSERT_EQ(P::Send(program.client, {{"command", "CLIENTINIT"}, {"BTN", "1"}, {"STE", "1"}, {"VAL", "0.000000"}}), 1);
    Pump(mainClient);
    ASSERT_EQ(P::Take(program.server), "command=CLIENTINIT&BTN=1&STE=1&VAL=0.000000");
    ASSERT_EQ(P::Send(program.server, {{"command", "CLIENTINITanswer"}, {"answer", "ok"}, {"MONEYAMOUNT", "3000.000000"}}), 1);
    Pump(mainClient);
    ASSERT_EQ(P::Take(program.client), kClientInitAnswer);
    ASSERT_EQ(P::Send(program.client, {{"command", "BEGINPLAY"}, {"BTN", "2"}, {"STE", "0"}, {"VAL", "0.000000"}}), 1);
    Pump(mainClient);
    ASSERT_EQ(P::Take(program.server), "command=BEGINPLAY&BTN=2&STE=0&VAL=0.000000");
    ASSERT_EQ(P::Build(program.server, {{"command", "BEGINPLAYANSWER"}, {"answer", "ok"}, {"MONEYAMOUNT", "3000.000000"}}), 1);
  }

  // The presses of the round, after the save point's answer.
  void PlayRound(P& program) {
    ASSERT_EQ(P::Take(program.client), kBeginPlayAnswer);
    ASSERT_EQ(P::Send(program.client, {{"command", "ROLLDICE"}, {"BET", "0@5.00$#0000"}, {"BTN", "7"}, {"STE", "3"},
                                       {"VAL", "0.000000"}, {"BTN", "10001"}, {"STE", "25"}, {"VAL", "0.000000"}}),
              1);
    Pump(mainClient);
  }

  static int ReadInt(const char* key, int index) {
    void* data = nullptr;
    std::uint32_t size = 0;
    if (dbRead(1, kGame, key, index, &data, &size) != 0) return -1000;
    int value = -2000;
    if (size == 4) std::memcpy(&value, data, 4);
    std::free(data);
    return value;
  }
  static std::string ReadText(const char* key, int index, int lengthPrefix) {
    void* data = nullptr;
    std::uint32_t size = 0;
    if (dbRead(1, kGame, key, index, &data, &size) != 0) return "<missing>";
    const char* text = static_cast<const char*>(data) + (lengthPrefix ? 4 : 0);
    std::uint32_t length = size;
    if (lengthPrefix) std::memcpy(&length, data, 4);
    std::string out = (lengthPrefix ? length + 4 == size : true) && text[std::strlen(text)] == 0 &&
                              std::strlen(text) + 1 == (lengthPrefix ? length : size)
                          ? std::string(text)
                          : "<bad size>";
    std::free(data);
    return out;
  }
  static btnLog ReadPress(int index) {
    void* data = nullptr;
    std::uint32_t size = 0;
    btnLog press{-1, -1, -1.0f};
    if (dbRead(1, kGame, kKeyBtnLog, index, &data, &size) == 0 && size == sizeof press) std::memcpy(&press, data, size);
    std::free(data);
    return press;
  }

  std::string programFolder;
  std::filesystem::path previous;
  ServerRecord record;
};

TEST_F(SavedGameTest, ARoundSavedBeforeItsAnswerWentOutReadsBackWhole) {
  P craps("TestCraps");
  PlayToSavePoint(craps);
  const int words[4] = {craps.server.recvJustInit, craps.server.sendAllocated, craps.server.recvAllocated,
                        craps.server.wantToSleep};
  ASSERT_EQ(SendSavePoint(craps.server, kGame, &record, sizeof record), 1);
  ASSERT_EQ(craps.server.SendPacket(), 1);
  Pump(mainClient);
  PlayRound(craps);

  char name[kDbNameSize];
  ASSERT_EQ(dbGetSavedGameName(1, name), 0);
  EXPECT_STREQ(name, kGame);
  EXPECT_EQ(ReadInt(kKeyExistanceFlag, 0), 1);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(ReadInt(kKeyComm, 2 + i), words[i]) << "link word " << i;
  EXPECT_EQ(words[1], kSendBuilding);
  EXPECT_EQ(ReadText(kKeyComm, 0, 0), kBeginPlayAnswer);
  EXPECT_EQ(ReadText(kKeyComm, 1, 0), "<missing>");
  // Only the first packet is replayed; the answer goes out from the restored state.
  EXPECT_EQ(ReadInt(kKeyNumPcks, 0), 1);
  EXPECT_EQ(ReadText(kKeyPktLog, 0, 1), kClientInitAnswer);
  // Presses before the save point are not part of the round.
  ASSERT_EQ(ReadInt(kKeyNumBtns, 0), 2);
  const btnLog first = ReadPress(0);
  const btnLog second = ReadPress(1);
  EXPECT_EQ(first.button, 7);
  EXPECT_EQ(first.state, 3);
  EXPECT_EQ(first.value, 0.0f);
  EXPECT_EQ(second.button, 10001);
  EXPECT_EQ(second.state, 25);
  void* data = nullptr;
  std::uint32_t size = 0;
  ASSERT_EQ(dbRead(1, kGame, "XXDATA", 0, &data, &size), 0);
  ASSERT_EQ(size, sizeof record);
  EXPECT_EQ(std::memcmp(data, &record, size), 0);
  std::free(data);

  // A later press joins the log; the end of the session removes it all.
  ASSERT_EQ(P::Take(craps.server).rfind("command=ROLLDICE", 0), 0u);
  ASSERT_EQ(P::Send(craps.client, {{"command", "SENDRESULT"}, {"BTN", "8"}, {"STE", "9"}, {"VAL", "0.000000"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(ReadInt(kKeyNumBtns, 0), 3);
  EXPECT_EQ(ReadPress(2).button, 8);
  // The server end collects presses from keep-alive packets too.
  ASSERT_EQ(P::Send(craps.client, {{"command", "heartbeat"}, {"BTN", "9"}, {"STE", "11"}, {"VAL", "0.000000"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(ReadInt(kKeyNumBtns, 0), 4);
  EXPECT_EQ(ReadPress(3).button, 9);
  ASSERT_EQ(P::Send(craps.server, {{"command", "CLIENTEXITanswer"}, {"answer", "ok"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(HasSavedGame("db_savef", 1), 0);
  EXPECT_EQ(ReadInt(kKeyExistanceFlag, 0), -1000);
}

// A value the client logs on BEGINPLAY (its last stakes) is the round's
// from the start: a kill before any other packet of the round keeps it.
// A press on that packet is not the round's.
TEST_F(SavedGameTest, ValuesLoggedOnTheRoundsFirstPacketBeginItsLog) {
  P craps("TestCraps");
  mainClient.ExpectProgram("xx", programFolder, 0);
  ASSERT_EQ(craps.Connect(), 1);
  ASSERT_EQ(P::Send(craps.client, {{"command", "CLIENTINIT"}, {"BTN", "10002"}, {"STE", "10007"}, {"VAL", "0.000000"}}), 1);
  Pump(mainClient);
  ASSERT_EQ(P::Take(craps.server).rfind("command=CLIENTINIT", 0), 0u);
  ASSERT_EQ(P::Send(craps.server, {{"command", "CLIENTINITanswer"}, {"answer", "ok"}, {"MONEYAMOUNT", "3000.000000"}}), 1);
  Pump(mainClient);
  ASSERT_EQ(P::Take(craps.client), kClientInitAnswer);
  ASSERT_EQ(P::Send(craps.client, {{"command", "BEGINPLAY"}, {"BTN", "2"}, {"STE", "0"}, {"VAL", "0.000000"},
                                   {"BTN", "10001"}, {"STE", "10025"}, {"VAL", "0.000000"}}),
            1);
  Pump(mainClient);
  ASSERT_EQ(P::Take(craps.server).rfind("command=BEGINPLAY", 0), 0u);
  ASSERT_EQ(P::Build(craps.server, {{"command", "BEGINPLAYANSWER"}, {"answer", "ok"}, {"MONEYAMOUNT", "3000.000000"}}), 1);
  ASSERT_EQ(SendSavePoint(craps.server, kGame, &record, sizeof record), 1);
  ASSERT_EQ(ReadInt(kKeyNumBtns, 0), 1);
  EXPECT_EQ(ReadPress(0).button, 10001);
  EXPECT_EQ(ReadPress(0).state, 10025);
}

TEST_F(SavedGameTest, ARoundSavedAfterItsAnswerWentOutReplaysTheAnswer) {
  P craps("TestCraps");
  PlayToSavePoint(craps);
  ASSERT_EQ(craps.server.SendPacket(), 1);
  ASSERT_EQ(SendSavePoint(craps.server, kGame, &record, sizeof record), 1);
  Pump(mainClient);
  PlayRound(craps);
  EXPECT_EQ(ReadInt(kKeyExistanceFlag, 0), 2);
  EXPECT_EQ(ReadInt(kKeyComm, 3), kSendFree);
  EXPECT_EQ(ReadText(kKeyComm, 0, 0), "<missing>");
  EXPECT_EQ(ReadInt(kKeyNumPcks, 0), 2);
  EXPECT_EQ(ReadText(kKeyPktLog, 0, 1), kClientInitAnswer);
  EXPECT_EQ(ReadText(kKeyPktLog, 1, 1), kBeginPlayAnswer);
}

TEST_F(SavedGameTest, ThePlaybackOfTheProgramsRestoresTheSavedRoundAndItIsSavedAgain) {
  {
    P crashed("TestCraps");
    PlayToSavePoint(crashed);
    ASSERT_EQ(SendSavePoint(crashed.server, kGame, &record, sizeof record), 1);
    ASSERT_EQ(crashed.server.SendPacket(), 1);
    Pump(mainClient);
    PlayRound(crashed);
    crashed.Vanish();
    Pump(mainClient);
  }
  ASSERT_EQ(HasSavedGame("db_savef", 1), 1);
  P restored("TestCraps");
  mainClient.ExpectProgram("xx", programFolder, 0);
  ASSERT_EQ(restored.Connect(), 1);
  const GameServerHooks hooks{kGame, &LoadRecord, nullptr};
  InstallPlaybackHooks(restored.server, restored.client, hooks);
  ServerRecord live{};
  ASSERT_EQ(LoadSavedGame(&live, restored.server, 1), 0);
  ASSERT_EQ(gPacketPlaybackServer.IsActive(), 1);

  // As a game does: once the round is back, its save point goes out again.
  int savedAgain = 0;
  auto frames = [&](int count) {
    for (int i = 0; i < count && gPacketPlaybackServer.IsActive(); ++i) {
      if (gPacketPlaybackServer.Step(restored.server, &live, 1, kGame)) {
        EXPECT_EQ(HasSavedGame("db_savef", 1), 0);
        savedAgain += SendSavePoint(restored.server, kGame, &live, sizeof live);
      }
      Pump(mainClient);
    }
  };
  ASSERT_EQ(P::Send(restored.client, {{"command", "CLIENTINIT"}}), 1);
  Pump(mainClient);
  frames(5);
  const std::string replayed = P::Take(restored.client);
  EXPECT_EQ(replayed.rfind(kClientInitAnswer, 0), 0u) << replayed;
  EXPECT_NE(replayed.find("PLAYBACKDONE"), std::string::npos);
  // The round's presses reached the client's playback queue.
  EXPECT_EQ(gPlaybackClient.list.First(), 1);
  EXPECT_EQ(static_cast<btnLog*>(gPlaybackClient.list.Current())->button, 7);

  ASSERT_EQ(P::Send(restored.client, {{"command", "BEGINPLAY"}}), 1);
  Pump(mainClient);
  frames(10);
  ASSERT_EQ(gPacketPlaybackServer.IsActive(), 0);
  EXPECT_EQ(std::memcmp(&live, &record, sizeof record), 0);
  EXPECT_EQ(restored.server.sendAllocated, kSendBuilding);
  EXPECT_EQ(restored.server.recvAllocated, kRecvEmpty);
  ASSERT_EQ(savedAgain, 1);
  ASSERT_EQ(restored.server.SendPacket(), 1);
  Pump(mainClient);
  EXPECT_EQ(P::Take(restored.client), kBeginPlayAnswer);

  // The round is saved as it was, with the presses the client has still to
  // make: a kill now restores it again.
  EXPECT_EQ(ReadInt(kKeyExistanceFlag, 0), 1);
  EXPECT_EQ(ReadInt(kKeyNumPcks, 0), 1);
  EXPECT_EQ(ReadText(kKeyPktLog, 0, 1), kClientInitAnswer);
  EXPECT_EQ(ReadText(kKeyComm, 0, 0), kBeginPlayAnswer);
  ASSERT_EQ(ReadInt(kKeyNumBtns, 0), 2);
  EXPECT_EQ(ReadPress(0).button, 7);
  EXPECT_EQ(ReadPress(1).button, 10001);
  // The client sends the replayed presses once more as it makes them; they
  // are kept once, and a press of its own joins them.
  ASSERT_EQ(P::Send(restored.client, {{"command", "ROLLDICE"}, {"BTN", "7"}, {"STE", "3"}, {"VAL", "0.000000"},
                                      {"BTN", "10001"}, {"STE", "25"}, {"VAL", "0.000000"}, {"BTN", "12"},
                                      {"STE", "26"}, {"VAL", "0.000000"}}),
            1);
  Pump(mainClient);
  ASSERT_EQ(ReadInt(kKeyNumBtns, 0), 3);
  EXPECT_EQ(ReadPress(0).button, 7);
  EXPECT_EQ(ReadPress(1).button, 10001);
  EXPECT_EQ(ReadPress(2).button, 12);
  EXPECT_EQ(ReadPress(2).state, 26);
  // The next round's save point starts a log of its own.
  ASSERT_EQ(P::Take(restored.server).rfind("command=ROLLDICE", 0), 0u);
  ASSERT_EQ(P::Send(restored.client, {{"command", "BEGINPLAY"}}), 1);
  Pump(mainClient);
  ASSERT_EQ(P::Take(restored.server), "command=BEGINPLAY");
  ASSERT_EQ(P::Build(restored.server, {{"command", "BEGINPLAYANSWER"}, {"answer", "ok"}}), 1);
  ASSERT_EQ(SendSavePoint(restored.server, kGame, &live, sizeof live), 1);
  ASSERT_EQ(P::Send(restored.client, {{"command", "ROLLDICE"}, {"BTN", "7"}, {"STE", "3"}, {"VAL", "0.000000"}}), 1);
  Pump(mainClient);
  ASSERT_EQ(ReadInt(kKeyNumBtns, 0), 1);
  EXPECT_EQ(ReadPress(0).button, 7);
}

}  // namespace

namespace {

std::vector<std::uint8_t> FileBytes(const char* path) {
  std::vector<std::uint8_t> bytes;
  if (std::FILE* f = std::fopen(path, "rb")) {
    int c;
    while ((c = std::fgetc(f)) != EOF) bytes.push_back(static_cast<std::uint8_t>(c));
    std::fclose(f);
  }
  return bytes;
}

TEST_F(SavedGameTest, GarbageAndHugeMessagesLeaveTheMainClientAndTheSavedGameWhole) {
  P craps("TestCraps");
  PlayToSavePoint(craps);
  ASSERT_EQ(SendSavePoint(craps.server, kGame, &record, sizeof record), 1);
  ASSERT_EQ(craps.server.SendPacket(), 1);
  Pump(mainClient);
  PlayRound(craps);
  const std::vector<std::uint8_t> saved = FileBytes("db_savef");
  ASSERT_FALSE(saved.empty());
  P other("TestOther");
  ASSERT_EQ(other.Connect(), 1);

  const unsigned seed = static_cast<unsigned>(std::random_device{}());
  std::printf("garbage seed %u\n", seed);
  std::mt19937 random(seed);
  // Connected programs, no window, and a window that does not exist.
  const plat::HWND senders[] = {craps.Window(), other.Window(), nullptr, reinterpret_cast<plat::HWND>(0x1234)};
  const std::uintptr_t kinds[] = {0, 1, 2, 3, 4, 5, 99, 0xFFFFFFFF};
  std::vector<std::uint8_t> payload;
  for (int i = 0; i < 3000; ++i) {
    payload.resize(random() % 300);
    for (std::uint8_t& b : payload) b = static_cast<std::uint8_t>(random());
    if (i % 7 == 0 && payload.size() >= sizeof(SavePointHead)) std::memcpy(payload.data(), "XX\0", 3);
    const plat::COPYDATASTRUCT data{kinds[random() % std::size(kinds)], static_cast<plat::DWORD>(payload.size()),
                                    (i % 50 == 0) ? nullptr : payload.data()};
    plat::SendMessage(mainClient.Window(), plat::WM_COPYDATA, plat::HandleToWParam(senders[random() % 4]),
                      reinterpret_cast<plat::LPARAM>(&data));
    if (i % 100 == 0) {
      P::Take(craps.server);
      Pump(mainClient);
    }
  }
  // Far beyond any packet: taken and dropped, never relayed or kept.
  std::vector<std::uint8_t> huge(3u << 20, 'a');
  for (std::uintptr_t kind : {1u, 2u, 4u}) {
    const plat::COPYDATASTRUCT data{kind, static_cast<plat::DWORD>(huge.size()), huge.data()};
    plat::SendMessage(mainClient.Window(), plat::WM_COPYDATA, plat::HandleToWParam(craps.Window()),
                      reinterpret_cast<plat::LPARAM>(&data));
  }
  Pump(mainClient);

  EXPECT_EQ(FileBytes("db_savef"), saved);
  EXPECT_EQ(plat::SendMessage(mainClient.Window(), plat::RegisterWindowMessage(kSingleMessageName), 5, 0), -3);
  EXPECT_EQ(mainClient.Balance(), 3000.0);
  P late("TestLate");
  ASSERT_EQ(late.Connect(), 1);
  ASSERT_EQ(P::Send(late.client, {{"command", "CLIENTINIT"}}), 1);
  Pump(mainClient);
  EXPECT_EQ(P::Take(late.server), "command=CLIENTINIT");
}

}  // namespace
