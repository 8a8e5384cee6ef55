// The double-zero roulette layout shared by the server, the client, the
// table and wheel drawing and the artwork generator: numbers, bet slots,
// what each slot covers and pays, the winning slots of each number, the
// wheel order, the number names and call-outs. Tables derived from the
// layout are built at compile time from it; no drawing or platform headers.
//
// A number is 0..37, 37 standing for "00". A bet slot is 32..185, the
// value the hit map paints under its bet area; every per-slot array has
// kRouletteSlots entries and slots 0..31 never hold a bet.
#pragma once

#include <array>
#include <cstdint>

namespace wl {

inline constexpr int kRouletteNumbers = 38;
inline constexpr int kDoubleZero = 37;
inline constexpr int kRouletteSlots = 186;
inline constexpr int kFirstBetSlot = 32;
inline constexpr int kLastBetSlot = 185;

// Inside slots: twelve rows of twelve (the last row six), one row per
// three numbers a, b, c.
inline constexpr int kInsideRows = 12;
inline constexpr int kSlotsPerRow = 12;
inline constexpr int kLastInsideSlot = 169;
static_assert(kFirstBetSlot + (kInsideRows - 1) * kSlotsPerRow + 5 == kLastInsideSlot);
// Outside slots, the "none numbers" of the limit texts.
inline constexpr int kFirstColumnSlot = 170;
inline constexpr int kFirstDozenSlot = 173;
inline constexpr int kLowSlot = 176;
inline constexpr int kEvenSlot = 177;
inline constexpr int kRedSlot = 178;
inline constexpr int kBlackSlot = 179;
inline constexpr int kOddSlot = 180;
inline constexpr int kHighSlot = 181;
// The zero slots, number slots like the inside ones.
inline constexpr int kZeroSlot = 182;
inline constexpr int kZeroSplitSlot = 183;
inline constexpr int kDoubleZeroSlot = 184;
inline constexpr int kFiveNumbersSlot = 185;

enum RouletteBetKind : int {
  kNoBet = 0,  // slots 0..31
  kStraight,
  kSplit,
  kStreet,
  kCorner,
  kSixLine,
  kColumn,
  kDozen,
  kEvenChance,  // low, even, red, black, odd, high
  kFiveNumbers,
  kRouletteBetKinds,
};

// What one slot is: its kind and the numbers it covers (bit n: number n).
struct SlotBet {
  RouletteBetKind kind;
  std::uint64_t numbers;
};

// 1 for the slots that take a bet (32..185).
constexpr int IsBetSlot(int slot) { return slot >= kFirstBetSlot && slot <= kLastBetSlot; }
// 1 for the outside slots 170..181; the other bet slots are number slots.
constexpr int IsOutsideSlot(int slot) { return slot >= kFirstColumnSlot && slot <= kHighSlot; }

// ---- The layout ------------------------------------------------------------
// The numbers red on the table and the wheel.
inline constexpr int kRedNumbers[18] = {1,  3,  5,  7,  9,  12, 14, 16, 18,
                                        19, 21, 23, 25, 27, 30, 32, 34, 36};

constexpr int IsRed(int number) {
  for (int red : kRedNumbers) {
    if (red == number) return 1;
  }
  return 0;
}

namespace layout {

constexpr std::uint64_t Bit(int number) { return std::uint64_t{1} << number; }
constexpr std::uint64_t Numbers(int first, int last, int step) {
  std::uint64_t set = 0;
  for (int n = first; n <= last; n += step) set |= Bit(n);
  return set;
}
constexpr std::uint64_t RedOrBlack(int red) {
  std::uint64_t set = 0;
  for (int n = 1; n <= 36; ++n) {
    if (IsRed(n) == red) set |= Bit(n);
  }
  return set;
}

// Offsets 0..11 of an inside row holding a, b = a+1, c = a+2; the numbers
// are given for a = 0 and shifted by a.
inline constexpr SlotBet kRowOffsets[kSlotsPerRow] = {
    {kStraight, Bit(0)},                             // a
    {kSplit, Bit(0) | Bit(1)},                       // a, b
    {kStraight, Bit(1)},                             // b
    {kSplit, Bit(1) | Bit(2)},                       // b, c
    {kStraight, Bit(2)},                             // c
    {kStreet, Numbers(0, 2, 1)},                     // a, b, c
    {kSplit, Bit(0) | Bit(3)},                       // a, a+3
    {kCorner, Bit(0) | Bit(1) | Bit(3) | Bit(4)},    // a, b, a+3, b+3
    {kSplit, Bit(1) | Bit(4)},                       // b, b+3
    {kCorner, Bit(1) | Bit(2) | Bit(4) | Bit(5)},    // b, c, b+3, c+3
    {kSplit, Bit(2) | Bit(5)},                       // c, c+3
    {kSixLine, Numbers(0, 5, 1)},                    // this row and the next
};

// Slots 170..185 in order.
inline constexpr SlotBet kOutsideAndZero[kLastBetSlot - kFirstColumnSlot + 1] = {
    {kColumn, Numbers(1, 34, 3)},
    {kColumn, Numbers(2, 35, 3)},
    {kColumn, Numbers(3, 36, 3)},
    {kDozen, Numbers(1, 12, 1)},
    {kDozen, Numbers(13, 24, 1)},
    {kDozen, Numbers(25, 36, 1)},
    {kEvenChance, Numbers(1, 18, 1)},   // low
    {kEvenChance, Numbers(2, 36, 2)},   // even
    {kEvenChance, RedOrBlack(1)},       // red
    {kEvenChance, RedOrBlack(0)},       // black
    {kEvenChance, Numbers(1, 35, 2)},   // odd
    {kEvenChance, Numbers(19, 36, 1)},  // high
    {kStraight, Bit(0)},
    {kSplit, Bit(0) | Bit(kDoubleZero)},
    {kStraight, Bit(kDoubleZero)},
    {kFiveNumbers, Bit(0) | Bit(kDoubleZero) | Numbers(1, 3, 1)},
};

// Payout to one of each kind, by RouletteBetKind.
inline constexpr std::int32_t kKindPayout[kRouletteBetKinds] = {0, 35, 17, 11, 8, 5, 2, 2, 1, 6};

}  // namespace layout

constexpr SlotBet SlotBetOf(int slot) {
  if (slot >= kFirstColumnSlot && slot <= kLastBetSlot) {
    return layout::kOutsideAndZero[slot - kFirstColumnSlot];
  }
  if (slot < kFirstBetSlot || slot > kLastInsideSlot) return {kNoBet, 0};
  const int row = (slot - kFirstBetSlot) / kSlotsPerRow;
  const SlotBet offset = layout::kRowOffsets[(slot - kFirstBetSlot) % kSlotsPerRow];
  return {offset.kind, offset.numbers << (3 * row + 1)};
}

// ---- Payouts ---------------------------------------------------------------
// The multiple each slot pays to one; the stake comes back on top.
inline constexpr std::array<std::int32_t, kRouletteSlots> kSlotPayout = [] {
  std::array<std::int32_t, kRouletteSlots> payout{};
  for (int slot = 0; slot < kRouletteSlots; ++slot) {
    payout[slot] = layout::kKindPayout[SlotBetOf(slot).kind];
  }
  return payout;
}();

// ---- Winning slots -----------------------------------------------------------
// For each number the slots whose bet covers it, ended by 0, in the order
// the server lists the wins: the inside slots (for a number of the first
// or second column its straight, splits and corners before its street and
// six lines, each part ascending), 185 for 0, 00, 1, 2 and 3, then the
// outside slots in the order below.
inline constexpr int kWinningSlotsPerNumber = 18;
using WinningRow = std::array<std::int32_t, kWinningSlotsPerNumber>;

namespace layout {

inline constexpr int kOutsideListing[5][3] = {
    {kLowSlot, kHighSlot, 0},
    {kFirstDozenSlot, kFirstDozenSlot + 1, kFirstDozenSlot + 2},
    {kEvenSlot, kOddSlot, 0},
    {kRedSlot, kBlackSlot, 0},
    {kFirstColumnSlot, kFirstColumnSlot + 1, kFirstColumnSlot + 2},
};

constexpr int Covers(int slot, int number) { return (SlotBetOf(slot).numbers >> number) & 1; }
constexpr int IsRowBet(int slot) {
  return SlotBetOf(slot).kind == kStreet || SlotBetOf(slot).kind == kSixLine;
}

constexpr WinningRow WinningSlotsOf(int number) {
  WinningRow row{};
  int at = 0;
  const bool thirdColumn = number != 0 && number != kDoubleZero && number % 3 == 0;
  for (int pass = 0; pass < 2; ++pass) {
    for (int slot = kFirstBetSlot; slot <= kLastInsideSlot; ++slot) {
      const int wanted = thirdColumn ? pass == 0 : IsRowBet(slot) == pass;
      if (Covers(slot, number) && wanted) row[at++] = slot;
    }
  }
  for (int slot = kZeroSlot; slot <= kFiveNumbersSlot; ++slot) {
    if (Covers(slot, number)) row[at++] = slot;
  }
  for (const auto& group : kOutsideListing) {
    for (int slot : group) {
      if (slot != 0 && Covers(slot, number)) row[at++] = slot;
    }
  }
  return row;
}

}  // namespace layout

inline constexpr std::array<WinningRow, kRouletteNumbers> kWinningSlots = [] {
  std::array<WinningRow, kRouletteNumbers> rows{};
  for (int n = 0; n < kRouletteNumbers; ++n) rows[n] = layout::WinningSlotsOf(n);
  return rows;
}();

// ---- The wheel -----------------------------------------------------------------
// The pockets clockwise from 0.
inline constexpr std::int32_t kWheelOrder[kRouletteNumbers] = {
    0,  28, 9,  26, 30, 11, 7,  20, 32, 17, 5,  22, 34, 15, 3,  24, 36, 13, 1,
    37, 27, 10, 25, 29, 12, 8,  19, 31, 18, 6,  21, 33, 16, 4,  23, 35, 14, 2};

// ---- Names and call-outs ---------------------------------------------------------
inline constexpr int kNumberNameSize = 15;
inline constexpr int kCallOutSize = 20;
inline constexpr int kCallOutsPerNumber = 3;

using NumberName = std::array<char, kNumberNameSize>;
using CallOutName = std::array<char, kCallOutSize>;
using CallOutRow = std::array<CallOutName, kCallOutsPerNumber>;

namespace layout {

template <std::size_t N>
constexpr void Append(std::array<char, N>& out, int& at, const char* text) {
  while (*text != '\0') out[at++] = *text++;
}
template <std::size_t N>
constexpr void AppendNumber(std::array<char, N>& out, int& at, int number) {
  if (number == kDoubleZero) return Append(out, at, "00");
  if (number >= 10) out[at++] = static_cast<char>('0' + number / 10);
  out[at++] = static_cast<char>('0' + number % 10);
}

constexpr NumberName NameOf(int number) {
  NumberName name{};
  int at = 0;
  AppendNumber(name, at, number);
  if (number == 0) {
    Append(name, at, " ZERO");
  } else if (number == kDoubleZero) {
    Append(name, at, " DOUBLE ZERO");
  } else {
    Append(name, at, IsRed(number) ? " RED" : " BLACK");
    Append(name, at, number % 2 ? " ODD" : " EVEN");
  }
  return name;
}

constexpr CallOutRow CallOutsOf(int number) {
  CallOutRow row{};
  int at = 0;
  Append(row[0], at, "../wav/c_");
  AppendNumber(row[0], at, number);
  Append(row[0], at, ".wav");
  if (number == 0 || number == kDoubleZero) return row;
  at = 0;
  Append(row[1], at, IsRed(number) ? "../wav/wl_red.wav" : "../wav/wl_black.wav");
  at = 0;
  Append(row[2], at, number % 2 ? "../wav/wl_odd.wav" : "../wav/wl_even.wav");
  return row;
}

}  // namespace layout

// "0 ZERO", "1 RED ODD" ... "36 RED EVEN", "00 DOUBLE ZERO", zero-ended.
inline constexpr std::array<NumberName, kRouletteNumbers> kNumberNames = [] {
  std::array<NumberName, kRouletteNumbers> names{};
  for (int n = 0; n < kRouletteNumbers; ++n) names[n] = layout::NameOf(n);
  return names;
}();

// The three waves announcing a number, in playing order: the number, its
// colour, its parity (0 and 00: the number, then two empty names).
inline constexpr std::array<CallOutRow, kRouletteNumbers> kCallOuts = [] {
  std::array<CallOutRow, kRouletteNumbers> rows{};
  for (int n = 0; n < kRouletteNumbers; ++n) rows[n] = layout::CallOutsOf(n);
  return rows;
}();

static_assert(sizeof(kSlotPayout) == kRouletteSlots * 4);
static_assert(sizeof(kWinningSlots) == kRouletteNumbers * kWinningSlotsPerNumber * 4);
static_assert(sizeof(kWheelOrder) == kRouletteNumbers * 4);
static_assert(sizeof(kNumberNames) == kRouletteNumbers * kNumberNameSize);
static_assert(sizeof(kCallOuts) == kRouletteNumbers * kCallOutsPerNumber * kCallOutSize);
// Every row keeps its closing 0; 5 has the longest.
static_assert([] {
  for (const WinningRow& row : kWinningSlots) {
    if (row[kWinningSlotsPerNumber - 1] != 0) return false;
  }
  return kWinningSlots[5][16] != 0;
}());
// The wheel holds every number once.
static_assert([] {
  std::uint64_t seen = 0;
  for (std::int32_t n : kWheelOrder) seen |= layout::Bit(n);
  return seen == layout::Numbers(0, kDoubleZero, 1);
}());
static_assert(kNumberNames[kDoubleZero][kNumberNameSize - 1] == '\0');

}  // namespace wl
