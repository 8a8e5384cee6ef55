// The built-in controls: their state, the program's calls on it, the
// user's input and the notifications to the parent.
#include "platform/common/Controls.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/common/Device.h"
#include "platform/common/Gdi.h"
#include "platform/common/WindowState.h"

namespace plat::common {
namespace {

CControl* OfKind(HWND hwnd, ControlKind a, ControlKind b) {
  CControl* c = ControlOf(hwnd);
  return c && (c->kind == a || c->kind == b) ? c : nullptr;
}

CControl* ItemsOf(HWND hwnd) { return OfKind(hwnd, CTL_COMBOBOX, CTL_LISTBOX); }
CControl* ListViewOf(HWND hwnd) { return OfKind(hwnd, CTL_LISTVIEW, CTL_LISTVIEW); }
CControl* TabOf(HWND hwnd) { return OfKind(hwnd, CTL_TABCONTROL, CTL_TABCONTROL); }
CControl* EditOf(HWND hwnd) { return OfKind(hwnd, CTL_EDIT, CTL_EDIT); }

// Buttons, and statics with CS_NOTIFY, tell their parent of a click.
bool Notifies(const CControl& c) {
  const ControlKind k = c.kind;
  return k == CTL_PUSHBUTTON || k == CTL_DEFPUSHBUTTON || k == CTL_CHECKBOX || k == CTL_RADIOBUTTON ||
         (k == CTL_STATIC && (c.cstyle & CS_NOTIFY));
}

// Tells the device, which shows the change (and sends nothing).
void Changed(HWND hwnd) {
  if (CWindowCore* w = FindCore(hwnd)) ShowControlState(*w);
}

void NotifyParent(HWND control, WORD code) {
  const CWindowCore* w = FindCore(control);
  if (!w || !w->parent) return;
  SendMessage(w->parent, WM_COMMAND, MAKEWPARAM(w->id, code), HandleToLParam(control));
}

void NotifyTabChange(HWND tab, int code) {
  const CWindowCore* w = FindCore(tab);
  if (!w || !w->parent) return;
  NMHDR nm{tab, w->id, code};
  SendMessage(w->parent, WM_NOTIFY, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&nm));
}

// The radio buttons of the group that holds radio: from the nearest
// control at or before it with CS_GROUP up to the next one with CS_GROUP.
std::vector<HWND> RadioGroup(HWND radio) {
  const CWindowCore* w = FindCore(radio);
  const CWindowCore* p = w ? FindCore(w->parent) : nullptr;
  std::vector<HWND> group;
  bool found = false;
  for (HWND h : p ? p->children : std::vector<HWND>()) {
    const CControl* c = ControlOf(h);
    if (!c) continue;
    if (c->cstyle & CS_GROUP) {
      if (found) break;
      group.clear();
    }
    if (c->kind == CTL_RADIOBUTTON) group.push_back(h);
    found = found || h == radio;
  }
  return found ? group : std::vector<HWND>();
}

// Whether an edit holding length characters takes ch.
bool EditTakes(const CControl& c, std::size_t length, char ch) {
  if ((c.cstyle & CS_NUMBER) && !std::isdigit(static_cast<unsigned char>(ch))) return false;
  return static_cast<int>(length) < c.limit;
}

bool InRange(int index, std::size_t size) { return index >= 0 && index < static_cast<int>(size); }

int ColumnCount(const CControl& c) { return static_cast<int>(std::max<std::size_t>(c.columns.size(), 1)); }

void SetText(HWND hwnd, const char* text) {
  CControl* c = ControlOf(hwnd);
  if (!c) return;
  c->text = text ? text : "";
  Changed(hwnd);
  if (c->kind == CTL_STATIC) InvalidateRect(hwnd, nullptr, TRUE);  // the old text goes with the background
  if (c->kind == CTL_EDIT) NotifyParent(hwnd, EN_CHANGE);
}

// Owner-drawn items: their height comes from the parent, asked once.
void MeasureItems(HWND hwnd) {
  CWindowCore* w = FindCore(hwnd);
  const CControl* c = ItemsOf(hwnd);
  if (!c || !w->parent || !(c->cstyle & CS_OWNERDRAW)) return;
  RECT r{};
  GetClientRect(hwnd, &r);
  MEASUREITEMSTRUCT mis{w->id, 0, r.right - r.left, c->itemHeight, 0};
  SendMessage(w->parent, WM_MEASUREITEM, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&mis));
  if (CControl* again = ControlOf(hwnd); again && mis.itemHeight > 0) {
    again->itemHeight = mis.itemHeight;
    Changed(hwnd);
  }
}

