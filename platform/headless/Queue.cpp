// The message queue: posted and input messages, WM_QUIT, WM_PAINT, the idle
// rounds that move the virtual clock, and sends as nested calls.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>

#include "platform/common/Input.h"
#include "platform/headless/State.h"

namespace plat {

namespace common {

CMessageQueue& ThreadQueue() { return hl::S().queue; }
bool ShiftHeld() { return hl::S().shiftDown; }
bool ControlHeld() { return hl::S().controlDown; }
bool AltHeld() { return false; }  // the scripted user never holds alt

}  // namespace common

namespace hl {
namespace {

constexpr long kStuckRounds = 10000000;
constexpr LPARAM kHtClient = 1;

bool InRange(UINT m, UINT lo, UINT hi) { return (lo == 0 && hi == 0) || (m >= lo && m <= hi); }

// filter null: every message of the thread; -1: thread messages only.
bool IsThreadOnly(HWND filter) { return filter == reinterpret_cast<HWND>(-1); }

bool Matches(const MSG& m, HWND filter, UINT lo, UINT hi) {
  if (IsThreadOnly(filter) ? m.hwnd != nullptr : filter && !common::IsInside(m.hwnd, filter)) return false;
  return InRange(m.message, lo, hi);
}

bool IsMouse(UINT m) { return m >= WM_MOUSEMOVE && m <= WM_RBUTTONUP; }

MSG MakeMsg(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return common::MakeMessage(hwnd, msg, wParam, lParam, S().cursorPos);
}

// The window waiting for WM_PAINT that the filter allows, if any.
HWND PaintCandidate(HWND filter, UINT lo, UINT hi) {
  if (!InRange(WM_PAINT, lo, hi) || IsThreadOnly(filter)) return nullptr;
  for (const common::CWindowCore* c : common::WindowTable().All()) {
    const HWND h = c->handle;
    Window* w = FindWindowObj(h);
    if (!w || !w->needsPaint || !IsWindowVisible(h)) continue;
    if (filter && !common::IsInside(h, filter)) continue;
    return h;
  }
  return nullptr;
}

// Looks for a message in the order posted, input, quit, paint.
bool Take(MSG* out, HWND filter, UINT lo, UINT hi, bool remove) {
  State& s = S();
  if (s.queue.Take([&](const MSG& m) { return Matches(m, filter, lo, hi); }, remove, out)) {
    if (remove) {
      // Modifier state follows the input as it is read, as the program sees it.
      if (out->message == WM_KEYDOWN || out->message == WM_KEYUP) {
        const bool down = out->message == WM_KEYDOWN;
        if (out->wParam == VK_SHIFT) s.shiftDown = down;
        if (out->wParam == VK_CONTROL) s.controlDown = down;
      }
      if (IsMouse(out->message) && FindWindowObj(out->hwnd)) {
        SendMessage(out->hwnd, WM_SETCURSOR, HandleToWParam(out->hwnd),
                    MAKELPARAM(static_cast<int>(kHtClient), static_cast<int>(out->message)));
      }
    }
    return true;
  }
  int code = 0;
  if (!filter && InRange(WM_QUIT, lo, hi) && s.queue.TakeQuit(remove, &code)) {
    *out = MakeMsg(nullptr, WM_QUIT, static_cast<WPARAM>(code), 0);
    return true;
  }
  if (HWND h = PaintCandidate(filter, lo, hi)) {
    *out = MakeMsg(h, WM_PAINT, 0, 0);
    // Taking the paint validates: a loop that never dispatches it (a test's
    // message check) would otherwise get it for ever. BeginPaint still erases.
    if (remove) FindWindowObj(h)->needsPaint = false;
    return true;
  }
  return false;
}

void StuckAbort(const char* where) {
  std::fprintf(stderr, "headless: %s waited %ld idle rounds with nothing arriving; aborting\n",
               where, kStuckRounds);
  std::abort();
}

}  // namespace

void PostInternal(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  S().queue.Post(MakeMsg(hwnd, msg, wParam, lParam));
}

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

void PumpFor(HWND root) {
  for (int guard = 0; guard < 100000; ++guard) {
    MSG m{};
    if (!S().queue.TakePosted([root](const MSG& p) { return p.hwnd && common::IsInside(p.hwnd, root); }, &m)) break;
    DispatchMessage(&m);
    if (!FindWindowObj(root)) return;
  }
  PaintPending(root);
}

}  // namespace hl

using namespace hl;

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !FindWindowObj(hwnd)) return FALSE;
  PostInternal(hwnd, msg, wParam, lParam);
  return TRUE;
}

