// The Caribbean Poker program: its table for the shell and its entry.
#pragma once

#include "framework/shell/GameDefinition.h"

namespace gz {

extern const GameDefinition kCaribbeanGame;
int CaribbeanMain(int argc, char** argv);

}  // namespace gz
