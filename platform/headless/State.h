// The in-memory backend's state: every live object, the clock and
// the logs. One process, one thread; the handles are table keys that are
// never reused, so a stale handle stays unknown.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/common/Gdi.h"
#include "platform/common/MessageLoop.h"
#include "platform/common/WindowState.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"

namespace plat::hl {

// ---- Handles ---------------------------------------------------------------

std::uintptr_t NewHandleValue();
template <class H>
H ToHandle(std::uintptr_t v) {
  return reinterpret_cast<H>(v);
}
template <class H>
std::uintptr_t Key(H h) {
  return reinterpret_cast<std::uintptr_t>(h);
}

// ---- Windows ---------------------------------------------------------------

// The picture is the headless device's.
struct Window : common::CWindowCore {
  // Top-level windows: the client area's picture.
  int fbWidth = 0;
  int fbHeight = 0;
  std::vector<common::Pixel> fb;
};

// ---- The whole state ---------------------------------------------------------

struct State {
  POINT cursorPos{0, 0};

  int screenWidth = 1024;
  int screenHeight = 768;
  int screenBits = 32;
  bool keepPixels = true;  // off: windows take no drawing (KeepPixels)

  std::map<std::uintptr_t, std::vector<RECT>> presentLog;
  std::map<std::uintptr_t, std::vector<std::string>> drawnTexts;  // by top-level window

  // Clock: elapsed drives the schedule (the device clock).
  std::uint64_t elapsed = 0;
  std::int64_t calendarBase = 1704067200;  // 2024-01-01 00:00:00 UTC
  std::uint64_t calendarSetAt = 0;
  DWORD idleAdvance = 1;
  std::function<void()> idleHook;
  long blockedRounds = 0;  // unlimited waits in a row with no post
  unsigned long blockedGeneration = 0;
  struct ProgramWatch {
    DWORD processId;
    HWND notify;
    UINT message;
  };
  std::vector<ProgramWatch> programWatches;  // looked at in each idle round

  std::function<int(const headless::MessageBoxRecord&)> messageBoxHandler;
  std::vector<headless::MessageBoxRecord> messageBoxes;
  std::function<void(int, HWND)> dialogHandler;
  std::vector<headless::DialogRecord> dialogs;

  std::vector<headless::SoundRecord> sounds;
  DWORD midiLength = 60000;

  std::vector<std::string> shellOpens;
  INT_PTR shellResult = 42;
};

State& S();

// ---- Shared helpers between the backend's files -----------------------------

inline Window* FindWindowObj(HWND hwnd) { return static_cast<Window*>(common::FindCore(hwnd)); }
using common::ActivateWindow;
using common::ClientOrigin;  // screen coordinates
using common::ClientSize;

void ResizeFramebuffer(Window& w);

// Clock.
void AdvanceBy(std::uint64_t ms);
void ResetClock();
void ResetSound();

}  // namespace plat::hl