void PostQuitMessage(int exitCode) { S().queue.SetQuit(exitCode); }

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = FindWindowObj(hwnd);
  if (!w || !w->proc) return 0;
  return w->proc(hwnd, msg, wParam, lParam);
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (!msg || (hwnd && !IsThreadOnly(hwnd) && !FindWindowObj(hwnd))) return FALSE;
  const bool remove = (removeFlags & PM_REMOVE) != 0;
  if (Take(msg, hwnd, filterMin, filterMax, remove)) return TRUE;
  // Empty: the idle round stands for the short wait; what it brings is found
  // by the next check.
  IdleRound();
  return FALSE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (!msg || (hwnd && !FindWindowObj(hwnd))) return FALSE;
  for (long round = 0;; ++round) {
    if (Take(msg, hwnd, filterMin, filterMax, true)) return msg->message == WM_QUIT ? FALSE : TRUE;
    if (round >= kStuckRounds) StuckAbort("GetMessage");
    IdleRound();
    if (hwnd && !FindWindowObj(hwnd)) return FALSE;
  }
}

BOOL WaitMessage() {
  MSG m{};
  for (long round = 0;; ++round) {
    if (Take(&m, nullptr, 0, 0, false)) return TRUE;
    if (round >= kStuckRounds) StuckAbort("WaitMessage");
    IdleRound();
  }
}

BOOL WaitMessageTimeout(DWORD timeoutMs) {
  const DWORD start = timeGetTime();
  MSG m{};
  for (;;) {
    if (Take(&m, nullptr, 0, 0, false)) return TRUE;
    const DWORD spent = timeGetTime() - start;
    if (spent >= timeoutMs) return FALSE;
    // What the round brings is found before the clock moves on.
    IdleRoundWithoutTime();
    if (Take(&m, nullptr, 0, 0, false)) return TRUE;
    AdvanceBy(S().idleAdvance);
    // A clock that idle rounds do not move jumps to the end of the wait.
    if (timeGetTime() - start == spent) AdvanceBy(timeoutMs - spent);
  }
}

BOOL WatchProgram(DWORD processId, HWND notify, UINT message) {
  if (processId == 0) return FALSE;
  S().programWatches.push_back({processId, notify, message});
  return TRUE;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg || !msg->hwnd) return 0;
  if (!FindWindowObj(msg->hwnd)) return 0;
  return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

namespace headless {

void SetIdleAdvance(DWORD ms) { S().idleAdvance = ms; }

void SetIdleHook(std::function<void()> hook) { S().idleHook = std::move(hook); }

void PostMouse(HWND hwnd, UINT msg, int x, int y, WPARAM keys) {
  Window* w = FindWindowObj(hwnd);
  if (!w) return;
  const POINT o = ClientOrigin(*w);
  S().cursorPos = POINT{o.x + x, o.y + y};
  S().queue.PostInput(hl::MakeMsg(hwnd, msg, keys, MAKELPARAM(x, y)));
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
  LPARAM l = 1;
  if (down) {
    if (repeat) l |= KEY_REPEAT_FLAG;
  } else {
    l |= KEY_REPEAT_FLAG | static_cast<LPARAM>(1u << 31);
  }
  S().queue.PostInput(hl::MakeMsg(hwnd, down ? WM_KEYDOWN : WM_KEYUP, virtualKey, l));
}

void PostChar(HWND hwnd, char ch, BOOL repeat) {
  if (!FindWindowObj(hwnd)) return;
  LPARAM l = 1;
  if (repeat) l |= KEY_REPEAT_FLAG;
  S().queue.PostInput(hl::MakeMsg(hwnd, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(ch)), l));
}

}  // namespace headless
}  // namespace plat
