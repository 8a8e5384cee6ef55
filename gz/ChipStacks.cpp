#include "gz/ChipStacks.h"

#include "framework/shell/Random.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/Dib.h"

namespace gz {
namespace {

int gJitter[kJitterEntries];

// The greedy thresholds sit a hair under each value, so an amount that a
// sum of doubles left a little short still takes the chip.
constexpr double kThresholds[] = {0.99999, 4.9999, 24.9999, 99.9999, 499.9999};
constexpr double kChipValues[] = {1.0, 5.0, 25.0, 100.0, 500.0};
constexpr int kHalfDollar = 5;
constexpr int kMostChips = 128;

ButtonSource Sprite(const ChipStackStyle& style, int chip) {
  return chip == kHalfDollar ? style.halfDollar : style.chips[chip];
}

}  // namespace

int StackChips(double amount, double fractionFrom, int* chips, int room) {
  int n = 0;
  double rest = amount;
  for (int chip = 4; chip >= 0; --chip) {
    while (rest >= kThresholds[chip] && n < room) {
      rest -= kChipValues[chip];
      chips[n++] = chip;
    }
  }
  if (rest >= fractionFrom && n < room) chips[n++] = kHalfDollar;
  return n;
}

int CountChips(double amount) {
  int chips[kMostChips];
  return StackChips(amount, kHalfDollarRest, chips, kMostChips);
}

int StackJitter(int row, int n) { return gJitter[(row * kJitterEntries + n) % kJitterEntries]; }

void DrawChipStack(const ChipStackStyle& style, int row, double amount, int x, int y) {
  int chips[kMostChips];
  const int count = StackChips(amount, style.fractionFrom, chips, kMostChips);
  for (int n = 0; n < count; ++n) {
    const ButtonSource s = Sprite(style, chips[n]);
    gScreen.Blit(x + StackJitter(row, n), y - kStackChipStep * n, &gPicture, s.x, s.y, style.width, style.height,
                 gTransparentIndex);
  }
}

void DrawChipStackTo(const ChipStackStyle& style, CDib* bitmap, int row, double amount, int x, int y) {
  bitmap->Fill(x - 1, y, style.width + 2, style.height + kStackRise, gTransparentIndex);
  int chips[kMostChips];
  const int count = StackChips(amount, style.fractionFrom, chips, kMostChips);
  for (int n = 0; n < count; ++n) {
    const ButtonSource s = Sprite(style, chips[n]);
    gPicture.Blit(bitmap, x + StackJitter(row, n), y + kStackRise - kStackChipStep * n, s.x, s.y, style.width,
                  style.height, gTransparentIndex);
  }
}

void JitterChipStacks() {
  for (int& j : gJitter) j = static_cast<int>(RandomNumber() % 3) - 1;
}

}  // namespace gz
