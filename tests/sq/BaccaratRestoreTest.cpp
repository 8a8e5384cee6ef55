// A saved Baccarat record read back: exactly 160 bytes of a record the
// machine can run, or refused with the record left as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "sq/BaccaratProtocol.h"
#include "sq/BaccaratServer.h"
#include "framework/link/SavedGameKeys.h"
#include "tests/support/SavedRecordFixture.h"

namespace sq {
namespace {

class BaccaratRestore : public SavedRecordTest {
 protected:
  static void WriteRecord(const void* bytes, std::uint32_t size) {
    WriteSavedServer(kBaccaratGameCode, bytes, size);
  }

  // Loads into a live record marked by its money; 0 or the load's error,
  // with the live record unchanged on an error.
  static int Load() {
    BaccaratServerRecord live{};
    live.money = 1234;
    const int result = BaccaratServerShell::Load(&live, kSavedGameUser, kBaccaratGameCode);
    if (result != 0) {
      EXPECT_EQ(live.money, 1234);
    }
    return result;
  }
};

BaccaratServerRecord SavedRecord() {
  BaccaratServerRecord r{};
  std::strcpy(r.gameCode, kBaccaratGameCode);
  r.state = kServerSendBeginPlay;
  r.minBet = 5;
  r.maxBet = 500;
  r.maxTable = 500;
  r.money = 250;
  for (int i = 0; i < kCoupCards; ++i) {
    r.cards[i] = 51 - 7 * i;
    r.points[i] = r.cards[i] % 13 + 2;
  }
  return r;
}

TEST_F(BaccaratRestore, TheSavedRecordReplacesTheRecordWhole) {
  const BaccaratServerRecord saved = SavedRecord();
  WriteRecord(&saved, sizeof(saved));
  BaccaratServerRecord live{};
  EXPECT_EQ(BaccaratServerShell::Load(&live, kSavedGameUser, kBaccaratGameCode), 0);
  EXPECT_EQ(std::memcmp(&live, &saved, sizeof(live)), 0);
}

TEST_F(BaccaratRestore, RecordsOfAByteLessOrMoreAreRefused) {
  unsigned char bytes[kBaccaratServerRecordSize + 1] = {};
  const BaccaratServerRecord saved = SavedRecord();
  std::memcpy(bytes, &saved, sizeof(saved));
  for (std::uint32_t size : {kBaccaratServerRecordSize - 1, kBaccaratServerRecordSize + 1}) {
    SCOPED_TRACE(size);
    plat::headless::ClearMessageBoxes();
    WriteRecord(bytes, size);
    EXPECT_EQ(Load(), -1);
    EXPECT_TRUE(
        BoxSaid("GameServerLoad: size of data read is invalid (trying to load game data)"));
  }
}

TEST_F(BaccaratRestore, AStateOutsideTheMachineIsRefused) {
  for (int state : {-1, int{kBaccaratServerStates}}) {
    BaccaratServerRecord saved = SavedRecord();
    saved.state = state;
    WriteRecord(&saved, sizeof(saved));
    EXPECT_EQ(Load(), -1) << state;
  }
}

TEST_F(BaccaratRestore, CardIdsOutsideTheDeckAreRefused) {
  for (int slot : {int{kPlayerFirst}, int{kBankerSecond}, int{kBankerThird}}) {
    for (int bad : {-1, 52}) {
      BaccaratServerRecord saved = SavedRecord();
      saved.cards[slot] = bad;
      WriteRecord(&saved, sizeof(saved));
      EXPECT_EQ(Load(), -1) << "slot " << slot << " id " << bad;
    }
  }
  BaccaratServerRecord played = SavedRecord();
  played.state = kServerWaitEndPlay;
  played.cards[kPlayerThird] = kNotDrawn;
  played.cards[kBankerThird] = kNotDrawn;
  WriteRecord(&played, sizeof(played));
  EXPECT_EQ(Load(), 0);
  played.cards[kPlayerFirst] = kNotDrawn;
  WriteRecord(&played, sizeof(played));
  EXPECT_EQ(Load(), -1);
}

// Points out of range would look the Banker's draw up outside its table;
// an amount that is not a number would reach the account.
TEST_F(BaccaratRestore, PointsOutOfRangeAndAmountsThatAreNoNumbersAreRefused) {
  for (int bad : {-1, 15, 1000000}) {
    BaccaratServerRecord saved = SavedRecord();
    saved.points[kPlayerThird] = bad;
    WriteRecord(&saved, sizeof(saved));
    EXPECT_EQ(Load(), -1) << bad;
  }
  using Alter = void (*)(BaccaratServerRecord&);
  const Alter alterations[] = {
      [](BaccaratServerRecord& r) { r.betPlayer = std::nan(""); },
      [](BaccaratServerRecord& r) { r.betTie = HUGE_VAL; },
      [](BaccaratServerRecord& r) { r.win = -HUGE_VAL; },
      [](BaccaratServerRecord& r) { r.money = std::nan(""); },
      [](BaccaratServerRecord& r) { r.maxTable = std::nan(""); },
  };
  int index = 0;
  for (Alter alter : alterations) {
    BaccaratServerRecord saved = SavedRecord();
    alter(saved);
    WriteRecord(&saved, sizeof(saved));
    EXPECT_EQ(Load(), -1) << index++;
  }
  // Point values after the coup, 0 to 9, stay.
  BaccaratServerRecord played = SavedRecord();
  played.state = kServerWaitEndPlay;
  for (int i = 0; i < kCoupCards; ++i) played.points[i] = i;
  WriteRecord(&played, sizeof(played));
  EXPECT_EQ(Load(), 0);
}

BaccaratServerRecord SavedCoup() {
  BaccaratServerRecord r{};
  r.state = 3;
  r.minBet = 5;
  r.maxBet = 500;
  r.maxTable = 500;
  const std::int32_t cards[kCoupCards] = {51, 0, 17, 30, 44, 8};
  for (int i = 0; i < kCoupCards; ++i) r.cards[i] = cards[i];
  return r;
}

TEST(IsBaccaratServerRecord, StatesAndCardIds) {
  EXPECT_EQ(IsBaccaratServerRecord(BaccaratServerRecord{}), 1);
  EXPECT_EQ(IsBaccaratServerRecord(SavedCoup()), 1);
  BaccaratServerRecord r = SavedCoup();
  r.state = 20;
  EXPECT_EQ(IsBaccaratServerRecord(r), 1);
  r.state = 21;
  EXPECT_EQ(IsBaccaratServerRecord(r), 0);
  r.state = -1;
  EXPECT_EQ(IsBaccaratServerRecord(r), 0);
  for (int slot = 0; slot < kCoupCards; ++slot) {
    for (std::int32_t id : {-1, 52, 99, 101}) {
      r = SavedCoup();
      r.cards[slot] = id;
      EXPECT_EQ(IsBaccaratServerRecord(r), 0) << "slot " << slot << " id " << id;
    }
    r = SavedCoup();
    r.cards[slot] = kNotDrawn;
    const bool thirdCard = slot == kPlayerThird || slot == kBankerThird;
    EXPECT_EQ(IsBaccaratServerRecord(r), thirdCard ? 1 : 0) << "slot " << slot;
  }
}

// Stakes a DEAL could carry under the table's limits: each 0 or 5 to 500,
// 500 together.
TEST_F(BaccaratRestore, StakesAboveTheLimitsAreRefused) {
  using Alter = void (*)(BaccaratServerRecord&);
  const Alter alterations[] = {
      [](BaccaratServerRecord& r) { r.betPlayer = 1000000; },
      [](BaccaratServerRecord& r) { r.betBanker = 501; },
      [](BaccaratServerRecord& r) { r.betTie = 4; },
      [](BaccaratServerRecord& r) { r.betPlayer = -5; },
      [](BaccaratServerRecord& r) { r.betPlayer = r.betBanker = 300; },
      [](BaccaratServerRecord& r) { r.maxTable = 1000000; },
      [](BaccaratServerRecord& r) { r.minBet = 1; },
      [](BaccaratServerRecord& r) { r.minBet = r.maxBet = r.maxTable = 0; },
  };
  int index = 0;
  for (Alter alter : alterations) {
    BaccaratServerRecord saved = SavedRecord();
    saved.state = kServerSettle;
    alter(saved);
    WriteRecord(&saved, sizeof(saved));
    EXPECT_EQ(Load(), -1) << index++;
  }
  BaccaratServerRecord saved = SavedRecord();
  saved.state = kServerSettle;
  saved.betPlayer = 300;
  saved.betTie = 200;
  WriteRecord(&saved, sizeof(saved));
  EXPECT_EQ(Load(), 0);
}

TEST(IsBaccaratServerRecord, LimitsAreZeroOnlyBeforeCLIENTINITWasTaken) {
  BaccaratServerRecord r = SavedCoup();
  r.minBet = r.maxBet = r.maxTable = 0;
  for (int state = 0; state < kBaccaratServerStates; ++state) {
    r.state = state;
    const bool notRead = state == kServerWaitClientInit || state == kServerSendFailure ||
                         state == kServerFailed;
    EXPECT_EQ(IsBaccaratServerRecord(r), notRead ? 1 : 0) << state;
  }
  r.state = kServerWaitClientInit;
  r.betBanker = 5;
  EXPECT_EQ(IsBaccaratServerRecord(r), 0) << "a stake with no limits read";
}

}  // namespace
}  // namespace sq
