// The Craps program as the shell runs it: its one GameDefinition.
#pragma once

#include "framework/shell/GameDefinition.h"

namespace dq {

inline constexpr char kCrapsName[] = "Craps";

extern const GameDefinition kCrapsGame;

// The whole program on whichever backend it is linked with.
int CrapsMain(int argc, char** argv);

}  // namespace dq
