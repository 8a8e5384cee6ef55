#include "dq/CrapsBetting.h"

#include <cstring>

#include "dq/CrapsTableView.h"
#include "framework/sound/GameSound.h"
#include "framework/shell/Money.h"
#include "dq/CrapsReplay.h"
#include "framework/shell/ShellGlobals.h"
#include "dq/TableRules.h"
#include "platform/include/plat/dialog.h"

namespace dq {

int gBettingOpen = 0;

namespace {

int gDrawnChip = kNoChip;

constexpr char kBetErrorTitle[] = "BET ERROR";

void ShowBetError(int code) {
  if (ReplayRunning()) return;
  plat::MessageBox(gMainWindow, BetErrorText(code), kBetErrorTitle,
                   plat::MB_OK | plat::MB_ICONEXCLAMATION);
}

CrapsBetBoard BoardOf(CrapsClientRecord* record) {
  return CrapsBetBoard{record->bets,
                       &record->tableTotal,
                       record->betSnapshot,
                       record->dice[0] + record->dice[1],
                       record->comeOut,
                       record->balance,
                       {record->minBet, record->maxBet, record->maxTable, record->maxOdds,
                        record->minBetProp},
                       gBettingOpen};
}

}  // namespace

void ResetBetting() {
  gBettingOpen = 0;
  gDrawnChip = kNoChip;
}

void SelectChip(CrapsClientRecord* record) {
  EraseChipSelector(gDrawnChip);
  record->selectedChip = StepDownChip(record->selectedChip, record->balance - record->tableTotal);
  record->chipValue = ChipValue(record->selectedChip);
  record->negativeChipValue = -record->chipValue;
  if (record->selectedChip != kNoChip) {
    DrawChipSelector(record->selectedChip);
    gDrawnChip = record->selectedChip;
  }
}

int PlaceBet(CrapsClientRecord* record, int amount, int kind) {
  float before[kCrapsBetSlots];
  std::memcpy(before, record->bets, sizeof before);
  CrapsBetBoard board = BoardOf(record);
  const CrapsBetChange change = ChangeBet(board, amount, kind);
  switch (change.outcome) {
    case kBetChangeAtMaximum:
      PlayGameSound("../wav/c_max.wav", 0, kSoundEffect);
      ShowBetError(kRuleMaxBet);
      return 0;
    case kBetChangeDone:
    case kBetChangeBrokeRule:
      break;
    default:
      return BetChangeAnswer(change);
  }
  if (before[kind] != 0.0f) record->pileHeight = EraseBetPile(before, kind);
  SelectChip(record);
  if (change.outcome == kBetChangeBrokeRule) {
    if (change.ruleCode == kRuleMaxBet) PlayGameSound("../wav/c_max.wav", 0, kSoundVoice);
    if (change.ruleCode == kRuleMaxTable) {
      PlayGameSound("../wav/c_maxtab.wav", 1, kSoundVoice);
      PlayGameSound("../wav/c_500.wav", 0, kSoundVoice);
    }
    ShowBetError(change.ruleCode);
    RedrawAllBets(*record);
    DrawMoney(record->balance - record->tableTotal);
    return 0;
  }
  if (record->point != 0) DrawPuckOn(record->point);
  DrawRestingDice(*record);
  RedrawAllBets(*record);
  DrawMoney(record->balance - record->tableTotal);
  if (change.applied < 0.0f && record->bets[kind] == 0.0f) UpdateBetButtons(*record);
  DrawTotalBet(record->tableTotal);
  return 1;
}

}  // namespace dq
