// The Baccarat table on the screen: the stake and win stacks, the chip
// selector, the totals, and the frame-stepped animations the client machine
// runs. Each animation answers 0 while it runs and 1 when done, keeping its
// own progress; with animations off it draws its final picture and answers
// 1 on its first call.
#pragma once

#include "framework/sound/Dib.h"
#include "framework/sound/GlyphTable.h"
#include "gz/ChipStacks.h"
#include "sq/BaccaratClientRecord.h"

namespace sq {

using gz::ChipStackStyle;
using gz::DrawChipStack;
using gz::DrawChipStackTo;
using gz::JitterChipStacks;

extern CDib gStackBitmap;
extern GlyphTable gSmallFontGlyphs;  // its transparent word is set at start-up
extern const ChipStackStyle kBaccaratChips;

void DrawCardFace(int id, int place);
// The three stakes back to front (Tie, Banker, Player), their areas
// restored first.
void DrawBetStacks(const BaccaratClientRecord& record);
void EraseBetStacks();
void EraseChipSelector();
// The marker over chip selection (none for kNoChip).
void DrawChipSelector(int selection);
// For result 0..2: the win (win - the winning stake) at its win stack and
// the status text naming it; "Start a new game" enabled with that option on.
void ShowWinMessage(const BaccaratClientRecord& record);
// "Player has ; %d" and "Banker has ; %d": the two-card totals; with final
// a side that drew shows its three-card total at the three-card place.
void ShowHandTotals(const CoupCards& coup, int final);
void EraseHandTotals(const CoupCards& coup, int final);
int PlayerDrew(const CoupCards& coup);
int BankerDrew(const CoupCards& coup);

int AnimateDeal(const CoupCards& coup);
int AnimateThirdCards(const CoupCards& coup);
int AnnounceTotals(const CoupCards& coup);
int AnimatePayout(const BaccaratClientRecord& record);
int AnimateClearCards(const CoupCards& coup);
// Every animation back to its first step.
void ResetBaccaratTable();

}  // namespace sq
