// What the Slot machine shows: the reels turning and stopping on the
// server's stops, the readouts, the machine value in force, the buttons'
// enabled flags, and the frame-stepped coin drop, coin insert and lever.
// Each animation is called once a frame, answers 1 in the frame it ends and
// is ready again for its next use; with animations off it ends at once.
#pragma once

#include "framework/sound/GlyphTable.h"

namespace jb {

// The readouts' font (its text colour set at start-up).
extern GlyphTable gReadoutFont;

// ---- Reels ----
// Each reel shows a random stop.
void RandomReelStart();
// One frame forward, drawn.
void SpinReel(int reel);
// One frame towards stop: 1 once the reel stands on it (reel 0 turns more
// than 55 frames first; with animations off at once), its stop sound played.
int StopReel(int reel, int stop);

// ---- Animations ----
// The coin drop, once per 100 coins of coins, 1 to 5 times.
int AnimatePayout(int coins);
// The coin falling into the slot.
int AnimateCoins();
// The lever pulled and let go; *frameDrawn the frame drawn by this call
// (0..13) or -1.
int AnimateLever(int* frameDrawn);
inline constexpr int kLeverSpinFrame = 9;  // the 10th frame starts the spin

// ---- Readouts and buttons ----
// Amounts in coins shown as dollars at the machine value.
void DrawCreditReadout(double credits, double machineValue);
void DrawBetReadout(double coins, double machineValue);
void DrawPaidReadout(double win, double machineValue);
// The face of the machine value in force drawn lit, the other two not drawn.
void ShowDenomination(double machineValue);
// Every button off but Help, Options and Quit.
void DisableAllButNeutral();
// The enabled flag of button 0..17; other numbers are ignored.
void SetSlotButton(int button, int on);

// Start of a run.
void ResetReels();
void ResetAnimations();
void ResetReadouts();

}  // namespace jb
