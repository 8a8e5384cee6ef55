#include "cash/CashierClientRecord.h"

#include <cstdlib>
#include <cstring>

#include "framework/link/PlayerRecord.h"

CashierUserRecord gCashierUser{};
int gCashierMode = kModeUnknown;
int gPendingState = kNoPendingState;

CashierClientRecord* CreateClientRecord() {
  auto* record = static_cast<CashierClientRecord*>(std::calloc(1, sizeof(CashierClientRecord)));
  if (!record) return nullptr;
  record->message = "No error";
  gCashierUser = CashierUserRecord{};
  gCashierMode = kModeUnknown;
  return record;
}

void DestroyClientRecord(CashierClientRecord* record) { std::free(record); }

void SetClientFlag(CashierClientRecord* record, char letter) {
  switch (letter) {
    case 'A': record->flagA = 1; break;
    case 'C': record->flagC = 1; break;
    case 'D': record->deposit = 1; break;
    case 'M': record->acknowledge = 1; break;
    case 'O': record->flagO = 1; break;
    case 'V': record->viewLog = 1; break;
    case 'W': record->withdraw = 1; break;
    default: break;
  }
}

void ClearClientFlags(CashierClientRecord* record) {
  record->viewLog = record->deposit = record->withdraw = 0;
  record->flagA = record->acknowledge = record->flagO = record->flagC = 0;
}

void TakeModeFromPlayerRecord(const CPlayerRecord& player) {
  gCashierMode = std::strcmp(player.GetText(), "OFFLINE") == 0 ? kModeOffline : kModeOnline;
}
