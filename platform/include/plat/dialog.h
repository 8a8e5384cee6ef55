// Message boxes, modal dialogs from templates, and the controls inside them.
#pragma once

#include "platform/include/plat/types.h"
#include "platform/include/plat/window.h"

namespace plat {

// ---- Message boxes -----------------------------------------------------------------

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_ICONSTOP = 0x00000010;  // also the error icon
constexpr UINT MB_ICONERROR = MB_ICONSTOP;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONINFORMATION = 0x00000040;
constexpr UINT MB_DEFBUTTON1 = 0x00000000;
constexpr UINT MB_DEFBUTTON2 = 0x00000100;
constexpr UINT MB_APPLMODAL = 0x00000000;
constexpr UINT MB_SYSTEMMODAL = 0x00001000;
constexpr UINT MB_TASKMODAL = 0x00002000;
constexpr UINT MB_SETFOREGROUND = 0x00010000;
constexpr UINT MB_TOPMOST = 0x00040000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Modal: runs until the user answers. Messages sent to this program's windows
// (the main client's packets and queries) are still handled meanwhile; posted
// and input messages for other windows wait. owner may be null. Answers
// IDOK, IDCANCEL, IDYES or IDNO; 0 when the box cannot be shown.
int MessageBox(HWND owner, const char* text, const char* caption, UINT type);

// ---- Dialog templates ----------------------------------------------------------------

enum ControlKind : int {
  CTL_PUSHBUTTON,
  CTL_DEFPUSHBUTTON,
  CTL_CHECKBOX,      // auto check box
  CTL_RADIOBUTTON,   // auto radio button; a group runs to the next CS_GROUP
  CTL_GROUPBOX,
  CTL_EDIT,
  CTL_STATIC,        // text
  CTL_STATICFRAME,   // etched frame without text
  CTL_COMBOBOX,      // drop-down list (no typing)
  CTL_LISTBOX,
  CTL_LISTVIEW,      // report view with columns
  CTL_TABCONTROL,
};

// Control style bits of a template row (any combination that makes sense).
constexpr DWORD CS_GROUP = 0x0001;       // starts a radio group / tab group
constexpr DWORD CS_DISABLED = 0x0002;
constexpr DWORD CS_HIDDEN = 0x0004;
constexpr DWORD CS_READONLY = 0x0008;    // edit
constexpr DWORD CS_PASSWORD = 0x0010;    // edit
constexpr DWORD CS_NUMBER = 0x0020;      // edit: digits only
constexpr DWORD CS_OWNERDRAW = 0x0040;   // combo/list box: WM_MEASUREITEM / WM_DRAWITEM
constexpr DWORD CS_CENTER = 0x0080;      // static text
constexpr DWORD CS_RIGHT = 0x0100;       // static text
constexpr DWORD CS_BORDER = 0x0200;
constexpr DWORD CS_NOTIFY = 0x0400;      // static: send STN_CLICKED
// A control made at run time (CreateWindow of a built-in class with WS_CHILD
// on a dialog) takes the CS_* bits above in the low word of its style; a
// "BUTTON" is a push button unless one of these kind bits is there too.
constexpr DWORD CS_BUTTON_CHECKBOX = 0x1000;
constexpr DWORD CS_BUTTON_RADIO = 0x2000;
constexpr DWORD CS_BUTTON_GROUPBOX = 0x4000;
constexpr DWORD CS_BUTTON_DEFAULT = 0x8000;

struct DLGITEMTEMPLATE {
  ControlKind kind;
  int id;  // -1: no id (static texts, frames)
  const char* text;
  int x, y, width, height;  // pixels in the dialog's client area
  DWORD style;              // CS_*
};

struct DLGTEMPLATE {
  const char* title;
  int width, height;  // client area in pixels
  const char* fontFace;  // null: the system's dialog font
  int fontSize;          // pixels
  BOOL centred;          // centred on the screen when shown
  const DLGITEMTEMPLATE* items;
  int itemCount;
};

using DLGPROC = INT_PTR (*)(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam);

// Runs the dialog template resource modally inside the caller: the dialog
// procedure gets WM_INITDIALOG (lParam = initParam; answer TRUE to take the
// default focus) and then every message until it calls EndDialog. Messages
// sent to the program's other windows are handled while it runs. Answers
// the EndDialog result, or -1 when the template is unknown or the dialog
// cannot be created. A dialog procedure answers FALSE for messages it does
// not handle; its non-zero answer to WM_CTLCOLOR* is the brush to use.
INT_PTR DialogBoxParam(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc,
                       LPARAM initParam);
BOOL EndDialog(HWND dialog, INT_PTR result);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND control);
BOOL SetDlgItemText(HWND dialog, int id, const char* text);
UINT GetDlgItemText(HWND dialog, int id, char* buffer, int maxCount);

