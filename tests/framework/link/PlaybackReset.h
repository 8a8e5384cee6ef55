// Puts the process-wide record and playback objects and the shell hooks back
// to their start, so each test begins as a fresh program.
#pragma once

#include "framework/link/Restore.h"
#include "framework/link/ShellHooks.h"

inline void ResetPlaybackState() {
  ResetPlaybackObjects();
  SetShellHooks(ShellHooks{});
}