// A static paints itself with the brush and colours its parent gives in
// WM_CTLCOLORSTATIC, the dialog face when it gives none.
void PaintStatic(HWND h) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(h, &ps);
  if (!dc) return;
  FindDc(dc)->bkColour = kDialogFace;
  HBRUSH brush = nullptr;
  if (const HWND parent = GetParent(h)) {
    brush = reinterpret_cast<HBRUSH>(SendMessage(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), HandleToLParam(h)));
  }
  const CControl* c = ControlOf(h);
  if (!c) return;
  if (!FindGdi(brush, GdiKind::kBrush)) brush = DialogFaceBrush();
  FillRect(dc, &ps.rcPaint, brush);
  UINT format = DT_WORDBREAK;
  if (c->cstyle & CS_CENTER) format |= DT_CENTER;
  if (c->cstyle & CS_RIGHT) format |= DT_RIGHT;
  RECT r = ps.rcPaint;
  DrawText(dc, c->text.c_str(), static_cast<int>(c->text.size()), &r, format);
  EndPaint(h, &ps);
}

// The control gained or lost the focus (edits notify their parent).
void FocusChanged(HWND hwnd, bool gained) {
  const CControl* c = ControlOf(hwnd);
  if (!c) return;
  if (c->kind == CTL_EDIT) NotifyParent(hwnd, gained ? EN_SETFOCUS : EN_KILLFOCUS);
  Changed(hwnd);  // the focus shows
}

// One character typed at the end of an edit; '\b' takes the last one away.
void TypeCharacter(HWND hwnd, WPARAM ch) {
  CControl* c = EditOf(hwnd);
  if (!c || c->readOnly) return;
  if (ch == '\b') {
    if (c->text.empty()) return;
    c->text.pop_back();
  } else if (ch >= 32 && ch < 256 && EditTakes(*c, c->text.size(), static_cast<char>(ch))) {
    c->text += static_cast<char>(ch);
  } else {
    return;
  }
  Changed(hwnd);
  NotifyParent(hwnd, EN_CHANGE);
}

}  // namespace

HWND MakeControlWindow(HWND parent, ControlKind kind, int id, const char* text, const RECT& rect, DWORD cstyle,
                       DWORD windowStyle) {
  CWindowCore* w = NewControlRecord(parent);
  if (!w) return nullptr;
  w->className = ControlClassName(kind);
  w->proc = ControlProc;
  w->control = std::make_unique<CControl>();
  w->control->kind = kind;
  w->control->cstyle = cstyle;
  w->control->text = text ? text : "";
  w->control->readOnly = (cstyle & CS_READONLY) != 0;
  SetIdentity(*w, text, (windowStyle | WS_CHILD) & ~0xFFFFu, parent, id);
  RECT frame = rect;
  MakeControlNative(*w, &frame);
  InitFrame(*w, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
  return StartWindow(*w, nullptr, true);
}

CControl* ControlOf(HWND hwnd) {
  CWindowCore* w = FindCore(hwnd);
  return w ? w->control.get() : nullptr;
}

bool ControlText(HWND hwnd, std::string* text) {
  const CControl* c = ControlOf(hwnd);
  if (!c) return false;
  const bool item = c->kind == CTL_COMBOBOX && InRange(c->curSel, c->items.size());
  *text = item ? c->items[c->curSel].text : c->text;
  return true;
}

void SendDrawItem(HWND control, HDC dc, int item, UINT state, const RECT& rect) {
  const CWindowCore* w = FindCore(control);
  const CControl* c = ItemsOf(control);
  if (!w || !c || !w->parent) return;
  const LPARAM data = InRange(item, c->items.size()) ? c->items[item].data : 0;
  DRAWITEMSTRUCT dis{w->id, item, state, control, dc, rect, data};
  SendMessage(w->parent, WM_DRAWITEM, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&dis));
}

