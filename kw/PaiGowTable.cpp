#include "kw/PaiGowTable.h"

#include "framework/shell/ShellGlobals.h"
#include "kw/ChipPiles.h"
#include "kw/PaiGowFonts.h"

namespace kw {

CDib gPileBitmap;
CDib gFiveBacks;
CDib gTwoBacks;
int gDeckDesign = kDeckDesignBlue;

GlyphTable gTextBoxGlyphs = kTextBoxFont;

const TextBoxStyle kPaiGowTextBox{gTextBoxGlyphs.data(), kTextStripSprite.x, kTextStripSprite.y, kTextStripHeight};

void DrawCard(int id, Point place) {
  const Point face = kCardFaces[id];
  gScreen.Blit(place.x, place.y, &gPicture, face.x, face.y, kCardWidth, kCardHeight, gTransparentIndex);
}

void DrawCardStrip(int id, Point place) {
  const Point face = kCardFaces[id];
  gScreen.Blit(place.x, place.y, &gPicture, face.x, face.y, kCardStripWidth, kCardHeight, gTransparentIndex);
}

void DrawCardBack(Point place) {
  const Point back = kCardBacks[gDeckDesign];
  gScreen.Blit(place.x, place.y, &gPicture, back.x, back.y, kCardWidth, kCardHeight, gTransparentIndex);
}

void RestoreCardPlace(Point place) { gScreen.Restore(place.x, place.y, kCardWidth, kCardHeight); }

int SwapDeckDesign() {
  gDeckDesign = gDeckDesign == kDeckDesignBlue ? kDeckDesignRed : kDeckDesignBlue;
  DrawCardBack(kDeckPlace);
  return 1;
}

void RedrawBetChips(double bet) {
  gScreen.Restore(kBetPileArea.x, kBetPileArea.y, kBetPileArea.width, kBetPileArea.height);
  DrawChipPile(kBetPile, static_cast<float>(bet), kBetPilePlace.x, kBetPilePlace.y);
}

void ShowPlayerWins(double win) {
  PrintTextBox(kPaiGowTextBox, kWinTextPlace.x, kWinTextPlace.y, "Player wins ; %.2f", win);
  DrawChipPile(kWinPile, static_cast<float>(win), kWinPilePlace.x, kWinPilePlace.y);
}

}  // namespace kw
