// The desktop's records of the windows in the common table, found by handle
// or by the Qt widget that shows it. Main thread only.
#pragma once

#include <QImage>

#include <map>
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

class CWindowTable {
 public:
  // A new record with a fresh handle; the caller fills it in.
  CWindow* Create(WindowKind kind);
  // The live window of this process with that handle, or null (also for
  // handles of other processes and windows being destroyed).
  CWindow* Find(HWND handle) const { return static_cast<CWindow*>(common::WindowTable().Find(handle)); }
  // Like Find but also answers a window in the middle of DestroyWindow.
  CWindow* FindAny(HWND handle) const { return static_cast<CWindow*>(common::WindowTable().FindAny(handle)); }
  CWindow* FindByWidget(const QWidget* widget) const;
  void BindWidget(CWindow* window, QWidget* widget);
  // Frees the record; its widget must already be detached.
  void Remove(CWindow* window);
  // Top-level windows of registered classes, dialogs and message boxes, oldest first.
  std::vector<CWindow*> TopLevels() const;
  std::vector<CWindow*> All() const;

 private:
  std::map<const QWidget*, CWindow*> m_byWidget;
};

CWindowTable& Windows();

// The window whose widget is widget or holds it; null for none.
HWND WindowOfWidget(const QWidget* widget);

// The window a control sits in, the owner of a top-level one; or null.
inline CWindow* ParentOf(const CWindow* window) {
  return window ? static_cast<CWindow*>(common::ParentCore(*window)) : nullptr;
}
// The live controls and child windows that sit in the window, oldest first.
std::vector<CWindow*> ChildrenOf(const CWindow* window);
// The top-level window or dialog that holds the window (itself for those).
inline CWindow* RootOf(const CWindow* window) {
  return window ? Windows().Find(common::TopLevelOf(window->handle)) : nullptr;
}

}  // namespace plat::desktop
