// The desktop's records of the windows in the common table, the Qt widget
// that shows each, and window handles that name their program. Main thread
// only, but for the handle calls.
#pragma once

#include <QImage>

#include <cstdint>
#include <vector>

#include "platform/common/Window.h"
#include "platform/include/plat/window.h"

class QWidget;

namespace plat::desktop {

enum class WindowKind { kTopLevel, kDialog, kControl, kMessageBox };

struct CWindow : common::CWindowCore {
  explicit CWindow(WindowKind k) : kind(k) {}
  WindowKind kind;
  QWidget* widget = nullptr;
  QImage canvas;                    // top-level windows and dialogs: what the DC draws on
  bool nativeEvent = false;         // a Qt input event is going through a subclass procedure
  bool nativeDefault = false;       // ... and reached the built-in procedure
  HFONT shownFont = nullptr;        // controls: the font their widget has
};

// The common table seen through the desktop's record type: every window in it is a CWindow.
class CWindowTable {
 public:
  // A new record with a fresh handle; the caller fills it in.
  CWindow* Create(WindowKind kind) { return common::WindowTable().Add(std::make_unique<CWindow>(kind)); }
  // The live window of this process with that handle, or null (also for
  // handles of other processes and windows being destroyed).
  CWindow* Find(HWND handle) const { return static_cast<CWindow*>(common::FindCore(handle)); }
  // Like Find but also answers a window in the middle of DestroyWindow.
  CWindow* FindAny(HWND handle) const { return static_cast<CWindow*>(common::WindowTable().FindAny(handle)); }
  void BindWidget(CWindow* window, QWidget* widget) { window->widget = widget; }
  // Frees the record; its widget must already be detached.
  void Remove(CWindow* window) { common::WindowTable().Remove(window->handle); }
  // Oldest first.
  std::vector<CWindow*> All() const;
};

inline CWindowTable& Windows() {
  static CWindowTable table;
  return table;
}

// The window whose widget is widget or holds it; null for none.
HWND WindowOfWidget(const QWidget* widget);

// The top-level window or dialog that holds the window (itself for those).
inline CWindow* RootOf(const CWindow* window) {
  return window ? Windows().Find(common::TopLevelOf(window->handle)) : nullptr;
}

// The cursor last set, on a top-level window's widget.
void ApplyCurrentCursor(QWidget* widget);

// Starts learning where the pointer is (the device's PointerPosition) from
// the pointer events of the program's own windows, so that asking (every
// frame, for the button under the pointer) costs no round trip to the
// display server; only a pointer outside all of them is asked for, at most a
// few times a second. After the QApplication exists; removed with it.
void InstallPointerTracker();

// A window handle holds its process id in the high 32 bits and a serial
// number unique within that process in the low 32 bits, so a handle that
// travels to another program still names the window and its owner.
std::uint32_t ThisProcess();
inline std::uint32_t WindowProcess(HWND h) {
  return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(h) >> 32);
}
// A handle of a window in another running program (never null).
inline bool IsRemoteHandle(HWND h) {
  return h && WindowProcess(h) != 0 && WindowProcess(h) != ThisProcess();
}

}  // namespace plat::desktop
