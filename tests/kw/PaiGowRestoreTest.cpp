// A saved Pai Gow server record read back: the exact size and the record
// check refuse what the machine could not run, and keep the live record.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "framework/link/ServerRandom.h"
#include "kw/Cards.h"
#include "kw/Deal.h"
#include "kw/PaiGowServer.h"
#include "kw/Showdown.h"
#include "platform/include/plat/headless.h"
#include "framework/link/SavedGameKeys.h"
#include "tests/support/SavedRecordFixture.h"

namespace kw {
namespace {

class PaiGowRestore : public SavedRecordTest {
 protected:
  static void WriteRecord(const void* bytes, std::uint32_t size) {
    WriteSavedServer(kPaiGowGameCode, bytes, size);
  }

  // Load over a live record marked by its bet: -1 and the live record kept.
  static void ExpectRefused(const PaiGowServerRecord& saved) {
    WriteRecord(&saved, sizeof(saved));
    PaiGowServerRecord live{};
    live.bet = 42;
    EXPECT_EQ(PaiGowServerShell::Load(&live, kSavedGameUser, kPaiGowGameCode), -1);
    EXPECT_EQ(live.bet, 42.0);
    EXPECT_EQ(live.state, 0);
  }
};

int Sevens() {
  static int n = 0;
  return n += 7;
}

// A round saved at its save point, with the cards dealt.
PaiGowServerRecord SavedRecord() {
  PaiGowServerRecord r{};
  std::strcpy(r.gameName, kPaiGowGameCode);
  r.state = kServerSendBeginPlay;
  r.minBet = 5;
  r.maxBet = 500;
  r.money = 1000;
  ShuffleAndDeal(&r, Sevens);
  DecodeCards(r.cards, &r);
  return r;
}

TEST_F(PaiGowRestore, TheSavedRecordReplacesTheRecordWhole) {
  const PaiGowServerRecord saved = SavedRecord();
  WriteRecord(&saved, sizeof(saved));
  PaiGowServerRecord live{};
  EXPECT_EQ(PaiGowServerShell::Load(&live, kSavedGameUser, kPaiGowGameCode), 0);
  EXPECT_EQ(std::memcmp(&live, &saved, sizeof(live)), 0);
}

TEST_F(PaiGowRestore, RecordsOf311And313BytesAreRefused) {
  unsigned char bytes[kPaiGowServerRecordSize + 1] = {};
  const PaiGowServerRecord saved = SavedRecord();
  std::memcpy(bytes, &saved, sizeof(saved));
  for (std::uint32_t size : {kPaiGowServerRecordSize - 1, kPaiGowServerRecordSize + 1}) {
    SCOPED_TRACE(size);
    plat::headless::ClearMessageBoxes();
    WriteRecord(bytes, size);
    PaiGowServerRecord live{};
    live.bet = 42;
    EXPECT_EQ(PaiGowServerShell::Load(&live, kSavedGameUser, kPaiGowGameCode), -1);
    EXPECT_EQ(live.bet, 42.0);
    EXPECT_TRUE(BoxSaid("GameServerLoad: size of data read is invalid (trying to load game data)"));
  }
}

TEST_F(PaiGowRestore, ARecordOutsideTheStatesIsRefused) {
  PaiGowServerRecord saved = SavedRecord();
  saved.state = kPaiGowServerStates;
  ExpectRefused(saved);
}

TEST_F(PaiGowRestore, ARecordOfANegativeStateIsRefused) {
  PaiGowServerRecord saved = SavedRecord();
  saved.state = -1;
  ExpectRefused(saved);
}

TEST_F(PaiGowRestore, ARecordDealingACardTwiceIsRefused) {
  PaiGowServerRecord saved = SavedRecord();
  saved.cards[9] = saved.cards[2];
  DecodeCards(saved.cards, &saved);
  ExpectRefused(saved);
}

TEST_F(PaiGowRestore, ARecordWithAnIdBeyondTheJokerIsRefused) {
  PaiGowServerRecord saved = SavedRecord();
  saved.cards[13] = kDeckWithJoker;
  ExpectRefused(saved);
}

TEST_F(PaiGowRestore, ARecordWhoseRanksDisagreeWithItsIdsIsRefused) {
  PaiGowServerRecord saved = SavedRecord();
  saved.dealerRanks[3] = saved.dealerRanks[3] == 2 ? 3 : 2;
  ExpectRefused(saved);
}

TEST_F(PaiGowRestore, ARecordWithASplitOutsideTheSevenCardsIsRefused) {
  PaiGowServerRecord saved = SavedRecord();
  saved.state = kServerShowdown;  // 0-based positions
  saved.secondHand[0] = 7;
  saved.secondHand[1] = 2;
  ExpectRefused(saved);
}

// A showdown record whose bet no table takes: a player win on both hands
// would credit 1,950,000.
TEST_F(PaiGowRestore, AShowdownWithABetAboveTheLimitIsRefused) {
  PaiGowServerRecord saved = SavedRecord();
  saved.state = kServerShowdown;
  saved.secondHand[0] = 0;
  saved.secondHand[1] = 1;
  saved.bet = 1000000;
  ExpectRefused(saved);
  saved.bet = INFINITY;
  ExpectRefused(saved);
  saved.bet = NAN;
  ExpectRefused(saved);
  saved.bet = 500;
  WriteRecord(&saved, sizeof(saved));
  PaiGowServerRecord live{};
  EXPECT_EQ(PaiGowServerShell::Load(&live, kSavedGameUser, kPaiGowGameCode), 0);
  EXPECT_EQ(live.bet, 500.0);
}

TEST_F(PaiGowRestore, AMissingRecordAnswersTheReadError) {
  PaiGowServerRecord live{};
  EXPECT_EQ(PaiGowServerShell::Load(&live, kSavedGameUser, kPaiGowGameCode), kDbNoRecord);
  EXPECT_TRUE(BoxSaid("GameServerLoad: dbRead returned error (trying to load game data)"));
}

TEST_F(PaiGowRestore, InitCopiesTheGameCodeOnlyWhenItFits) {
  PaiGowServerRecord* fits = PaiGowServerShell::New(kPaiGowGameCode);
  EXPECT_STREQ(fits->gameName, "KW");
  EXPECT_EQ(fits->state, 0);
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
  PaiGowServerRecord* tooLong = PaiGowServerShell::New("ABCDEFGHIJKLMNOP");
  EXPECT_STREQ(tooLong->gameName, "");
  EXPECT_TRUE(BoxSaid("ServerInit: gameName inputstring to long"));
  PaiGowServerShell::Free(fits);
  PaiGowServerShell::Free(tooLong);
}

}  // namespace
}  // namespace kw
