#include "dq/CrapsAnimationParts.h"
#include "dq/CrapsAnimations.h"
#include "dq/CrapsRollResults.h"
#include "dq/CrapsTableView.h"
#include "framework/shell/ShellGlobals.h"

namespace dq {
namespace {

constexpr float kWinningsPile = 5000.0f;

// One pile in the air: the kind it left, its start and the next step.
struct Flight {
  int kind;  // -1: none flying
  int step;
  Point from;
};

struct WonProgress {
  int running;
  int position;  // in the won list
  int shown;     // frames the payout has stood on the spot
  Flight flight;
  float result;  // of the flying pile
  float collected;
};

Flight gLostFlight{-1, 0, {}};
Flight gQuitFlight{-1, 0, {}};
WonProgress gWon;

// The next kind whose pile is to go, or -1 when none is left.
using NextKind = int (*)(const CrapsClientRecord& record);

// The first kind of list (ended by kBetListEnd) that still holds a bet.
int FirstHolding(const CrapsClientRecord& record, const int* list) {
  for (int i = 0; i < kBetListCapacity && list[i] != kBetListEnd; ++i) {
    if (record.bets[list[i]] != 0.0f) return list[i];
  }
  return -1;
}

int NextLost(const CrapsClientRecord& record) {
  return FirstHolding(record, gTableView.lists.lost);
}

int NextWon(const CrapsClientRecord& record) { return FirstHolding(record, gTableView.lists.won); }

int NextOnTable(const CrapsClientRecord& record) {
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    if (record.bets[kind] != 0.0f) return kind;
  }
  return -1;
}

// The pile of kind leaves its spot for the moving-pile bitmap.
Flight LiftPile(CrapsClientRecord* record, int kind, const PileFlight& path) {
  EraseSpot(record, kind);
  RedrawPuck(*record);
  TakeMovingPile(record->bets[kind]);
  record->bets[kind] = 0.0f;
  RedrawAllBets(*record);
  const Point spot = kBetSpots[kind];
  return {kind, 0, {spot.x + path.offset.x, spot.y + path.offset.y}};
}

// Draws the flight's next step; 1 when it has drawn its last.
int StepFlight(Flight* flight, const PileFlight& path) {
  DrawMovingPileTop(StraightStep(flight->from, path.to, flight->step, path.steps));
  return ++flight->step == path.steps ? 1 : 0;
}

// Flies the piles next gives off the table, one after the other.
int FlyPiles(CrapsClientRecord* record, Flight* flight, NextKind next, const PileFlight& path) {
  if (flight->kind < 0) {
    const int kind = next(*record);
    if (kind < 0) return 1;
    *flight = LiftPile(record, kind, path);
  }
  if (!StepFlight(flight, path)) return 0;
  flight->kind = -1;
  return next(*record) < 0 ? 1 : 0;
}

// Without animations: the piles next gives are taken off at once; the
// caller redraws.
void ClearPiles(CrapsClientRecord* record, NextKind next) {
  for (int kind = next(*record); kind >= 0; kind = next(*record)) {
    EraseSpot(record, kind);
    record->bets[kind] = 0.0f;
  }
  RedrawPuck(*record);
}

int QuitPiles(CrapsClientRecord* record, const PileFlight& path) {
  if (AnimationsOn()) return FlyPiles(record, &gQuitFlight, NextOnTable, path);
  ClearPiles(record, NextOnTable);
  RedrawAllBets(*record);
  return 1;
}

// What a won spot shows before it is paid: the payout, less the 5000s the
// winnings piles hold.
float ShownPayout(float result) {
  if (result > 2 * kWinningsPile) return result - 2 * kWinningsPile;
  if (result > kWinningsPile) return result - kWinningsPile;
  return result;
}

}  // namespace

void ResetChipFlights() {
  gLostFlight = Flight{-1, 0, {}};
  gQuitFlight = Flight{-1, 0, {}};
  gWon = WonProgress{};
  gWon.flight.kind = -1;
}

int AnimTakeLosingBets(CrapsClientRecord* record) {
  const int* lost = gTableView.lists.lost;
  if (lost[0] == kBetListEnd) return 1;
  if (AnimationsOn()) return FlyPiles(record, &gLostFlight, NextLost, kLostFlight);
  ClearPiles(record, NextLost);
  RedrawAllBets(*record);
  return 1;
}

int AnimPayWinningBets(CrapsClientRecord* record) {
  const int* won = gTableView.lists.won;
  if (won[0] == kBetListEnd) return 1;
  if (!AnimationsOn()) {
    const float total = WinningsOfRoll(*record);
    ClearPiles(record, NextWon);
    DrawWinnings(*record, total);
    RedrawAllBets(*record);
    return 1;
  }
  if (!gWon.running) {
    gWon = WonProgress{};
    gWon.running = 1;
    gWon.flight.kind = -1;
  }
  const int kind = won[gWon.position];
  if (gWon.shown < kPayoutShowFrames) {
    if (gWon.shown++ == 0) {
      EraseSpot(record, kind);
      record->bets[kind] = ShownPayout(record->results[kind]);
      RedrawAllBets(*record);
    }
    return 0;
  }
  if (gWon.flight.kind < 0) {
    gWon.result = record->results[kind];
    gWon.flight = LiftPile(record, kind, kWonFlight);
  }
  if (gWon.flight.step < kWonFlight.steps) {
    StepFlight(&gWon.flight, kWonFlight);
    return 0;
  }
  gWon.collected += gWon.result;
  DrawWinnings(*record, gWon.collected);
  gWon.flight.kind = -1;
  gWon.shown = 0;
  if (++gWon.position < kBetListCapacity && won[gWon.position] != kBetListEnd) return 0;
  DrawWinnings(*record, gWon.collected);
  ResetChipFlights();
  return 1;
}

int AnimQuitReturnBets(CrapsClientRecord* record) { return QuitPiles(record, kQuitReturnFlight); }
int AnimQuitForfeitBets(CrapsClientRecord* record) { return QuitPiles(record, kQuitForfeitFlight); }

float WinningsOfRoll(const CrapsClientRecord& record) {
  float total = 0.0f;
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    if (record.results[kind] > 0.0f) total += record.results[kind];
  }
  return total;
}

void DrawWinnings(const CrapsClientRecord& record, float total) {
  gScreen.Restore(kWinningsArea.x, kWinningsArea.y, kWinningsArea.width, kWinningsArea.height);
  if (total >= 4 * kWinningsPile || total <= 0.0f) return;
  const int full = total < kWinningsPile ? 0 : (total < 2 * kWinningsPile ? 1 : 2);
  for (int i = 0; i < full; ++i) {
    DrawChipPile(record, kWinningsPile, kWinningsPlaces[i].x, kWinningsPlaces[i].y, kCrapsBetKinds);
  }
  DrawChipPile(record, total - kWinningsPile * static_cast<float>(full), kWinningsPlaces[full].x,
               kWinningsPlaces[full].y, kCrapsBetKinds);
}

}  // namespace dq
