#include "wl/RouletteTable.h"

#include <algorithm>
#include <cstdio>

#include "framework/shell/Money.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "framework/sound/GameSound.h"

namespace wl {
namespace {

// The most chips a stack shows: more would stand above the screen.
constexpr int kMaxShownChips = 480 / kChipStep + 1;
// How far above the table a stack or the marker may reach.
constexpr int kAboveTable = 38;
constexpr Area kChipsArea = {kTableArea.x - kChipWidth / 2, kTableArea.y - kAboveTable,
                             kTableArea.width + kChipWidth, kTableArea.height + kAboveTable + kChipHeight / 2};

int gSelected = 0;
int gCollectFrom = kFirstBetSlot;
int gLastNumbers[kLastNumberRows];

// Blits a sprite of the picture, cut to clip, with the transparent index.
void BlitClipped(int x, int y, Point source, int width, int height, const Area& clip) {
  const int left = std::max(x, clip.x), top = std::max(y, clip.y);
  const int right = std::min(x + width, clip.x + clip.width), bottom = std::min(y + height, clip.y + clip.height);
  if (right <= left || bottom <= top) return;
  gScreen.Blit(left, top, &gPicture, source.x + left - x, source.y + top - y, right - left, bottom - top,
               gTransparentIndex);
}

constexpr Area kWholeScreen = {0, 0, 640, 480};

// The chips' kinds bottom to top into kinds (at most kMaxShownChips); answers how many.
int StackKinds(int amount, int kinds[kMaxShownChips]) {
  int n = 0;
  for (int kind = 4; kind >= 0 && n < kMaxShownChips; --kind) {
    for (; amount >= kChipValues[kind] && n < kMaxShownChips; amount -= kChipValues[kind]) kinds[n++] = kind;
  }
  return n;
}

int Jitter(int i) { return i < 32 ? kStackJitter[i] : 0; }

// Answers the y of the top chip's top edge.
int DrawStackClipped(int amount, int x, int y, const Area& clip) {
  int kinds[kMaxShownChips];
  const int n = StackKinds(amount, kinds);
  int top = y - kChipHeight / 2 + kChipStep;
  for (int i = 0; i < n; ++i) {
    top = y - kChipHeight / 2 - kChipStep * i;
    BlitClipped(x + Jitter(i) - kChipWidth / 2, top, ChipSource(kinds[i]), kChipWidth, kChipHeight, clip);
  }
  return top;
}

void DrawMarkerClipped(int x, int top, const Area& clip) {
  BlitClipped(x - kMarkerWidth / 2, top - 26, kMarkerSource, kMarkerWidth, kMarkerHeight, clip);
}

int ShownChips(int amount) { return std::min(ChipCount(amount), kMaxShownChips); }

// The area a stack of chips chips covers at the slot, taller by extra.
Area StackArea(int slot, int chips, int extra) {
  const Point p = SlotPosition(slot);
  const int height = kChipStep * chips + 16 + extra;
  return {p.x - kChipWidth / 2, p.y + kChipHeight / 2 - height, 24, height};
}

bool Overlap(const Area& a, const Area& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// The table under clip, then every stack reaching into it; markedSlot (0:
// none) with the marker on top.
void RedrawClip(const int bets[kRouletteSlots], const Area& clip, int markedSlot) {
  gScreen.Restore(clip.x, clip.y, clip.width, clip.height);
  for (int i = 0; kChipDrawOrder[i] != 0; ++i) {
    const int slot = kChipDrawOrder[i];
    if (bets[slot] == 0 && slot != markedSlot) continue;
    const int extra = slot == markedSlot ? kMarkerHeight : 0;
    if (!Overlap(StackArea(slot, ShownChips(bets[slot]), extra), clip)) continue;
    const Point p = SlotPosition(slot);
    const int top = DrawStackClipped(bets[slot], p.x, p.y, clip);
    if (slot == markedSlot) DrawMarkerClipped(p.x, top, clip);
  }
}

void DrawLine(const Area& line, const char* text) {
  gScreen.Restore(line.x, line.y, line.width, line.height);
  DrawStatusText(line.x, line.y, line.width, text);
}

void DrawLastNumbers() {
  const Area& a = kLastNumbersArea;
  gScreen.Restore(a.x, a.y, a.width, a.height);
  for (int row = 0; row < kLastNumberRows; ++row) {
    const int number = gLastNumbers[row];
    if (number < 0 || number >= kRouletteNumbers) continue;
    for (int column = 0; column < 5; ++column) {
      const Point glyph = kLastNumberGlyphs[number][column];
      if (glyph.x == 0 && glyph.y == 0) continue;
      BlitClipped(kLastNumberColumnX[column], LastNumberRowY(row), glyph, kGlyphWidth, kGlyphHeight, a);
    }
  }
}

}  // namespace

int ChipCount(int amount) {
  int n = 0;
  for (int kind = 4; kind >= 0; --kind) {
    n += amount / kChipValues[kind];
    amount %= kChipValues[kind];
  }
  return n;
}

void DrawChipStack(int amount, int x, int y) { DrawStackClipped(amount, x, y, kWholeScreen); }

void DrawChipStackAt(int amount, int x, int y) {
  DrawMarkerClipped(x, DrawStackClipped(amount, x, y, kWholeScreen), kWholeScreen);
}

void CountSlotChips(const int bets[kRouletteSlots], int slot, int* count) {
  *count = ChipCount(bets[slot]);
  const Area a = StackArea(slot, std::min(*count, kMaxShownChips), 0);
  gScreen.Restore(a.x, a.y, a.width, a.height);
}

void DrawSlotChips(const int bets[kRouletteSlots], int slot, int minimum) {
  RedrawClip(bets, StackArea(slot, std::max(ShownChips(bets[slot]), std::min(minimum, kMaxShownChips)), 0), 0);
}

void DrawSlotChipsMarked(const int bets[kRouletteSlots], int slot, int number, int minimum) {
  const int chips = std::max(ShownChips(bets[slot]), std::min(minimum, kMaxShownChips));
  RedrawClip(bets, StackArea(slot, chips, kMarkerHeight), MarkerSlot(number));
}

void DrawAllChips(const int bets[kRouletteSlots]) { RedrawClip(bets, kChipsArea, 0); }

void SelectChip(int index) {
  const Point old = kRingPlaces[gSelected];
  gScreen.Restore(old.x - kRingLeft, old.y, kRingSize, kRingSize);
  gSelected = std::clamp(index, 0, 4);
  const Point now = kRingPlaces[gSelected];
  gScreen.Blit(now.x - kRingLeft, now.y, &gPicture, kRingSource.x, kRingSource.y, kRingSize, kRingSize,
               gTransparentIndex);
}

int SelectedChip() { return gSelected; }

int CollectLostChips(int bets[kRouletteSlots], const int wins[kRouletteSlots], int number) {
  for (int slot = gCollectFrom; slot <= kLastBetSlot; ++slot) {
    if (bets[slot] == 0 || wins[slot] != 0) continue;
    int chips = 0;
    CountSlotChips(bets, slot, &chips);
    bets[slot] = 0;
    const Area a = StackArea(slot, std::min(chips, kMaxShownChips), 0);
    RedrawClip(bets, a, 0);
    const int marked = MarkerSlot(number);
    const Area m = StackArea(marked, ShownChips(bets[marked]), kMarkerHeight);
    if (Overlap(a, m)) RedrawClip(bets, m, marked);
    gCollectFrom = slot + 1;
    return 0;
  }
  gCollectFrom = kFirstBetSlot;
  return 1;
}

int PayWinners(const int wins[kRouletteSlots], double* money) {
  double sum = 0;
  for (int slot = kFirstBetSlot; slot <= kLastBetSlot; ++slot) {
    if (wins[slot] == 0) continue;
    *money += wins[slot];
    sum += wins[slot];
    DrawMoney(*money);
    DrawPlayerWins(sum);
    const Area& a = kPayPileArea;
    gScreen.Restore(a.x, a.y, a.width, a.height);
    // The pile shows what fits its area: the sum may be any int.
    DrawStackClipped(sum > 2147483647.0 ? 2147483647 : static_cast<int>(sum), kPayPile.x, kPayPile.y, a);
  }
  return 1;
}

void DrawPlayerWins(double sum) {
  char text[64] = "";
  if (sum != 0) std::snprintf(text, sizeof text, "Player wins $%.2f", sum);
  DrawLine(kPlayerWinsLine, text);
}

void DrawTotalBet(double total) {
  char text[64];
  std::snprintf(text, sizeof text, "Total Bet $%.2f", total);
  DrawLine(kTotalBetLine, text);
}

void DrawNumberName(int number) {
  if (number < 0 || number >= kRouletteNumbers) return;
  DrawLine(kNumberNameLine, kNumberNames[number].data());
}

void AnnounceNumber(int number) {
  if (number < 0 || number >= kRouletteNumbers) return;
  for (const CallOutName& name : kCallOuts[number]) {
    if (name[0] != '\0') PlayGameSound(name.data(), 1, kSoundEffect);
  }
}

void PushLastNumber(int number) {
  for (int row = kLastNumberRows - 1; row > 0; --row) gLastNumbers[row] = gLastNumbers[row - 1];
  gLastNumbers[0] = number;
  DrawLastNumbers();
}

int LastNumber(int row) { return row >= 0 && row < kLastNumberRows ? gLastNumbers[row] : kNoNumber; }

void RedrawTableAreas(const int bets[kRouletteSlots], int markedSlot) {
  // A tall stack, and the marker on it, stand above the chips area.
  for (int slot = kFirstBetSlot; slot <= kLastBetSlot; ++slot) {
    if (bets[slot] == 0 && slot != markedSlot) continue;
    const Area a = StackArea(slot, ShownChips(bets[slot]), slot == markedSlot ? kMarkerHeight : 0);
    if (a.y < kChipsArea.y) gScreen.Restore(a.x, a.y, a.width, kChipsArea.y - a.y);
  }
  gScreen.Restore(kChipsArea.x, kChipsArea.y, kChipsArea.width, kChipsArea.height);
  gScreen.Restore(kPayPileArea.x, kPayPileArea.y, kPayPileArea.width, kPayPileArea.height);
}

void RedrawInfoArea() { gScreen.Restore(kInfoArea.x, kInfoArea.y, kInfoArea.width, kInfoArea.height); }

void ResetTable() {
  gSelected = 0;
  gCollectFrom = kFirstBetSlot;
  for (int& n : gLastNumbers) n = kNoNumber;
}

}  // namespace wl
