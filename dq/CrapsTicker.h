// The Craps ticker texts above the table and the stickman's voice calls.
// The scrolling itself is the shell's UpdateTicker over gTickerText.
#pragma once

#include <cstdint>

#include "dq/CrapsClientRecord.h"
#include "framework/shell/Ticker.h"

namespace dq {

enum TickerTextKind : int {
  kTickerWelcome = 0,
  kTickerWinSummary = 1,  // what the last roll paid, bet by bet
  kTickerRollCall = 2,    // the stickman's call of the last roll
  kTickerCredits = 20,    // any other kind empties the ticker
};

extern char gTickerText[kTickerTextSize];
struct TickerFlags {
  std::uint16_t scrolling;  // a text is being shown
  std::uint16_t finished;   // nothing more to show
};
extern TickerFlags gTickerFlags;
// The stickman's call counter (shoot, shoot, out during a point); 0 at start.
extern int gStickmanCounter;

// Does nothing while a text scrolls; otherwise puts the text of kind into
// the buffer. The roll texts read the record's dice, total win, bets and
// results, gTableView's won list, and comeOutBefore: the come-out flag as it
// stood before the roll.
void SetTickerText(int kind, const CrapsClientRecord& record, int comeOutBefore);
// Empties the buffer, clears both flags and puts the picture's strip
// background into the ticker bitmap.
void ClearTicker();
// One betting frame of the ticker: scrolls the text until its pass ends;
// with the scrolling-text option off the ticker shows nothing.
void StepTicker();

// The call of the rolled total, sample after sample (voice option on only).
void PlayRollCallOut(const CrapsClientRecord& record);
// The call before the throw from the come-out flag and point of before the
// roll; moves gStickmanCounter.
void PlayCallBeforeThrow(const CrapsClientRecord& record);

}  // namespace dq
