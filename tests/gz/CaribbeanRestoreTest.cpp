// A saved Caribbean Poker record read back: exactly 408 bytes of a record
// the machine can run, or refused with the record left as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "gz/CaribbeanProtocol.h"
#include "gz/CaribbeanServer.h"
#include "framework/link/SavedGameKeys.h"
#include "tests/gz/CaribbeanHarness.h"
#include "tests/support/SavedRecordFixture.h"
#include "tests/support/ServerHarness.h"

namespace gz {
namespace {

class CaribbeanRestore : public SavedRecordTest {
 protected:
  static void WriteRecord(const void* bytes, std::uint32_t size) {
    WriteSavedServer(kCaribbeanGameCode, bytes, size);
  }

  // Loads into a live record marked by its money; 0 or the load's error,
  // with the live record unchanged on an error.
  static int Load(CaribbeanServerRecord* live) {
    *live = CaribbeanServerRecord{};
    live->money = 1234;
    const int result = CaribbeanServerShell::Load(live, kSavedGameUser, kCaribbeanGameCode);
    if (result != 0) {
      EXPECT_EQ(live->money, 1234);
    }
    return result;
  }
};

CaribbeanServerRecord SavedRecord() {
  CaribbeanServerRecord r{};
  std::strcpy(r.gameCode, kCaribbeanGameCode);
  r.state = kServerSendBeginPlay;
  r.minAnte = 5;
  r.maxAnte = 500;
  r.money = 250;
  for (int i = 0; i < kDealtCards; ++i) r.cards[i] = 51 - 5 * i;
  return r;
}

TEST_F(CaribbeanRestore, TheSavedRecordReplacesTheRecordWhole) {
  const CaribbeanServerRecord saved = SavedRecord();
  WriteRecord(&saved, sizeof(saved));
  CaribbeanServerRecord live;
  EXPECT_EQ(Load(&live), 0);
  EXPECT_EQ(std::memcmp(&live, &saved, sizeof(live)), 0);
}

TEST_F(CaribbeanRestore, RecordsOfAByteLessOrMoreAreRefused) {
  unsigned char bytes[kCaribbeanServerRecordSize + 1] = {};
  const CaribbeanServerRecord saved = SavedRecord();
  std::memcpy(bytes, &saved, sizeof(saved));
  for (std::uint32_t size : {kCaribbeanServerRecordSize - 1, kCaribbeanServerRecordSize + 1}) {
    SCOPED_TRACE(size);
    plat::headless::ClearMessageBoxes();
    WriteRecord(bytes, size);
    CaribbeanServerRecord live;
    EXPECT_EQ(Load(&live), -1);
    EXPECT_TRUE(
        BoxSaid("GameServerLoad: size of data read is invalid (trying to load game data)"));
  }
}

TEST_F(CaribbeanRestore, AStateOutsideTheMachineIsRefused) {
  for (int state : {-1, int{kCaribbeanServerStates}}) {
    CaribbeanServerRecord saved = SavedRecord();
    saved.state = state;
    WriteRecord(&saved, sizeof(saved));
    CaribbeanServerRecord live;
    EXPECT_EQ(Load(&live), -1) << state;
  }
}

TEST_F(CaribbeanRestore, ADealtHandMustBeTenDistinctCards) {
  for (int bad : {-1, 52}) {
    CaribbeanServerRecord saved = SavedRecord();
    saved.cards[3] = bad;
    WriteRecord(&saved, sizeof(saved));
    CaribbeanServerRecord live;
    EXPECT_EQ(Load(&live), -1) << bad;
  }
  CaribbeanServerRecord twice = SavedRecord();
  twice.cards[9] = twice.cards[0];
  WriteRecord(&twice, sizeof(twice));
  CaribbeanServerRecord live;
  EXPECT_EQ(Load(&live), -1);
}

TEST(CaribbeanRecordCheck, OnlyTheStatesOfAnOpenHandNeedItsCards) {
  CaribbeanServerRecord r{};
  r.minAnte = 5;
  r.maxAnte = 500;
  for (int state = 0; state < kCaribbeanServerStates; ++state) {
    r.state = state;
    const bool handOpen = state >= kServerSendBeginPlay && state <= kServerSendSecondCards;
    EXPECT_EQ(IsCaribbeanServerRecord(r), handOpen ? 0 : 1) << state;
  }
}

// A settling hand whose ante no table takes: a royal flush against a
// qualifying dealer would credit 2 x 1,000,000 + 50,000.
CaribbeanServerRecord RoyalAtSettle(double ante) {
  CaribbeanServerRecord r = SavedRecord();
  r.state = kServerSettle;
  r.money = 3000 - ante;
  r.ante = ante;
  const int cards[kDealtCards] = {8, 9, 10, 11, 12, 25, 37, 14, 28, 45};
  std::memcpy(r.cards, cards, sizeof(cards));
  return r;
}

TEST_F(CaribbeanRestore, ASettlingHandWithAnAnteAboveTheLimitIsRefused) {
  const CaribbeanServerRecord crafted = RoyalAtSettle(1000000);
  WriteRecord(&crafted, sizeof(crafted));
  CaribbeanServerRecord live;
  EXPECT_EQ(Load(&live), -1);
  EXPECT_TRUE(BoxSaid("GameServerLoad: state of data read is invalid (trying to load game data)"));

  const CaribbeanServerRecord played = RoyalAtSettle(500);
  WriteRecord(&played, sizeof(played));
  EXPECT_EQ(Load(&live), 0);
  EXPECT_EQ(live.ante, 500);
}

// The settlement such a record would run: the account of 3,000 would end
// at 2,053,000; the same hand at the table's 500 credits 51,000.
TEST_F(CaribbeanRestore, ARestoredSettlementPaysNoMoreThanAHandAtTheLimit) {
  CaribbeanHarness s(3000);
  const CaribbeanServerRecord crafted = RoyalAtSettle(1000000);
  WriteRecord(&crafted, sizeof(crafted));
  EXPECT_EQ(CaribbeanServerShell::Load(s.record, kSavedGameUser, kCaribbeanGameCode), -1);
  s.Frame();
  EXPECT_EQ(AccountBalance(), 3000);

  const CaribbeanServerRecord played = RoyalAtSettle(500);
  WriteRecord(&played, sizeof(played));
  ASSERT_EQ(CaribbeanServerShell::Load(s.record, kSavedGameUser, kCaribbeanGameCode), 0);
  s.Frame();
  EXPECT_EQ(s.record->state, kServerSendSecondCards);
  EXPECT_EQ(AccountBalance(), 3000 + 51000);
}

TEST(CaribbeanRecordCheck, LimitsAreTheTablesOrNotReadYet) {
  CaribbeanServerRecord r = SavedRecord();
  r.minAnte = 1;
  EXPECT_EQ(IsCaribbeanServerRecord(r), 0);
  r.minAnte = 5;
  r.maxAnte = std::nan("");
  EXPECT_EQ(IsCaribbeanServerRecord(r), 0);
  r = CaribbeanServerRecord{};
  for (int state = 0; state < kCaribbeanServerStates; ++state) {
    r.state = state;
    const bool notRead = state == kServerWaitClientInit || state == kServerSendFailure ||
                         state == kServerFailed;
    EXPECT_EQ(IsCaribbeanServerRecord(r), notRead ? 1 : 0) << state;
  }
}

TEST(CaribbeanRecordCheck, TheAnteTheCallBetTheWinAndTheMoneyOfARound) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double ante : {0.0, 5.0, 500.0}) {
    CaribbeanServerRecord r = RoyalAtSettle(ante);
    EXPECT_EQ(IsCaribbeanServerRecord(r), 1) << ante;
    r.callBet = 2 * ante;
    EXPECT_EQ(IsCaribbeanServerRecord(r), 1) << ante;
  }
  for (double ante : {4.99, 500.01, -5.0, inf, std::nan("")}) {
    EXPECT_EQ(IsCaribbeanServerRecord(RoyalAtSettle(ante)), 0) << ante;
  }
  CaribbeanServerRecord r = RoyalAtSettle(100);
  for (double call : {100.0, 300.0, -200.0, std::nan("")}) {
    r.callBet = call;
    EXPECT_EQ(IsCaribbeanServerRecord(r), 0) << call;
  }
  r.callBet = 200;
  r.win = 51000;
  EXPECT_EQ(IsCaribbeanServerRecord(r), 1);
  for (double bad : {-1.0, inf, std::nan("")}) {
    r.win = bad;
    EXPECT_EQ(IsCaribbeanServerRecord(r), 0) << bad;
    r.win = 0;
    r.money = bad;
    EXPECT_EQ(IsCaribbeanServerRecord(r), 0) << bad;
    r.money = 250;
  }
}

}  // namespace
}  // namespace gz
