// A saved Craps game read back: the exact size check of the stored record
// and a whole restore through the packet playback.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dq/CrapsServer.h"
#include "framework/link/Db.h"
#include "framework/link/PlaybackServer.h"
#include "framework/link/Restore.h"
#include "framework/link/ServerRandom.h"
#include "tests/dq/ServerHarness.h"
#include "tests/support/TempFolderFixture.h"
#include "platform/include/plat/headless.h"
#include "tests/support/SavedServer.h"

namespace dq {
namespace {

// Each test reads and writes "db_savef" in a folder of its own.
class CrapsRestore : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    plat::headless::ClearMessageBoxes();
  }
  void TearDown() override {
    gPacketPlaybackServer.Clear();
    gBtnPlaybackServer.Clear();
  }

  static void WriteInt(const char* key, int index, int value) {
    unsigned char bytes[4];
    DbPutU32(bytes, static_cast<std::uint32_t>(value));
    ASSERT_EQ(dbWrite(kSavedGameUser, kCrapsGameCode, key, index, bytes, 4), 0);
  }

  // The record with the server's random stream, as the main client saves
  // them; a record written before is replaced (a read finds the first).
  static void WriteRecord(const CrapsServerRecord& r, std::uint32_t size) {
    dbRemove(kSavedGameUser, kCrapsGameCode, "DQDATA", 0, 1);
    ASSERT_EQ(dbWrite(kSavedGameUser, kCrapsGameCode, "DQDATA", 0, &r, size), 0);
    WriteInt(kKeyServerRandom, 0, 1);
  }


 private:
};

CrapsServerRecord SavedRecord() {
  CrapsServerRecord r{};
  r.state = kServerWaitRollOrQuit;
  std::strcpy(r.gameCode, kCrapsGameCode);
  r.minBet = 5;
  r.maxBet = 500;
  r.minBetProp = 1;
  r.maxTable = 500;
  r.maxOdds = 3;
  r.comeOut = 1;
  r.dice[0] = 6;
  r.dice[1] = 6;
  return r;
}

TEST_F(CrapsRestore, TheSavedRecordReplacesTheRecordWhole) {
  CrapsServerRecord saved = SavedRecord();
  saved.point = 9;
  WriteRecord(saved, sizeof(saved));
  CrapsServerRecord live{};
  EXPECT_EQ(CrapsServerShell::Load(&live, kSavedGameUser, kCrapsGameCode), 0);
  EXPECT_EQ(std::memcmp(&live, &saved, sizeof(live)), 0);
}

TEST_F(CrapsRestore, ARecordOfAnotherSizeIsRefused) {
  CrapsServerRecord saved = SavedRecord();
  WriteRecord(saved, sizeof(saved) - 1);
  CrapsServerRecord live{};
  live.point = 4;
  EXPECT_EQ(CrapsServerShell::Load(&live, kSavedGameUser, kCrapsGameCode), -1);
  EXPECT_EQ(live.point, 4);
  EXPECT_TRUE(BoxSaid("GameServerLoad: size of data read is invalid (trying to load game data)"));
}

TEST_F(CrapsRestore, AMissingRecordAnswersTheReadError) {
  CrapsServerRecord live{};
  EXPECT_EQ(CrapsServerShell::Load(&live, kSavedGameUser, kCrapsGameCode), kDbNoRecord);
  EXPECT_TRUE(BoxSaid("GameServerLoad: dbRead returned error (trying to load game data)"));
}

TEST_F(CrapsRestore, ARecordInNoStateOfTheMachineIsRefused) {
  CrapsServerRecord saved = SavedRecord();
  saved.state = kServerUnused;
  WriteRecord(saved, sizeof(saved));
  CrapsServerRecord live{};
  EXPECT_EQ(CrapsServerShell::Load(&live, kSavedGameUser, kCrapsGameCode), -1);
  EXPECT_EQ(live.state, 0);
}

