// The cashier's picture, sound and help page. Every place comes from the
// program's own tables (cash/CashierLayout.h); only the look is decided here.
#pragma once

#include "artwork/Sheet.h"

namespace cash::art {

inline constexpr char kProgram[] = "cashier";

const artwork::Sheet& CashierSheet();

}  // namespace cash::art
