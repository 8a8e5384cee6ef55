// The Pai Gow Poker program: its table for the shell and its entry.
#pragma once

#include "framework/shell/GameDefinition.h"

namespace kw {

extern const GameDefinition kPaiGowGame;
int PaiGowMain(int argc, char** argv);

}  // namespace kw
