// The Keno program: its table for the shell and its entry.
#pragma once

#include "framework/shell/GameDefinition.h"

namespace pd {

extern const GameDefinition kKenoGame;
int KenoMain(int argc, char** argv);

}  // namespace pd
