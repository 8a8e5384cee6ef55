// The window table, window classes, parent and child, and the calls on
// them that do not depend on the device.
#include "platform/common/Window.h"

#include <strings.h>

#include <algorithm>

#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/common/Gdi.h"
#include "platform/common/MessageQueue.h"
#include "platform/common/WindowState.h"

namespace plat {
namespace common {
namespace {

std::vector<CWindowClass>& Classes() {
  // Lives until exit, like the window table: a static object may still
  // unregister its class while the program ends.
  static auto* classes = new std::vector<CWindowClass>;
  return *classes;
}

std::uintptr_t Key(HWND h) { return reinterpret_cast<std::uintptr_t>(h); }

}  // namespace

bool SameClassName(const std::string& a, const char* b) { return b && strcasecmp(a.c_str(), b) == 0; }

const CWindowClass* FindWindowClass(const char* name) {
  const std::vector<CWindowClass>& classes = Classes();
  const auto it = std::ranges::find_if(classes, [&](const auto& k) { return SameClassName(k.className, name); });
  return it == classes.end() ? nullptr : &*it;
}

void ForgetClasses() { Classes().clear(); }

void CWindowTable::Insert(std::unique_ptr<CWindowCore> window) {
  window->handle = NewWindowHandle();
  const std::uintptr_t key = Key(window->handle);
  std::lock_guard<std::mutex> g(m_lock);
  m_windows[key] = std::move(window);
}

CWindowCore* CWindowTable::FindAny(HWND handle) const {
  auto it = m_windows.find(Key(handle));
  return it == m_windows.end() ? nullptr : it->second.get();
}

bool CWindowTable::Exists(HWND handle) const {
  std::lock_guard<std::mutex> g(m_lock);
  return m_windows.count(Key(handle)) != 0;
}

// The records go after the lock is given back: their ends may ask the table.
void CWindowTable::Remove(HWND handle) {
  std::unique_lock<std::mutex> g(m_lock);
  const auto gone = m_windows.extract(Key(handle));
  g.unlock();
}

std::vector<CWindowCore*> CWindowTable::All() const {
  std::vector<CWindowCore*> out;
  out.reserve(m_windows.size());
  for (const auto& [key, w] : m_windows) out.push_back(w.get());
  return out;
}

void CWindowTable::Clear() {
  std::unique_lock<std::mutex> g(m_lock);
  const auto gone = std::move(m_windows);
  m_windows.clear();
  g.unlock();
}

CWindowTable& WindowTable() {
  static CWindowTable* table = new CWindowTable;  // lives until exit: handles may be asked about late
  return *table;
}

CWindowCore* FindCore(HWND hwnd) {
  CWindowCore* w = WindowTable().FindAny(hwnd);
  return w && !w->destroying ? w : nullptr;
}

bool IsInside(HWND hwnd, HWND root) {
  for (const CWindowCore* w = FindCore(hwnd); w; w = FindCore(w->parent)) {
    if (w->handle == root) return true;
  }
  return false;
}

HWND TopLevelOf(HWND hwnd) {
  const CWindowCore* top = nullptr;
  for (const CWindowCore* w = FindCore(hwnd); w; w = FindCore(w->parent)) top = w;
  return top ? top->handle : nullptr;
}

}  // namespace common

using common::CWindowCore;
using common::FindCore;
using common::WindowTable;

ATOM RegisterClass(const WNDCLASS* wc) {
  if (!wc || !wc->lpfnWndProc || !wc->lpszClassName || !*wc->lpszClassName) return 0;
  ControlKind builtIn;
  if (common::FindWindowClass(wc->lpszClassName) ||
      common::ControlKindOfClass(wc->lpszClassName, 0, &builtIn) ||
      strcasecmp(wc->lpszClassName, common::kDialogClassName) == 0) {
    return 0;
  }
  static ATOM registered = 0;
  common::Classes().push_back(
      common::CWindowClass{wc->lpszClassName, wc->style, wc->lpfnWndProc, wc->hCursor, wc->hbrBackground});
  return static_cast<ATOM>(0xC000 + registered++ % 0x3FFF);
}

BOOL UnregisterClass(const char* className, HINSTANCE) {
  const auto inUse = [&](const auto* w) { return !w->destroying && common::SameClassName(w->className, className); };
  if (!common::FindWindowClass(className) || std::ranges::any_of(WindowTable().All(), inUse)) return FALSE;
  std::erase_if(common::Classes(),
                [&](const common::CWindowClass& c) { return common::SameClassName(c.className, className); });
  return TRUE;
}

BOOL DestroyWindow(HWND hwnd) {
  CWindowCore* w = FindCore(hwnd);
  if (!w || w->destroyStarted) return FALSE;
  w->destroyStarted = true;
  // Owned windows go first: none is left showing without its owner.
  std::vector<HWND> owned;
  for (const CWindowCore* o : WindowTable().All()) {
    if (o->owner == hwnd && !o->destroying) owned.push_back(o->handle);
  }
  for (HWND o : owned) DestroyWindow(o);
  // A top-level window stops showing first, without messages.
  if (!w->parent && w->visible) {
    w->visible = false;
    common::ShowNative(*w);
  }
  SendMessage(hwnd, WM_DESTROY, 0, 0);
  w = WindowTable().FindAny(hwnd);
  if (!w) return TRUE;
  const std::vector<HWND> children = w->children;
  for (HWND c : children) DestroyWindow(c);
  w->destroying = true;
  common::ThreadQueue().DropWindow(hwnd);
  if (CWindowCore* p = WindowTable().FindAny(w->parent)) std::erase(p->children, hwnd);
  common::DeleteDcsOf(hwnd);
  common::LoseForeground(hwnd);
  common::LoseFocus(hwnd);
  common::ForgetWindow(*w);
  const auto watchers = w->watchers;
  WindowTable().Remove(hwnd);
  for (const auto& [notify, message] : watchers) PostMessage(notify, message, 0, HandleToLParam(hwnd));
  return TRUE;
}

HWND GetParent(HWND hwnd) {
  const CWindowCore* w = FindCore(hwnd);
  return w ? (w->parent ? w->parent : w->owner) : nullptr;
}

BOOL SetWindowText(HWND hwnd, const char* text) {
  if (!FindCore(hwnd)) return FALSE;
  SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : ""));
  return TRUE;
}

BOOL UpdateWindow(HWND hwnd) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w) return FALSE;
  if (w->needsPaint && w->visible) SendMessage(hwnd, WM_PAINT, 0, 0);
  return TRUE;
}

BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL erase) {
  CWindowCore* w = FindCore(hwnd);
  if (!w) return FALSE;
  w->needsPaint = true;
  if (erase) w->needsErase = true;
  // The window's painting covers its controls: they paint again after it.
  for (HWND c : w->children) {
    if (CWindowCore* child = FindCore(c)) child->needsPaint = true;
  }
  return TRUE;
}

}  // namespace plat