bool TakesFocus(ControlKind k) { return k != CTL_GROUPBOX && k != CTL_STATIC && k != CTL_STATICFRAME; }

void ClickControl(HWND hwnd) {
  CControl* c = ControlOf(hwnd);
  if (!c || !Notifies(*c)) return;
  const ControlKind kind = c->kind;
  if (kind == CTL_CHECKBOX) {
    c->check = c->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  } else if (kind == CTL_RADIOBUTTON) {
    for (HWND r : RadioGroup(hwnd)) {
      ControlOf(r)->check = r == hwnd ? BST_CHECKED : BST_UNCHECKED;
      Changed(r);
    }
  }
  Changed(hwnd);
  NotifyParent(hwnd, kind == CTL_STATIC ? STN_CLICKED : BN_CLICKED);
}

void ReplaceEditText(HWND hwnd, const std::string& text) {
  CControl* c = EditOf(hwnd);
  if (!c || c->readOnly) return;
  std::string taken;
  for (char ch : text) {
    if (EditTakes(*c, taken.size(), ch)) taken += ch;
  }
  const bool same = taken == c->text;
  c->text = taken;
  Changed(hwnd);  // the device shows what was taken, even when nothing changed
  if (!same) NotifyParent(hwnd, EN_CHANGE);
}

void ChooseItem(HWND hwnd, int index) {
  CControl* c = ItemsOf(hwnd);
  if (!c || !InRange(index, c->items.size())) return;
  c->curSel = index;
  const WORD code = c->kind == CTL_COMBOBOX ? CBN_SELCHANGE : LBN_SELCHANGE;
  Changed(hwnd);
  NotifyParent(hwnd, code);
}

void ChooseTab(HWND hwnd, int index) {
  CControl* c = TabOf(hwnd);
  if (!c || !InRange(index, c->tabs.size()) || index == c->curSel) return;
  NotifyTabChange(hwnd, TCN_SELCHANGING);
  c = TabOf(hwnd);
  if (!c || !InRange(index, c->tabs.size())) return;
  c->curSel = index;
  Changed(hwnd);
  NotifyTabChange(hwnd, TCN_SELCHANGE);
}

