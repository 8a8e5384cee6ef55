// The Roulette layout against the table as printed: each number's slots
// worked out from where the number stands (row of a, b, c; its neighbours
// left, right, above and below), each slot's payout from how many numbers
// it covers, the listing order from the three printed examples.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "wl/RouletteLayout.h"

namespace wl {
namespace {

const std::set<int> kRed = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};

// The slots whose bet covers number n, from the printed layout: row r owns
// slots 32+12r.. with the straights at offsets 0, 2, 4, the splits across
// at 1, 3, the street at 5, the splits down at 6, 8, 10, the corners at 7,
// 9 and the six line at 11; a bet reaching into the row below belongs to
// the upper row.
std::set<int> SlotsOf(int n) {
  if (n == 0) return {182, 183, 185};
  if (n == 37) return {183, 184, 185};
  const int r = (n - 1) / 3, k = (n - 1) % 3;  // k: 0 a, 1 b, 2 c
  const int base = 32 + 12 * r, above = base - 12;
  std::set<int> slots = {base + 2 * k, base + 5};
  if (k < 2) slots.insert(base + 2 * k + 1);        // split with n+1
  if (k > 0) slots.insert(base + 2 * k - 1);        // split with n-1
  if (r < 11) {
    slots.insert(base + 6 + 2 * k);                  // split with n+3
    if (k < 2) slots.insert(base + 7 + 2 * k);       // corner n, n+1, n+3, n+4
    if (k > 0) slots.insert(base + 5 + 2 * k);       // corner n-1, n, n+2, n+3
    slots.insert(base + 11);                         // six line with the row below
  }
  if (r > 0) {
    slots.insert(above + 6 + 2 * k);                 // split with n-3
    if (k < 2) slots.insert(above + 7 + 2 * k);
    if (k > 0) slots.insert(above + 5 + 2 * k);
    slots.insert(above + 11);
  }
  if (n <= 3) slots.insert(185);
  slots.insert(170 + k);                             // column
  slots.insert(173 + (n - 1) / 12);                  // dozen
  slots.insert(n <= 18 ? 176 : 181);
  slots.insert(n % 2 == 0 ? 177 : 180);
  slots.insert(kRed.count(n) ? 178 : 179);
  return slots;
}

std::vector<int> Row(int n) {
  std::vector<int> row;
  for (int slot : kWinningSlots[n]) {
    if (slot == 0) break;
    row.push_back(slot);
  }
  return row;
}

TEST(RouletteLayout, EveryNumberWinsExactlyTheSlotsCoveringIt) {
  for (int n = 0; n < kRouletteNumbers; ++n) {
    const std::vector<int> row = Row(n);
    EXPECT_EQ(std::set<int>(row.begin(), row.end()), SlotsOf(n)) << "number " << n;
    EXPECT_EQ(row.size(), SlotsOf(n).size()) << "a slot listed twice for " << n;
    for (std::size_t i = row.size(); i < kWinningSlotsPerNumber; ++i) {
      EXPECT_EQ(kWinningSlots[n][i], 0) << "number " << n << " place " << i;
    }
    for (int slot : row) EXPECT_EQ((SlotBetOf(slot).numbers >> n) & 1, 1u) << slot;
  }
}

TEST(RouletteLayout, TheListingOrderOfThePrintedExamples) {
  EXPECT_EQ(Row(1), (std::vector<int>{32, 33, 38, 39, 37, 43, 185, 176, 173, 180, 178, 170}));
  EXPECT_EQ(Row(5), (std::vector<int>{39, 40, 41, 45, 46, 47, 51, 52, 53, 43, 49, 55, 176, 173,
                                      180, 178, 171}));
  EXPECT_EQ(Row(36), (std::vector<int>{161, 162, 163, 167, 168, 169, 181, 175, 177, 178, 172}));
  EXPECT_EQ(Row(0), (std::vector<int>{182, 183, 185}));
  EXPECT_EQ(Row(37), (std::vector<int>{183, 184, 185}));
  std::size_t longest = 0;
  for (int n = 0; n < kRouletteNumbers; ++n) longest = std::max(longest, Row(n).size());
  EXPECT_EQ(longest, 17u);
  EXPECT_EQ(Row(5).size(), 17u);
}

TEST(RouletteLayout, EachSlotPaysAsTheKindOfBetItIs) {
  // How many numbers each slot covers, seen from the numbers' side.
  std::vector<int> covered(kRouletteSlots, 0);
  for (int n = 0; n < kRouletteNumbers; ++n) {
    for (int slot : SlotsOf(n)) ++covered[slot];
  }
  for (int slot = 0; slot < kRouletteSlots; ++slot) {
    if (slot < 32) {
      EXPECT_EQ(covered[slot], 0);
      EXPECT_EQ(kSlotPayout[slot], 0) << slot;
      continue;
    }
    // A fair payout on 36 numbers, the five-number bet rounded down.
    ASSERT_GT(covered[slot], 0) << slot;
    EXPECT_EQ(kSlotPayout[slot], 36 / covered[slot] - 1) << "slot " << slot;
  }
  // The printed rows: straight 35, split 17, street 11, corner 8, six line 5.
  const int row[12] = {35, 17, 35, 17, 35, 11, 17, 8, 17, 8, 17, 5};
  for (int slot = 32; slot <= 169; ++slot) EXPECT_EQ(kSlotPayout[slot], row[(slot - 32) % 12]);
  const int outside[16] = {2, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 35, 17, 35, 6};
  for (int slot = 170; slot <= 185; ++slot) EXPECT_EQ(kSlotPayout[slot], outside[slot - 170]);
}

TEST(RouletteLayout, SlotKinds) {
  EXPECT_EQ(SlotBetOf(72).kind, kStraight);
  EXPECT_EQ(SlotBetOf(33).kind, kSplit);
  EXPECT_EQ(SlotBetOf(38).kind, kSplit);
  EXPECT_EQ(SlotBetOf(37).kind, kStreet);
  EXPECT_EQ(SlotBetOf(39).kind, kCorner);
  EXPECT_EQ(SlotBetOf(43).kind, kSixLine);
  EXPECT_EQ(SlotBetOf(171).kind, kColumn);
  EXPECT_EQ(SlotBetOf(174).kind, kDozen);
  EXPECT_EQ(SlotBetOf(178).kind, kEvenChance);
  EXPECT_EQ(SlotBetOf(182).kind, kStraight);
  EXPECT_EQ(SlotBetOf(183).kind, kSplit);
  EXPECT_EQ(SlotBetOf(185).kind, kFiveNumbers);
  EXPECT_EQ(SlotBetOf(31).kind, kNoBet);
  EXPECT_EQ(SlotBetOf(186).kind, kNoBet);
  for (int slot = 32; slot <= 185; ++slot) {
    EXPECT_EQ(IsOutsideSlot(slot), slot >= 170 && slot <= 181) << slot;
  }
}

TEST(RouletteLayout, TheWheelHoldsEveryPocketOnce) {
  std::set<int> pockets(std::begin(kWheelOrder), std::end(kWheelOrder));
  EXPECT_EQ(pockets.size(), 38u);
  EXPECT_EQ(*pockets.begin(), 0);
  EXPECT_EQ(*pockets.rbegin(), 37);
  EXPECT_EQ(kWheelOrder[0], 0);
  EXPECT_EQ(kWheelOrder[1], 28);
  EXPECT_EQ(kWheelOrder[19], 37);
  EXPECT_EQ(kWheelOrder[37], 2);
}

TEST(RouletteLayout, NumberNamesAndCallOuts) {
  EXPECT_STREQ(kNumberNames[0].data(), "0 ZERO");
  EXPECT_STREQ(kNumberNames[1].data(), "1 RED ODD");
  EXPECT_STREQ(kNumberNames[2].data(), "2 BLACK EVEN");
  EXPECT_STREQ(kNumberNames[11].data(), "11 BLACK ODD");
  EXPECT_STREQ(kNumberNames[12].data(), "12 RED EVEN");
  EXPECT_STREQ(kNumberNames[36].data(), "36 RED EVEN");
  EXPECT_STREQ(kNumberNames[37].data(), "00 DOUBLE ZERO");
  for (int n = 1; n <= 36; ++n) {
    const std::string expected = std::to_string(n) + (kRed.count(n) ? " RED" : " BLACK") +
                                 (n % 2 ? " ODD" : " EVEN");
    EXPECT_EQ(kNumberNames[n].data(), expected);
    EXPECT_EQ(kCallOuts[n][0].data(), "../wav/c_" + std::to_string(n) + ".wav");
    EXPECT_STREQ(kCallOuts[n][1].data(),
                 kRed.count(n) ? "../wav/wl_red.wav" : "../wav/wl_black.wav");
    EXPECT_STREQ(kCallOuts[n][2].data(), n % 2 ? "../wav/wl_odd.wav" : "../wav/wl_even.wav");
  }
  EXPECT_STREQ(kCallOuts[0][0].data(), "../wav/c_0.wav");
  EXPECT_STREQ(kCallOuts[37][0].data(), "../wav/c_00.wav");
  for (int n : {0, 37}) {
    EXPECT_STREQ(kCallOuts[n][1].data(), "");
    EXPECT_STREQ(kCallOuts[n][2].data(), "");
  }
}

}  // namespace
}  // namespace wl
