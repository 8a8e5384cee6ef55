// The shows of a roll and of a quit. Each is a step the client machine calls
// once per frame until it answers 1 (0 while it runs); each keeps its own
// progress, so only one instance of each runs at a time, and resets itself
// when it has finished. With the show-animations switch of "Casino.cfg" off
// each jumps to its final table in its first call. Moving sprites go into
// the work layer only; what stays on the table goes into both layers.
#pragma once

#include "dq/CrapsClientRecord.h"

class CDib;

namespace dq {

// Start of a run: no animation in progress, the puck at its OFF place after
// a come-out, the first Come and Don't Come walk waits 3 frames.
void ResetAnimations();
// The puck's animation record after a restore drew the puck itself: it
// stands at point's place (0: the OFF place) and the come-out flag of its
// last move is that of point.
void PlacePuck(int point);

// The stick gathers the two dice lying on the table (two "dq_coll.wav"
// effects, not waited for); nothing when none lie there or animations are off.
int AnimDicePickup(CrapsClientRecord* record);
// The three throws. Each ends with both dice lying at their rest places
// showing the record's dice (diceOnTable 1); with animations off the dice
// only leave the table (diceOnTable 0), except in a restore's replay of a
// player who has animations on: the dice then land at once where the throw
// would have left them. Throw 1 starts "dq_Dice.wav", the bouncing throws 2
// and 3 play "dq_Dice2.wav" at each bounce (effects, not waited for). The
// choice of throw, the rest places and the tumbling come from ThrowRandom.
// The throw's own random stream, seeded from the roll it shows (its dice,
// the bets it was rolled for, the round's opening balance), so a replay of
// the roll throws the same way. SeedThrow before the first ThrowRandom of a
// roll; ThrowRandom answers 0..n-1.
void SeedThrow(const CrapsClientRecord& record);
int ThrowRandom(int n);
int AnimDiceThrow1(CrapsClientRecord* record);
int AnimDiceThrow2(CrapsClientRecord* record);
int AnimDiceThrow3(CrapsClientRecord* record);
// The puck to the record's point (comeOut 0) or back to OFF (comeOut 1);
// nothing when comeOut equals that of its last move, whatever the point.
// Sets workingMarkersShown to 0 while a point stands.
int AnimMovePuck(CrapsClientRecord* record, int point, int comeOut);
// The bets of the lost list fly off the table, one after the other.
int AnimTakeLosingBets(CrapsClientRecord* record);
// Each bet of the won list shows its payout, then flies to the winnings
// piles; the piles end showing WinningsOfRoll.
int AnimPayWinningBets(CrapsClientRecord* record);
// Moves the pending Come Bet (Don't Come Bet) of amount whole dollars chip
// by chip onto targetKind, which ends holding amount; an amount of 0 does
// nothing.
int AnimMoveComeBet(CrapsClientRecord* record, int amount, int targetKind);
int AnimMoveDontComeBet(CrapsClientRecord* record, int amount, int targetKind);
// Every bet leaves the table when the player quits, towards the player or
// towards the house, in kind order.
int AnimQuitReturnBets(CrapsClientRecord* record);
int AnimQuitForfeitBets(CrapsClientRecord* record);

// The sum of the results of the won list: payouts with their stakes and
// returned stakes, which is what the winnings piles show after a roll. Read
// from the record alone (once settled, the won kinds are those whose result
// is above 0), so a restore can show them again.
float WinningsOfRoll(const CrapsClientRecord& record);
// The collected winnings, after the winnings area is put back: one pile
// below 5000; 5000 and the rest from 5000; two of 5000 and the rest from
// 10000; nothing from 20000 up or for 0 and less.
void DrawWinnings(const CrapsClientRecord& record, float total);
// Fills bitmap with the transparent colour, then draws the chips of amount
// (the greedy split of a pile, none for 0 or less) bottom up, chip n at
// (moving jitter of n + xOffset, yOffset + 45 - 3n). Answers the chip count.
int DrawMovingChipPile(CDib* bitmap, int ignored, float amount, int xOffset, int yOffset);

}  // namespace dq
