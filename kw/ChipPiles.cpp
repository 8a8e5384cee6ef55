#include "kw/ChipPiles.h"

#include "framework/shell/Random.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/Dib.h"
#include "kw/PaiGowButtons.h"

namespace kw {
namespace {

signed char gJitter[kJitterPiles][kJitterChips];

// Each chip's picture from the bottom up: the largest values first, then a
// fraction chip for a remainder below one dollar. The count.
int PileSprites(float amount, Point* sprites, int room) {
  int n = 0;
  double left = amount;
  for (int chip = kChipCount - 1; chip >= 0; --chip) {
    while (left >= kChipValues[chip] && n < room) {
      left -= kChipValues[chip];
      const ButtonSource face = ChipSprite(chip);
      sprites[n++] = {face.x, face.y};
    }
  }
  if (left > 0.0 && left < 1.0 && n < room) sprites[n++] = kFractionChipSprite;
  return n;
}

constexpr int kMostChips = 64;

}  // namespace

int ChipJitter(int pile, int n) { return gJitter[pile][n % kJitterChips]; }

void DrawChipPile(int pile, float amount, int x, int y) {
  if (amount <= 0.0f) return;
  Point sprites[kMostChips];
  const int count = PileSprites(amount, sprites, kMostChips);
  for (int n = 0; n < count; ++n) {
    gScreen.Blit(x + ChipJitter(pile, n), y - kPileChipStep * n, &gPicture, sprites[n].x, sprites[n].y, kChipWidth,
                 kChipHeight, gTransparentIndex);
  }
}

void DrawChipPileTo(CDib* bitmap, int pile, float amount, int x, int y) {
  bitmap->Fill(x - 1, y, kChipWidth + 2, kChipHeight + kPileRise, gTransparentIndex);
  if (amount <= 0.0f) return;
  Point sprites[kMostChips];
  const int count = PileSprites(amount, sprites, kMostChips);
  for (int n = 0; n < count; ++n) {
    gPicture.Blit(bitmap, x + ChipJitter(pile, n), y + kPileRise - kPileChipStep * n, sprites[n].x, sprites[n].y,
                  kChipWidth, kChipHeight, gTransparentIndex);
  }
}

void ShuffleChipJitter() {
  for (auto& pile : gJitter) {
    for (signed char& chip : pile) chip = static_cast<signed char>(RandomNumber() % 3 - 1);
  }
}

}  // namespace kw
