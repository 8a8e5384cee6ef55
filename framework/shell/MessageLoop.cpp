#include "framework/shell/MessageLoop.h"

#include <algorithm>
#include <cstdint>

#include "framework/shell/ErrorBox.h"
#include "framework/link/PlaybackClient.h"
#include "framework/link/PlaybackServer.h"
#include "framework/link/Restore.h"
#include "framework/link/RestoreWindow.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/shell/Shutdown.h"
#include "framework/shell/StatusLine.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/gdi.h"
#include "platform/include/plat/system.h"
#include "platform/include/plat/time.h"
#include "platform/include/plat/window.h"

namespace {

plat::DWORD gLastAlive = 0;
plat::DWORD gLastFrame = 0;
int gServerFatalShown = 0;

bool OnWin32s() { return gSystemInfo.platformId == plat::VER_PLATFORM_WIN32s; }

// Milliseconds until the next frame or alive query is due, 0 when one is.
plat::DWORD UntilIdleDue() {
  const plat::DWORD now = plat::timeGetTime();
  const auto frame = static_cast<std::int32_t>(gLastFrame + kFramePeriod - now);
  const auto alive = static_cast<std::int32_t>(gLastAlive + gGame->alivePeriod - now);
  const std::int32_t due = std::min(frame, alive);
  return due > 0 ? static_cast<plat::DWORD>(due) : 0;
}

// Waits for the next frame or alive query, or a message before it. 1 when
// the time ran out (the next one is due now), 0 when messages are to be
// looked at first.
int IdleWaitRanOut() {
  if (gTimer.HasFired()) return 1;
  const plat::DWORD wait = UntilIdleDue();
  return wait && !plat::WaitMessageTimeout(wait) ? 1 : 0;
}

}  // namespace

void ResetFramePump() {
  gLastAlive = 0;
  gLastFrame = 0;
  gServerFatalShown = 0;
  gTimer.ClearFired();
}

int RunMessageLoop() {
  plat::MSG msg{};
  if (gGame->LoopStarting) gGame->LoopStarting();
  for (;;) {
    if (OnWin32s()) plat::ReleaseDC(gMainWindow, gDeviceContext);
    plat::BOOL got = plat::PeekMessage(&msg, nullptr, 0, 0, plat::PM_REMOVE);
    if (OnWin32s()) gDeviceContext = plat::GetDC(gMainWindow);
    if (got) {
      if (msg.message == plat::WM_QUIT) break;
      if (!gAccelerators || !plat::TranslateAccelerator(gMainWindow, gAccelerators, &msg)) {
        plat::TranslateMessage(&msg);
        plat::DispatchMessage(&msg);
      }
    } else if (gActive) {
      do {
        IdleTick();
        if (gGame->idleSleep) plat::Sleep(gGame->idleSleep);
      } while (gLinkReady && gActive && IdleWaitRanOut());
    } else {
      plat::WaitMessage();
    }
    if (!gLinkReady) return 0;
  }
  ShowPendingError();
  ShutdownApp();
  return static_cast<int>(msg.wParam);
}

int IdleTick() {
  plat::DWORD now = plat::timeGetTime();
  if (now - gLastAlive >= gGame->alivePeriod) {
    gLastAlive = now;
    if (gActive && gGame->musicFile) gMusic.KeepPlaying(gMainWindow, gGame->musicFile);
    plat::LRESULT answer = plat::SendMessage(gClientTransport->mainWnd, gClientTransport->singleMsg,
                                             kSingleAlive, 0);
    if (answer != kAliveAnswer) {
      plat::MessageBox(gMainWindow, kLinkLostText, gGame->linkLostTitle,
                       plat::MB_OK | plat::MB_ICONSTOP | plat::MB_SETFOREGROUND);
      gLinkReady = 0;
      return 0;
    }
  }

  int fired = gTimer.HasFired();
  plat::DWORD elapsed = now - gLastFrame;
  // After a timer frame the reference lies ahead of the clock; an unsigned
  // difference would then read as a very late frame.
  bool ahead = gLastFrame - now <= kTimerLead && gLastFrame != now;
  if (!fired && (elapsed < kFramePeriod || ahead)) {
    gTimer.ClearFired();
    return 0;
  }
  std::int32_t lateness = static_cast<std::int32_t>(elapsed - kFramePeriod);
  if (fired) {
    gLastFrame = now + kTimerLead;
  } else if (lateness >= 0 && lateness <= static_cast<std::int32_t>(kMaxFrameLateness)) {
    gLastFrame = now - static_cast<plat::DWORD>(lateness);
  } else if (lateness > 0 && gGame->catchUpLateFrames) {
    gLastFrame = now - kMaxFrameLateness;
  } else {
    gLastFrame = now;
  }
  int result = RunFrame();
  gTimer.ClearFired();
  return result;
}

int RunFrame() {
  int clientResult = 0;
  if (gLinkReady) {
    clientResult = gGame->ClientRun(gClientRecord, gClientComm, kSavedGameUser);
    int serverResult = 0;
    if (gGame->restoresGames && gPacketPlaybackServer.IsActive()) {
      serverResult = gGame->GameServerPlayback(gServerComm, gServerRecord, kSavedGameUser);
    } else {
      serverResult = gGame->GameServerRun(gServerRecord, gServerComm, kSavedGameUser);
    }
    // A failed server stays failed; one box says so.
    if (serverResult == -2 && gGame->serverFatalTitle && !gServerFatalShown) {
      gServerFatalShown = 1;
      plat::MessageBox(gMainWindow, "SERVER FATAL ERROR", gGame->serverFatalTitle, plat::MB_OK | plat::MB_ICONSTOP);
    }
    if (gGame->restoresGames && gPlaybackClient.Finished()) CloseRestoreWindow();
    if (clientResult < 0) plat::DestroyWindow(gMainWindow);
  }
  StatusMsgTimeout();
  if (gLinkReady && clientResult >= 0 && gGame->ExtraFrameStep) gGame->ExtraFrameStep();
  if (gGame->IdleFrameStep) gGame->IdleFrameStep();
  return gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushDirty);
}
