// The play-for-fun module server: answers the cashier module protocol on the
// server link end when the player plays offline. The balance is the money of
// the program's player record; each change also becomes the local balance,
// which the main client's ask-back reports.
#pragma once

#include <cstdint>

class CComm;
class CPlayerRecord;

// The largest play-for-fun balance, in cents.
inline constexpr std::int64_t kOfflineBalanceCapCents = 467310942;

inline constexpr int kOfflineServerStart = 2;

struct CashierServerRecord {
  int state;
};

// A record in state 2; null when memory runs out.
CashierServerRecord* OfflineServerInit();
void OfflineServerFree(CashierServerRecord* record);
// One step: 0 to go on, -1 once the module ended, -2 once a failure answer
// was sent (for ever after).
int OfflineServerRun(CashierServerRecord* record, CComm& server, int userId, CPlayerRecord& player);
