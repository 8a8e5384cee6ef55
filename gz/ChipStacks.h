// Chip stacks of the Caribbean Poker and Baccarat tables: an amount as
// chips from the largest down (a fraction chip for a remainder below $1),
// each chip 4 pixels above the one below and a little off to the side by a
// jitter table that is filled afresh for every hand.
#pragma once

#include "framework/shell/ButtonEntry.h"

class CDib;

namespace gz {

// Where a table's chip pictures lie in its picture.
struct ChipStackStyle {
  ButtonSource chips[5];  // $1, $5, $25, $100, $500
  ButtonSource halfDollar;
  int width;
  int height;
  double fractionFrom;  // the least remainder below $1 that takes the fraction chip
};

// Caribbean Poker's half dollar: a remainder of 50 cents or more.
inline constexpr double kHalfDollarRest = 0.49999;
// Baccarat's fraction chip: any cents left (a residue of the sums is none).
inline constexpr double kAnyCentsRest = 0.0001;

inline constexpr int kJitterEntries = 20;
inline constexpr int kStackChipStep = 4;
inline constexpr int kStackRise = 60;  // room above a stack's bottom chip in a work bitmap

// The chips of a stack for amount, bottom first, as indexes into
// style.chips (0..4) or 5 for the fraction chip, taken by a remainder of at
// least fractionFrom; answers the count (at most room).
int StackChips(double amount, double fractionFrom, int* chips, int room);
// The chips of a Caribbean Poker stack.
int CountChips(double amount);
// The stack with its bottom chip at (x, y) into both screen layers.
void DrawChipStack(const ChipStackStyle& style, int row, double amount, int x, int y);
// The same into a work bitmap: (x - 1, y, width + 2, height + 60) filled
// with the transparent colour first, the bottom chip at y + 60.
void DrawChipStackTo(const ChipStackStyle& style, CDib* bitmap, int row, double amount, int x, int y);
// Each jitter entry RandomNumber() mod 3 - 1.
void JitterChipStacks();
int StackJitter(int row, int n);

}  // namespace gz
