// A saved Black Jack record read back: the exact size, the record check,
// and a game that goes on from the restored record with its deck.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "framework/link/Db.h"
#include "framework/link/SavedGameKeys.h"
#include "framework/link/ServerRandom.h"
#include "hx/BlackJackServer.h"
#include "platform/include/plat/headless.h"
#include "tests/support/TempFolder.h"
#include "tests/hx/BlackJackHarness.h"
#include "tests/support/SavedServer.h"

namespace hx {
namespace {

// Each test reads and writes "db_savef" in a folder of its own.
class BlackJackRestore : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(folder_.Enter(), 1);
    plat::headless::ClearMessageBoxes();
  }

  // The record with the server's random stream, as the main client saves them.
  static void WriteRecord(const BlackJackServerRecord& r, std::uint32_t size) {
    WriteSavedServer(kBlackJackGameCode, &r, size);
  }

 private:
  TempFolder folder_;
};

// Waiting for the player's action: 10 and 6 against a 7, 10 held.
BlackJackServerRecord SavedRecord() {
  BlackJackServerRecord r{};
  std::strcpy(r.gameCode, kBlackJackGameCode);
  r.state = kServerWaitAction;
  r.minBet = 5;
  r.maxBet = 500;
  r.bet = 10;
  r.stakes[kStakeFirstHand] = 10;
  CardListAdd(r.current, 0, 10);
  CardListAdd(r.current, 1, 6);
  CardListAdd(r.dealer, 2, 7);
  for (int value = 1; value <= 5; ++value) CardListAdd(r.deck, 3, value);  // 5 on top
  return r;
}

TEST_F(BlackJackRestore, OnlyARecordOfExactlyItsSizeIsTaken) {
  const BlackJackServerRecord saved = SavedRecord();
  for (std::uint32_t size : {2623u, 2625u}) {
    std::remove(kDbFileName);
    unsigned char bytes[2625] = {};
    std::memcpy(bytes, &saved, sizeof(saved));
    ASSERT_EQ(dbWrite(kSavedGameUser, kBlackJackGameCode, "HXDATA", 0, bytes, size), 0);
    BlackJackServerRecord live{};
    live.state = 4;
    EXPECT_EQ(BlackJackServerShell::Load(&live, kSavedGameUser, kBlackJackGameCode), -1) << size;
    EXPECT_EQ(live.state, 4);
  }
  std::remove(kDbFileName);
  WriteRecord(saved, sizeof(saved));
  BlackJackServerRecord live{};
  EXPECT_EQ(BlackJackServerShell::Load(&live, kSavedGameUser, kBlackJackGameCode), 0);
  EXPECT_EQ(std::memcmp(&live, &saved, sizeof(live)), 0);
}

// Waiting for the dealer: 10 and 10 stood against a 7, a 10 on top of the
// deck; the dealer's 17 pays the hand 2 x its stake.
BlackJackServerRecord StoodAgainstASeven(double bet) {
  BlackJackServerRecord r = SavedRecord();
  r.state = kServerWaitDealerCards;
  r.bet = bet;
  r.stakes[kStakeFirstHand] = bet;
  r.current.count = 0;
  CardListAdd(r.firstHand, 0, 10);
  CardListAdd(r.firstHand, 1, 10);
  CardListAdd(r.deck, 2, 10);
  return r;
}

// Restored, the 1,000,000 hand would be credited 1,000,000; the table's
// 500 is credited 500.
TEST_F(BlackJackRestore, AHandStakedAboveTheLimitIsRefused) {
  BlackJackHarness s(3000);
  WriteRecord(StoodAgainstASeven(1000000), sizeof(BlackJackServerRecord));
  EXPECT_EQ(BlackJackServerShell::Load(s.record, kSavedGameUser, kBlackJackGameCode), -1);
  EXPECT_EQ(s.record->state, 0);
  WriteRecord(StoodAgainstASeven(500), sizeof(BlackJackServerRecord));
  ASSERT_EQ(BlackJackServerShell::Load(s.record, kSavedGameUser, kBlackJackGameCode), 0);
  EXPECT_NE(s.Exchange("command=WANTDEALERCARDS").find("&WINFLAG1=WIN&"), std::string::npos);
  EXPECT_EQ(AccountBalance(), 3500);
}

TEST_F(BlackJackRestore, ARecordTheMachineCannotRunIsRefused) {
  BlackJackServerRecord saved = SavedRecord();
  saved.current.cards[1].value = 14;
  WriteRecord(saved, sizeof(saved));
  BlackJackServerRecord live{};
  EXPECT_EQ(BlackJackServerShell::Load(&live, kSavedGameUser, kBlackJackGameCode), -1);
  EXPECT_EQ(live.state, 0);
}

TEST_F(BlackJackRestore, TheGameGoesOnFromTheRestoredRecord) {
  WriteRecord(SavedRecord(), sizeof(BlackJackServerRecord));
  BlackJackHarness s(1000);
  ASSERT_EQ(BlackJackServerShell::Load(s.record, kSavedGameUser, kBlackJackGameCode), 0);
  EXPECT_EQ(s.Exchange("command=PLAYERHIT"),
            "command=PLAYERHITANSWER&answer=ok&PLAYERCARD=&TYPE=SPADE&VALUE=5");
  EXPECT_EQ(s.Exchange("command=PLAYERSTAND"), "command=PLAYERSTANDANSWER&answer=ok");
  // 21 against a 7 that draws 4, 3, 2 and an ace counted 1: 17.
  EXPECT_NE(s.Exchange("command=WANTDEALERCARDS").find("&WINFLAG1=WIN&"), std::string::npos);
  EXPECT_EQ(AccountBalance(), 1010);
}

}  // namespace
}  // namespace hx
