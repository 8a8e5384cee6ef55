#include "dq/TableRules.h"

#include <cmath>

namespace dq {
namespace {

constexpr const char* kRuleTexts[] = {
    nullptr,
    "You have bet your maximum",
    "The tables maximum is 500 dollars",
    "You can't make a pass line bet at this point",
    "You can't make a don't pass bet at this point",
    "You can't make an odds bet at this point",
    "The maximum odds bet is 3 times your original bet",
    "You can't make a come bet during come-out roll",
    "You can't make a don't come bet during come-out roll",
    "You can't remove your pass line bet at this point",
    "You can't remove your come bet at this point",
    "You can't make that bet during come-out roll, unless you have your bets working",
};
static_assert(sizeof(kRuleTexts) / sizeof(kRuleTexts[0]) == kRuleNotWorking + 1,
              "one text per rule code");

int OddsCode(const CrapsTableView& t, float amount, float base) {
  if (base == 0) return kRuleNoOdds;
  if (amount > t.limits.maxOdds * base) return kRuleMaxOdds;
  return kRuleOk;
}

// A kind that holds nothing: contract bets that may not come off.
int EmptyKindCode(const CrapsTableView& t, int kind) {
  if (kind == kPassline) {
    return (t.comeOut == 0 && t.lastBets[kPassline] != 0) ? kRuleKeepPassline : kRuleOk;
  }
  int box = BoxOfRun(kind, kComePoint4);
  if (box != 0) {
    if (t.lastBets[kComeBet] != 0 && t.lastTotal == box) return kRuleKeepComeBet;
    if (t.lastBets[kind] != 0 && t.lastTotal != box && t.lastTotal != 7) return kRuleKeepComeBet;
  }
  return kRuleOk;
}

// A kind with an amount, after the maximum.
int HeldKindCode(const CrapsTableView& t, int kind, float amount) {
  switch (kind) {
    case kPassline:
      return (t.comeOut == 0 && t.lastBets[kPassline] == 0) ? kRuleNoPassline : kRuleOk;
    case kPasslineOdds:
      return t.comeOut == 1 ? kRuleNoOdds : OddsCode(t, amount, t.bets[kPassline]);
    case kDontPass:
      return (t.comeOut == 0 && t.lastBets[kDontPass] == 0) ? kRuleNoDontPass : kRuleOk;
    case kDontPassOdds:
      return t.comeOut == 1 ? kRuleNoOdds : OddsCode(t, amount, t.bets[kDontPass]);
    case kComeBet:
      return t.comeOut == 1 ? kRuleNoComeOnComeOut : kRuleOk;
    case kDontComeBet:
      return t.comeOut == 1 ? kRuleNoDontComeOnComeOut : kRuleOk;
    default:
      break;
  }
  if (BoxOfRun(kind, kComePointOdds4) != 0 || BoxOfRun(kind, kDontComePointOdds4) != 0) {
    return OddsCode(t, amount, t.bets[kind - 6]);
  }
  return kRuleOk;
}

// A come (or don't come) point with an amount must have come from the last
// roll: the bet stood there and neither won nor lost, or the come bet of
// the last roll moved onto it.
bool PointFollowsLastRoll(const CrapsTableView& t, int kind, int box, int comeKind) {
  float amount = t.bets[kind];
  float moved = t.lastBets[comeKind];
  bool stood = amount == t.lastBets[kind];
  if (moved != 0 && amount == moved) {
    return stood ? t.lastTotal != 7 : t.lastTotal == box;
  }
  return stood && t.lastTotal != 7 && t.lastTotal != box;
}

// Whole-dollar running total, truncated after each addition.
double AddToTableTotal(double total, float amount) { return std::trunc(total + amount); }

}  // namespace

int CheckTableRules(const CrapsTableView& table) {
  double total = 0;
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    float amount = table.bets[kind];
    if (amount == 0) {
      int code = EmptyKindCode(table, kind);
      if (code != kRuleOk) return code;
      continue;
    }
    if (amount > table.limits.maxBet) return kRuleMaxBet;
    int code = HeldKindCode(table, kind, amount);
    if (code != kRuleOk) return code;
    total = AddToTableTotal(total, amount);
  }
  return total > table.limits.maxTable ? kRuleMaxTable : kRuleOk;
}

const char* BetErrorText(int code) {
  if (code < kRuleMaxBet || code > kRuleNotWorking) return nullptr;
  return kRuleTexts[code];
}

