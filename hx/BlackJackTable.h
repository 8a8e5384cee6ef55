// The Black Jack table on the screen: card pictures and the four rows of
// cards shown, the captions, the chip piles and their flights, the text
// boxes, the spoken totals, the result marks and the hand pointer, and the
// frame-stepped card flights (deal, split, sweep). Each animation answers 0
// while it runs and 1 on its last frame; with the animations off every
// flight lands in one frame.
#pragma once

#include "framework/sound/Dib.h"
#include "framework/sound/GlyphTable.h"
#include "hx/BlackJackClientRecord.h"
#include "hx/BlackJackLayout.h"
#include "hx/CardList.h"
#include "kw/ChipPiles.h"
#include "kw/TextBoxes.h"

namespace hx {

extern CDib gChipBitmap;
extern GlyphTable gTableGlyphs;  // its key word is set at start-up
extern int gPointerKey;
extern const kw::TextBoxStyle kBlackJackTextBox;
extern const kw::ChipPileStyle kBlackJackChips;

// The picture of entry (0 the back, else suit * 13 + value); the back for
// an entry outside the table.
Point CardPicture(int entry);
// The rows of cards already shown.
extern CardList gShown[kCardRows];
void ClearCardSlots();

// ---- Lasting drawing ----
void DrawCardAt(const Card& card, Point place);
void DrawBackAt(Point place);
// The caption of a row: "Black Jack", "%d/%d" or "%d", right of its newest card.
void WriteRowCaption(int row, const CardList& hand);
void WriteCaptionAt(Point place, const CardList& hand);
void EraseHandCaptions();
// The six piles (the layout by the split) after the chip area was erased.
void RedrawBetChips(const BlackJackClientRecord& record);
void EraseChipArea();
// The win text a little below (x, y).
void PrintLowerTextBox(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
// The piles take the split layout from the split on.
int HasSecondHand(const BlackJackClientRecord& record);
// Where pile k lies and where its win lands, by the split.
Point PilePlace(int pile, int split);
Point WinPlace(int pile, int split);
// A pile (column 0..11 of the chip bitmap) flying from one pile place to
// another, exclusive; 0 when no sprite slot is free.
int FlyPile(int column, double amount, Point from, Point to, int flags);

// ---- Sounds and marks ----
// wait 1: returns when spoken, so a sound that follows cannot cut it off;
// split 1: an ace and a ten is 21, not a black jack; mode 1: only the
// larger total.
void SayHandTotal(const CardList& hand, int wait, int split, int mode);
void ShowTwoHandResults(int first, int second);
void PlayResultSound(int result);

// ---- Animations ----
// row: 1 first split hand, 2 second split hand, 3 single hand.
void ResetDealAnimation();
int AnimateDeal(const CardList& dealer, const CardList& hand, int row);
// The back from the deck beside the dealer's card, the dealer's caption moved.
void ResetDealerBack();
int AnimateDealerBack(const CardList& dealer);
// The back to the discard, the dealer's caption back in its place.
int AnimateBackToDiscard(const CardList& dealer);
void ResetSplitAnimation();
int AnimateSplit(const CardList& hand);
// row: 0 dealer, 1 single hand, 2 first split hand, 3 second split hand.
void StartCardSweep(const CardList& list);
int AnimateCardSweep(int row);
// Every frame: the pointer over the split hand in play.
void AnimateHandPointer();
void ResetBlackJackTable();

}  // namespace hx
