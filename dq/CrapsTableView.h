// The Craps table as the client record shows it: the chip piles of the 67
// bet spots with their markers, the puck, the dice, the total-bet line and
// the enabled state of the bet buttons; and the won and lost lists of a roll.
// Everything is drawn into both screen layers from the game picture.
#pragma once

#include "dq/CrapsClientRecord.h"
#include "dq/CrapsRollResults.h"
#include "dq/CrapsTableLayout.h"

namespace dq {

// What the view keeps between calls.
struct TableViewState {
  int pileHeight[kCrapsBetKinds];  // sprites (chips and markers) last drawn per spot
  int diceOnTable;                 // 1 while both dice lie on the table
  Point diePlaces[2];              // where they lie (set by a throw)
  int workingMarkersShown;         // 0 while a point stands: no ON/OFF markers
  RollLists lists;                 // won and lost kinds of the last roll
};
extern TableViewState gTableView;

// Start of a run: no piles, no dice on the table, markers allowed, empty lists.
void ResetTableView();

// A pile this high stands 1,200 pixels, above any table. A server's payout
// can be any float, and past 2^33 taking 500 off no longer changes it.
inline constexpr int kMaxPileChips = 400;

// The chip sprites of a pile, bottom up: as many 500 chips as amount
// allows, then 100, 25, 5 and 1, then one fraction chip for a remainder
// above 0, at most kMaxPileChips. draw(n, sprite) is called for chip n;
// answers the chip count.
template <typename Draw>
int ForEachPileChip(float amount, Draw draw) {
  constexpr int kLargestFirst[kChipCount] = {4, 3, 2, 1, 0};
  int n = 0;
  float rest = amount;
  for (int selection : kLargestFirst) {
    const float value = static_cast<float>(kChipValues[selection]);
    while (rest >= value && n < kMaxPileChips) {
      rest -= value;
      draw(n++, kChipSprites[selection]);
    }
  }
  if (rest > 0.0f && n < kMaxPileChips) draw(n++, kFractionChipSprite);
  return n;
}

// The number of chips a greedy split of amount into 500, 100, 25, 5 and 1
// gives, plus one for a remainder above 0 (countFraction 1) or not (0).
int ChipCount(float amount, int countFraction);

// Picture area source (width x height) drawn at (x, y) without the
// transparent colour: into both layers (lasting), or into the work layer
// only (gone after the next flush).
void DrawSprite(int x, int y, Point source, int width, int height);
void DrawSpriteTop(int x, int y, Point source, int width, int height);

// Restores the total-bet area and writes "Total bet $%.2f" of total there.
void DrawTotalBet(double total);
// Draws the pile of amount at the spot (x, y): the greedy chips bottom up,
// then the kind's marker (Buy, Lay, ON or OFF as the record's point, working
// flags and the marker option say). For a kind 0..66 the sprite count becomes
// its pileHeight; any other kind draws chips only (the winnings piles).
void DrawChipPile(const CrapsClientRecord& record, float amount, int x, int y, int kind);
// Restores the area the kind's pile covers (one chip level more than the
// pile of its whole dollars, which also covers a marker) and answers that
// pile's chip count plus one.
int EraseBetPile(const float* bets, int kind);
// Redraws every spot, back of the table first. While the record's come-out
// flag of the roll is 1, the piles that may carry ON/OFF markers are erased
// first. An empty spot gets pileHeight 0 (nothing is erased).
void RedrawAllBets(const CrapsClientRecord& record);
// Erases the piles of Come Point Odds, Place Win, Buy and Hardways.
void EraseWorkingBetPiles(const CrapsClientRecord& record);
// Enables the bet buttons the record allows, then redraws every button.
void UpdateBetButtons(const CrapsClientRecord& record);
// After a roll has been shown: SettleRollOnRecord into gTableView.lists, the
// puck's face for the new point (ON) or a seven (OFF), the come-out flag of
// the roll cleared, and all bets redrawn.
void ProcessRollResults(CrapsClientRecord* record);
// The two large dice of the last roll (values 1..6; others draw nothing).
void DrawDice(int die1, int die2);
// The two dice lying on the table, shadow first, when diceOnTable is 1.
void DrawRestingDice(const CrapsClientRecord& record);
// One die of value 1..6 lying at at: its shadow, then its face (lasting).
// Other values draw nothing.
void DrawTableDie(Point at, int value);
// Puts the picture back over a lying die at at and its shadow.
void EraseTableDie(Point at);
// The puck's ON face at a point's place, or its OFF face at the OFF place.
void DrawPuckOn(int point);
void DrawPuckOff();
// The chip-selector highlight at a selection 0..4 (others draw nothing), and
// the picture put back over it.
void DrawChipSelector(int selection);
void EraseChipSelector(int selection);

}  // namespace dq
