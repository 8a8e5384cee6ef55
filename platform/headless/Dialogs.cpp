// Message boxes, modal dialogs from templates and the built-in controls,
// with the scripted user of headless.h.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/common/ControlClasses.h"
#include "platform/common/ResourceRegistry.h"
#include "platform/headless/State.h"

namespace plat {
namespace hl {

namespace {

constexpr int kTabRowHeight = 24;

ControlState* ControlOf(HWND hwnd) {
  Window* w = FindWindowObj(hwnd);
  return w && w->control ? w->control.get() : nullptr;
}

ControlState* ControlOfKind(HWND hwnd, ControlKind a, ControlKind b) {
  ControlState* c = ControlOf(hwnd);
  return c && (c->kind == a || c->kind == b) ? c : nullptr;
}

ControlState* ItemsOf(HWND hwnd) { return ControlOfKind(hwnd, CTL_COMBOBOX, CTL_LISTBOX); }
ControlState* TabOf(HWND tab) { return ControlOfKind(tab, CTL_TABCONTROL, CTL_TABCONTROL); }

bool IsButtonKind(ControlKind k) {
  return k == CTL_PUSHBUTTON || k == CTL_DEFPUSHBUTTON || k == CTL_CHECKBOX || k == CTL_RADIOBUTTON;
}

bool TakesFocus(ControlKind k) {
  return IsButtonKind(k) || k == CTL_EDIT || k == CTL_COMBOBOX || k == CTL_LISTBOX ||
         k == CTL_LISTVIEW || k == CTL_TABCONTROL;
}

void NotifyParent(HWND ctl, WORD code) {
  Window* w = FindWindowObj(ctl);
  if (!w || !w->parent) return;
  SendMessage(w->parent, WM_COMMAND, MAKEWPARAM(w->id, code), HandleToLParam(ctl));
}

// The radio buttons of ctl's group: from the nearest sibling at or before it
// with CS_GROUP up to the next one with CS_GROUP.
std::vector<HWND> RadioGroup(HWND ctl) {
  std::vector<HWND> out;
  Window* w = FindWindowObj(ctl);
  Window* p = w ? FindWindowObj(w->parent) : nullptr;
  if (!p) return out;
  const auto& c = p->children;
  const auto at = std::find(c.begin(), c.end(), ctl);
  if (at == c.end()) return out;
  std::size_t start = static_cast<std::size_t>(at - c.begin());
  while (start > 0) {
    ControlState* cs = ControlOf(c[start]);
    if (cs && (cs->cstyle & CS_GROUP)) break;
    --start;
  }
  for (std::size_t i = start; i < c.size(); ++i) {
    ControlState* cs = ControlOf(c[i]);
    if (!cs) continue;
    if (i > start && (cs->cstyle & CS_GROUP)) break;
    if (cs->kind == CTL_RADIOBUTTON) out.push_back(c[i]);
  }
  return out;
}

void SendDrawItem(HWND ctl, int itemId, UINT state, const RECT& rc) {
  Window* w = FindWindowObj(ctl);
  ControlState* cs = ControlOf(ctl);
  if (!w || !cs || !w->parent) return;
  HDC hdc = common::NewDc(ctl);
  DRAWITEMSTRUCT dis{};
  dis.controlId = w->id;
  dis.itemId = itemId;
  dis.itemState = state;
  dis.control = ctl;
  dis.hdc = hdc;
  dis.rcItem = rc;
  dis.itemData = (itemId >= 0 && itemId < static_cast<int>(cs->items.size())) ? cs->items[itemId].data : 0;
  SendMessage(w->parent, WM_DRAWITEM, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&dis));
  common::DeleteDc(hdc);
}

void PaintControl(HWND ctl) {
  Window* w = FindWindowObj(ctl);
  ControlState* cs = ControlOf(ctl);
  if (!w || !cs) return;
  w->needsPaint = false;
  const SIZE size = ClientSize(*w);
  const bool focused = GetFocus() == ctl;
  // Statics and read-only edits take their background from the parent.
  const bool asksParent = cs->kind == CTL_STATIC || cs->kind == CTL_STATICFRAME || cs->kind == CTL_GROUPBOX ||
                          (cs->kind == CTL_EDIT && cs->readOnly);
  if (asksParent && w->parent) {
    HDC hdc = common::NewDc(ctl);
    SendMessage(w->parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), HandleToLParam(ctl));
    common::DeleteDc(hdc);
    return;
  }
  if (!(cs->cstyle & CS_OWNERDRAW)) return;
  if (cs->kind == CTL_COMBOBOX) {
    SendDrawItem(ctl, cs->curSel, ODS_COMBOBOXEDIT | (focused ? ODS_FOCUS | ODS_SELECTED : 0),
                 RECT{0, 0, size.cx, std::min<LONG>(size.cy, cs->itemHeight + 6)});
  } else if (cs->kind == CTL_LISTBOX) {
    if (cs->items.empty()) {
      SendDrawItem(ctl, -1, focused ? ODS_FOCUS : 0, RECT{0, 0, size.cx, cs->itemHeight});
      return;
    }
    for (int i = 0; i < static_cast<int>(cs->items.size()); ++i) {
      if (!FindWindowObj(ctl)) return;
      UINT state = i == cs->curSel ? ODS_SELECTED | (focused ? ODS_FOCUS : 0) : 0;
      SendDrawItem(ctl, i, state, RECT{0, i * cs->itemHeight, size.cx, (i + 1) * cs->itemHeight});
    }
  }
}

// Endings of running dialogs, kept apart from the window so that a dialog
// destroyed by its procedure still answers.
std::map<std::uintptr_t, INT_PTR>& Endings() {
  static std::map<std::uintptr_t, INT_PTR> endings;
  return endings;
}

bool DialogEnded(HWND dialog) { return Endings().count(Key(dialog)) != 0; }

// A scripted user acts only on a control of an open dialog that is shown and enabled.
HWND UsableControl(HWND dialog, int id) {
  if (!FindWindowObj(dialog) || DialogEnded(dialog)) return nullptr;
  HWND ctl = GetDlgItem(dialog, id);
  if (!ctl || !IsWindowVisible(ctl) || !IsWindowEnabled(ctl)) return nullptr;
  return ctl;
}

// A click on a button or a notifying label: what the user's click does.
void ClickOn(HWND ctl) {
  ControlState* cs = ControlOf(ctl);
  if (!cs) return;
  const ControlKind kind = cs->kind;
  if (kind == CTL_CHECKBOX) {
    cs->check = cs->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  } else if (kind == CTL_RADIOBUTTON) {
    for (HWND r : RadioGroup(ctl)) {
      if (ControlState* rs = ControlOf(r)) {
        rs->check = r == ctl ? BST_CHECKED : BST_UNCHECKED;
        FindWindowObj(r)->needsPaint = true;
      }
    }
  }
  if (Window* w = FindWindowObj(ctl)) w->needsPaint = true;
  const bool notifies = IsButtonKind(kind) || (kind == CTL_STATIC && (cs->cstyle & CS_NOTIFY));
  if (notifies) NotifyParent(ctl, kind == CTL_STATIC ? STN_CLICKED : BN_CLICKED);
}

// Whether an edit holding length characters takes ch.
bool EditTakes(const ControlState& cs, std::size_t length, char ch) {
  if ((cs.cstyle & CS_NUMBER) && !std::isdigit(static_cast<unsigned char>(ch))) return false;
  return static_cast<int>(length) < cs.limit;
}

// A character typed at the end of an edit; backspace takes the last one away.
void TypeCharacter(HWND ctl, WPARAM ch) {
  ControlState* cs = ControlOfKind(ctl, CTL_EDIT, CTL_EDIT);
  Window* w = FindWindowObj(ctl);
  if (!cs || !w || cs->readOnly) return;
  if (ch == '\b') {
    if (w->title.empty()) return;
    w->title.pop_back();
  } else if (ch >= 32 && ch < 256 && EditTakes(*cs, w->title.size(), static_cast<char>(ch))) {
    w->title += static_cast<char>(ch);
  } else {
    return;
  }
  w->needsPaint = true;
  NotifyParent(ctl, EN_CHANGE);
}

// Another tab chosen: the parent hears before and after.
void ChangeTab(HWND ctl, int index) {
  Window* w = FindWindowObj(ctl);
  NMHDR nm{ctl, w->id, TCN_SELCHANGING};
  SendMessage(w->parent, WM_NOTIFY, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&nm));
  ControlState* cs = TabOf(ctl);
  w = FindWindowObj(ctl);
  if (!cs || !w) return;
  cs->curSel = index;
  w->needsPaint = true;
  nm = NMHDR{ctl, w->id, TCN_SELCHANGE};
  SendMessage(w->parent, WM_NOTIFY, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&nm));
}

}  // namespace

