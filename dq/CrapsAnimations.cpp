#include "CrapsAnimations.h"


#include "CrapsRollResults.h"
#include "CrapsTableView.h"
#include "ShellGlobals.h"

namespace dq {
namespace {

// The puck's last move: the come-out flag it was made for and its slot.
int gPuckComeOut = 1;
int gPuckSlot = 0;

void EraseSpot(CrapsClientRecord* record, int kind) {
  record->pileHeight = EraseBetPile(record->bets, kind);
}

void RedrawPuck(const CrapsClientRecord& record) {
  if (record.point != 0) DrawPuckOn(record.point);
}

void ClearListed(CrapsClientRecord* record, const int* list) {
  for (int i = 0; i < kBetListCapacity && list[i] != kBetListEnd; ++i) {
    EraseSpot(record, list[i]);
    record->bets[list[i]] = 0.0f;
  }
}

int ThrowOffTable(CrapsClientRecord* record) {
  if (gTableView.diceOnTable == 1) {
    for (int d = 0; d < 2; ++d) {
      const Point at = gTableView.diePlaces[d];
      gScreen.Restore(at.x, at.y, kTableDieWidth, kTableDieHeight);
      gScreen.Restore(at.x + kDieShadowOffset.x, at.y + kDieShadowOffset.y, kTableDieWidth,
                      kTableDieHeight);
    }
    RedrawAllBets(*record);
  }
  gTableView.diceOnTable = 0;
  return 1;
}

int MoveBetOnto(CrapsClientRecord* record, int sourceKind, int amount, int targetKind) {
  if (amount == 0) return 1;
  record->bets[targetKind] = static_cast<float>(amount);
  EraseSpot(record, sourceKind);
  record->bets[sourceKind] = 0.0f;
  RedrawAllBets(*record);
  return 1;
}

int ClearTable(CrapsClientRecord* record) {
  for (int kind = 0; kind < kCrapsBetKinds; ++kind) {
    if (record->bets[kind] == 0.0f) continue;
    EraseSpot(record, kind);
    record->bets[kind] = 0.0f;
  }
  RedrawAllBets(*record);
  return 1;
}

}  // namespace

void ResetAnimations() {
  gPuckComeOut = 1;
  gPuckSlot = 0;
}

int AnimDicePickup(CrapsClientRecord* record) {
  (void)record;
  return 1;
}

int AnimDiceThrow1(CrapsClientRecord* record) { return ThrowOffTable(record); }
int AnimDiceThrow2(CrapsClientRecord* record) { return ThrowOffTable(record); }
int AnimDiceThrow3(CrapsClientRecord* record) { return ThrowOffTable(record); }

int AnimMovePuck(CrapsClientRecord* record, int point, int comeOut) {
  if (comeOut == gPuckComeOut) return 1;
  if (record->point != 0) gTableView.workingMarkersShown = 0;
  const int target = point != 0 ? point - 1 : 0;
  const Point from = kPuckPlaces[gPuckSlot];
  gScreen.Restore(from.x, from.y, kPuckWidth, kPuckHeight);
  if (gPuckSlot == 0) {
    DrawPuckOn(point);
  } else {
    DrawPuckOff();
  }
  gPuckComeOut = comeOut;
  gPuckSlot = target;
  EraseSpot(record, kPassline);
  RedrawAllBets(*record);
  return 1;
}

int AnimTakeLosingBets(CrapsClientRecord* record) {
  if (gTableView.lists.lost[0] == kBetListEnd) return 1;
  ClearListed(record, gTableView.lists.lost);
  RedrawPuck(*record);
  RedrawAllBets(*record);
  return 1;
}

int AnimPayWinningBets(CrapsClientRecord* record) {
  if (gTableView.lists.won[0] == kBetListEnd) return 1;
  ClearListed(record, gTableView.lists.won);
  DrawWinnings(*record, record->won);
  RedrawAllBets(*record);
  return 1;
}

int AnimMoveComeBet(CrapsClientRecord* record, int amount, int targetKind) {
  return MoveBetOnto(record, kComeBet, amount, targetKind);
}

int AnimMoveDontComeBet(CrapsClientRecord* record, int amount, int targetKind) {
  return MoveBetOnto(record, kDontComeBet, amount, targetKind);
}

int AnimQuitReturnBets(CrapsClientRecord* record) { return ClearTable(record); }
int AnimQuitForfeitBets(CrapsClientRecord* record) { return ClearTable(record); }

void DrawWinnings(const CrapsClientRecord& record, float total) {
  gScreen.Restore(kWinningsArea.x, kWinningsArea.y, kWinningsArea.width, kWinningsArea.height);
  constexpr float kPile = 5000.0f;
  if (total >= 4 * kPile || total <= 0.0f) return;
  const int full = total < kPile ? 0 : (total < 2 * kPile ? 1 : 2);
  for (int i = 0; i < full; ++i) {
    DrawChipPile(record, kPile, kWinningsPlaces[i].x, kWinningsPlaces[i].y, kCrapsBetKinds);
  }
  DrawChipPile(record, total - kPile * static_cast<float>(full), kWinningsPlaces[full].x,
               kWinningsPlaces[full].y, kCrapsBetKinds);
}

}  // namespace dq
