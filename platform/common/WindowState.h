// The state of windows kept once for both devices: frames and client areas,
// showing, activation and focus, the pointer's cursor; and what a device
// reports of its user.
#pragma once

#include "platform/common/Window.h"

namespace plat::common {

// Border width and the caption height a window of that style has (none for
// child windows).
int BorderOf(const CWindowCore& window);
int CaptionOf(const CWindowCore& window);
// The client area on the screen, before any scaling of the picture.
RECT ViewOf(const CWindowCore& window);
// The client area's (0, 0) on the screen, before any scaling.
POINT ClientOrigin(const CWindowCore& window);
inline SIZE ClientSize(const CWindowCore& window) { return window.client; }
inline SIZE SizeOf(const RECT& r) { return SIZE{r.right - r.left, r.bottom - r.top}; }
// Where a picture of that size is shown in a view of that size: as large as
// fits, its aspect kept, centred. View coordinates.
RECT FitPicture(SIZE view, SIZE picture);
// View coordinates to picture coordinates and back, through FitPicture.
POINT ViewToPicture(SIZE view, SIZE picture, POINT p);
POINT PictureToView(SIZE view, SIZE picture, POINT p);

// Title, style, and parent with id (child windows) or owner of a new record.
void SetIdentity(CWindowCore& window, const char* title, DWORD style, HWND parent, int id);
// Puts a new record's frame (outer, CW_USEDEFAULT allowed) and enabled
// state in place, before the device makes what shows it.
void InitFrame(CWindowCore& window, int x, int y, int width, int height);
// Then places the native window, asks a top-level window's limits, sends
// WM_CREATE (when sendCreate), WM_SIZE and WM_MOVE, and maximises and shows
// as the style says. Answers the handle, or null when the window refused or
// went meanwhile.
HWND StartWindow(CWindowCore& window, void* createParam, bool sendCreate);

HWND Foreground();
// Makes the top-level window that holds hwnd the foreground window, with
// WM_ACTIVATEAPP and WM_ACTIVATE as the program changes; raise: brought to the front.
void ActivateWindow(HWND hwnd, bool raise = true);
// Every top-level window hears WM_ACTIVATEAPP; inactive also ends the
// foreground.
void SetAppActive(bool active);
// A top-level window of this process whose class (and title when not null)
// match, ignoring case.
HWND FindLocalWindow(const char* className, const char* title);
// Without messages: the window is no longer the foreground window, or no
// longer holds the focus, if it was.
void LoseForeground(HWND hwnd);
void LoseFocus(HWND hwnd);
// The foreground window stops being it, with WM_ACTIVATE, and none takes its place.
void Deactivate(HWND hwnd);
// No window is foreground or focused (a fresh program).
void ResetWindowState();
// The IDC_* of the cursor set last; 0 when it is hidden.
int CurrentCursor();
// Starts again from that standard cursor (0: hidden) without showing it.
void ResetCursor(int standardCursor);

// ---- Between the model's files -------------------------------------------

// Gives the window a new outer frame; the client area follows it when the
// program sized it or the device does not scale. The native window follows.
void SetFrame(CWindowCore& window, const RECT& frame, bool programSized);
// WM_SIZE with the client size and state, then WM_MOVE with its origin.
void SendSizeAndMove(HWND hwnd);

// ---- What the device reports of its user ----------------------------------
// Only a device that scales the picture into its frames reports them: the
// client area keeps its size.

// The native window's client area now covers view (screen coordinates).
void FrameFromDevice(HWND hwnd, const RECT& view);
// The user (or a window manager) minimised, maximised or restored it.
void StateFromDevice(HWND hwnd, bool minimised, bool maximised);
// The native window became the active one; focus is where its keyboard is.
void ActivatedByDevice(HWND hwnd, HWND focus);
// The keyboard moved to the window's native widget.
void FocusFromDevice(HWND hwnd);

}  // namespace plat::common
