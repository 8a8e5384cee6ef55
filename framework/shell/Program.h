// The entry of every program: main() is one call of RunProgram with the
// program's GameDefinition.
#pragma once

#include "framework/shell/GameDefinition.h"
#include "framework/link/MainClientName.h"

// Makes game the running program's table (kept by pointer: it must outlive
// the run) and registers the resources the shell loads: the game's
// accelerator table and the hand cursor.
void InstallGame(const GameDefinition& game);
// Starts the platform backend, installs game, runs WinMain with this
// program's instance, the command line after the program name as one text
// (kHiddenOption left out) and SW_HIDE when kHiddenOption was given, else
// SW_SHOWNORMAL; releases the backend and answers WinMain's exit code
// (1 when the backend cannot start).
int RunProgram(int argc, char** argv, const GameDefinition& game);
