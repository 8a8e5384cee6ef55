// The stored record: its offsets as the saved games hold them, and a saved
// record read back only when it is exactly 552 bytes the machine can run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "framework/link/Db.h"
#include "framework/link/SavedGameKeys.h"
#include "platform/include/plat/headless.h"
#include "framework/game/ServerFrame.h"
#include "mz/VideoPokerServer.h"
#include "tests/mz/VideoPokerHarness.h"
#include "tests/support/TempFolderFixture.h"
#include "tests/support/SavedServer.h"

namespace mz {
namespace {

static_assert(sizeof(VideoPokerServerRecord) == 552);
static_assert(offsetof(VideoPokerServerRecord, hand) == 16);
static_assert(offsetof(VideoPokerServerRecord, hand) + sizeof(HandCard) * 4 + 8 == 72);  // hold of card 5
static_assert(offsetof(VideoPokerServerRecord, sortScratch) == 76);
static_assert(offsetof(VideoPokerServerRecord, deck) == 96);
static_assert(offsetof(VideoPokerServerRecord, deck) + offsetof(hx::CardList, count) == 512);
static_assert(offsetof(VideoPokerServerRecord, betAmount) == 520);
static_assert(offsetof(VideoPokerServerRecord, money) == 528);
static_assert(offsetof(VideoPokerServerRecord, coinValue) == 536);
static_assert(offsetof(VideoPokerServerRecord, state) == 544);

constexpr char kSizeBox[] = "GameServerLoad: size of data read is invalid (trying to load game data)";
constexpr char kStateBox[] = "GameServerLoad: state of data read is invalid (trying to load game data)";

class VideoPokerRecord : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    plat::headless::ClearMessageBoxes();
  }

  static void WriteRecord(const void* bytes, std::uint32_t size) {
    WriteSavedServer(kVideoPokerGameCode, bytes, size);
  }


  // Load over a live record marked by its money: -1 and the live record kept.
  static void ExpectRefused(const void* bytes, std::uint32_t size, const char* box) {
    WriteRecord(bytes, size);
    VideoPokerServerRecord live{};
    live.money = 42;
    EXPECT_EQ(VideoPokerServerShell::Load(&live, kSavedGameUser, kVideoPokerGameCode), -1);
    EXPECT_EQ(live.money, 42.0);
    EXPECT_EQ(live.state, 0);
    EXPECT_TRUE(BoxSaid(box));
  }
};

// A hand dealt for 3 quarters and waiting for its final deal.
VideoPokerServerRecord SavedRecord() {
  VideoPokerServerRecord r{};
  std::strcpy(r.gameCode, kVideoPokerGameCode);
  for (int i = 0; i < 47; ++i) r.deck.cards[i] = hx::Card{i % 4, i / 4 + 1};
  r.deck.count = 47;
  for (int i = 0; i < kHandCards; ++i) r.hand[i] = HandCard{3, 9 + i, i % 2};
  r.betAmount = 0.75;
  r.coinValue = 0.25;
  r.money = 640;
  r.state = kServerWaitFinalDeal;
  return r;
}

TEST_F(VideoPokerRecord, ARecordOf552BytesComesBackWhole) {
  const VideoPokerServerRecord saved = SavedRecord();
  WriteRecord(&saved, sizeof(saved));
  VideoPokerServerRecord live{};
  EXPECT_EQ(VideoPokerServerShell::Load(&live, kSavedGameUser, kVideoPokerGameCode), 0);
  EXPECT_EQ(std::memcmp(&live, &saved, sizeof(live)), 0);
}

TEST_F(VideoPokerRecord, RecordsOf551And553BytesAreRefused) {
  unsigned char bytes[kVideoPokerServerRecordSize + 1] = {};
  const VideoPokerServerRecord saved = SavedRecord();
  std::memcpy(bytes, &saved, sizeof(saved));
  for (std::uint32_t size : {kVideoPokerServerRecordSize - 1, kVideoPokerServerRecordSize + 1}) {
    SCOPED_TRACE(size);
    std::remove(kDbFileName);
    plat::headless::ClearMessageBoxes();
    ExpectRefused(bytes, size, kSizeBox);
  }
}

