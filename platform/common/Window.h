// What every window holds whichever device shows it, the table of the
// windows of this process by handle, and the classes the program registered.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/common/Controls.h"
#include "platform/include/plat/window.h"

namespace plat::common {

// A registered class, and what a window of it starts from (proc: the
// window's procedure, which subclassing replaces).
struct CWindowClass {
  std::string className;
  UINT classStyle = 0;
  WNDPROC proc = nullptr;
  HCURSOR classCursor = nullptr;
  HBRUSH classBrush = nullptr;
};

struct CWindowCore : CWindowClass {
  virtual ~CWindowCore() = default;
  HWND handle = nullptr;
  DWORD style = 0;
  HFONT font = nullptr;  // from WM_SETFONT
  LPARAM userData = 0;
  bool needsPaint = false;
  bool needsErase = false;
  HDC ownDc = nullptr;          // CS_OWNDC: made at the first GetDC
  HWND parent = nullptr;        // child windows and controls: the window they sit in
  HWND owner = nullptr;         // top-level windows and dialogs: their owner, if any
  std::vector<HWND> children;   // in creation order
  int id = 0;                   // child windows and controls
  bool destroyStarted = false;  // DestroyWindow is sending WM_DESTROY
  bool destroying = false;      // gone for every call but the table
  std::vector<std::pair<HWND, UINT>> watchers;  // told of its end (WatchWindow)
  // Window state, whichever device shows it.
  std::string title;
  RECT rect{};      // outer frame: screen coordinates, or the parent's client coordinates
  RECT restored{};  // the frame before minimising or maximising
  SIZE client{};    // the client area the program draws on
  POINT minTrack{0, 0};  // top-level windows: from WM_GETMINMAXINFO at creation
  bool visible = false;
  bool enabled = true;
  bool minimised = false;
  bool maximised = false;
  HWND sameAppAs = nullptr;  // an ownerless dialog counts as the program that opened it
  std::unique_ptr<CControl> control;  // built-in controls
  std::unique_ptr<CDialog> dialog;    // dialogs
};

// The class name dialogs and message boxes carry.
inline constexpr const char* kDialogClassName = "#32770";
// Class names compare ignoring case, as the system's do.
bool SameClassName(const std::string& a, const char* b);
// The registered class of that name, or null.
const CWindowClass* FindWindowClass(const char* name);
// Forgets every registered class (a fresh program has none).
void ForgetClasses();

class CWindowTable {
 public:
  // Takes the record, gives it a fresh handle and answers it.
  template <class W>
  W* Add(std::unique_ptr<W> window) {
    W* raw = window.get();
    Insert(std::move(window));
    return raw;
  }
  // The record with that handle, also of a window that is going (FindCore
  // answers only live ones); null for other processes' handles.
  CWindowCore* FindAny(HWND handle) const;
  // From any thread: whether the handle names a window of this process.
  bool Exists(HWND handle) const;
  void Remove(HWND handle);
  // Every record, oldest first.
  std::vector<CWindowCore*> All() const;
  void Clear();

 private:
  void Insert(std::unique_ptr<CWindowCore> window);
  // Only the program's thread changes the map, under the lock, so it reads without it.
  mutable std::mutex m_lock;
  std::map<std::uintptr_t, std::unique_ptr<CWindowCore>> m_windows;  // handles grow: oldest first
};

CWindowTable& WindowTable();

// The live window of this process with that handle: null for other
// processes' handles and for windows whose records are going.
CWindowCore* FindCore(HWND hwnd);
// True for root and every window that sits in it, any depth.
bool IsInside(HWND hwnd, HWND root);
// The top-level window or dialog that holds the window (itself for those).
HWND TopLevelOf(HWND hwnd);

}  // namespace plat::common
