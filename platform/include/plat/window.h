// Window classes, windows, the message queue and messages between programs.
//
// One thread per program. Each window belongs to the process that created
// it; its window procedure runs only on that process's thread.
#pragma once

#include "platform/include/plat/types.h"

namespace plat {

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

// ---- Messages ----------------------------------------------------------------

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;  // lParam: the param given to CreateWindow
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;
constexpr UINT WM_SIZE = 0x0005;  // wParam SIZE_*, lParam MAKELPARAM(client w, h)
constexpr UINT WM_ACTIVATE = 0x0006;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;  // wParam: exit code
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_SHOWWINDOW = 0x0018;
constexpr UINT WM_ACTIVATEAPP = 0x001C;  // wParam: 1 active, 0 inactive
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_GETMINMAXINFO = 0x0024;  // lParam: MINMAXINFO*
constexpr UINT WM_DRAWITEM = 0x002B;       // lParam: DRAWITEMSTRUCT*
constexpr UINT WM_MEASUREITEM = 0x002C;    // lParam: MEASUREITEMSTRUCT*
constexpr UINT WM_SETFONT = 0x0030;        // wParam: HFONT
constexpr UINT WM_COPYDATA = 0x004A;  // wParam: sender window, lParam: COPYDATASTRUCT*
constexpr UINT WM_NOTIFY = 0x004E;    // lParam: NMHDR*
constexpr UINT WM_KEYDOWN = 0x0100;   // wParam: VK_*, lParam bit 30: key was down before
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;  // wParam: character, lParam bit 30: a repeat
constexpr UINT WM_INITDIALOG = 0x0110;  // lParam: the dialog's creation param
constexpr UINT WM_COMMAND = 0x0111;     // wParam: MAKEWPARAM(id, notify code), lParam: control
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_TIMER = 0x0113;
constexpr UINT WM_CTLCOLORDLG = 0x0136;     // wParam: HDC; answer: HBRUSH
constexpr UINT WM_CTLCOLORSTATIC = 0x0138;  // wParam: HDC, lParam: control; answer: HBRUSH
constexpr UINT WM_MOUSEMOVE = 0x0200;  // wParam: MK_*, lParam: MAKELPARAM(x, y) client coords
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_QUERYNEWPALETTE = 0x030F;
constexpr UINT WM_PALETTECHANGED = 0x0311;  // wParam: the window that realised
constexpr UINT MM_MCINOTIFY = 0x03B9;       // wParam: MCI_NOTIFY_*, lParam: device id
constexpr UINT WM_USER = 0x0400;
// RegisterWindowMessage answers ids in 0xC000..0xFFFF.

constexpr WPARAM SIZE_RESTORED = 0;
constexpr WPARAM SIZE_MINIMIZED = 1;
constexpr WPARAM SIZE_MAXIMIZED = 2;

constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;

constexpr LPARAM KEY_REPEAT_FLAG = 1L << 30;  // lParam bit of key and char messages

// Virtual keys the programs use (letters and digits are their upper-case ASCII).
constexpr WPARAM VK_BACK = 0x08;
constexpr WPARAM VK_TAB = 0x09;
constexpr WPARAM VK_RETURN = 0x0D;
constexpr WPARAM VK_SHIFT = 0x10;
constexpr WPARAM VK_CONTROL = 0x11;
constexpr WPARAM VK_ESCAPE = 0x1B;
constexpr WPARAM VK_SPACE = 0x20;
constexpr WPARAM VK_HOME = 0x24;
constexpr WPARAM VK_LEFT = 0x25;
constexpr WPARAM VK_UP = 0x26;
constexpr WPARAM VK_RIGHT = 0x27;
constexpr WPARAM VK_DOWN = 0x28;
constexpr WPARAM VK_F1 = 0x70;

constexpr WPARAM MAKEWPARAM(int lo, int hi) {
  return (static_cast<WPARAM>(static_cast<WORD>(lo))) |
         (static_cast<WPARAM>(static_cast<WORD>(hi)) << 16);
}

// ---- Window classes and windows ------------------------------------------------

constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;
constexpr UINT CS_OWNDC = 0x0020;

// Stock brushes usable as a class background.
enum StockBrush : int { WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4, NULL_BRUSH = 5 };

struct WNDCLASS {
  UINT style;
  WNDPROC lpfnWndProc;
  HINSTANCE hInstance;
  HICON hIcon;
  HCURSOR hCursor;  // null: the window procedure sets the cursor
  HBRUSH hbrBackground;
  const char* lpszClassName;
};

// Registers a class in this process. Answers 0 when the name is taken or the
// class is incomplete (no procedure, no name).
ATOM RegisterClass(const WNDCLASS* wc);
BOOL UnregisterClass(const char* className, HINSTANCE instance);

constexpr DWORD WS_OVERLAPPED = 0x00000000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
constexpr DWORD WS_MAXIMIZE = 0x01000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_DLGFRAME = 0x00400000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_THICKFRAME = 0x00040000;
constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

constexpr int CW_USEDEFAULT = static_cast<int>(0x80000000);

// Creates a top-level window of a registered class, or a child control of a
// built-in class ("STATIC", "BUTTON", "EDIT", "COMBOBOX", "LISTBOX",
// "SysListView32", "SysTabControl32") when parent is given and style has
// WS_CHILD. WM_CREATE is sent before it returns; a WM_CREATE answer of -1
// destroys the window and CreateWindow answers null. The size is the outer
// size including any frame and caption. A top-level window starts hidden
// unless style has WS_VISIBLE.
HWND CreateWindow(const char* className, const char* title, DWORD style, int x, int y,
                  int width, int height, HWND parent, int controlId, HINSTANCE instance,
                  void* createParam);
// Sends WM_DESTROY, destroys children first, then the window. Must not be
// called for a window of another process.
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWMINIMIZED = 2;
constexpr int SW_SHOWMAXIMIZED = 3;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_RESTORE = 9;
// Answers whether the window was visible before.
BOOL ShowWindow(HWND hwnd, int command);
// Sends WM_PAINT at once when part of the window needs painting.
BOOL UpdateWindow(HWND hwnd);
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
BOOL IsWindowVisible(HWND hwnd);
BOOL IsIconic(HWND hwnd);  // minimised
BOOL IsZoomed(HWND hwnd);  // maximised
// Works on windows of other processes too (the single-instance check brings
// the first copy to the front).
BOOL SetForegroundWindow(HWND hwnd);
HWND SetFocus(HWND hwnd);  // answers the window that had the focus
HWND GetFocus();
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);
HWND GetParent(HWND hwnd);

