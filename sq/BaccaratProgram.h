// The Baccarat program: its table for the shell and its entry.
#pragma once

#include "framework/shell/GameDefinition.h"

namespace sq {

extern const GameDefinition kBaccaratGame;
int BaccaratMain(int argc, char** argv);

}  // namespace sq