int ServerCheckBets(const CrapsServerRecord& record) {
  CrapsTableView table{record.bets,
                       record.previousBets,
                       record.previousDice[0] + record.previousDice[1],
                       record.comeOut,
                       {record.minBet, record.maxBet, record.maxTable, record.maxOdds,
                        record.minBetProp}};
  double total = 0;
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    float amount = table.bets[kind];
    if (amount == 0) {
      if (EmptyKindCode(table, kind) != kRuleOk) return 0;
      continue;
    }
    double minimum = kind < kFirstPropositionBet ? record.minBet : record.minBetProp;
    if (amount < minimum || amount > record.maxBet) return 0;
    if (HeldKindCode(table, kind, amount) != kRuleOk) return 0;
    int comeBox = BoxOfRun(kind, kComePoint4);
    if (comeBox != 0 && !PointFollowsLastRoll(table, kind, comeBox, kComeBet)) return 0;
    int dontComeBox = BoxOfRun(kind, kDontComePoint4);
    if (dontComeBox != 0 && !PointFollowsLastRoll(table, kind, dontComeBox, kDontComeBet)) {
      return 0;
    }
    total = AddToTableTotal(total, amount);
  }
  return total > record.maxTable ? 0 : 1;
}

int CheckMinimumBets(const float* bets, const CrapsLimits& limits, int* failingKind) {
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    double minimum = kind < kFirstPropositionBet ? limits.minBet : limits.minBetProp;
    if (bets[kind] != 0 && bets[kind] < minimum) {
      if (failingKind != nullptr) *failingKind = kind;
      return 0;
    }
  }
  return 1;
}

const char* MinimumBetText(int kind) {
  return kind < kFirstPropositionBet ? "Minimum bet is $5 on the " : "Minimum bet is $1 on the ";
}

int CanQuitNow(const float* bets, int comeOut) {
  if (comeOut == 0 && bets[kPassline] != 0) return 0;
  for (int i = 0; i < 6; ++i) {
    if (bets[kComePoint4 + i] != 0 || bets[kDontComePoint4 + i] != 0) return 0;
  }
  return 1;
}

int ChipValue(int selection) {
  if (selection < 0 || selection >= kChipCount) return 0;
  return kChipValues[selection];
}

int StepDownChip(int selected, double available) {
  for (int chip = kChipCount - 1; chip > 0; --chip) {
    if (available < kChipValues[chip] && (selected == chip || selected == kNoChip)) {
      selected = chip - 1;
    }
  }
  if (available < kChipValues[0]) selected = kNoChip;
  return selected;
}

double ChipDenomination(double amount) {
  for (int chip = kChipCount - 1; chip >= 0; --chip) {
    if (amount >= kChipValues[chip]) return kChipValues[chip];
  }
  return amount;
}

int IsChipUsable(int button) { return (button <= -5 && button >= -9) ? 0 : 1; }

CrapsBetChange ChangeBet(CrapsBetBoard& board, int amount, int kind) {
  CrapsBetChange change{kBetChangeRefused, kRuleOk, 0.0f};
  if (kind < 0 || kind >= kCrapsBetKinds) return change;
  float held = board.bets[kind];
  if (amount > 0) {
    double available = board.balance - *board.tableTotal;
    if (amount > available || !board.bettingOpen) return change;
    if (held + amount > board.limits.maxBet) {
      // Checked before the cast: a server's maximum may lie far below any int.
      const double room = std::trunc(board.limits.maxBet - held);
      if (room <= 0) {
        change.outcome = kBetChangeAtMaximum;
        return change;
      }
      amount = static_cast<int>(room);
    }
  } else {
    if (amount == 0 || held == 0 || !board.bettingOpen) {
      change.outcome = kBetChangeNone;
      return change;
    }
    if (-amount >= held) amount = -static_cast<int>(std::trunc(held));
  }
  float heldTotal = *board.tableTotal;
  change.applied = static_cast<float>(amount);
  *board.tableTotal += change.applied;
  board.bets[kind] += change.applied;
  CrapsTableView table{board.bets, board.lastBets, board.lastTotal, board.comeOut, board.limits};
  change.ruleCode = CheckTableRules(table);
  if (change.ruleCode != kRuleOk) {
    *board.tableTotal = heldTotal;
    board.bets[kind] = held;
    change.outcome = kBetChangeBrokeRule;
    return change;
  }
  change.outcome = kBetChangeDone;
  return change;
}

int BetChangeAnswer(const CrapsBetChange& change) {
  return (change.outcome == kBetChangeDone || change.outcome == kBetChangeNone) ? 1 : 0;
}

}  // namespace dq