LRESULT BuiltinControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  ControlState* cs = ControlOf(hwnd);
  Window* w = FindWindowObj(hwnd);
  if (!cs || !w) return DefWindowProc(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_CREATE:
      if ((cs->cstyle & CS_OWNERDRAW) && (cs->kind == CTL_COMBOBOX || cs->kind == CTL_LISTBOX) && w->parent) {
        MEASUREITEMSTRUCT mis{};
        mis.controlId = w->id;
        mis.itemId = 0;
        mis.itemWidth = w->rect.right - w->rect.left;
        mis.itemHeight = cs->itemHeight;
        SendMessage(w->parent, WM_MEASUREITEM, static_cast<WPARAM>(w->id), reinterpret_cast<LPARAM>(&mis));
        if (ControlState* again = ControlOf(hwnd); again && mis.itemHeight > 0) again->itemHeight = mis.itemHeight;
      }
      return 0;
    case WM_SETFOCUS:
      if (cs->kind == CTL_EDIT) NotifyParent(hwnd, EN_SETFOCUS);
      if (Window* again = FindWindowObj(hwnd)) again->needsPaint = true;
      return 0;
    case WM_KILLFOCUS:
      if (cs->kind == CTL_EDIT) NotifyParent(hwnd, EN_KILLFOCUS);
      if (Window* again = FindWindowObj(hwnd)) again->needsPaint = true;
      return 0;
    case WM_PAINT:
      PaintControl(hwnd);
      return 0;
    case WM_LBUTTONUP:
      // A click sent by the program acts as the user's would.
      if ((IsButtonKind(cs->kind) && w->enabled) || (cs->kind == CTL_STATIC && (cs->cstyle & CS_NOTIFY))) {
        ClickOn(hwnd);
      }
      return 0;
    case WM_CHAR:
      TypeCharacter(hwnd, wParam);
      return 0;
    case WM_KEYDOWN:
      if (cs->kind == CTL_TABCONTROL && (wParam == VK_LEFT || wParam == VK_RIGHT)) {
        const int next = cs->curSel + (wParam == VK_LEFT ? -1 : 1);
        if (next >= 0 && next < static_cast<int>(cs->tabs.size())) ChangeTab(hwnd, next);
      }
      return 0;
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

LRESULT DialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Window* w = FindWindowObj(hwnd);
  if (!w || !w->dlgProc) return DefWindowProc(hwnd, msg, wParam, lParam);
  const INT_PTR r = w->dlgProc(hwnd, msg, wParam, lParam);
  if (r || msg == WM_INITDIALOG || msg == WM_CTLCOLORDLG || msg == WM_CTLCOLORSTATIC) return r;
  switch (msg) {
    case WM_CLOSE:
      SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), HandleToLParam(GetDlgItem(hwnd, IDCANCEL)));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, &ps);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_ERASEBKGND: {
      HDC hdc = reinterpret_cast<HDC>(wParam);
      const INT_PTR brush = w->dlgProc(hwnd, WM_CTLCOLORDLG, wParam, HandleToLParam(hwnd));
      RECT rc;
      if (brush && GetClientRect(hwnd, &rc)) FillRect(hdc, &rc, reinterpret_cast<HBRUSH>(brush));
      return 1;
    }
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

