#include "sq/BaccaratTable.h"

#include <cstdio>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/StatusLine.h"
#include "kw/CardGameShell.h"
#include "kw/TextBoxes.h"
#include "sq/BaccaratButtons.h"
#include "sq/BaccaratFonts.h"
#include "sq/BaccaratTableLayout.h"

namespace sq {

CDib gStackBitmap;
GlyphTable gSmallFontGlyphs = kSmallFont;

const ChipStackStyle kBaccaratChips = {
    {ChipSprite(0), ChipSprite(1), ChipSprite(2), ChipSprite(3), ChipSprite(4)},
    {kFractionChip.x, kFractionChip.y},
    kChipWidth,
    kChipHeight,
    gz::kAnyCentsRest,
};

namespace {

kw::TextBoxStyle TableText() { return {gSmallFontGlyphs.data(), kBackingStrip.x, kBackingStrip.y, kTextHeight}; }

void RestoreArea(Point at) { gScreen.Restore(at.x, at.y, kStackAreaWidth, kStackAreaHeight); }

int Total(int a, int b) { return (a + b) % 10; }

void ShowTotal(Point at, const char* side, int total) {
  kw::PrintTextBox(TableText(), at.x, at.y, "%s has ; %d", side, total);
}

void EraseTotal(Point at) { gScreen.Restore(at.x + kTotalErase.x, at.y + kTotalErase.y, kTotalErase.width, kTotalErase.height); }

}  // namespace

void DrawCardFace(int id, int place) {
  const Point face = kCardFaces[id];
  const Point at = kCardPlaces[place];
  gScreen.Blit(at.x, at.y, &gPicture, face.x, face.y, kCardWidth, kCardHeight, gTransparentIndex);
}

void DrawBetStacks(const BaccaratClientRecord& record) {
  for (int area = kAreaTie; area >= kAreaPlayer; --area) RestoreArea(kStakeAreas[area]);
  for (int area = kAreaTie; area >= kAreaPlayer; --area) {
    DrawChipStack(kBaccaratChips, area, record.bets[area], kStakeSpots[area].x, kStakeSpots[area].y);
  }
}

void EraseBetStacks() {
  for (int area = kAreaTie; area >= kAreaPlayer; --area) RestoreArea(kStakeAreas[area]);
}

void EraseChipSelector() {
  for (int chip = 0; chip < kChipCount; ++chip) {
    const ButtonEntry& b = kBaccaratButtonTable[kButtonChip1 + chip];
    gScreen.Restore(b.x + kSelectorOffset.x, b.y + kSelectorOffset.y, kSelectorSize, kSelectorSize);
  }
}

void DrawChipSelector(int selection) {
  EraseChipSelector();
  if (selection < 0 || selection >= kChipCount) return;
  const ButtonEntry& b = kBaccaratButtonTable[kButtonChip1 + selection];
  gScreen.Blit(b.x + kSelectorOffset.x, b.y + kSelectorOffset.y, &gPicture, kSelectorSprite.x, kSelectorSprite.y,
               kSelectorSize, kSelectorSize, gTransparentIndex);
}

void ShowWinMessage(const BaccaratClientRecord& record) {
  const int result = record.coup.result;
  if (result > kTieStakeWon) return;
  const double win = record.coup.win - record.bets[result];
  const Point at = kWinSpots[result];
  DrawChipStack(kBaccaratChips, kBetAreas + result, win, at.x, at.y);
  SetStatusText("Press new game to continue - You won $%.2f", win);
  if (kw::gCardGameOptions.newGameButton) EnableButton(kButtonNewGame);
}

int PlayerDrew(const CoupCards& coup) { return coup.cards[kPlayerThird] != kNotDrawn; }
int BankerDrew(const CoupCards& coup) { return coup.cards[kBankerThird] != kNotDrawn; }

// Final: a side that drew shows its three-card total, the other its two.
void ShowHandTotals(const CoupCards& coup, int final) {
  const std::int32_t* p = coup.points;
  const int player = Total(p[kPlayerFirst], p[kPlayerSecond]);
  const int banker = Total(p[kBankerFirst], p[kBankerSecond]);
  if (final && PlayerDrew(coup)) {
    ShowTotal(kThreeCardTotals[0], "Player", Total(player, p[kPlayerThird]));
  } else {
    ShowTotal(kTwoCardTotals[0], "Player", player);
  }
  if (final && BankerDrew(coup)) {
    ShowTotal(kThreeCardTotals[1], "Banker", Total(banker, p[kBankerThird]));
  } else {
    ShowTotal(kTwoCardTotals[1], "Banker", banker);
  }
}

void EraseHandTotals(const CoupCards& coup, int final) {
  EraseTotal(final && PlayerDrew(coup) ? kThreeCardTotals[0] : kTwoCardTotals[0]);
  EraseTotal(final && BankerDrew(coup) ? kThreeCardTotals[1] : kTwoCardTotals[1]);
}

}  // namespace sq