LRESULT ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CWindowCore* w = FindCore(hwnd);
  CControl* c = ControlOf(hwnd);
  if (!w || !c) return DefWindowProc(hwnd, msg, wParam, lParam);
  if ((msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_KEYDOWN || msg == WM_CHAR) &&
      NativeInputReached(*w)) {
    return 0;
  }
  switch (msg) {
    case WM_CREATE:
      MeasureItems(hwnd);
      return 0;
    case WM_SETTEXT:
      SetText(hwnd, reinterpret_cast<const char*>(lParam));
      return TRUE;
    case WM_SETFONT:
      w->font = reinterpret_cast<HFONT>(wParam);
      Changed(hwnd);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      FocusChanged(hwnd, msg == WM_SETFOCUS);
      return 0;
    case WM_PAINT:
      w->needsPaint = false;
      if (c->kind == CTL_STATIC) {
        PaintStatic(hwnd);
      } else {
        PaintControl(*w);
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONUP:
      // A click sent by the program acts as the user's would.
      if (IsWindowEnabled(hwnd)) ClickControl(hwnd);
      return 0;
    case WM_CHAR:
      TypeCharacter(hwnd, wParam);
      return 0;
    case WM_KEYDOWN:
      if (c->kind == CTL_TABCONTROL && (wParam == VK_LEFT || wParam == VK_RIGHT)) {
        ChooseTab(hwnd, c->curSel + (wParam == VK_LEFT ? -1 : 1));
      }
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace plat::common

namespace plat {

using common::CControl;
using common::Changed;

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  const HWND h = GetDlgItem(dialog, id);
  CControl* c = common::OfKind(h, CTL_CHECKBOX, CTL_RADIOBUTTON);
  if (!c) return FALSE;
  c->check = check == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
  Changed(h);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  const CControl* c = common::OfKind(GetDlgItem(dialog, id), CTL_CHECKBOX, CTL_RADIOBUTTON);
  return c ? c->check : BST_UNCHECKED;
}

void Edit_LimitText(HWND edit, int maxChars) {
  if (CControl* c = common::EditOf(edit)) c->limit = maxChars > 0 ? maxChars : 0x7FFFFFFE;
}

void Edit_SetReadOnly(HWND edit, BOOL readOnly) {
  if (CControl* c = common::EditOf(edit)) {
    c->readOnly = readOnly != FALSE;
    Changed(edit);
  }
}

int ComboBox_AddString(HWND combo, const char* text) {
  CControl* c = common::ItemsOf(combo);
  if (!c || !text) return -1;
  c->items.push_back(common::CItem{text, 0});
  const int at = static_cast<int>(c->items.size()) - 1;
  Changed(combo);
  return at;
}

int ComboBox_SetItemData(HWND combo, int index, LPARAM data) {
  CControl* c = common::ItemsOf(combo);
  if (!c || !common::InRange(index, c->items.size())) return -1;
  c->items[index].data = data;
  Changed(combo);
  return index;
}

LPARAM ComboBox_GetItemData(HWND combo, int index) {
  const CControl* c = common::ItemsOf(combo);
  if (!c || !common::InRange(index, c->items.size())) return -1;
  return c->items[index].data;
}

int ComboBox_SetCurSel(HWND combo, int index) {
  CControl* c = common::ItemsOf(combo);
  if (!c) return -1;
  c->curSel = common::InRange(index, c->items.size()) ? index : -1;
  Changed(combo);
  return c->curSel;
}

int ComboBox_GetCurSel(HWND combo) {
  const CControl* c = common::ItemsOf(combo);
  return c ? c->curSel : -1;
}

int ComboBox_GetCount(HWND combo) {
  const CControl* c = common::ItemsOf(combo);
  return c ? static_cast<int>(c->items.size()) : -1;
}

int ComboBox_ResetContent(HWND combo) {
  CControl* c = common::ItemsOf(combo);
  if (!c) return -1;
  c->items.clear();
  c->curSel = -1;
  Changed(combo);
  return 0;
}

void ComboBox_SetDroppedHeight(HWND combo, int height) {
  if (CControl* c = common::ItemsOf(combo)) {
    c->droppedHeight = std::max(height, 0);
    Changed(combo);
  }
}

int ListBox_AddString(HWND list, const char* text) { return ComboBox_AddString(list, text); }
int ListBox_GetCurSel(HWND list) { return ComboBox_GetCurSel(list); }
int ListBox_SetCurSel(HWND list, int index) { return ComboBox_SetCurSel(list, index); }

int ListView_InsertColumn(HWND view, int column, const char* title, int width, int) {
  CControl* c = common::ListViewOf(view);
  if (!c || column < 0) return -1;
  const int at = std::min<int>(column, static_cast<int>(c->columns.size()));
  c->columns.insert(c->columns.begin() + at, title ? title : "");
  c->columnWidths.insert(c->columnWidths.begin() + at, std::max(width, 0));
  // Later columns move one place right, with the cells under them.
  for (auto& row : c->rows) {
    if (static_cast<int>(row.size()) >= at) row.insert(row.begin() + at, std::string());
  }
  Changed(view);
  return at;
}

int ListView_InsertItem(HWND view, int index, const char* text) {
  CControl* c = common::ListViewOf(view);
  if (!c) return -1;
  const int count = static_cast<int>(c->rows.size());
  const int at = index < 0 || index > count ? count : index;
  std::vector<std::string> row(static_cast<std::size_t>(common::ColumnCount(*c)));
  row[0] = text ? text : "";
  c->rows.insert(c->rows.begin() + at, std::move(row));
  Changed(view);
  return at;
}

BOOL ListView_SetItemText(HWND view, int index, int column, const char* text) {
  CControl* c = common::ListViewOf(view);
  if (!c || !common::InRange(index, c->rows.size()) || column < 0 || column >= common::ColumnCount(*c)) return FALSE;
  auto& row = c->rows[index];
  if (static_cast<int>(row.size()) <= column) row.resize(static_cast<std::size_t>(column) + 1);
  row[column] = text ? text : "";
  Changed(view);
  return TRUE;
}

int ListView_GetItemCount(HWND view) {
  const CControl* c = common::ListViewOf(view);
  return c ? static_cast<int>(c->rows.size()) : 0;
}

BOOL ListView_GetItemText(HWND view, int index, int column, char* buffer, int maxCount) {
  const CControl* c = common::ListViewOf(view);
  if (!c || !buffer || maxCount <= 0 || !common::InRange(index, c->rows.size()) || column < 0 ||
      column >= common::ColumnCount(*c)) {
    return FALSE;
  }
  const auto& row = c->rows[index];
  const std::string cell = column < static_cast<int>(row.size()) ? row[column] : std::string();
  const int n = std::min<int>(static_cast<int>(cell.size()), maxCount - 1);
  std::memcpy(buffer, cell.data(), static_cast<std::size_t>(n));
  buffer[n] = '\0';
  return TRUE;
}

int TabCtrl_InsertItem(HWND tab, int index, const char* text) {
  CControl* c = common::TabOf(tab);
  if (!c || index < 0) return -1;
  const int at = std::min<int>(index, static_cast<int>(c->tabs.size()));
  c->tabs.insert(c->tabs.begin() + at, text ? text : "");
  if (c->curSel < 0) {
    c->curSel = 0;
  } else if (at <= c->curSel) {
    ++c->curSel;
  }
  Changed(tab);
  return at;
}

int TabCtrl_GetCurSel(HWND tab) {
  const CControl* c = common::TabOf(tab);
  return c ? c->curSel : -1;
}

int TabCtrl_SetCurSel(HWND tab, int index) {
  CControl* c = common::TabOf(tab);
  if (!c || !common::InRange(index, c->tabs.size())) return -1;
  const int old = c->curSel;
  c->curSel = index;
  Changed(tab);
  return old;
}

BOOL TabCtrl_GetDisplayRect(HWND tab, RECT* rect) {
  const common::CWindowCore* w = common::FindCore(tab);
  RECT client{};
  if (!common::TabOf(tab) || !rect || !GetClientRect(tab, &client)) return FALSE;
  const LONG top = common::TabRowHeight(*w) + 3;
  *rect = RECT{4, top, std::max<LONG>(4, client.right - 4), std::max<LONG>(top, client.bottom - 4)};
  return TRUE;
}

BOOL MapWindowRect(HWND from, HWND to, RECT* rect) {
  if (!rect || (from && !common::FindCore(from)) || (to && !common::FindCore(to))) return FALSE;
  POINT corners[] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
  for (POINT& p : corners) {
    if (from) ClientToScreen(from, &p);
    if (to) ScreenToClient(to, &p);
  }
  *rect = RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  return TRUE;
}

void InitCommonControls() {}

}  // namespace plat
