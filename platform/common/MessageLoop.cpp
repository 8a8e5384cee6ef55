#include "platform/common/MessageLoop.h"

#include <algorithm>
#include <atomic>
#include <climits>

#include "platform/common/Device.h"
#include "platform/include/plat/time.h"

namespace plat::common {
namespace {

constexpr LPARAM kHitClient = 1;

// Sent messages that other programs delivered here; a waiter compares two
// readings, as a sent message is handled without entering the queue.
std::atomic<unsigned long> g_sentDelivered{0};

unsigned long Arrivals() { return ThreadQueue().Generation() + g_sentDelivered.load(); }

bool IsThreadOnly(HWND hwnd) { return hwnd == reinterpret_cast<HWND>(-1); }

// A filter window must live; null takes every message of the thread and -1
// only thread messages.
bool UsableFilterWindow(HWND hwnd) { return !hwnd || IsThreadOnly(hwnd) || FindCore(hwnd); }

// A range of 0..0 takes every message.
MessageFilter FilterOf(HWND hwnd, UINT filterMin, UINT filterMax) {
  return [=](const MSG& m) {
    if ((filterMin || filterMax) && (m.message < filterMin || m.message > filterMax)) return false;
    if (IsThreadOnly(hwnd)) return m.hwnd == nullptr;
    return !hwnd || IsInside(m.hwnd, hwnd);
  };
}

bool AllowsQuit(HWND hwnd, UINT filterMin, UINT filterMax) {
  return !hwnd && ((!filterMin && !filterMax) || (WM_QUIT >= filterMin && WM_QUIT <= filterMax));
}

// Until a message waits or another program has sent one; no limit when limitMs is negative.
bool AwaitArrival(long long limitMs) {
  const DWORD start = timeGetTime();
  const unsigned long before = Arrivals();
  PumpNativeEvents();
  for (;;) {
    if (MessageWaiting() || Arrivals() != before) return true;
    const DWORD spent = timeGetTime() - start;
    if (limitMs >= 0 && spent >= limitMs) return false;
    // A limit past INT_MAX ms waits in pieces: a negative wait would never end.
    WaitNativeEvents(limitMs < 0 ? -1 : static_cast<int>(std::min<long long>(limitMs - spent, INT_MAX)));
  }
}

bool IsMouse(UINT m) { return m >= WM_MOUSEMOVE && m <= WM_RBUTTONUP; }

bool TakePaint(const MessageFilter& filter, bool remove, MSG* out) {
  for (CWindowCore* w : WindowTable().All()) {
    if (!w->needsPaint || !FindCore(w->handle) || !IsWindowVisible(w->handle)) continue;
    const MSG m = MakeMessage(w->handle, WM_PAINT, 0, 0, POINT{0, 0});
    if (filter && !filter(m)) continue;
    *out = m;
    // Taking the paint validates: a loop that never dispatches it would
    // otherwise get it for ever. BeginPaint still erases.
    if (remove) w->needsPaint = false;
    return true;
  }
  return false;
}

}  // namespace

bool TakeMessage(const MessageFilter& filter, bool remove, bool allowQuit, MSG* out) {
  CMessageQueue& q = ThreadQueue();
  if (q.Take(filter, remove, out)) {
    if (remove) {
      q.NoteRead(*out);
      if (IsMouse(out->message) && FindCore(out->hwnd)) {
        SendMessage(out->hwnd, WM_SETCURSOR, HandleToWParam(out->hwnd),
                    MAKELPARAM(static_cast<int>(kHitClient), static_cast<int>(out->message)));
      }
    }
    return true;
  }
  int code = 0;
  if (allowQuit && q.TakeQuit(remove, &code)) {
    *out = MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(code), 0, POINT{0, 0});
    return true;
  }
  return TakePaint(filter, remove, out);
}

bool MessageWaiting() {
  MSG m;
  return TakeMessage(nullptr, false, true, &m);
}

void PostFromDevice(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  ThreadQueue().Post(MakeMessage(hwnd, msg, wParam, lParam, PointerForPost()));
  WakeMessageThread();
}

void PostInput(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  ThreadQueue().PostInput(MakeMessage(hwnd, msg, wParam, lParam, PointerPosition()));
}

LPARAM KeyLParam(bool down, bool repeat) {
  if (!down) return 1 | KEY_REPEAT_FLAG | (LPARAM{1} << 31);
  return 1 | (repeat ? KEY_REPEAT_FLAG : 0);
}

LRESULT DeliverSent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!FindCore(hwnd)) return 0;
  ++g_sentDelivered;
  return SendMessage(hwnd, msg, wParam, lParam);
}

void DeliverPosted(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (WindowTable().Exists(hwnd) && msg != WM_COPYDATA) PostFromDevice(hwnd, msg, wParam, lParam);
}

}  // namespace plat::common

namespace plat {

using common::FindCore;

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  // Any thread may post: only the table's thread-safe question is asked.
  if (hwnd && !common::WindowTable().Exists(hwnd)) return common::CarryPost(hwnd, msg, wParam, lParam) ? TRUE : FALSE;
  common::PostFromDevice(hwnd, msg, wParam, lParam);
  return TRUE;
}

void PostQuitMessage(int exitCode) {
  common::ThreadQueue().SetQuit(exitCode);
  common::WakeMessageThread();
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (common::CWindowCore* w = FindCore(hwnd)) return w->proc ? w->proc(hwnd, msg, wParam, lParam) : 0;
  LRESULT result = 0;
  return common::CarrySend(hwnd, msg, wParam, lParam, &result) ? result : 0;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg || !msg->hwnd || !FindCore(msg->hwnd)) return 0;
  return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (!msg || !common::UsableFilterWindow(hwnd)) return FALSE;
  const common::MessageFilter filter = common::FilterOf(hwnd, filterMin, filterMax);
  const bool remove = (removeFlags & PM_REMOVE) != 0;
  const bool quit = common::AllowsQuit(hwnd, filterMin, filterMax);
  common::PumpNativeEvents();
  if (common::TakeMessage(filter, remove, quit, msg)) return TRUE;
  return common::IdleWait() && common::TakeMessage(filter, remove, quit, msg) ? TRUE : FALSE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (!msg || !common::UsableFilterWindow(hwnd)) return FALSE;
  const common::MessageFilter filter = common::FilterOf(hwnd, filterMin, filterMax);
  const bool quit = common::AllowsQuit(hwnd, filterMin, filterMax);
  common::PumpNativeEvents();
  while (!common::TakeMessage(filter, true, quit, msg)) {
    common::WaitNativeEvents(-1);
    // The window waited for has gone: nothing will come for it.
    if (!common::UsableFilterWindow(hwnd)) return FALSE;
  }
  return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage() {
  common::AwaitArrival(-1);
  return TRUE;
}

BOOL WaitMessageTimeout(DWORD timeoutMs) {
  return common::AwaitArrival(static_cast<long long>(timeoutMs)) ? TRUE : FALSE;
}

}  // namespace plat