BOOL SetWindowText(HWND hwnd, const char* text);
// Copies at most maxCount - 1 bytes and a zero; answers the bytes copied.
int GetWindowText(HWND hwnd, char* buffer, int maxCount);

BOOL GetClientRect(HWND hwnd, RECT* rect);  // left and top are 0
BOOL GetWindowRect(HWND hwnd, RECT* rect);  // screen coordinates of the outer frame
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint);
BOOL ScreenToClient(HWND hwnd, POINT* pt);
BOOL ClientToScreen(HWND hwnd, POINT* pt);
BOOL GetCursorPos(POINT* pt);  // screen coordinates

// Finds a top-level window by class name (and title when not null), in this
// process or in another program on the same desktop session.
HWND FindWindow(const char* className, const char* title);

// Replaces a window's procedure (subclassing a control); answers the old one,
// which the new procedure passes unhandled messages to with CallWindowProc.
WNDPROC SubclassWindow(HWND hwnd, WNDPROC proc);
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Per-window user data word.
LPARAM GetWindowUserData(HWND hwnd);
void SetWindowUserData(HWND hwnd, LPARAM data);

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
int GetSystemMetrics(int index);

// ---- The message queue ---------------------------------------------------------

// Posts to the queue of the window's thread; the window may belong to
// another process. A null hwnd posts a thread message to this thread (its
// MSG has a null hwnd and DispatchMessage drops it). Answers 0 when the
// window does not exist or the other process cannot be reached.
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Posts WM_QUIT with the exit code.
void PostQuitMessage(int exitCode);

// Calls the window procedure synchronously and answers its result. For a
// window of another process the call waits for that process to handle it;
// while waiting, this thread handles messages sent to its own windows (so
// nested sends in both directions work) but never posted or input messages.
// A window that does not exist, or a peer that has gone or does not answer
// within a few seconds, answers 0.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
// Sent messages that wait are delivered first (inside this call). Answers 1
// and fills msg when a posted or input message waits; else 0, after waiting
// at most about 1 ms.
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
// Blocks until a message is available; answers 0 on WM_QUIT, else 1.
BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
// Blocks until a posted, input or sent message arrives (sent ones are
// delivered inside). Answers 1.
BOOL WaitMessage();
// WaitMessage for at most timeoutMs: 1 when a message arrived, 0 when the
// time ran out.
BOOL WaitMessageTimeout(DWORD timeoutMs);
// Once the window is gone (destroyed, or its program ended), posts message
// to notify with wParam 0 and lParam the window. Learnt from the window's
// own end, never by asking. 1 when watched; 0 when the window is not known.
BOOL WatchWindow(HWND window, HWND notify, UINT message);
// Turns WM_KEYDOWN of a character key into a posted WM_CHAR.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);

// Same name, same id in every process of the session; ids are 0xC000..0xFFFF.
// A null or empty name answers 0.
UINT RegisterWindowMessage(const char* name);

// ---- Accelerators ----------------------------------------------------------------

constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct ACCEL {
  BYTE fVirt;  // FVIRTKEY and modifiers; without FVIRTKEY key is a character
  WORD key;
  WORD cmd;  // the WM_COMMAND id sent
};

// Looks up an accelerator table resource (plat/resource.h). Null when none.
HACCEL LoadAccelerators(HINSTANCE instance, int resourceId);
BOOL DestroyAcceleratorTable(HACCEL table);
// When msg is a key message matching an entry, sends WM_COMMAND
// (MAKEWPARAM(cmd, 1), 0) to hwnd and answers 1; else 0.
int TranslateAccelerator(HWND hwnd, HACCEL table, const MSG* msg);

// ---- Cursors and icons -------------------------------------------------------------

constexpr int IDC_ARROW = 32512;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_HAND = 32649;
// instance null: a standard cursor (IDC_*). Otherwise a cursor resource of the
// program (plat/resource.h); an unknown resource answers null.
HCURSOR LoadCursor(HINSTANCE instance, int id);
HCURSOR SetCursor(HCURSOR cursor);  // answers the previous cursor
HICON LoadIcon(HINSTANCE instance, int id);

}  // namespace plat
