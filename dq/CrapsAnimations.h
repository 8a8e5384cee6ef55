// The shows of a roll and of a quit, each a step the client machine calls
// once per frame until it answers 1 (finished; 0 while it runs). Each keeps
// its own progress, so only one instance of each runs at a time, and resets
// itself when it has finished. Here every step jumps straight to its final
// table, as with the show-animations switch off.
#pragma once

#include "CrapsClientRecord.h"

namespace dq {

// Start of a run: the puck's last move back to the OFF place on a come-out.
void ResetAnimations();

// The stick gathers the dice lying on the table.
int AnimDicePickup(CrapsClientRecord* record);
// The three throws; each ends with the dice off the table (the large dice
// show the roll).
int AnimDiceThrow1(CrapsClientRecord* record);
int AnimDiceThrow2(CrapsClientRecord* record);
int AnimDiceThrow3(CrapsClientRecord* record);
// The puck to the record's point (comeOut 0) or back to OFF (comeOut 1);
// nothing when comeOut equals that of its last move.
int AnimMovePuck(CrapsClientRecord* record, int point, int comeOut);
// Takes the bets of the lost list off the table.
int AnimTakeLosingBets(CrapsClientRecord* record);
// Pays the bets of the won list into the winnings piles.
int AnimPayWinningBets(CrapsClientRecord* record);
// Moves the pending Come Bet (Don't Come Bet) of amount whole dollars onto
// targetKind; an amount of 0 does nothing.
int AnimMoveComeBet(CrapsClientRecord* record, int amount, int targetKind);
int AnimMoveDontComeBet(CrapsClientRecord* record, int amount, int targetKind);
// Clears every bet when the player quits, back to the player or to the house.
int AnimQuitReturnBets(CrapsClientRecord* record);
int AnimQuitForfeitBets(CrapsClientRecord* record);

// The collected winnings: one pile below 5000, 5000 and the rest from 5000,
// two of 5000 and the rest from 10000; nothing from 20000 up. The winnings
// area is restored first.
void DrawWinnings(const CrapsClientRecord& record, float total);

}  // namespace dq
