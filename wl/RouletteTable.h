// The Roulette table's drawing: chip stacks on the bet slots (drawn back
// to front in kChipDrawOrder so neighbours overlap right), the chip
// selection ring, the win marker, the collection of lost chips, the
// payment of wins, the information texts, the number's call-out and the
// last-numbers column. Everything draws into the screen compositor from
// the program's picture.
#pragma once

#include "wl/RouletteTableLayout.h"

namespace wl {

// Chips of an amount, greedy from $500 down to $1.
int ChipCount(int amount);
// The stack of amount with its bottom chip centred on (x, y), each chip
// kChipStep pixels above the one below; only the chips that can show are
// drawn (a stack never rises beyond the screen's top).
void DrawChipStack(int amount, int x, int y);
// The same with the win marker standing on top.
void DrawChipStackAt(int amount, int x, int y);
// The chips of the slot's bet into *count, and the screen area its stack
// covers put back to the table.
void CountSlotChips(const int bets[kRouletteSlots], int slot, int* count);
// Redraws the column of slot's stack (at least minimum chips high): the
// table there, then every stack in draw order that reaches into it.
void DrawSlotChips(const int bets[kRouletteSlots], int slot, int minimum);
// The same with the win marker on the stack of number's straight slot.
void DrawSlotChipsMarked(const int bets[kRouletteSlots], int slot, int number, int minimum);
// Every stack of the table drawn again over a clean table.
void DrawAllChips(const int bets[kRouletteSlots]);
// Moves the selection ring to chip index 0..4.
void SelectChip(int index);
int SelectedChip();
// One lost slot per call: the next slot holding a bet without a win is
// cleared from the table and from bets; 1 (starting over next time) when
// none is left.
int CollectLostChips(int bets[kRouletteSlots], const int wins[kRouletteSlots], int number);
// Adds every win to *money in slot order, showing the money, the running
// sum and the pile of the sum; 1.
int PayWinners(const int wins[kRouletteSlots], double* money);
void DrawPlayerWins(double sum);
void DrawTotalBet(double total);
void DrawNumberName(int number);
// Plays the number's call-outs one after the other (sound effects on).
void AnnounceNumber(int number);
// Puts number on top of the last-numbers column, the oldest dropping out.
void PushLastNumber(int number);
int LastNumber(int row);
// The table's chip areas and the pay pile back to the bare table, with the
// stacks of bets and the marker on markedSlot wherever they reach.
void RedrawTableAreas(const int bets[kRouletteSlots], int markedSlot);
void RedrawInfoArea();
// Start of a run: no numbers, the $1 chip, the collection from slot 32.
void ResetTable();

}  // namespace wl
