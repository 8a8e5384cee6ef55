// The Craps table rules: whether a bet may be placed or taken off, the
// minimum-bet and quit checks, chip choice, and the server's own check of a
// received bet list. Pure functions over the bet arrays; no drawing here.
#pragma once

#include "dq/BetModel.h"
#include "dq/CrapsServerRecord.h"

namespace dq {

struct CrapsLimits {
  double minBet;
  double maxBet;
  double maxTable;
  double maxOdds;
  double minBetProp;
};

// What the rules look at: the bets as they stand now and as they stood for
// the last roll (the client's snapshot, the server's previous list).
struct CrapsTableView {
  const float* bets;      // kCrapsBetSlots entries
  const float* lastBets;  // kCrapsBetSlots entries
  int lastTotal;          // dice total of the last roll
  int comeOut;            // 1 while the next roll is a come-out roll
  CrapsLimits limits;
};

// Codes of CheckTableRules; their texts come from BetErrorText.
enum CrapsRuleCode : int {
  kRuleOk = 0,
  kRuleMaxBet = 1,
  kRuleMaxTable = 2,
  kRuleNoPassline = 3,
  kRuleNoDontPass = 4,
  kRuleNoOdds = 5,
  kRuleMaxOdds = 6,
  kRuleNoComeOnComeOut = 7,
  kRuleNoDontComeOnComeOut = 8,
  kRuleKeepPassline = 9,
  kRuleKeepComeBet = 10,
  kRuleNotWorking = 11,  // has a text; no rule gives it
};

// The client's check after a change: kinds in index order, the first
// failing code, else 0 (table total above maxTable gives 2 last).
int CheckTableRules(const CrapsTableView& table);
// Text of a rule code 1..11; null for any other code.
const char* BetErrorText(int code);

// The server's twin over a received list: minimum first, then the client's
// rules, then come and don't come points that must follow from the last
// roll. 1 valid, 0 invalid.
int ServerCheckBets(const CrapsServerRecord& record);

// 1 when every bet with an amount reaches its minimum (minBet for 0..56,
// minBetProp for the propositions); else 0 and *failingKind (when given)
// holds the first failing kind.
int CheckMinimumBets(const float* bets, const CrapsLimits& limits, int* failingKind);
// The start of the minimum message for a failing kind, to be followed by
// BetName(kind); the amounts are fixed texts whatever the limits.
const char* MinimumBetText(int kind);

// 1 when no contract bet is on the table: 0 while the Passline holds an
// amount and a point stands, or any Come Point or Don't Come Point does.
int CanQuitNow(const float* bets, int comeOut);

// ---- Chips ----------------------------------------------------------------

inline constexpr int kChipCount = 5;
inline constexpr int kNoChip = 6;  // selection when no chip is affordable
inline constexpr int kChipValues[kChipCount] = {1, 5, 25, 100, 500};

// Dollar value of chip selection 0..4; 0 for any other selection.
int ChipValue(int selection);
// The selection after stepping down from `selected` until its chip fits the
// available money (balance less the table total). Steps only down: a
// selection of kNoChip comes back only when money is short of the chips.
int StepDownChip(int selected, double available);
// The largest of 500, 100, 25, 5, 1 not above amount; below 1 the amount
// itself comes back.
double ChipDenomination(double amount);
// 0 for a chip button pressed with the right button (negated ids -5..-9),
// else 1.
int IsChipUsable(int button);

// ---- Placing and taking off chips ----------------------------------------

// The client's betting state that a chip change reads and writes.
struct CrapsBetBoard {
  float* bets;             // kCrapsBetSlots entries
  float* tableTotal;       // sum of all bets on the table
  const float* lastBets;   // the snapshot of the last roll
  int lastTotal;
  int comeOut;
  double balance;
  CrapsLimits limits;
  int bettingOpen;
};

enum CrapsBetChangeOutcome : int {
  kBetChangeRefused = 0,    // money short or betting closed; nothing to show
  kBetChangeAtMaximum = 1,  // the kind already holds maxBet; nothing changed
  kBetChangeBrokeRule = 2,  // applied, broke ruleCode, undone
  kBetChangeNone = 3,       // a take-off with nothing to take; nothing changed
  kBetChangeDone = 4,       // applied and kept
};

struct CrapsBetChange {
  int outcome;     // CrapsBetChangeOutcome
  int ruleCode;    // CheckTableRules code for kBetChangeBrokeRule, else 0
  float applied;   // signed dollars applied (also for an undone change)
};

// Adds (amount > 0) or takes off (amount < 0) whole dollars on a kind and
// applies the table rules, undoing a change that breaks one. An add above
// maxBet is cut to what is left; a take-off of more than the bet takes the
// bet's whole dollars. Drawing, sounds and boxes are the caller's.
CrapsBetChange ChangeBet(CrapsBetBoard& board, int amount, int kind);
// PlaceBet's answer for an outcome: 1 for kBetChangeDone and kBetChangeNone.
int BetChangeAnswer(const CrapsBetChange& change);

}  // namespace dq
