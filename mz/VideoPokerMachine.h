// The machine as the player works it: the money model (balance outside,
// credits inside, coins bet at the coin value), the meters and lamps, the
// pay-table highlight, the meter records carried through a restore, the
// cards drawn flat or turning, and the frame-stepped animations.
#pragma once

#include <cstdint>

#include "framework/sound/GlyphTable.h"
#include "mz/VideoPokerClientRecord.h"

class CPtrList;

namespace mz {

// ---- Money ----
void InsertCredits(VideoPokerClientRecord* record, int dollars);
void BetCoins(VideoPokerClientRecord* record, int coins);
void CashOut(VideoPokerClientRecord* record);
void SetCoinValue(VideoPokerClientRecord* record, double value);
void UpdateMachineButtons(const VideoPokerClientRecord* record);
void SetButtonEnabled(int button, int on);

// ---- Drawing ----
void DrawMeters(const VideoPokerClientRecord* record);
// tick 0: set (coins' column, hand code's row; code -1 keeps the row); 1: one blink step.
void HighlightPayTable(int coins, int handCode, int tick);
void DrawCoinValueLamp(double value);
void DrawCard(const VideoPokerClientRecord* record, int n);
void DrawFlippingCard(const VideoPokerClientRecord* record, int n, int phase, int showBack);
void RedrawMachine(const VideoPokerClientRecord* record);
// The rotated blit into the work layer, its box queued as dirty.
void BlitRotated(int x, int y, int sourceX, int sourceY, int width, int height, int angle1, int angle2, int angle3);

// ---- Meter records ----
inline constexpr int kMeterState = 1000000;
enum MeterKey : int { kMeterCoinsBet = 10001, kMeterCredits = 10002, kMeterCoinValue = 10003, kMeterMoney = 10004 };
void AddMeterRecord(CPtrList& list, int key, float value);
// 1 and *value when the list held one (taken out), else 0.
int TakeMeterRecord(CPtrList& list, int key, float* value);
void SaveMeters(const VideoPokerClientRecord* record);
void RestoreMeters(VideoPokerClientRecord* record);

// The big font of the meters (its text colour set at start-up).
extern GlyphTable gMeterFont;
// ---- Flips and animations ----
inline constexpr int kFlipStep = 40;
inline constexpr int kFlipDone = 1032;
// Starts the phases of the cards that turn (held cards stay at kFlipDone).
void StartFlips(VideoPokerClientRecord* record, int onlyNotHeld);
// One frame of the face-up (showBack 0: back first) or face-down turn; 1 when all are done.
int StepFlips(VideoPokerClientRecord* record, int faceDown);
void ResetCardsForNewRound(VideoPokerClientRecord* record, int plain, int tick);
void AnimateCashOut(int tick);
void AnimateCoinIn(int tick);
void AnimateMarquee();
// Every frame: blink, marquee, coin-in, card reset, cash-out.
void MachineIdleStep();
void ResetMachine();
void ResetAnimations();

}  // namespace mz
