// The windows of this process: one record per handle, found by handle or by
// the Qt widget that shows it. Main thread only, except Exists.
#pragma once

#include <QImage>
#include <QRect>

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/common/Window.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/window.h"

class QWidget;

namespace plat::desktop {

enum class WindowKind { kTopLevel, kDialog, kControl, kMessageBox };

struct CWindow : common::CWindowCore {
  WindowKind kind = WindowKind::kTopLevel;
  DLGPROC dialogProc = nullptr;     // dialogs
  CWindow* parent = nullptr;        // controls: the window they sit in; dialogs: the owner
  std::vector<CWindow*> children;   // controls, in creation order
  int controlId = 0;
  ControlKind controlKind = CTL_STATIC;
  DWORD controlStyle = 0;           // CS_* bits of a control
  QWidget* widget = nullptr;
  QImage canvas;                    // top-level windows and dialogs: what the DC draws on
  bool zoomed = false;
  bool iconic = false;
  HDC dc = nullptr;
  bool destroyStarted = false;      // DestroyWindow is sending WM_DESTROY
  bool destroying = false;          // gone for every call but the table
  bool everShown = false;
  bool nativeEvent = false;         // a Qt input event is going through a subclass procedure
  bool nativeDefault = false;       // ... and reached the built-in procedure
  int itemHeight = 0;               // owner-drawn items: the height WM_MEASUREITEM asked for
  QRect restoreGeometry;            // before maximising without a window manager
  bool dialogEnded = false;
  INT_PTR dialogResult = 0;
};

class CWindowTable {
 public:
  // A new record with a fresh handle; the caller fills it in.
  CWindow* Create(WindowKind kind);
  // The live window of this process with that handle, or null (also for
  // handles of other processes and windows being destroyed).
  CWindow* Find(HWND handle) const;
  // Like Find but also answers a window in the middle of DestroyWindow.
  CWindow* FindAny(HWND handle) const;
  CWindow* FindByWidget(const QWidget* widget) const;
  // Thread-safe: whether the handle names a live window of this process.
  bool Exists(HWND handle) const;
  void BindWidget(CWindow* window, QWidget* widget);
  // Frees the record; its widget must already be detached.
  void Remove(CWindow* window);
  // Top-level windows of registered classes, dialogs and message boxes, oldest first.
  std::vector<CWindow*> TopLevels() const;
  std::vector<CWindow*> All() const;

 private:
  mutable std::mutex m_liveLock;
  std::set<std::uintptr_t> m_live;
  std::map<std::uint32_t, std::unique_ptr<CWindow>> m_windows;
  std::map<const QWidget*, CWindow*> m_byWidget;
  std::uint32_t m_nextSerial = 1;
};

CWindowTable& Windows();

// A top-level window of this process by class (and title when not null),
// both ignoring case; null when there is none.
HWND FindLocalTopLevel(const char* className, const char* title);

// True for a window and everything inside it (its controls, their controls).
bool IsInside(const CWindow* window, const CWindow* root);
// The top-level window or dialog that holds the window (itself for those).
CWindow* RootOf(CWindow* window);

}  // namespace plat::desktop