TEST_F(VideoPokerRecord, RecordsTheMachineCannotRunAreRefused) {
  struct Fault {
    const char* what;
    void (*spoil)(VideoPokerServerRecord&);
  };
  const Fault faults[] = {
      {"state 8", [](VideoPokerServerRecord& r) { r.state = 8; }},
      {"state 27", [](VideoPokerServerRecord& r) { r.state = 27; }},
      {"code", [](VideoPokerServerRecord& r) { r.gameCode[0] = 'X'; }},
      {"deck of 53", [](VideoPokerServerRecord& r) { r.deck.count = 53; }},
      {"deck card 14", [](VideoPokerServerRecord& r) { r.deck.cards[3].value = 14; }},
      {"hand suit 4", [](VideoPokerServerRecord& r) { r.hand[2].suit = 4; }},
      {"hold 2", [](VideoPokerServerRecord& r) { r.hand[4].hold = 2; }},
      {"coin 0.5", [](VideoPokerServerRecord& r) { r.coinValue = 0.5; }},
      {"2.5 coins", [](VideoPokerServerRecord& r) { r.betAmount = 0.625; }},
      {"six coins", [](VideoPokerServerRecord& r) { r.betAmount = 1.5; }},
      {"a stake without coin", [](VideoPokerServerRecord& r) { r.coinValue = 0; }},
      {"money nan", [](VideoPokerServerRecord& r) { r.money = std::nan(""); }},
  };
  for (const Fault& f : faults) {
    SCOPED_TRACE(f.what);
    std::remove(kDbFileName);
    plat::headless::ClearMessageBoxes();
    VideoPokerServerRecord saved = SavedRecord();
    f.spoil(saved);
    ExpectRefused(&saved, sizeof(saved), kStateBox);
  }
}

// A hand killed after its final deal and restored from its BEGINPLAY save
// point (the record with its shuffled deck, the answer not yet sent) deals
// and settles the same cards again.
TEST_F(VideoPokerRecord, AHandRestoredFromItsSavePointDealsTheSameCards) {
  VideoPokerServerRecord savePoint{};
  std::string dealt, settled;
  {
    VideoPokerHarness played(500);
    played.Open("9C 9D QS 3H QD KS AS");
    ASSERT_EQ(played.savePoints.size(), 1u);
    savePoint = played.savePoints[0];
    dealt = played.Exchange(FirstDeal("2", "1"));
    settled = played.Exchange(FinalDeal("11101"));
    ASSERT_EQ(TagOf(settled, "WONNR"), "2");
  }
  WriteRecord(&savePoint, sizeof(savePoint));
  VideoPokerHarness restored(500);
  ASSERT_EQ(VideoPokerServerShell::Load(restored.record, kSavedGameUser, kVideoPokerGameCode), 0);
  ASSERT_EQ(restored.record->state, kServerSendBeginPlay);
  ASSERT_EQ(game::AnswerOk(restored.comm, game::kBeginPlayAnswer), 1);
  EXPECT_EQ(restored.Frame(), 0);
  EXPECT_EQ(restored.transport->LastText(), "command=BEGINPLAYANSWER&answer=ok");
  EXPECT_EQ(restored.Exchange(FirstDeal("2", "1")), dealt);
  EXPECT_EQ(restored.Exchange(FinalDeal("11101")), settled);
  EXPECT_EQ(AccountBalance(), 502.0);
}

TEST_F(VideoPokerRecord, InitGivesAZeroedRecordWithTheCode) {
  VideoPokerServerRecord* record = VideoPokerServerShell::New(kVideoPokerGameCode);
  EXPECT_STREQ(record->gameCode, "MZ");
  EXPECT_EQ(record->state, kServerWaitClientInit);
  EXPECT_EQ(record->deck.count, 0);
  EXPECT_EQ(record->betAmount, 0.0);
  VideoPokerServerShell::Free(record);
}

}  // namespace
}  // namespace mz
