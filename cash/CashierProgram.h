// The cashier program: its table for the shell and its entry.
#pragma once

#include "framework/shell/GameDefinition.h"

namespace cash {

extern const GameDefinition kCashierGame;
int CashierMain(int argc, char** argv);

}  // namespace cash
