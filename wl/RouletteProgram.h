// The Roulette program: its table for the shell and its entry.
#pragma once

#include "framework/shell/GameDefinition.h"

namespace wl {

extern const GameDefinition kRouletteGame;
int RouletteMain(int argc, char** argv);

}  // namespace wl