void PaintPending(HWND root) {
  std::vector<HWND> order;
  for (const common::CWindowCore* c : common::WindowTable().All()) {
    const HWND h = c->handle;
    if (common::IsInside(h, root)) order.push_back(h);
  }
  for (HWND h : order) {
    Window* w = FindWindowObj(h);
    if (!w || !w->needsPaint || !IsWindowVisible(h)) continue;
    SendMessage(h, WM_PAINT, 0, 0);
    if (Window* again = FindWindowObj(h)) again->needsPaint = false;
  }
}

}  // namespace hl

using namespace hl;

// ---- Message boxes ---------------------------------------------------------------

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  if (owner && !FindWindowObj(owner)) return 0;
  State& s = S();
  headless::MessageBoxRecord rec{owner, text ? text : "", caption ? caption : "", type, 0};
  const UINT buttons = type & 0x0F;
  const bool second = (type & MB_DEFBUTTON2) != 0;
  int answer = IDOK;
  if (buttons == MB_OKCANCEL) answer = second ? IDCANCEL : IDOK;
  if (buttons == MB_YESNO) answer = second ? IDNO : IDYES;
  const std::size_t index = s.messageBoxes.size();
  s.messageBoxes.push_back(rec);
  if (s.messageBoxHandler) {
    auto handler = s.messageBoxHandler;  // the handler may replace itself
    answer = handler(rec);
  }
  if (index < s.messageBoxes.size()) s.messageBoxes[index].answer = answer;
  return answer;
}

