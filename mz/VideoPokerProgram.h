// The Video Poker program: its table for the shell and its entry.
#pragma once

#include "framework/shell/GameDefinition.h"

namespace mz {

extern const GameDefinition kVideoPokerGame;
int VideoPokerMain(int argc, char** argv);

}  // namespace mz
