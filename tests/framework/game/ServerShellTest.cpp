// The shared server shell over a record of its own: the code copied at its
// offset, the exact size and the record check of a saved record, and the
// server's random stream taken back with it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "framework/game/ServerShell.h"
#include "framework/link/Db.h"
#include "framework/link/Restore.h"
#include "framework/link/ServerRandom.h"
#include "platform/include/plat/headless.h"
#include "tests/framework/link/TempDir.h"

namespace game {
namespace {

// A card-game layout: the code first, the state after it.
struct CardRecord {
  char gameCode[16];
  std::int32_t state;
  std::int32_t cards[5];
};
static_assert(sizeof(CardRecord) == 40);

int IsCardRecord(const CardRecord& r) { return r.state >= 0 && r.state < 4; }

using CardShell = CServerShell<CardRecord, 0, IsCardRecord>;

// The Craps layout: the state first, the code at offset 4.
struct StateFirstRecord {
  std::int32_t state;
  char gameCode[16];
};

int AnyState(const StateFirstRecord&) { return 1; }

using StateFirstShell = CServerShell<StateFirstRecord, 4, AnyState>;

class ServerShell : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    plat::headless::ClearMessageBoxes();
  }

  static void Save(const void* data, std::uint32_t size, std::uint32_t randomState) {
    ASSERT_EQ(dbWrite(kSavedGameUser, "HX", "HXDATA", 0, data, size), kDbOk);
    unsigned char bytes[4];
    DbPutU32(bytes, randomState);
    ASSERT_EQ(dbWrite(kSavedGameUser, "HX", kKeyServerRandom, 0, bytes, 4), kDbOk);
  }

  static std::string LastBox() {
    const auto& boxes = plat::headless::MessageBoxes();
    return boxes.empty() ? std::string() : boxes.back().text;
  }

  static CardRecord Saved() {
    CardRecord r{};
    std::strcpy(r.gameCode, "HX");
    r.state = 3;
    for (int i = 0; i < 5; ++i) r.cards[i] = 10 + i;
    return r;
  }
};

TEST_F(ServerShell, TheRecordStartsZeroedWithTheCodeAtItsOffset) {
  CardRecord* card = CardShell::New("HX");
  ASSERT_NE(card, nullptr);
  EXPECT_STREQ(card->gameCode, "HX");
  EXPECT_EQ(card->state, 0);
  CardShell::Free(card);

  auto* stateFirst = static_cast<StateFirstRecord*>(StateFirstShell::Init("DQ"));
  ASSERT_NE(stateFirst, nullptr);
  EXPECT_EQ(stateFirst->state, 0);
  EXPECT_STREQ(stateFirst->gameCode, "DQ");
  StateFirstShell::Free(stateFirst);
}

TEST_F(ServerShell, AFifteenLetterCodeIsKeptAndASixteenLetterOneRefused) {
  CardRecord* fits = CardShell::New("ABCDEFGHIJKLMNO");
  EXPECT_STREQ(fits->gameCode, "ABCDEFGHIJKLMNO");
  EXPECT_TRUE(plat::headless::MessageBoxes().empty());
  CardRecord* tooLong = CardShell::New("ABCDEFGHIJKLMNOP");
  EXPECT_STREQ(tooLong->gameCode, "");
  EXPECT_NE(LastBox().find("ServerInit: gameName inputstring to long"), std::string::npos);
  CardShell::Free(fits);
  CardShell::Free(tooLong);
}

TEST_F(ServerShell, ASavedRecordOfTheExactSizeReplacesRecordAndStream) {
  const CardRecord saved = Saved();
  Save(&saved, sizeof saved, 12345u);
  SetServerRandomState(1);
  CardRecord live{};
  ASSERT_EQ(CardShell::Load(&live, kSavedGameUser, "HX"), 0);
  EXPECT_EQ(std::memcmp(&live, &saved, sizeof live), 0);
  EXPECT_EQ(ServerRandomState(), 12345u);
}

TEST_F(ServerShell, ARecordOneByteShortOrLongIsRefusedAndNothingChanges) {
  for (const std::uint32_t size : {static_cast<std::uint32_t>(sizeof(CardRecord) - 1),
                                   static_cast<std::uint32_t>(sizeof(CardRecord) + 1)}) {
    std::vector<unsigned char> bytes(sizeof(CardRecord) + 1, 0x11);
    const CardRecord saved = Saved();
    std::memcpy(bytes.data(), &saved, sizeof saved);
    Save(bytes.data(), size, 999u);
    SetServerRandomState(5);
    CardRecord live{};
    live.state = 2;
    EXPECT_EQ(CardShell::Load(&live, kSavedGameUser, "HX"), -1) << size;
    EXPECT_EQ(live.state, 2);
    EXPECT_EQ(ServerRandomState(), 5u);
    EXPECT_NE(LastBox().find("GameServerLoad: size of data read is invalid (trying to load game data)"),
              std::string::npos);
  }
}

TEST_F(ServerShell, ARecordTheCheckRefusesLeavesTheRecordAsItWas) {
  CardRecord saved = Saved();
  saved.state = 9;
  Save(&saved, sizeof saved, 999u);
  CardRecord live{};
  live.state = 1;
  EXPECT_EQ(CardShell::Load(&live, kSavedGameUser, "HX"), -1);
  EXPECT_EQ(live.state, 1);
  EXPECT_NE(LastBox().find("GameServerLoad: state of data read is invalid"), std::string::npos);
}

TEST_F(ServerShell, AMissingRecordAnswersTheReadError) {
  CardRecord live{};
  EXPECT_EQ(CardShell::Load(&live, kSavedGameUser, "HX"), kDbNoRecord);
  EXPECT_NE(LastBox().find("GameServerLoad: dbRead returned error (trying to load game data)"),
            std::string::npos);
}

TEST_F(ServerShell, ARecordWithoutItsRandomStreamIsNotTakenBack) {
  const CardRecord saved = Saved();
  ASSERT_EQ(dbWrite(kSavedGameUser, "HX", "HXDATA", 0, &saved, sizeof saved), kDbOk);
  CardRecord live{};
  EXPECT_EQ(CardShell::Load(&live, kSavedGameUser, "HX"), kDbNoRecord);
  EXPECT_EQ(live.state, 0);
}

}  // namespace
}  // namespace game