// ---- Dialogs -------------------------------------------------------------------------

INT_PTR DialogBoxParam(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc, LPARAM initParam) {
  if (instance && instance != GetModuleInstance()) return -1;
  const DLGTEMPLATE* t = common::FindDialogResource(templateId);
  if (!t || !proc || (owner && !FindWindowObj(owner))) return -1;
  State& s = S();
  const HWND oldFocus = GetFocus();
  const HWND oldForeground = common::Foreground();

  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const int frame = GetSystemMetrics(SM_CXFRAME);
  const int ow = std::max(t->width, 0) + 2 * frame;
  const int oh = std::max(t->height, 0) + 2 * frame + GetSystemMetrics(SM_CYCAPTION);
  int x = 0, y = 0;
  if (t->centred) {
    x = (s.screenWidth - ow) / 2;
    y = (s.screenHeight - oh) / 2;
  } else if (Window* o = FindWindowObj(owner)) {
    const POINT p = ClientOrigin(*o);
    x = p.x;
    y = p.y;
  }
  HWND dlg = CreateWindowInternal("#32770", t->title, style, x, y, ow, oh, owner, 0, nullptr,
                                  Builtin::Dialog, CTL_STATIC, 0);
  if (!dlg) return -1;
  Window* w = FindWindowObj(dlg);
  if (!owner) w->sameAppAs = oldForeground;
  w->dlgProc = proc;  // from here on: the controls' WM_MEASUREITEM comes before WM_INITDIALOG
  HFONT font = t->fontFace ? CreateFont(t->fontSize, 0, FW_NORMAL, t->fontFace) : nullptr;
  w->font = font;

  HWND firstFocus = nullptr;
  bool failed = false;
  for (int i = 0; i < t->itemCount && t->items; ++i) {
    const DLGITEMTEMPLATE& it = t->items[i];
    DWORD ws = WS_CHILD;
    if (!(it.style & CS_HIDDEN)) ws |= WS_VISIBLE;
    if (it.style & CS_DISABLED) ws |= WS_DISABLED;
    HWND ctl = CreateWindowInternal(common::ControlClassName(it.kind), it.text, ws, it.x, it.y, it.width, it.height, dlg,
                                    it.id, nullptr, Builtin::Control, it.kind, it.style);
    if (!FindWindowObj(dlg)) return -1;
    if (!ctl) {
      failed = true;
      break;
    }
    if (font) SendMessage(ctl, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    if (!firstFocus && TakesFocus(it.kind) && !(it.style & (CS_HIDDEN | CS_DISABLED))) firstFocus = ctl;
  }
  if (failed) {
    DestroyWindow(dlg);
    if (font) DeleteObject(ToObject(font));
    return -1;
  }

  const LRESULT takeFocus = SendMessage(dlg, WM_INITDIALOG, HandleToWParam(firstFocus), initParam);
  if (FindWindowObj(dlg) && !DialogEnded(dlg)) {
    if (takeFocus && firstFocus && FindWindowObj(firstFocus)) SetFocus(firstFocus);
    ShowWindow(dlg, SW_SHOW);
    PumpFor(dlg);
  }
  if (FindWindowObj(dlg) && !DialogEnded(dlg) && s.dialogHandler) {
    auto handler = s.dialogHandler;  // the handler may replace itself
    handler(templateId, dlg);
    if (FindWindowObj(dlg)) PumpFor(dlg);
  }
  if (FindWindowObj(dlg) && !DialogEnded(dlg)) {
    SendMessage(dlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), HandleToLParam(GetDlgItem(dlg, IDCANCEL)));
    if (FindWindowObj(dlg)) PumpFor(dlg);
  }
  // A procedure that ignores the cancel click would keep the dialog open for ever.
  INT_PTR result = IDCANCEL;
  if (DialogEnded(dlg)) {
    result = Endings()[Key(dlg)];
  } else if (!FindWindowObj(dlg)) {
    result = -1;
  }
  Endings().erase(Key(dlg));
  std::string title = t->title ? t->title : "";
  if (Window* again = FindWindowObj(dlg)) title = again->title;
  DestroyWindow(dlg);
  if (font) DeleteObject(ToObject(font));
  if (oldForeground && FindWindowObj(oldForeground)) ActivateWindow(oldForeground);
  if (oldFocus && FindWindowObj(oldFocus)) SetFocus(oldFocus);
  s.dialogs.push_back(headless::DialogRecord{templateId, title, result});
  return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  Window* w = FindWindowObj(dialog);
  if (!w || w->builtin != Builtin::Dialog) return FALSE;
  if (!DialogEnded(dialog)) Endings()[Key(dialog)] = result;  // the first ending holds
  return TRUE;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  HWND c = GetDlgItem(dialog, id);
  ControlState* cs = ControlOfKind(c, CTL_CHECKBOX, CTL_RADIOBUTTON);
  if (!cs) return FALSE;
  cs->check = check == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
  FindWindowObj(c)->needsPaint = true;
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  ControlState* cs = ControlOfKind(GetDlgItem(dialog, id), CTL_CHECKBOX, CTL_RADIOBUTTON);
  return cs ? cs->check : BST_UNCHECKED;
}