// Notification codes in HIWORD(wParam) of WM_COMMAND from controls.
constexpr WORD BN_CLICKED = 0;
constexpr WORD EN_SETFOCUS = 0x0100;
constexpr WORD EN_KILLFOCUS = 0x0200;
constexpr WORD EN_CHANGE = 0x0300;
constexpr WORD CBN_SELCHANGE = 1;
constexpr WORD LBN_SELCHANGE = 1;
constexpr WORD STN_CLICKED = 0;

// Buttons.
constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
// Checks lastId's sibling checkId in firstId..lastId and clears the others.
BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId);

// Edits.
void Edit_LimitText(HWND edit, int maxChars);
void Edit_SetReadOnly(HWND edit, BOOL readOnly);

// Combo boxes and list boxes (index -1: none). Answer -1 on failure.
int ComboBox_AddString(HWND combo, const char* text);
int ComboBox_SetItemData(HWND combo, int index, LPARAM data);
LPARAM ComboBox_GetItemData(HWND combo, int index);
int ComboBox_SetCurSel(HWND combo, int index);
int ComboBox_GetCurSel(HWND combo);
int ComboBox_GetCount(HWND combo);
int ComboBox_ResetContent(HWND combo);
// Height of the dropped list in pixels.
void ComboBox_SetDroppedHeight(HWND combo, int height);
int ListBox_AddString(HWND list, const char* text);
int ListBox_GetCurSel(HWND list);
int ListBox_SetCurSel(HWND list, int index);

// Owner-drawn items of combo and list boxes with CS_OWNERDRAW.
struct MEASUREITEMSTRUCT {
  int controlId;
  int itemId;
  int itemWidth;
  int itemHeight;  // the procedure writes the height it wants
  LPARAM itemData;
};
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_FOCUS = 0x0010;
constexpr UINT ODS_COMBOBOXEDIT = 0x1000;  // drawing the closed combo's field
struct DRAWITEMSTRUCT {
  int controlId;
  int itemId;  // -1 for an empty list
  UINT itemState;  // ODS_*
  HWND control;
  HDC hdc;        // valid during WM_DRAWITEM only
  RECT rcItem;
  LPARAM itemData;
};

// Report list views.
constexpr int LVCFMT_LEFT = 0;
int ListView_InsertColumn(HWND view, int column, const char* title, int width, int format);
// Inserts an empty row at index (0: top); answers its index.
int ListView_InsertItem(HWND view, int index, const char* text);
BOOL ListView_SetItemText(HWND view, int index, int column, const char* text);
int ListView_GetItemCount(HWND view);
// Copies the cell's text (for tests and reading back).
BOOL ListView_GetItemText(HWND view, int index, int column, char* buffer, int maxCount);

// Tab controls. Changing the selection sends WM_NOTIFY with TCN_SELCHANGING
// before and TCN_SELCHANGE after to the dialog.
struct NMHDR {
  HWND hwndFrom;
  int idFrom;
  int code;
};
constexpr int TCN_SELCHANGE = -551;
constexpr int TCN_SELCHANGING = -552;
int TabCtrl_InsertItem(HWND tab, int index, const char* text);
int TabCtrl_GetCurSel(HWND tab);
int TabCtrl_SetCurSel(HWND tab, int index);  // sends no notification
// Display area of the pages in the tab control's client coordinates.
BOOL TabCtrl_GetDisplayRect(HWND tab, RECT* rect);

// Maps a rectangle from one window's client coordinates to another's.
BOOL MapWindowRect(HWND from, HWND to, RECT* rect);

// Common controls need no set-up here; the call is kept for the cashier.
void InitCommonControls();

}  // namespace plat
