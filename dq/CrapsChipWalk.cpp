#include "dq/CrapsAnimationParts.h"
#include "dq/CrapsAnimations.h"
#include "dq/CrapsTableView.h"
#include "dq/TableRules.h"

namespace dq {
namespace {

struct WalkProgress {
  int running;
  int remaining;  // whole dollars still to move
  int moved;
  int wait;       // frames to wait before the next chip
  int done;       // the last chip has moved
  int nextWait;   // the wait before the first chip of the next walk
};

WalkProgress gComeWalk;
WalkProgress gDontComeWalk;

void StartWalks() {
  gComeWalk = WalkProgress{};
  gDontComeWalk = WalkProgress{};
  gComeWalk.nextWait = kFirstWalkFrames;
  gDontComeWalk.nextWait = kFirstWalkFrames;
}

int Walk(WalkProgress* walk, int afterWait, CrapsClientRecord* record, int sourceKind, int amount,
         int targetKind) {
  if (amount <= 0) return 1;
  if (!AnimationsOn()) {
    EraseSpot(record, sourceKind);
    record->bets[targetKind] = static_cast<float>(amount);
    record->bets[sourceKind] = 0.0f;
    RedrawAllBets(*record);
    return 1;
  }
  if (!walk->running) {
    walk->running = 1;
    walk->remaining = amount;
    walk->moved = 0;
    walk->done = 0;
    walk->wait = walk->nextWait;
  }
  if (walk->done) {
    walk->running = 0;
    walk->nextWait = afterWait;
    return 1;
  }
  if (walk->wait > 0) {
    --walk->wait;
    return 0;
  }
  const int chip = static_cast<int>(ChipDenomination(walk->remaining));
  // The source pile is erased while it still has the chip, so none of it stays.
  EraseSpot(record, sourceKind);
  walk->remaining -= chip;
  walk->moved += chip;
  record->bets[sourceKind] = static_cast<float>(walk->remaining);
  record->bets[targetKind] = static_cast<float>(walk->moved);
  RedrawAllBets(*record);
  walk->wait = kWalkChipFrames;
  walk->done = walk->remaining <= 0 ? 1 : 0;
  return 0;
}

}  // namespace

void ResetChipWalks() { StartWalks(); }

int AnimMoveComeBet(CrapsClientRecord* record, int amount, int targetKind) {
  return Walk(&gComeWalk, kNextComeWalkFrames, record, kComeBet, amount, targetKind);
}

int AnimMoveDontComeBet(CrapsClientRecord* record, int amount, int targetKind) {
  return Walk(&gDontComeWalk, kNextDontComeWalkFrames, record, kDontComeBet, amount, targetKind);
}

}  // namespace dq
