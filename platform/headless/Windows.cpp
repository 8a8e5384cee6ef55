// The in-memory device under the window model: a scripted screen and
// pointer, framebuffers for top-level windows, and the built-in kinds.
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

void MakeNative(CWindowCore&) {}
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
  common::WindowTable().Clear();
  common::ForgetClasses();
  common::ResetWindowState();
  common::ThreadQueue().Clear();
  common::ResetCursor(IDC_ARROW);
  common::ResetGdi();
  ResetClock();
  ResetSound();
  S() = State();  // the screen, pointer, clock and logs of a fresh run
}

}  // namespace headless
}  // namespace plat
