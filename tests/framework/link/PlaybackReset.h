// Puts the process-wide record and playback objects and the shell hooks back
// to their start, so each test begins as a fresh program.
#pragma once

#include "PlaybackClient.h"
#include "PlaybackServer.h"
#include "Restore.h"
#include "ShellHooks.h"

inline void ResetPlaybackState() {
  gBtnLogClient.Clear();
  gPlaybackClient.Clear();
  gPlaybackClient.seenPacket = 0;
  gPlaybackClient.changed = 0;
  gPlaybackClient.graceCount = 0;
  gBtnLogServer.Clear();
  gPacketLogServer.Clear();
  gBtnPlaybackServer.Clear();
  gPacketPlaybackServer.Clear();
  gPacketPlaybackServer.existanceFlag = 2;
  SetShellHooks(ShellHooks{});
}
