// The model of the built-in controls and dialogs: what their windows hold,
// whichever device shows them, and what the user's input does to them. The
// program's calls are in dialog.h.
#pragma once

#include <string>
#include <vector>

#include "platform/include/plat/dialog.h"

namespace plat::common {

struct CItem {
  std::string text;
  LPARAM data = 0;
};

struct CControl {
  ControlKind kind = CTL_STATIC;
  DWORD cstyle = 0;  // CS_* bits
  std::string text;
  UINT check = BST_UNCHECKED;
  int limit = 30000;  // edits: the most characters typing leaves
  bool readOnly = false;
  std::vector<CItem> items;  // combo and list boxes
  int curSel = -1;           // their selected item, or the selected tab
  int droppedHeight = 0;
  int itemHeight = 16;  // from WM_MEASUREITEM for owner-drawn items
  std::vector<std::string> columns;  // list view
  std::vector<int> columnWidths;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> tabs;  // tab control
};

struct CDialog {
  DLGPROC proc = nullptr;
  bool ended = false;
  INT_PTR result = 0;
};

// Makes the window of a built-in control in parent (rect in its client
// coordinates, windowStyle's WS_VISIBLE and WS_DISABLED apply) with its
// record in place before its first message; null when parent cannot hold
// controls.
HWND MakeControlWindow(HWND parent, ControlKind kind, int id, const char* text, const RECT& rect, DWORD cstyle,
                       DWORD windowStyle);
// The control's record, or null for other windows.
CControl* ControlOf(HWND hwnd);
// The text GetWindowText answers for a control (a drop-down list reads as
// its selected item); false when hwnd is no control.
bool ControlText(HWND hwnd, std::string* text);
// Asks the parent of an owner-drawn combo or list box to draw item (-1:
// none) into dc with the ODS_* state, with the item's data from the model.
void SendDrawItem(HWND control, HDC dc, int item, UINT state, const RECT& rect);
// Whether a control of that kind takes the focus when clicked or tabbed to.
bool TakesFocus(ControlKind kind);
// The class a control of that kind belongs to ("BUTTON", "STATIC", ...).
const char* ControlClassName(ControlKind kind);
// The kind a CreateWindow of a built-in class makes (a button's style picks
// check box, radio button, group box or default button); false for any
// other class name. Names are compared ignoring case.
bool ControlKindOfClass(const char* className, DWORD style, ControlKind* kind);

// The user's input, told by the device or the scripted user. Each acts only
// on a control of the right kind and notifies its parent as Windows does.
// A click on a button (check boxes toggle, a radio button checks itself and
// clears its group) or on a notifying static.
void ClickControl(HWND control);
// The edit's text replaced by the user's: what the edit takes of it
// (digits only, up to its limit) goes in, EN_CHANGE follows.
void ReplaceEditText(HWND control, const std::string& text);
// An item of a combo or list box chosen (CBN_SELCHANGE / LBN_SELCHANGE).
void ChooseItem(HWND control, int index);
// Another tab chosen: TCN_SELCHANGING before, TCN_SELCHANGE after.
void ChooseTab(HWND control, int index);

// The procedure of every built-in control.
LRESULT ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Enter clicks the focused or default push button (IDOK when there is
// none), Escape sends IDCANCEL; false for other keys.
bool DialogKeyPressed(HWND dialog, WPARAM virtualKey);
// Whether the dialog has ended (or is gone).
bool DialogDone(HWND dialog);
// Delivers what waits for the dialog's windows (posted, input, painting)
// until it has ended; when nothing waits, waits for more when wait, else
// returns (the headless user acts in between).
void DeliverToDialog(HWND dialog, bool wait);

}  // namespace plat::common
