#include "gz/CaribbeanTable.h"
#include "gz/CaribbeanTableLayout.h"

#include <cstdio>

#include "framework/shell/ShellGlobals.h"
#include "gz/CaribbeanButtons.h"
#include "gz/CaribbeanFonts.h"
#include "kw/TextBoxes.h"

namespace gz {

CDib gStackBitmap;
GlyphTable gPlateGlyphs = kPlateFont;
int gDeckLook = kFirstDeckLook;

static_assert(kPlatePlace.x == kWinTextPlace.x - 4 && kPlatePlace.y == kWinTextPlace.y - 1,
              "a text box puts its plate 4 left of and 1 above its text");

const ChipStackStyle kCaribbeanChips = {
    {ChipSprite(0), ChipSprite(1), ChipSprite(2), ChipSprite(3), ChipSprite(4)},
    {kHalfDollarChip.x, kHalfDollarChip.y},
    kChipWidth,
    kChipHeight,
    kHalfDollarRest,
};

void DrawDeck() {
  const Area deck = kFlyingFrameSources[gDeckLook][kw::kFlyingEdgeOn];
  gScreen.Blit(kDeckPlace.x, kDeckPlace.y, &gPicture, deck.x, deck.y, deck.width, deck.height, gTransparentIndex);
}

void DrawCardFace(int id, int place) {
  const Point face = kCardFaces[id];
  const Point at = kCardPlaces[place];
  gScreen.Blit(at.x, at.y, &gPicture, face.x, face.y, kCardWidth, kCardHeight, gTransparentIndex);
}

void DrawAnteStack(double ante) {
  gScreen.Restore(kAnteFrom.x, kAnteFrom.y, kChipWidth + 2, kChipHeight + kStackRise);
  DrawChipStack(kCaribbeanChips, kAnteRow, ante, kAnteSpot.x, kAnteSpot.y);
}

void DrawBetStack(double ante) { DrawChipStack(kCaribbeanChips, kBetRow, 2.0 * ante, kBetSpot.x, kBetSpot.y); }

void ShowWinAmount(double win, double ante) {
  DrawChipStack(kCaribbeanChips, kAnteWinRow, ante, kAnteWinSpot.x, kAnteWinSpot.y);
  const double callWin = win - ante;
  if (CountChips(callWin) < kBannerChips) {
    DrawChipStack(kCaribbeanChips, kBetWinRow, callWin, kBetWinSpot.x, kBetWinSpot.y);
    return;
  }
  gScreen.Blit(kBannerPlace.x, kBannerPlace.y, &gPicture, kBannerSprite.x, kBannerSprite.y, kBannerSprite.width,
               kBannerSprite.height, gTransparentIndex);
  const kw::TextBoxStyle plate{gPlateGlyphs.data(), kPlateSprite.x, kPlateSprite.y, kPlateHeight};
  kw::PrintTextBox(plate, kWinTextPlace.x, kWinTextPlace.y, "You win $%.0f", callWin);
}

}  // namespace gz
