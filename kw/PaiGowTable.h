// The Pai Gow Poker table on the screen: cards, the deck, the piles and the
// texts, and the frame-stepped animations the client machine runs. Each
// animation answers 0 while it runs and 1 on its last frame, keeping its
// own progress; with animations off a card lands at once and the steps
// still run out.
#pragma once

#include <cstdint>

#include "framework/sound/Dib.h"
#include "framework/sound/GlyphTable.h"
#include "kw/PaiGowTableLayout.h"
#include "kw/TextBoxes.h"

namespace kw {

// ---- Work bitmaps (made at start-up) ----
inline constexpr int kPileBitmapWidth = 408;
inline constexpr int kPileBitmapHeight = 88;
inline constexpr int kFiveBacksWidth = 129;
inline constexpr int kTwoBacksWidth = 72;
extern CDib gPileBitmap;
extern CDib gFiveBacks;
extern CDib gTwoBacks;
extern int gDeckDesign;
extern GlyphTable gTextBoxGlyphs;  // its transparent word is set at start-up
extern const TextBoxStyle kPaiGowTextBox;

// ---- Lasting drawing ----
void DrawCard(int id, Point place);
void DrawCardStrip(int id, Point place);  // the left 19 pixels
void DrawCardBack(Point place);
void RestoreCardPlace(Point place);
// The other deck design, drawn on the deck's place. Answers 1 (done).
int SwapDeckDesign();
// The bet pile on its place (the area restored first).
void RedrawBetChips(double bet);
// "Player wins ; %.2f" and the win pile.
void ShowPlayerWins(double win);

// ---- Animations ----
int AnimateDeal(const std::int32_t ids[7], double bet);
// Row index 0..6 to slot 0/1 and back.
int AnimateToSecondHand(int slot, int id, int rowIndex, int steps);
int AnimateBackToHighest(int slot, int id, int rowIndex, int steps);
int AnimateTurnCards5(const std::int32_t ids[5]);
int AnimateTurnCards7(const std::int32_t high[5], const std::int32_t low[2]);
int AnimatePayout(int result, double bet, double win);
// The 14 ids: the player's 5-card hand from its fifth card down, his 2-card
// hand from the second, the dealer's 2-card hand from the second, his
// 5-card hand from the fifth down.
int AnimateSweepTable(const std::int32_t ids[14]);
// Every animation back to its first frame (start of a run).
void ResetPaiGowAnimations();

}  // namespace kw
