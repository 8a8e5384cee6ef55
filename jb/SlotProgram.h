// The Slot program: its table for the shell and its entry.
#pragma once

#include "framework/shell/GameDefinition.h"

namespace jb {

extern const GameDefinition kSlotGame;
int SlotMain(int argc, char** argv);

}  // namespace jb
