// The in-memory device under the window model: a scripted screen and
// pointer, framebuffers for top-level windows, and the built-in kinds.
#include "platform/common/ControlClasses.h"
#include "platform/common/Controls.h"
#include "platform/common/Cursors.h"
#include "platform/common/Device.h"
#include "platform/common/WindowState.h"
#include "platform/headless/State.h"

namespace plat {

namespace common {

HWND NewWindowHandle() { return hl::ToHandle<HWND>(hl::NewHandleValue()); }

void ForgetWindow(CWindowCore&) {}

int FrameBorder() { return 4; }
int CaptionHeight() { return 20; }
SIZE ScreenSize() { return SIZE{hl::S().screenWidth, hl::S().screenHeight}; }
RECT WorkArea() { return RECT{0, 0, hl::S().screenWidth, hl::S().screenHeight}; }
POINT PointerPosition() { return hl::S().cursorPos; }
bool ScalesClientArea() { return false; }

CWindowCore* NewWindowRecord(bool) { return WindowTable().Add(std::make_unique<hl::Window>()); }

bool MakeNative(CWindowCore& window) {
  hl::ResizeFramebuffer(static_cast<hl::Window&>(window));
  return true;
}

void LimitNative(CWindowCore&, SIZE, SIZE) {}
void ShowNative(CWindowCore&) {}
void PlaceNative(CWindowCore& window) { hl::ResizeFramebuffer(static_cast<hl::Window&>(window)); }
void RaiseNative(CWindowCore&) {}
void EnableNative(CWindowCore&) {}
void TitleNative(CWindowCore&) {}
void FocusNative(CWindowCore*) {}

// Every program of a headless run lives in this one process.
LRESULT ForeignWindowOp(HWND, ForeignOp, int) { return 0; }
bool WatchForeignWindow(HWND, HWND, UINT) { return false; }
HWND FindForeignWindow(const char*, const char*) { return nullptr; }

}  // namespace common

namespace hl {

std::uintptr_t NewHandleValue() {
  static std::uintptr_t next = 0x10000;
  next += 0x10;
  return next;
}

State& S() {
  static State* state = new State;  // lives until exit: windows may be touched by static destructors
  return *state;
}

HWND CreateWindowInternal(const char* className, const char* title, DWORD style, int x, int y,
                          int width, int height, HWND parent, int id, void* createParam,
                          Builtin builtin, ControlKind kind, DWORD cstyle) {
  const bool child = (style & WS_CHILD) != 0;
  if ((child || parent) && !FindWindowObj(parent)) return nullptr;
  auto record = std::make_unique<Window>();
  record->className = className;
  record->builtin = builtin;
  if (builtin == Builtin::Dialog) {
    record->proc = common::DialogWindowProc;
  } else {
    record->proc = common::ControlProc;
    record->control = common::NewControl(kind, cstyle, title);
  }
  common::SetIdentity(*record, title, style, parent, id);
  Window* w = common::WindowTable().Add(std::move(record));
  common::InitFrame(*w, x, y, width, height);
  ResizeFramebuffer(*w);
  return common::StartWindow(*w, createParam, builtin != Builtin::Dialog);
}

}  // namespace hl

using namespace hl;

// ---- The program --------------------------------------------------------------------

BOOL InitBackend(int, char**) { return TRUE; }

void ShutdownBackend() {}

namespace headless {

HWND ForegroundWindow() { return common::Foreground(); }

void SetScreen(int width, int height, int bitsPerPixel) {
  if (width > 0) S().screenWidth = width;
  if (height > 0) S().screenHeight = height;
  if (bitsPerPixel > 0) S().screenBits = bitsPerPixel;
}

void SetAppActive(BOOL active) { common::SetAppActive(active != FALSE); }

void SetCursorScreenPos(int x, int y) { S().cursorPos = POINT{x, y}; }

int CurrentCursor() { return common::CurrentCursor(); }

std::vector<HWND> Children(HWND dialog) {
  Window* w = FindWindowObj(dialog);
  return w ? w->children : std::vector<HWND>();
}

void Reset() {
  State& s = S();
  common::WindowTable().Clear();
  common::ForgetClasses();
  common::ResetWindowState();
  common::ThreadQueue().Clear();
  s.programWatches.clear();
  s.cursorPos = POINT{0, 0};
  common::ResetCursor(IDC_ARROW);
  s.screenWidth = 1024;
  s.screenHeight = 768;
  s.screenBits = 32;
  s.presentLog.clear();
  s.drawnTexts.clear();
  common::ResetGdi();
  ResetClock();
  ResetSound();
  s.messageBoxHandler = nullptr;
  s.messageBoxes.clear();
  s.dialogHandler = nullptr;
  s.dialogs.clear();
  s.shellOpens.clear();
  s.shellResult = 42;
}

}  // namespace headless
}  // namespace plat
