// What a backend supplies under the Windows model kept in platform/common:
// the device. Each area of the model has its own section.
#pragma once

#include <string>

#include "platform/common/Window.h"
#include "platform/include/plat/dialog.h"

namespace plat::common {

// ---- Window state: showing, placing, activating and focusing windows --------

// The frame the metrics report: border width on each side, caption height.
int FrameBorder();
int CaptionHeight();
// The screen's size in pixels.
SIZE ScreenSize();
// What a maximised window may cover, in screen coordinates.
RECT WorkArea();
// Where the pointer is, in screen coordinates.
POINT PointerPosition();
// True when the device shows a window's client area scaled into its frame, so
// that maximising or the user's resizing keeps the client size.
bool ScalesClientArea();
// A record of the device's kind for a window of a registered class, already
// in the window table; null when the device cannot show such a window.
CWindowCore* NewWindowRecord(bool child);
// Makes what shows the window from its filled-in record (hidden); false
// when it cannot.
bool MakeNative(CWindowCore& window);
// A built-in control in parent, made by the controls' device; null on failure.
HWND MakeControl(HWND parent, ControlKind kind, int id, const char* title, DWORD style, int x, int y,
                 int width, int height);
// The client sizes WM_GETMINMAXINFO allows a top-level window.
void LimitNative(CWindowCore& window, SIZE minClient, SIZE maxClient);
// Shows, hides, minimises or maximises the native window as its record says.
void ShowNative(CWindowCore& window);
// Moves the native window to its record's frame and client size.
void PlaceNative(CWindowCore& window);
// Brings the native top-level window to the front and asks for the keyboard.
void RaiseNative(CWindowCore& window);
// The record's enabled flag changed.
void EnableNative(CWindowCore& window);
// The record's title changed.
void TitleNative(CWindowCore& window);
// Gives the keyboard to the window's native widget; null takes it from all.
void FocusNative(CWindowCore* window);
// A control's text that the device keeps (typed text, a selected item);
// false when the record's title is the text.
bool DeviceText(const CWindowCore& window, std::string* text);

// What may be asked of, or done to, a window of another process.
enum class ForeignOp { kIsWindow, kIsVisible, kIsIconic, kIsZoomed, kShow, kSetForeground };
// The answer of the window's own process; 0 when it cannot be reached or the
// handle names no window of another process.
LRESULT ForeignWindowOp(HWND hwnd, ForeignOp op, int argument);
// Posts message (lParam: hwnd) to notify when the other process goes; false
// when the handle names no window of another process.
bool WatchForeignWindow(HWND hwnd, HWND notify, UINT message);
// A top-level window of another process by class (and title when not null).
HWND FindForeignWindow(const char* className, const char* title);

}  // namespace plat::common
