// The desktop's records of the windows in the common table, and the Qt
// widget that shows each. Main thread only.
#pragma once

#include <QImage>

#include <vector>

#include "platform/common/WindowTable.h"
#include "platform/include/plat/window.h"

class QWidget;

namespace plat::desktop {

enum class WindowKind { kTopLevel, kDialog, kControl, kMessageBox };

struct CWindow : common::CWindowCore {
  WindowKind kind = WindowKind::kTopLevel;
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
  CWindow* Create(WindowKind kind);
  // The live window of this process with that handle, or null (also for
  // handles of other processes and windows being destroyed).
  CWindow* Find(HWND handle) const { return static_cast<CWindow*>(common::WindowTable().Find(handle)); }
  // Like Find but also answers a window in the middle of DestroyWindow.
  CWindow* FindAny(HWND handle) const { return static_cast<CWindow*>(common::WindowTable().FindAny(handle)); }
  void BindWidget(CWindow* window, QWidget* widget) { window->widget = widget; }
  // Frees the record; its widget must already be detached.
  void Remove(CWindow* window) { common::WindowTable().Remove(window->handle); }
  // Top-level windows of registered classes, dialogs and message boxes, oldest first.
  std::vector<CWindow*> TopLevels() const;
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

}  // namespace plat::desktop
