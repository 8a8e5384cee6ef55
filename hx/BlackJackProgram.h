// The Black Jack program: its table for the shell and its entry.
#pragma once

#include "framework/shell/GameDefinition.h"

namespace hx {

extern const GameDefinition kBlackJackGame;
int BlackJackMain(int argc, char** argv);

}  // namespace hx
