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
int PileSprites(const ChipPileStyle& style, float amount, Point* sprites, int room) {
  int n = 0;
  double left = amount;
  for (int chip = kChipCount - 1; chip >= 0; --chip) {
    while (left >= kChipValues[chip] && n < room) {
      left -= kChipValues[chip];
      sprites[n++] = {style.faceX[chip], style.faceY[chip]};
    }
  }
  if (style.fractionX >= 0 && left > 0.0 && left < 1.0 && n < room) sprites[n++] = {style.fractionX, style.fractionY};
  return n;
}

constexpr ChipPileStyle MakePaiGowStyle() {
  ChipPileStyle style{};
  for (int chip = 0; chip < kChipCount; ++chip) {
    style.faceX[chip] = ChipSprite(chip).x;
    style.faceY[chip] = ChipSprite(chip).y;
  }
  style.fractionX = kFractionChipSprite.x;
  style.fractionY = kFractionChipSprite.y;
  return style;
}
constexpr ChipPileStyle kPaiGowChips = MakePaiGowStyle();

constexpr int kMostChips = 64;

}  // namespace

int ChipJitter(int pile, int n) { return gJitter[pile][n % kJitterChips]; }

void DrawChipPile(int pile, float amount, int x, int y) { DrawChipPile(kPaiGowChips, pile, amount, x, y); }

void DrawChipPileTo(CDib* bitmap, int pile, float amount, int x, int y) {
  DrawChipPileTo(kPaiGowChips, bitmap, pile, amount, x, y);
}

void DrawChipPile(const ChipPileStyle& style, int pile, float amount, int x, int y) {
  if (amount <= 0.0f) return;
  Point sprites[kMostChips];
  const int count = PileSprites(style, amount, sprites, kMostChips);
  for (int n = 0; n < count; ++n) {
    gScreen.Blit(x + ChipJitter(pile, n), y - kPileChipStep * n, &gPicture, sprites[n].x, sprites[n].y, kChipWidth,
                 kChipHeight, gTransparentIndex);
  }
}

void DrawChipPileTo(const ChipPileStyle& style, CDib* bitmap, int pile, float amount, int x, int y) {
  bitmap->Fill(x - 1, y, kChipWidth + 2, kChipHeight + kPileRise, gTransparentIndex);
  if (amount <= 0.0f) return;
  Point sprites[kMostChips];
  const int count = PileSprites(style, amount, sprites, kMostChips);
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
