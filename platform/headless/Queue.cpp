// The headless device of the message loop: idle rounds that move the virtual
// clock instead of waiting, input a test injects, and every window in this
// process, so nothing is carried between programs.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "platform/common/Device.h"
#include "platform/common/MessageLoop.h"
#include "platform/headless/State.h"

namespace plat {
namespace hl {
namespace {

constexpr long kStuckRounds = 10000000;

// The idle hook and the program watches, without moving the clock.
void IdleRoundWithoutTime() {
  if (const auto hook = S().idleHook) hook();  // a copy: the hook may replace itself
  // Real processes end in real time; this backend has no event to wait on.
  std::erase_if(S().programWatches, [](const State::ProgramWatch& w) {
    if (::waitpid(static_cast<pid_t>(w.processId), nullptr, WNOHANG) == 0) return false;
    PostMessage(w.notify, w.message, w.processId, 0);
    return true;
  });
}

}  // namespace
}  // namespace hl

namespace common {

bool ShiftHeld() { return ThreadQueue().KeyDownAsRead(VK_SHIFT); }
bool ControlHeld() { return ThreadQueue().KeyDownAsRead(VK_CONTROL); }
bool AltHeld() { return false; }  // the scripted user never holds alt

void PumpNativeEvents() {}

bool IdleWait() {
  hl::IdleRoundWithoutTime();
  hl::AdvanceBy(hl::S().idleAdvance);
  return false;
}

void WaitNativeEvents(int maxWaitMs) {
  hl::State& s = hl::S();
  if (maxWaitMs < 0) {
    // Rounds in a row in which nothing was posted: a test that waits for
    // what never comes fails instead of hanging.
    const unsigned long generation = ThreadQueue().Generation();
    s.blockedRounds = generation == s.blockedGeneration ? s.blockedRounds + 1 : 0;
    s.blockedGeneration = generation;
    if (s.blockedRounds >= hl::kStuckRounds) {
      std::fprintf(stderr, "headless: a message wait saw nothing arrive for %ld idle rounds; aborting\n",
                   hl::kStuckRounds);
      std::abort();
    }
    IdleWait();
    return;
  }
  // What the round brings is found before the clock moves on.
  hl::IdleRoundWithoutTime();
  if (MessageWaiting()) return;
  const DWORD before = timeGetTime();
  hl::AdvanceBy(s.idleAdvance);
  // A clock that idle rounds do not move jumps to the end of the wait.
  if (timeGetTime() == before) hl::AdvanceBy(static_cast<std::uint64_t>(maxWaitMs));
}

void WakeMessageThread() {}
POINT PointerForPost() { return hl::S().cursorPos; }
bool CarrySend(HWND, UINT, WPARAM, LPARAM, LRESULT*) { return false; }
bool CarryPost(HWND, UINT, WPARAM, LPARAM) { return false; }

}  // namespace common

using namespace hl;

BOOL WatchProgram(DWORD processId, HWND notify, UINT message) {
  if (processId == 0) return FALSE;
  S().programWatches.push_back({processId, notify, message});
  return TRUE;
}

namespace headless {

void SetIdleAdvance(DWORD ms) { S().idleAdvance = ms; }

void SetIdleHook(std::function<void()> hook) { S().idleHook = std::move(hook); }

void PostMouse(HWND hwnd, UINT msg, int x, int y, WPARAM keys) {
  Window* w = FindWindowObj(hwnd);
  if (!w) return;
  const POINT o = ClientOrigin(*w);
  S().cursorPos = POINT{o.x + x, o.y + y};
  common::PostInput(hwnd, msg, keys, MAKELPARAM(x, y));
}

void Click(HWND hwnd, int x, int y) {
  PostMouse(hwnd, WM_MOUSEMOVE, x, y, 0);
  PostMouse(hwnd, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  PostMouse(hwnd, WM_LBUTTONUP, x, y, 0);
}

void RightClick(HWND hwnd, int x, int y) {
  PostMouse(hwnd, WM_MOUSEMOVE, x, y, 0);
  PostMouse(hwnd, WM_RBUTTONDOWN, x, y, MK_RBUTTON);
  PostMouse(hwnd, WM_RBUTTONUP, x, y, 0);
}

void PostKey(HWND hwnd, WPARAM virtualKey, BOOL down, BOOL repeat) {
  if (!FindWindowObj(hwnd)) return;
  common::PostInput(hwnd, down ? WM_KEYDOWN : WM_KEYUP, virtualKey, common::KeyLParam(down, repeat));
}

void PostChar(HWND hwnd, char ch, BOOL repeat) {
  if (!FindWindowObj(hwnd)) return;
  common::PostInput(hwnd, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(ch)),
                    common::KeyLParam(true, repeat));
}

void DropMessages() { common::ThreadQueue().Clear(); }

}  // namespace headless
}  // namespace plat
