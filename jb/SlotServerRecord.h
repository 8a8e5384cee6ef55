// The Slot server's record. It is never stored: the program keeps no saved
// games.
#pragma once

#include <cstddef>

namespace jb {

struct SlotServerRecord {
  int state;           // game::SpinServerState
  char gameName[16];   // zero-terminated, "JB"
  double balance;      // the balance read at the last BEGINPLAY
};
static_assert(sizeof(SlotServerRecord) == 32);
static_assert(offsetof(SlotServerRecord, gameName) == 4);
static_assert(offsetof(SlotServerRecord, balance) == 24);

}  // namespace jb
