// A saved Keno record read back: the exact size and the record check refuse
// what the machine could not run and keep the live record; a round killed
// after SHOOT and restored from its save point draws the same numbers and
// leaves the same balance.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "framework/game/ServerFrame.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "framework/link/ServerRandom.h"
#include "platform/include/plat/headless.h"
#include "tests/pd/KenoServerHarness.h"
#include "tests/support/TempFolderFixture.h"
#include "tests/support/SavedServer.h"

namespace pd {
namespace {

// Each test reads and writes "db_savef" in a folder of its own.
class KenoRestore : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    plat::headless::ClearMessageBoxes();
  }

  // The record with the server's random stream, as the main client saves them.
  static void WriteRecord(const void* bytes, std::uint32_t size, std::uint32_t randomState = 1) {
    WriteSavedServer(kKenoGameCode, bytes, size, randomState);
  }


  // Load over a live record marked by its money: -1 and the live record kept.
  static void ExpectRefused(const void* bytes, std::uint32_t size, const char* box) {
    WriteRecord(bytes, size);
    KenoServerRecord live{};
    live.money = 42;
    EXPECT_EQ(KenoServerShell::Load(&live, kSavedGameUser, kKenoGameCode), -1);
    EXPECT_EQ(live.money, 42.0);
    EXPECT_EQ(live.state, 0);
    EXPECT_TRUE(BoxSaid(box));
  }
};

// A round saved at its save point after a settled one.
KenoServerRecord SavedRecord() {
  KenoServerRecord r{};
  r.state = kServerSendBeginPlay;
  std::strcpy(r.gameCode, kKenoGameCode);
  r.count = 3;
  r.stake = 5;
  r.picks[0] = 12;
  r.picks[4] = 80;
  r.picks[9] = 1;
  for (int i = 0; i < kKenoDrawn; ++i) r.drawn[i] = 4 * i + 1;
  r.money = 640;
  return r;
}

constexpr char kSizeBox[] = "GameServerLoad: size of data read is invalid (trying to load game data)";
constexpr char kStateBox[] = "GameServerLoad: state of data read is invalid (trying to load game data)";

TEST_F(KenoRestore, TheSavedRecordAndStreamComeBackWhole) {
  const KenoServerRecord saved = SavedRecord();
  WriteRecord(&saved, sizeof(saved), 123456);
  KenoServerRecord live{};
  EXPECT_EQ(KenoServerShell::Load(&live, kSavedGameUser, kKenoGameCode), 0);
  EXPECT_EQ(std::memcmp(&live, &saved, sizeof(live)), 0);
  EXPECT_EQ(ServerRandomState(), 123456u);
}

TEST_F(KenoRestore, RecordsOf183And185BytesAreRefused) {
  unsigned char bytes[kKenoServerRecordSize + 1] = {};
  const KenoServerRecord saved = SavedRecord();
  std::memcpy(bytes, &saved, sizeof(saved));
  for (std::uint32_t size : {kKenoServerRecordSize - 1, kKenoServerRecordSize + 1}) {
    SCOPED_TRACE(size);
    std::remove(kDbFileName);
    plat::headless::ClearMessageBoxes();
    ExpectRefused(bytes, size, kSizeBox);
  }
}

TEST_F(KenoRestore, RecordsTheMachineCannotRunAreRefused) {
  struct Fault {
    const char* what;
    void (*spoil)(KenoServerRecord&);
  };
  const Fault faults[] = {
      {"state 17", [](KenoServerRecord& r) { r.state = kKenoServerStates; }},
      {"count 11", [](KenoServerRecord& r) { r.count = 11; }},
      {"stake 3", [](KenoServerRecord& r) { r.stake = 3; }},
      {"pick repeated", [](KenoServerRecord& r) { r.picks[4] = 12; }},
      {"drawn 81", [](KenoServerRecord& r) { r.drawn[7] = 81; }},
  };
  for (const Fault& f : faults) {
    SCOPED_TRACE(f.what);
    std::remove(kDbFileName);
    plat::headless::ClearMessageBoxes();
    KenoServerRecord saved = SavedRecord();
    f.spoil(saved);
    ExpectRefused(&saved, sizeof(saved), kStateBox);
  }
}

TEST_F(KenoRestore, InitCopiesTheGameCodeOnlyWhenItFits) {
  KenoServerRecord* fits = KenoServerShell::New(kKenoGameCode);
  EXPECT_STREQ(fits->gameCode, "PD");
  EXPECT_EQ(fits->state, 0);
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
  KenoServerRecord* tooLong = KenoServerShell::New("ABCDEFGHIJKLMNOP");
  EXPECT_STREQ(tooLong->gameCode, "");
  EXPECT_TRUE(BoxSaid("ServerInit: gameName inputstring to long"));
  KenoServerShell::Free(fits);
  KenoServerShell::Free(tooLong);
}

// The round is played from its BEGINPLAY on the server's own stream, killed
// after SHOOTANSWER went out, and replayed from the save point (record,
// stream and the unsent BEGINPLAYANSWER) against the balance of that point.
TEST_F(KenoRestore, ARoundKilledAfterShootDrawsTheSameNumbersAgain) {
  const unsigned seed = std::random_device{}();
  std::printf("seed %u\n", seed);
  const std::string shoot = "command=SHOOT&BETLIST=10,1,5,10,15,20,25,30,35,40,45,50";
  std::string drawn;
  double settled = 0;
  KenoSavePoint savePoint{};
  {
    KenoServerHarness played(500, 0);
    SeedServerRandom(seed);
    played.OpenSession();
    ASSERT_EQ(played.savePoints.size(), 1u);
    savePoint = played.savePoints[0];
    drawn = played.Exchange(shoot);
    ASSERT_EQ(drawn.substr(0, 37), "command=SHOOTANSWER&answer=ok&WINLIST");
    settled = AccountBalance();
  }
  SeedServerRandom(seed + 1);  // the program started again
  WriteRecord(&savePoint.record, sizeof(savePoint.record), savePoint.randomState);
  KenoServerHarness restored(500, 0);
  ASSERT_EQ(KenoServerShell::Load(restored.record, kSavedGameUser, kKenoGameCode), 0);
  ASSERT_EQ(restored.record->state, kServerSendBeginPlay);
  ASSERT_EQ(game::AnswerOk(restored.comm, game::kBeginPlayAnswer), 1);
  ASSERT_EQ(game::AddMoneyTag(restored.comm, game::kMoneyAmountTag, 500), 1);
  EXPECT_EQ(restored.Frame(), 0);
  EXPECT_EQ(restored.transport->LastText(),
            "command=BEGINPLAYANSWER&answer=ok&MONEYAMOUNT=500.000000");
  EXPECT_EQ(restored.Exchange(shoot), drawn);
  EXPECT_EQ(AccountBalance(), settled);
  EXPECT_EQ(restored.Exchange("command=ENDPLAY"), "command=ENDPLAYANSWER&answer=ok");
}

}  // namespace
}  // namespace pd