void Edit_LimitText(HWND edit, int maxChars) {
  if (ControlState* cs = ControlOfKind(edit, CTL_EDIT, CTL_EDIT)) cs->limit = maxChars > 0 ? maxChars : 0x7FFFFFFE;
}

void Edit_SetReadOnly(HWND edit, BOOL readOnly) {
  if (ControlState* cs = ControlOfKind(edit, CTL_EDIT, CTL_EDIT)) cs->readOnly = readOnly != FALSE;
}

int ComboBox_AddString(HWND combo, const char* text) {
  ControlState* cs = ItemsOf(combo);
  if (!cs) return -1;
  cs->items.push_back(Item{text ? text : "", 0});
  FindWindowObj(combo)->needsPaint = true;
  return static_cast<int>(cs->items.size()) - 1;
}

int ComboBox_SetItemData(HWND combo, int index, LPARAM data) {
  ControlState* cs = ItemsOf(combo);
  if (!cs || index < 0 || index >= static_cast<int>(cs->items.size())) return -1;
  cs->items[index].data = data;
  return index;
}

LPARAM ComboBox_GetItemData(HWND combo, int index) {
  ControlState* cs = ItemsOf(combo);
  if (!cs || index < 0 || index >= static_cast<int>(cs->items.size())) return -1;
  return cs->items[index].data;
}

int ComboBox_SetCurSel(HWND combo, int index) {
  ControlState* cs = ItemsOf(combo);
  if (!cs) return -1;
  FindWindowObj(combo)->needsPaint = true;
  if (index < 0 || index >= static_cast<int>(cs->items.size())) {
    cs->curSel = -1;
    return -1;
  }
  cs->curSel = index;
  return index;
}

int ComboBox_GetCurSel(HWND combo) {
  ControlState* cs = ItemsOf(combo);
  return cs ? cs->curSel : -1;
}

int ComboBox_GetCount(HWND combo) {
  ControlState* cs = ItemsOf(combo);
  return cs ? static_cast<int>(cs->items.size()) : -1;
}

int ComboBox_ResetContent(HWND combo) {
  ControlState* cs = ItemsOf(combo);
  if (!cs) return -1;
  cs->items.clear();
  cs->curSel = -1;
  FindWindowObj(combo)->needsPaint = true;
  return 0;
}

