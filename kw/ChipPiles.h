// Chip piles of the card tables: a stack of chips from the largest value
// down, each chip a little off to the side by the pile's jitter.
#pragma once

class CDib;

namespace kw {

// The chip pictures a table's piles are drawn with (each chip 32 x 24).
struct ChipPileStyle {
  int faceX[5];  // by chip, $1 first
  int faceY[5];
  int fractionX;  // the chip for a remainder below $1; -1: none
  int fractionY;
};

// The Pai Gow piles.
// Draws the pile for amount into the background with its bottom chip at
// (x, y); 0 or less draws nothing.
void DrawChipPile(int pile, float amount, int x, int y);
// The same into a work bitmap: the area at (x - 1, y), a chip's width + 2 by
// its height + 60, is first filled with the transparent colour, and chip n
// stands at y + 60 - 4n.
void DrawChipPileTo(CDib* bitmap, int pile, float amount, int x, int y);
// The same with a table's own chip pictures.
void DrawChipPile(const ChipPileStyle& style, int pile, float amount, int x, int y);
void DrawChipPileTo(const ChipPileStyle& style, CDib* bitmap, int pile, float amount, int x, int y);
// New jitter for every pile (-1, 0 or 1 per chip), at each new game.
void ShuffleChipJitter();
// The jitter of chip n of a pile.
int ChipJitter(int pile, int n);

}  // namespace kw
