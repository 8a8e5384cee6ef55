#include "dq/CrapsRollResults.h"

namespace dq {
namespace {

// The kind of a pending move for a total that stays, or -1 for another total.
int MoveTarget(int total, int firstPointKind) {
  for (int i = 0; i < 6; ++i) {
    if (kBoxNumbers[i] == total) return firstPointKind + i;
  }
  return -1;
}

}  // namespace

void SettleRollOnRecord(CrapsClientRecord* record, RollLists* lists) {
  record->comeMove[0] = record->comeMove[1] = 0;
  record->dontComeMove[0] = record->dontComeMove[1] = 0;
  record->won = 0.0f;
  int won = 0;
  int lost = 0;
  const int total = record->dice[0] + record->dice[1];
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    float& result = record->results[kind];
    const float bet = record->bets[kind];
    if ((kind == kComeBet || kind == kDontComeBet) && result == kResultStays) {
      const int target = MoveTarget(total, kind == kComeBet ? kComePoint4 : kDontComePoint4);
      if (target >= 0) {
        std::int32_t* move = kind == kComeBet ? record->comeMove : record->dontComeMove;
        move[0] = static_cast<std::int32_t>(bet);
        move[1] = target;
        result = 0.0f;
      }
      continue;
    }
    if (result == kResultLost) {
      lists->lost[lost++] = kind;
      record->lost += bet;
    } else if (result == kResultReturned) {
      lists->won[won++] = kind;
      result = bet;
    } else if (result > 0.0f) {
      record->won += result;
      record->balance -= bet;
      lists->won[won++] = kind;
    }
  }
  lists->won[won] = kBetListEnd;
  lists->lost[lost] = kBetListEnd;
}

}  // namespace dq