void ComboBox_SetDroppedHeight(HWND combo, int height) {
  if (ControlState* cs = ItemsOf(combo)) cs->droppedHeight = std::max(height, 0);
}

int ListBox_AddString(HWND list, const char* text) { return ComboBox_AddString(list, text); }
int ListBox_GetCurSel(HWND list) { return ComboBox_GetCurSel(list); }
int ListBox_SetCurSel(HWND list, int index) { return ComboBox_SetCurSel(list, index); }

namespace {
ControlState* ViewOf(HWND view) { return ControlOfKind(view, CTL_LISTVIEW, CTL_LISTVIEW); }
}  // namespace

int ListView_InsertColumn(HWND view, int column, const char* title, int width, int) {
  ControlState* cs = ViewOf(view);
  if (!cs || column < 0) return -1;
  const int at = std::min<int>(column, static_cast<int>(cs->columns.size()));
  cs->columns.insert(cs->columns.begin() + at, title ? title : "");
  cs->columnWidths.insert(cs->columnWidths.begin() + at, width);
  for (auto& row : cs->rows) {
    if (static_cast<int>(row.size()) >= at) row.insert(row.begin() + at, std::string());
  }
  return at;
}

int ListView_InsertItem(HWND view, int index, const char* text) {
  ControlState* cs = ViewOf(view);
  if (!cs) return -1;
  const int at = std::clamp<int>(index, 0, static_cast<int>(cs->rows.size()));
  std::vector<std::string> row(std::max<std::size_t>(cs->columns.size(), 1));
  row[0] = text ? text : "";
  cs->rows.insert(cs->rows.begin() + at, std::move(row));
  FindWindowObj(view)->needsPaint = true;
  return at;
}

BOOL ListView_SetItemText(HWND view, int index, int column, const char* text) {
  ControlState* cs = ViewOf(view);
  if (!cs || index < 0 || index >= static_cast<int>(cs->rows.size()) || column < 0 ||
      column >= static_cast<int>(std::max<std::size_t>(cs->columns.size(), 1)))
    return FALSE;
  auto& row = cs->rows[index];
  if (static_cast<int>(row.size()) <= column) row.resize(column + 1);
  row[column] = text ? text : "";
  FindWindowObj(view)->needsPaint = true;
  return TRUE;
}

int ListView_GetItemCount(HWND view) {
  ControlState* cs = ViewOf(view);
  return cs ? static_cast<int>(cs->rows.size()) : 0;
}

BOOL ListView_GetItemText(HWND view, int index, int column, char* buffer, int maxCount) {
  ControlState* cs = ViewOf(view);
  if (!cs || !buffer || maxCount <= 0 || index < 0 || index >= static_cast<int>(cs->rows.size()) ||
      column < 0 || column >= static_cast<int>(std::max<std::size_t>(cs->columns.size(), 1)))
    return FALSE;
  const auto& row = cs->rows[index];
  const std::string cell = column < static_cast<int>(row.size()) ? row[column] : std::string();
  const int n = std::min<int>(static_cast<int>(cell.size()), maxCount - 1);
  std::memcpy(buffer, cell.data(), n);
  buffer[n] = 0;
  return TRUE;
}

int TabCtrl_InsertItem(HWND tab, int index, const char* text) {
  ControlState* cs = TabOf(tab);
  if (!cs || index < 0) return -1;
  const int at = std::min<int>(index, static_cast<int>(cs->tabs.size()));
  cs->tabs.insert(cs->tabs.begin() + at, text ? text : "");
  if (cs->curSel < 0) {
    cs->curSel = 0;
  } else if (at <= cs->curSel) {
    ++cs->curSel;
  }
  FindWindowObj(tab)->needsPaint = true;
  return at;
}

int TabCtrl_GetCurSel(HWND tab) {
  ControlState* cs = TabOf(tab);
  return cs ? cs->curSel : -1;
}

int TabCtrl_SetCurSel(HWND tab, int index) {
  ControlState* cs = TabOf(tab);
  if (!cs || index < 0 || index >= static_cast<int>(cs->tabs.size())) return -1;
  const int old = cs->curSel;
  cs->curSel = index;
  FindWindowObj(tab)->needsPaint = true;
  return old;
}