// An altered or damaged record: a die, point or come point out of range
// would index outside the settlement's tables, and an amount that is not a
// number would reach the account.
TEST_F(CrapsRestore, ARecordNoPlayedRoundCanHoldIsRefused) {
  using Alter = void (*)(CrapsServerRecord&);
  const Alter alterations[] = {
      [](CrapsServerRecord& r) { r.dice[0] = 7; },
      [](CrapsServerRecord& r) { r.dice[1] = -1; },
      [](CrapsServerRecord& r) { r.previousDice[0] = 50; },
      [](CrapsServerRecord& r) { r.point = 7; },
      [](CrapsServerRecord& r) { r.point = 100; },
      [](CrapsServerRecord& r) { r.comeOut = 2; },
      [](CrapsServerRecord& r) { r.comePoints[3] = 2; },
      [](CrapsServerRecord& r) { r.dontComePoints[11] = -1; },
      [](CrapsServerRecord& r) { r.bets[0] = std::nanf(""); },
      [](CrapsServerRecord& r) { r.previousBets[5] = HUGE_VALF; },
      [](CrapsServerRecord& r) { r.results[2] = std::nanf(""); },
      [](CrapsServerRecord& r) { r.maxBet = HUGE_VAL; },
      [](CrapsServerRecord& r) { r.balance = std::nan(""); },
      [](CrapsServerRecord& r) { r.won = -HUGE_VALF; },
  };
  int index = 0;
  for (Alter alter : alterations) {
    CrapsServerRecord saved = SavedRecord();
    alter(saved);
    WriteRecord(saved, sizeof(saved));
    CrapsServerRecord live{};
    live.point = 4;
    EXPECT_EQ(CrapsServerShell::Load(&live, kSavedGameUser, kCrapsGameCode), -1) << index;
    EXPECT_EQ(live.point, 4) << index;
    ++index;
  }
  // Before the first roll and on a point with a come point standing.
  CrapsServerRecord fresh = SavedRecord();
  fresh.dice[0] = fresh.dice[1] = 0;
  WriteRecord(fresh, sizeof(fresh));
  CrapsServerRecord live{};
  EXPECT_EQ(CrapsServerShell::Load(&live, kSavedGameUser, kCrapsGameCode), 0);
  CrapsServerRecord onPoint = SavedRecord();
  onPoint.point = 10;
  onPoint.comeOut = 0;
  onPoint.comePoints[5] = 1;
  onPoint.bets[0] = 25;
  WriteRecord(onPoint, sizeof(onPoint));
  EXPECT_EQ(CrapsServerShell::Load(&live, kSavedGameUser, kCrapsGameCode), 0);
  EXPECT_EQ(std::memcmp(&live, &onPoint, sizeof(live)), 0);
}

TEST_F(CrapsRestore, ARestoredGameGoesOnWithItsSavedDice) {
  const char logged[] = "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=1000.000000";
  unsigned char block[sizeof(logged) + 4];
  DbPutU32(block, sizeof(logged));
  std::memcpy(block + 4, logged, sizeof(logged));
  WriteInt("EXISTANCEFLAG", 0, 2);
  WriteInt("NUMBTNS", 0, 0);
  WriteInt("NUMPCKS", 0, 1);
  ASSERT_EQ(dbWrite(kSavedGameUser, kCrapsGameCode, "PKTLOG", 0, block, sizeof(block)), 0);
  WriteInt("COMM", 2, 0);
  WriteInt("COMM", 3, kSendFree);
  WriteInt("COMM", 4, kRecvEmpty);
  WriteInt("COMM", 5, 0);
  WriteRecord(SavedRecord(), sizeof(CrapsServerRecord));

  ServerHarness s;
  CComm clientEnd;
  clientEnd.Init("clientout.log", "clientin.log");
  InstallPlaybackHooks(s.comm, clientEnd, {kCrapsGameCode, CrapsServerShell::Load,
                                         CrapsServerShell::RemoveHook<GameServerOnRemove>});
  ASSERT_EQ(LoadSavedGame(s.record, s.comm, kSavedGameUser), 0);
  ASSERT_TRUE(gPacketPlaybackServer.IsActive());

  ASSERT_EQ(s.comm.OnDataReceived("command=BEGINPLAY", 18), 1);
  for (int frame = 0; frame < 10 && gPacketPlaybackServer.IsActive(); ++frame) {
    EXPECT_EQ(CrapsServerShell::Playback(s.comm, s.record, kSavedGameUser), 0);
  }
  EXPECT_FALSE(gPacketPlaybackServer.IsActive());
  ASSERT_EQ(s.transport->sent.size(), 1u);
  EXPECT_EQ(s.transport->Text(0), std::string(logged) + "&PLAYBACKDONE=");
  EXPECT_EQ(s.record->state, kServerWaitRollOrQuit);
  EXPECT_TRUE(BoxSaid("Event data loaded (part 2)"));

  EXPECT_EQ(s.Exchange("command=ROLLDICE&BET=3210.00$#0000"), "command=BETANSWER&answer=ok");
  EXPECT_EQ(s.Exchange("command=SENDRESULT&RESULT="),
            "command=BETDATA&answer=ok&RESULT=3230.000000$#6,6,0,1,0,0,0,0,0,0,0,0,0,0,0,0");
}

}  // namespace
}  // namespace dq
