// The client's BETLIST: ascending pairs and the closing "0,0", read back
// by the server's reader, and never past its 1600 characters.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "wl/BetList.h"

namespace wl {
namespace {

TEST(BetListWriting, AscendingPairsThenTheClosingPair) {
  int bets[kRouletteSlots] = {};
  bets[179] = 5;
  bets[94] = 5;
  char text[kBetListTextSize];
  ASSERT_EQ(WriteBetList(bets, text, sizeof text), 1);
  EXPECT_STREQ(text, "94,5,179,5,0,0");
  int read[kRouletteSlots];
  double total = 0;
  ASSERT_EQ(ReadBetList(text, read, &total), 1);
  EXPECT_EQ(std::memcmp(read, bets, sizeof bets), 0);
  EXPECT_EQ(total, 10);
}

TEST(BetListWriting, AnEmptyTableIsTheClosingPairAlone) {
  int bets[kRouletteSlots] = {};
  char text[kBetListTextSize];
  ASSERT_EQ(WriteBetList(bets, text, sizeof text), 1);
  EXPECT_STREQ(text, "0,0");
}

// Every slot at the table limits fits; every slot at the largest int
// (2,310 characters) does not, and nothing is written past the buffer.
TEST(BetListWriting, AListThatDoesNotFitIsRefused) {
  int bets[kRouletteSlots] = {};
  for (int slot = kFirstBetSlot; slot <= kLastBetSlot; ++slot) bets[slot] = IsOutsideSlot(slot) ? 500 : 100;
  char text[kBetListTextSize + 8];
  std::memset(text, 'x', sizeof text);
  ASSERT_EQ(WriteBetList(bets, text, kBetListTextSize), 1);
  EXPECT_LT(std::strlen(text), static_cast<std::size_t>(kBetListTextSize));
  for (int slot = kFirstBetSlot; slot <= kLastBetSlot; ++slot) bets[slot] = INT_MAX;
  std::memset(text, 'x', sizeof text);
  EXPECT_EQ(WriteBetList(bets, text, kBetListTextSize), 0);
  EXPECT_EQ(text[0], '\0');
  for (int k = kBetListTextSize; k < kBetListTextSize + 8; ++k) EXPECT_EQ(text[k], 'x');
}

}  // namespace
}  // namespace wl
