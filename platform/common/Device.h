// What a backend supplies to the Windows model kept once in common/: one
// section per area, each call with its contract.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/common/Window.h"
#include "platform/include/plat/dialog.h"
#include "platform/include/plat/sound.h"
#include "platform/include/plat/time.h"

namespace plat::common {

// ---- Dialogs, message boxes and controls (model: Controls.cpp, Dialogs.cpp) ----

// A record of the device's kind for a built-in control in parent, already
// in the window table; null when parent cannot hold controls.
CWindowCore* NewControlRecord(HWND parent);
// Makes what shows the filled-in control record (hidden) and shows its
// model; the frame (parent's client coordinates) may lose the height that
// the device's own part of the control takes, and an owner-drawn control's
// item height, offered in WM_MEASUREITEM, may become its font's.
void MakeControlNative(CWindowCore& control, RECT* frame);
// The model of the control changed (text, check, items, selection, tabs,
// rows, limits, focus): the device shows it, without notifying anyone; a
// control painted through WM_PAINT is marked for it.
void ShowControlState(CWindowCore& control);
// WM_PAINT reached a built-in control other than a static text: paint what
// the program colours or draws itself (owner-drawn items, read-only edits).
void PaintControl(CWindowCore& control);
// True when the input message comes from a native widget's own event that
// went through a subclass procedure: the widget then acts on it itself.
bool NativeInputReached(CWindowCore& control);
// Height in pixels of a tab control's row of tabs.
int TabRowHeight(const CWindowCore& tab);

// Makes what shows the filled-in record of a dialog (from NewWindowRecord)
// from its template, hidden; its font, if the device makes one, in its font field.
void MakeDialogNative(CWindowCore& dialog, const DLGTEMPLATE& dialogTemplate);
// Runs the shown dialog modally until it has ended or is gone (headless: its
// scripted user acts, and a dialog it leaves open is cancelled).
void RunDialogLoop(HWND dialog, int templateId);
// The dialog has ended with that result and is gone (headless: its log).
void DialogClosed(int templateId, const std::string& title, INT_PTR result);
// Shows a message box with the buttons of type and waits for the answer;
// defaultAnswer is the answer of Enter (and of a box nobody answers).
int AskMessageBox(HWND owner, const char* text, const char* caption, UINT type, int defaultAnswer);

// ---- Sound, the multimedia timer and time (SDL2_mixer and the real clock, or the sound log and a virtual one)

// Milliseconds on the device's steady clock, never going back; any thread may ask.
std::uint64_t ClockMs();
// Seconds since 1970-01-01 UTC.
std::int64_t CalendarSeconds();
// Returns when ms have passed on the clock (the virtual clock runs what falls due meanwhile).
void PassTime(DWORD ms);
// A timer was set: the device fires the timers as its clock reaches them (Schedule.h), a real clock off-thread.
void TimersChanged();
// Told of every PlaySound call as made, before any check (the sound log).
void WaveAsked(const void* sound, DWORD flags, std::size_t memoryBytes);
// Plays a checked wave image (valid during the call); sync returns at its end. 1 played, 0 undecodable, -1
// no sound output (the model then lets a sync wave's time pass).
int PlayWave(const std::uint8_t* image, std::size_t size, bool async, bool loop);
// Stops the wave that plays, if any.
void StopWave();
// Told of every sequencer command carried out but MCI_STATUS, with the element as opened (the sound log).
void MidiAsked(UINT command, const std::string& element, DWORD flags);
// Takes a whole MIDI file read from path as piece id and answers its length in ms; false: cannot be played.
bool OpenPiece(MCIDEVICEID id, const std::string& path, std::vector<std::uint8_t> bytes, DWORD* lengthMs);
// Sounds the piece from fromMs on (one piece sounds at a time); a piece paused at fromMs carries on.
void SoundPiece(MCIDEVICEID id, DWORD fromMs);
// Holds the piece's sound where it stands.
void PausePiece(MCIDEVICEID id);
// Stops the piece's sound.
void SilencePiece(MCIDEVICEID id);
// Lets go of the piece.
void ClosePiece(MCIDEVICEID id);
// Calls EndDuePieces (Schedule.h) on the program's thread once the clock reaches atMs.
void WakeAt(std::uint64_t atMs);

// ---- Message loop: native events, waiting, input, and carrying messages between programs ----

// Handles every native event waiting now (input, painting, calls from other programs); never blocks.
void PumpNativeEvents();
// An empty check's short wait: true to look again (desktop waited up to 1 ms); false after a headless idle round.
bool IdleWait();
// Waits at most maxWaitMs (negative: no limit) for a native event and handles it; headless: one idle round.
void WaitNativeEvents(int maxWaitMs);
// Wakes the message thread out of a native wait; callable from any thread.
void WakeMessageThread();
// Where the pointer is, as a posted message carries it; callable from any thread.
POINT PointerForPost();
// Whether shift, control and alt are held as the program sees its input now.
bool ShiftHeld();
bool ControlHeld();
bool AltHeld();
// Sends a message (WM_COPYDATA with its bytes) to a window of another running program and awaits its answer for a
// few seconds, meanwhile handling only what other programs send, never posted messages or input; false when the
// handle names no such window or no answer came (headless: every window lives here).
bool CarrySend(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);
// Queues a posted message for a window of another running program without waiting; false when the handle names
// no such window or it cannot be reached.
bool CarryPost(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

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
// A window handle above every one made before in this process.
HWND NewWindowHandle();
// A record of the device's kind for a window of a registered class, already
// in the window table; null when the device cannot show such a window.
CWindowCore* NewWindowRecord(bool child);
// Makes what shows the window from its filled-in record, hidden.
void MakeNative(CWindowCore& window);
// The window's record goes next: the device lets go of what shows it.
void ForgetWindow(CWindowCore& window);
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