BOOL TabCtrl_GetDisplayRect(HWND tab, RECT* rect) {
  Window* w = FindWindowObj(tab);
  if (!TabOf(tab) || !rect) return FALSE;
  const SIZE c = ClientSize(*w);
  *rect = RECT{4, kTabRowHeight + 4, std::max<LONG>(4, c.cx - 4), std::max<LONG>(kTabRowHeight + 4, c.cy - 4)};
  return TRUE;
}

BOOL MapWindowRect(HWND from, HWND to, RECT* rect) {
  if (!rect) return FALSE;
  Window* f = from ? FindWindowObj(from) : nullptr;
  Window* t = to ? FindWindowObj(to) : nullptr;
  if ((from && !f) || (to && !t)) return FALSE;
  const POINT fo = f ? ClientOrigin(*f) : POINT{0, 0};
  const POINT tooff = t ? ClientOrigin(*t) : POINT{0, 0};
  const LONG dx = fo.x - tooff.x, dy = fo.y - tooff.y;
  rect->left += dx, rect->right += dx, rect->top += dy, rect->bottom += dy;
  return TRUE;
}

void InitCommonControls() {}

// ---- The scripted user -------------------------------------------------------------

namespace headless {

void SetMessageBoxHandler(std::function<int(const MessageBoxRecord&)> handler) {
  S().messageBoxHandler = std::move(handler);
}
const std::vector<MessageBoxRecord>& MessageBoxes() { return S().messageBoxes; }
void ClearMessageBoxes() { S().messageBoxes.clear(); }

void SetDialogHandler(std::function<void(int templateId, HWND dialog)> handler) {
  S().dialogHandler = std::move(handler);
}
const std::vector<DialogRecord>& Dialogs() { return S().dialogs; }
void ClearDialogs() { S().dialogs.clear(); }

void FocusControl(HWND dialog, int id) {
  HWND ctl = UsableControl(dialog, id);
  if (!ctl) return;
  SetFocus(ctl);
  if (FindWindowObj(dialog)) PumpFor(dialog);
}

void ClickControl(HWND dialog, int id) {
  HWND ctl = UsableControl(dialog, id);
  ControlState* cs = ControlOf(ctl);
  if (!cs) return;
  if (TakesFocus(cs->kind)) SetFocus(ctl);
  ClickOn(ctl);
  if (FindWindowObj(dialog)) PumpFor(dialog);
}

void TypeText(HWND dialog, int id, const char* text) {
  HWND ctl = UsableControl(dialog, id);
  ControlState* cs = ControlOfKind(ctl, CTL_EDIT, CTL_EDIT);
  if (!cs || cs->readOnly) return;
  if (GetFocus() != ctl) SetFocus(ctl);
  cs = ControlOfKind(ctl, CTL_EDIT, CTL_EDIT);
  if (!cs) return;
  std::string typed;
  for (const char* p = text ? text : ""; *p; ++p) {
    if (EditTakes(*cs, typed.size(), *p)) typed += *p;
  }
  Window* w = FindWindowObj(ctl);
  w->title = typed;
  w->needsPaint = true;
  NotifyParent(ctl, EN_CHANGE);
  if (FindWindowObj(dialog)) PumpFor(dialog);
}

void SelectItem(HWND dialog, int id, int index) {
  HWND ctl = UsableControl(dialog, id);
  ControlState* cs = ItemsOf(ctl);
  if (!cs || index < 0 || index >= static_cast<int>(cs->items.size())) return;
  const WORD code = cs->kind == CTL_COMBOBOX ? CBN_SELCHANGE : LBN_SELCHANGE;
  if (GetFocus() != ctl) SetFocus(ctl);
  cs = ItemsOf(ctl);
  if (!cs) return;
  cs->curSel = index;
  FindWindowObj(ctl)->needsPaint = true;
  NotifyParent(ctl, code);
  if (FindWindowObj(dialog)) PumpFor(dialog);
}

void SelectTab(HWND dialog, int id, int index) {
  HWND ctl = UsableControl(dialog, id);
  ControlState* cs = TabOf(ctl);
  if (!cs || index < 0 || index >= static_cast<int>(cs->tabs.size())) return;
  ChangeTab(ctl, index);
  if (FindWindowObj(dialog)) PumpFor(dialog);
}

}  // namespace headless
}  // namespace plat
