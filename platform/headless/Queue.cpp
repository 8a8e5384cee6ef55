// The headless device of the message loop: idle rounds that move the virtual
// clock instead of waiting, input a test injects, and every window in this
// process, so nothing is carried between programs.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "platform/common/Device.h"
#include "platform/common/Input.h"
#include "platform/common/MessageLoop.h"
#include "platform/headless/State.h"

namespace plat {

namespace common {

bool ShiftHeld() { return ThreadQueue().KeyDownAsRead(VK_SHIFT); }
bool ControlHeld() { return ThreadQueue().KeyDownAsRead(VK_CONTROL); }
bool AltHeld() { return false; }  // the scripted user never holds alt

void PumpNativeEvents() {}

bool IdleWait() {
  hl::IdleRound();
  return false;
}

void WaitNativeEvents(int maxWaitMs) {
  if (maxWaitMs < 0) {
    hl::BlockedRound();
    return;
  }
  // What the round brings is found before the clock moves on.
  hl::IdleRoundWithoutTime();
  if (MessageWaiting()) return;
  const DWORD before = timeGetTime();
  hl::AdvanceBy(hl::S().idleAdvance);
  // A clock that idle rounds do not move jumps to the end of the wait.
  if (timeGetTime() == before) hl::AdvanceBy(static_cast<std::uint64_t>(maxWaitMs));
}

void WakeMessageThread() {}
POINT PointerForPost() { return hl::S().cursorPos; }
bool IsOtherProcessWindow(HWND) { return false; }
unsigned CarrySend(HWND, UINT, WPARAM, LPARAM) { return 0; }
bool CarryPost(HWND, UINT, WPARAM, LPARAM) { return false; }
int AnswerOfCall(unsigned, LRESULT*) { return -1; }
void DropCall(unsigned) {}
void WaitForSentOnly(int) {}

}  // namespace common

namespace hl {
namespace {

constexpr long kStuckRounds = 10000000;

}  // namespace

void IdleRoundWithoutTime() {
  if (S().idleHook) {
    auto hook = S().idleHook;  // the hook may replace itself
    hook();
  }
  // Real processes end in real time; this backend has no event to wait on.
  auto& watches = S().programWatches;
  for (std::size_t i = 0; i < watches.size();) {
    int status = 0;
    if (::waitpid(static_cast<pid_t>(watches[i].processId), &status, WNOHANG) == 0) {
      ++i;
      continue;
    }
    const State::ProgramWatch ended = watches[i];
    watches.erase(watches.begin() + static_cast<std::ptrdiff_t>(i));
    PostMessage(ended.notify, ended.message, ended.processId, 0);
  }
}

void IdleRound() {
  IdleRoundWithoutTime();
  AdvanceBy(S().idleAdvance);
}

void BlockedRound() {
  // Rounds in a row in which nothing was posted: a test that waits for
  // what never comes fails instead of hanging.
  State& s = S();
  const unsigned long generation = common::ThreadQueue().Generation();
  s.blockedRounds = generation == s.blockedGeneration ? s.blockedRounds + 1 : 0;
  s.blockedGeneration = generation;
  if (s.blockedRounds >= kStuckRounds) {
    std::fprintf(stderr, "headless: a message wait saw nothing arrive for %ld idle rounds; aborting\n",
                 kStuckRounds);
    std::abort();
  }
  IdleRound();
}

void PumpFor(HWND root) {
  for (int guard = 0; guard < 100000; ++guard) {
    MSG m{};
    if (!common::ThreadQueue().TakePosted(
            [root](const MSG& p) { return p.hwnd && common::IsInside(p.hwnd, root); }, &m)) {
      break;
    }
    DispatchMessage(&m);
    if (!FindWindowObj(root)) return;
  }
  PaintPending(root);
}

}  // namespace hl

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
  common::PostInputFromDevice(hwnd, msg, keys, MAKELPARAM(x, y), S().cursorPos);
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
  common::PostInputFromDevice(hwnd, down ? WM_KEYDOWN : WM_KEYUP, virtualKey, common::KeyLParam(down, repeat),
                              S().cursorPos);
}

void PostChar(HWND hwnd, char ch, BOOL repeat) {
  if (!FindWindowObj(hwnd)) return;
  common::PostInputFromDevice(hwnd, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(ch)),
                              common::KeyLParam(true, repeat), S().cursorPos);
}

void DropMessages() { common::ThreadQueue().Clear(); }

}  // namespace headless
}  // namespace plat
