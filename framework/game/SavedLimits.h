// The amounts of a saved server record, checked before a restore installs
// it: the file is outside input, and a server settles from the record as it
// finds it, so an amount no played round can hold would reach the account.
#pragma once

#include "framework/game/ServerFrame.h"

namespace game {

// 1 when values[i] is the table's limit for limits[i].key, as CLIENTINIT
// reads it, or, in a record whose server has not read them yet (notRead 1),
// when all count values are 0; else 0 (nan included).
int AreSavedLimits(const ServerLimitTag* limits, int count, const double* values, int notRead);
// 1 for a stake of 0 or one from low to high; nan and infinities never.
int IsStakeOrNone(double stake, double low, double high);
// 1 for a finite amount of 0 or more.
int IsNonNegativeAmount(double amount);

}  // namespace game
