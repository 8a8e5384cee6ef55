// The Caribbean Poker table on the screen: the deck, the cards, the chip
// stacks, the win banner and the frame-stepped animations the client
// machine runs. Each animation answers 0 while it runs and 1 on its last
// frame, keeping its own progress; with animations off it draws its final
// picture and answers 1 on its first call.
#pragma once

#include <cstdint>

#include "framework/sound/Dib.h"
#include "framework/sound/GlyphTable.h"
#include "gz/ChipStacks.h"

namespace gz {

// The work bitmap of a moving stack: 34 wide, 64 taller than a chip.
inline constexpr int kStackBitmapWidth = 34;
extern CDib gStackBitmap;
extern GlyphTable gPlateGlyphs;  // its transparent word is set at start-up
extern int gDeckLook;
extern const ChipStackStyle kCaribbeanChips;

void DrawDeck();
void DrawCardFace(int id, int place);
// Restores the ante's area, then the stack of ante on its spot.
void DrawAnteStack(double ante);
// The stack of 2 x ante on the call spot.
void DrawBetStack(double ante);
// The ante's win (a stack of ante) and the call's win (win - ante): a
// stack, or from 16 chips the banner with "You win $%.0f".
void ShowWinAmount(double win, double ante);

int AnimateDeal(const std::int32_t ids[6]);
int AnimateDealerTurn(const std::int32_t ids[4]);
int ShowHandCards(const std::int32_t ids[10]);
int AnimatePayout(int playerCard, int dealerCard);
int AnimateChipMove(double anteWin, double ante, double callWin, double callBet, int playerPaid);
// Every animation back to its first step, the deck to its first look.
void ResetCaribbeanTable();

}  // namespace gz
