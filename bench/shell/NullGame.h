// A game that does nothing, so a run measures the shell alone, and a main
// client in the same process that answers connect and the alive query.
#pragma once

#include "framework/shell/GameDefinition.h"

// The null game's table. Its client step ends the run (answers -1) once
// the time given to NullGameStopAfter has passed on the steady clock.
const GameDefinition& NullGameDefinition();
// Seconds of the steady clock after which the client step ends the run; 0: never.
void NullGameStopAfter(double seconds);
// Frames the null client ran.
long NullGameFrames();
// Registers the main client's class and creates its window.
void StartNullMainClient();
// Writes a small picture and hit map into res/ of the working folder. 1 or 0.
int WriteNullArtwork();
