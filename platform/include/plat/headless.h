// Control of the in-memory backend, for tests and simulations only.
//
// Everything runs in the test's process and thread. Windows of every class
// live on one in-process bus, so a test stands in for the main client by
// registering the main client's class with its own window procedure; sends
// between windows are plain nested calls. Time stands still unless the test
// or an idle message check moves it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/include/plat/plat.h"

namespace plat::headless {

// Destroys every window and class, empties queues and logs, restores the
// defaults below. Registered resources are kept.
void Reset();

// ---- Display ----------------------------------------------------------------
// Default 1024 x 768 at 32 bits per pixel.
void SetScreen(int width, int height, int bitsPerPixel);

// ---- Clock --------------------------------------------------------------------
// The multimedia clock and the tick count are one virtual clock (start 0).
DWORD Now();
void SetClock(DWORD ms);
// Moves the clock on; multimedia timers whose period passed fire in order,
// on this thread, and MIDI pieces that reach their end post their notification.
void AdvanceClock(DWORD ms);
void SetCalendarTime(std::int64_t seconds);
// timeGetDevCaps fails while set (a machine without a multimedia timer).
void SetTimerCapsFail(BOOL fail);
// Periods begun and not ended, and the timers running.
int PeriodsBegun();
int RunningTimers();
// How far an empty PeekMessage (or each idle round of WaitMessage and
// GetMessage) moves the clock: default 1 ms. Sleep moves it by its argument.
void SetIdleAdvance(DWORD ms);

// Called whenever a message check finds the queue empty, before the clock
// moves; the test script injects input, answers, or posts WM_CLOSE here.
// A blocking wait that sees nothing arrive for 10,000,000 rounds aborts the
// process with a message, so a stuck test fails instead of hanging.
void SetIdleHook(std::function<void()> hook);

// ---- Input (posted like real input, client coordinates) --------------------
void PostMouse(HWND hwnd, UINT msg, int x, int y, WPARAM keys);
// Move, left button down and up at one point.
void Click(HWND hwnd, int x, int y);
void RightClick(HWND hwnd, int x, int y);
// Key down (with the repeat bit when repeat), the WM_CHAR that translation
// makes of a character key, and key up.
void PostKey(HWND hwnd, WPARAM virtualKey, BOOL down, BOOL repeat);
void PostChar(HWND hwnd, char ch, BOOL repeat);
// Forgets every posted and input message waiting and the quit flag: for a
// harness that steps a program's machines without its loop.
void DropMessages();
// Sends WM_ACTIVATEAPP to every top-level window of the process.
void SetAppActive(BOOL active);
// Where GetCursorPos says the pointer is, in screen coordinates.
void SetCursorScreenPos(int x, int y);

// ---- Windows and the picture they show -------------------------------------
HWND ForegroundWindow();
// The colour at a client-area pixel of what StretchDIBits drew, through the
// palette selected at that time; CLR_INVALID outside the client area.
COLORREF Pixel(HWND hwnd, int x, int y);
// Saves the client area as a PNG; answers 0 on failure.
BOOL SavePng(HWND hwnd, const char* fileName);
// Destination rectangles of every StretchDIBits to the window since the last clear.
std::vector<RECT> PresentLog(HWND hwnd);
void ClearPresentLog();
// Off, drawing to windows checks its arguments and is logged but leaves no
// pixels: a harness that never looks at the picture (a fuzz target) skips
// converting every presented rectangle. On again after Reset.
void KeepPixels(BOOL keep);
// The cursor last set, as a standard cursor id (IDC_*), 0 when none.
int CurrentCursor();

// ---- Message boxes and dialogs ------------------------------------------------
struct MessageBoxRecord {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
  int answer;
};
// Decides the answer of each box. Without a handler a box answers its
// default button (IDOK, IDYES; IDCANCEL or IDNO with MB_DEFBUTTON2).
void SetMessageBoxHandler(std::function<int(const MessageBoxRecord&)> handler);
const std::vector<MessageBoxRecord>& MessageBoxes();
void ClearMessageBoxes();

// Runs inside DialogBoxParam after WM_INITDIALOG, with the dialog open; it
// acts as the user with the helpers below (and any plat call). When it
// returns and the dialog has not ended, the dialog gets IDCANCEL as a click.
// Without a handler every dialog is cancelled that way.
void SetDialogHandler(std::function<void(int templateId, HWND dialog)> handler);
struct DialogRecord {
  int templateId;
  std::string title;  // as the dialog showed it at the end
  INT_PTR result;
};
const std::vector<DialogRecord>& Dialogs();
void ClearDialogs();
// A click on a control: toggles a check box, checks a radio button in its
// group, then sends WM_COMMAND (id, BN_CLICKED) to the dialog.
void ClickControl(HWND dialog, int id);
// Types into an edit (replacing its text, keeping its limit) and sends EN_CHANGE.
void TypeText(HWND dialog, int id, const char* text);
// Moves the focus to a control; the edit that had it gets EN_KILLFOCUS.
void FocusControl(HWND dialog, int id);
// Selects a combo or list box item and sends the selection change.
void SelectItem(HWND dialog, int id, int index);
// Selects a tab with TCN_SELCHANGING before and TCN_SELCHANGE after.
void SelectTab(HWND dialog, int id, int index);
// Controls of a dialog (including those made at run time) for inspection.
std::vector<HWND> Children(HWND dialog);
// What the dialog's own painting drew with TextOut and DrawText, in order.
std::vector<std::string> DrawnTexts(HWND dialog);

// ---- Sound ------------------------------------------------------------------------
struct SoundRecord {
  enum Kind { WAVE, WAVE_STOP, MIDI_OPEN, MIDI_PLAY, MIDI_PAUSE, MIDI_RESUME, MIDI_SEEK, MIDI_CLOSE };
  Kind kind;
  std::string name;  // file name; "<memory>" for a wave from memory
  DWORD flags;       // SND_* or MCI_* flags
  std::size_t bytes; // size of a wave from memory
};
const std::vector<SoundRecord>& Sounds();
void ClearSounds();
// Length of every MIDI piece opened from now on (default 60,000 ms).
void SetMidiLength(DWORD ms);
// Makes the open piece end now (as if its length was reached).
void EndMidiPiece();
// Makes the device stop without a notification (a device that failed).
void StopMidiSilently();

// ---- Shell -------------------------------------------------------------------------
// Files opened with ShellExecute, in order; the answer every call gives (default 42).
const std::vector<std::string>& ShellOpens();
void ClearShellOpens();
void SetShellExecuteResult(INT_PTR result);

}  // namespace plat::headless
