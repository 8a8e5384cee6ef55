// The Craps bet kinds: the numbering every per-bet array, packet list, name
// table and button map of the Craps program uses, and their names.
#pragma once

namespace dq {

// Within each run of six the boxes are 4, 5, 6, 8, 9, 10 in this order.
enum CrapsBetKind : int {
  kPassline = 0,
  kPasslineOdds = 1,
  kDontPass = 2,
  kDontPassOdds = 3,
  kComeBet = 4,
  kComePoint4 = 5,  // .. kComePoint4 + 5: Come Point 10
  kComePointOdds4 = 11,
  kDontComeBet = 17,
  kDontComePoint4 = 18,
  kDontComePointOdds4 = 24,
  kBig6 = 30,
  kBig8 = 31,
  kField = 32,
  kPlaceWin4 = 33,
  kPlaceLose4 = 39,
  kBuy4 = 45,
  kLay4 = 51,
  kAny7 = 57,
  kHardway6 = 58,
  kHardway8 = 59,
  kHardway10 = 60,
  kHardway4 = 61,
  kHorn2 = 62,
  kHorn12 = 63,
  kHorn3 = 64,
  kHorn11 = 65,
  kAnyCraps = 66,
  kCrapsBetKinds = 67,
};

// Every per-bet array of the records holds this many entries; 67..69 stay 0.
inline constexpr int kCrapsBetSlots = 70;
// Kinds from here on are propositions, with their own minimum.
inline constexpr int kFirstPropositionBet = kAny7;

// Values of a result slot other than a payout (a payout is above 0 and
// includes the stake); 0 means the kind had no stake.
inline constexpr float kResultStays = -1.0f;
inline constexpr float kResultLost = -2.0f;
inline constexpr float kResultReturned = -3.0f;

// The box numbers of a run of six, in kind order.
inline constexpr int kBoxNumbers[6] = {4, 5, 6, 8, 9, 10};

// The box number of a kind inside the run that starts at firstOfRun, or 0
// when the kind lies outside that run.
int BoxOfRun(int kind, int firstOfRun);

// Display name with one trailing blank ("Passline Odds "); null above 66
// or below 0.
const char* BetName(int kind);
// The display name in capitals ("PASSLINE ODDS "); null above 66 or below 0.
const char* TickerBetName(int kind);

// No kind is ever locked against changes; always 0.
int IsBetLocked(int kind);

}  // namespace dq
