#include "platform/desktop/MessageLoop.h"

#include <QWidget>

#include "platform/desktop/Bus.h"
#include "platform/desktop/Handles.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/WindowTable.h"
#include "platform/include/plat/time.h"

namespace plat::desktop {
namespace {

constexpr int kHitClient = 1;

bool TakePaint(const MessageFilter& filter, MSG* out) {
  for (CWindow* w : Windows().All()) {
    if (!w->needsPaint || w->destroying || !w->widget || !w->widget->isVisible()) continue;
    MSG m{};
    m.hwnd = w->handle;
    m.message = WM_PAINT;
    m.time = timeGetTime();
    if (filter && !filter(m)) continue;
    *out = m;
    return true;
  }
  return false;
}

}  // namespace

bool NextMessage(const MessageFilter& filter, bool remove, bool allowQuit, MSG* out) {
  if (Queue().Take(filter, remove, out)) {
    if (remove && out->message >= WM_MOUSEMOVE && out->message <= WM_RBUTTONUP) {
      CWindow* w = Windows().Find(out->hwnd);
      if (w && w->kind == WindowKind::kTopLevel) {
        SendMessage(out->hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(out->hwnd),
                    MAKELPARAM(kHitClient, static_cast<int>(out->message)));
      }
    }
    return true;
  }
  int code = 0;
  if (allowQuit && Queue().TakeQuit(remove, &code)) {
    *out = common::MakeMessage(nullptr, WM_QUIT, static_cast<WPARAM>(code), 0, POINT{0, 0});
    return true;
  }
  return TakePaint(filter, out);
}

}  // namespace plat::desktop

namespace plat {
namespace {

using desktop::CWindow;
using common::MessageFilter;
using desktop::Windows;

// hwnd null: every message of the thread; hwnd -1: thread messages only;
// a range of 0..0: every message.
MessageFilter FilterOf(HWND hwnd, UINT filterMin, UINT filterMax) {
  const bool threadOnly = hwnd == reinterpret_cast<HWND>(-1);
  CWindow* root = hwnd && !threadOnly ? Windows().Find(hwnd) : nullptr;
  return [=](const MSG& m) {
    if (filterMin || filterMax) {
      if (m.message < filterMin || m.message > filterMax) return false;
    }
    if (threadOnly) return m.hwnd == nullptr;
    if (!hwnd) return true;
    return m.hwnd == hwnd || (root && common::IsInside(m.hwnd, hwnd));
  };
}

}  // namespace

BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) {
    desktop::Post(nullptr, msg, wParam, lParam);
    return TRUE;
  }
  if (desktop::IsRemoteHandle(hwnd)) return desktop::PostRemote(hwnd, msg, wParam, lParam) ? TRUE : FALSE;
  if (!common::WindowTable().Exists(hwnd)) return FALSE;
  desktop::Post(hwnd, msg, wParam, lParam);
  return TRUE;
}

void PostQuitMessage(int exitCode) { desktop::PostQuit(exitCode); }

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (desktop::IsRemoteHandle(hwnd)) {
    LRESULT result = 0;
    return desktop::SendRemote(hwnd, msg, wParam, lParam, &result) ? result : 0;
  }
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->proc) return 0;
  return w->proc(hwnd, msg, wParam, lParam);
}

BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (!msg) return FALSE;
  const MessageFilter filter = FilterOf(hwnd, filterMin, filterMax);
  const bool remove = (removeFlags & PM_REMOVE) != 0;
  const bool allowQuit = !hwnd;
  desktop::ProcessEvents();
  if (desktop::NextMessage(filter, remove, allowQuit, msg)) return TRUE;
  desktop::WaitForEvents(1);
  return desktop::NextMessage(filter, remove, allowQuit, msg) ? TRUE : FALSE;
}

BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (!msg) return FALSE;
  const MessageFilter filter = FilterOf(hwnd, filterMin, filterMax);
  desktop::ProcessEvents();
  while (!desktop::NextMessage(filter, true, !hwnd, msg)) desktop::WaitForEvents(-1);
  return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WaitMessage() {
  const unsigned long posted = desktop::Queue().Generation();
  const unsigned long sent = desktop::SentDeliveries();
  desktop::ProcessEvents();
  MSG m;
  while (!desktop::NextMessage(nullptr, false, true, &m) &&
         posted == desktop::Queue().Generation() && sent == desktop::SentDeliveries()) {
    desktop::WaitForEvents(-1);
  }
  return TRUE;
}

BOOL WaitMessageTimeout(DWORD timeoutMs) {
  const DWORD start = timeGetTime();
  const unsigned long posted = desktop::Queue().Generation();
  const unsigned long sent = desktop::SentDeliveries();
  desktop::ProcessEvents();
  MSG m;
  for (;;) {
    if (desktop::NextMessage(nullptr, false, true, &m) || posted != desktop::Queue().Generation() ||
        sent != desktop::SentDeliveries()) {
      return TRUE;
    }
    const DWORD spent = timeGetTime() - start;
    if (spent >= timeoutMs) return FALSE;
    desktop::WaitForEvents(static_cast<int>(timeoutMs - spent));
  }
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg || !msg->hwnd) return 0;
  return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

}  // namespace plat
