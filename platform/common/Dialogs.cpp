// Modal dialogs from templates and message boxes: the dialog's life from
// WM_INITDIALOG to EndDialog, its default answers to the keyboard, and its
// controls by id.
#include <functional>

#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/common/Gdi.h"
#include "platform/common/MessageLoop.h"
#include "platform/common/ResourceRegistry.h"
#include "platform/common/WindowState.h"
#include "platform/include/plat/app.h"

namespace plat::common {
namespace {

void SendCommand(HWND dialog, int id) {
  SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), HandleToLParam(GetDlgItem(dialog, id)));
}

// The first window in parent, any depth, that match takes.
HWND FindInside(HWND parent, const std::function<bool(HWND)>& match) {
  const CWindowCore* p = FindCore(parent);
  if (!p) return nullptr;
  for (HWND h : p->children) {
    if (match(h)) return h;
    if (HWND inner = FindInside(h, match)) return inner;
  }
  return nullptr;
}

bool IsPushButton(HWND hwnd) {
  const CControl* c = ControlOf(hwnd);
  return c && (c->kind == CTL_PUSHBUTTON || c->kind == CTL_DEFPUSHBUTTON);
}

bool IsUsableDefault(HWND hwnd) {
  const CControl* c = ControlOf(hwnd);
  return c && c->kind == CTL_DEFPUSHBUTTON && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd);
}

// The dialog's window, hidden: centred on the work area, or at its owner's
// client origin; an ownerless one counts as the program that was active.
HWND MakeDialog(const DLGTEMPLATE& t, HWND owner) {
  CWindowCore* d = NewWindowRecord(false);
  if (!d) return nullptr;
  d->className = kDialogClassName;
  d->proc = DefWindowProc;
  SetIdentity(*d, t.title, WS_POPUP | WS_CAPTION | WS_SYSMENU, owner, 0);
  const SIZE outer{t.width + 2 * FrameBorder(), t.height + 2 * FrameBorder() + CaptionHeight()};
  const RECT work = WorkArea();
  POINT at{0, 0};
  if (t.centred) {
    at = POINT{(work.left + work.right - outer.cx) / 2, (work.top + work.bottom - outer.cy) / 2};
  } else if (const CWindowCore* o = FindCore(owner)) {
    at = ClientOrigin(*o);
  }
  InitFrame(*d, at.x, at.y, outer.cx, outer.cy);
  if (!owner) d->sameAppAs = Foreground();
  MakeDialogNative(*d, t);
  return StartWindow(*d, nullptr, false);
}

bool TemplateUsable(const DLGTEMPLATE* t) {
  return t && t->width > 0 && t->height > 0 && t->itemCount >= 0 && (t->itemCount == 0 || t->items);
}

// The procedure of every dialog: the dialog procedure first, then the
// defaults (WM_CTLCOLORDLG background, WM_CLOSE as IDCANCEL, Enter and Escape).
LRESULT DialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const CWindowCore* d = FindCore(hwnd);
  if (!d || !d->dialog || !d->dialog->proc) return DefWindowProc(hwnd, msg, wParam, lParam);
  const INT_PTR answer = d->dialog->proc(hwnd, msg, wParam, lParam);
  if (answer || msg == WM_INITDIALOG || msg == WM_CTLCOLORDLG || msg == WM_CTLCOLORSTATIC) return answer;
  if (!FindCore(hwnd)) return 0;
  switch (msg) {
    case WM_CLOSE:
      SendCommand(hwnd, IDCANCEL);
      return 0;
    case WM_KEYDOWN:
      DialogKeyPressed(hwnd, wParam);
      return 0;
    case WM_ERASEBKGND: {
      HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessage(hwnd, WM_CTLCOLORDLG, wParam, HandleToLParam(hwnd)));
      if (!FindGdi(brush, GdiKind::kBrush)) brush = DialogFaceBrush();
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
      return 1;
    }
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

// The owner is disabled while a modal box or dialog runs (before it is made: a
// toolkit disables the windows a disabled one already owns); at its end the
// owner (or the window that was active) is active again, its focus where it was.
INT_PTR RunModal(HWND owner, const std::function<INT_PTR()>& run) {
  const HWND back = owner ? TopLevelOf(owner) : Foreground();
  const HWND previousFocus = GetFocus();
  const bool reenable = owner && !EnableWindow(back, FALSE);
  const INT_PTR result = run();
  if (reenable) EnableWindow(back, TRUE);
  if (FindCore(previousFocus) && IsInside(previousFocus, back)) SetFocus(previousFocus);
  if (FindCore(back)) ActivateWindow(back);
  return result;
}

// The dialog from its template, run until it ends; -1 when it cannot be made.
INT_PTR RunDialog(const DLGTEMPLATE& t, int templateId, HWND owner, DLGPROC proc, LPARAM initParam) {
  const HWND dialog = MakeDialog(t, owner);
  CWindowCore* d = FindCore(dialog);
  if (!d) return -1;
  d->proc = DialogWindowProc;
  d->dialog = std::make_unique<CDialog>();
  d->dialog->proc = proc;  // from here on: the controls' WM_MEASUREITEM comes before WM_INITDIALOG
  const HFONT font = d->font;

  HWND firstFocus = nullptr;
  bool made = true;
  for (int i = 0; made && i < t.itemCount; ++i) {
    const DLGITEMTEMPLATE& it = t.items[i];
    const DWORD ws = WS_CHILD | ((it.style & CS_HIDDEN) ? 0 : WS_VISIBLE) | ((it.style & CS_DISABLED) ? WS_DISABLED : 0);
    const HWND c = MakeControlWindow(dialog, it.kind, it.id, it.text,
                                     RECT{it.x, it.y, it.x + it.width, it.y + it.height}, it.style, ws);
    if (c && font) SendMessage(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    made = c != nullptr && FindCore(dialog);
    if (made && !firstFocus && TakesFocus(it.kind) && !(it.style & (CS_HIDDEN | CS_DISABLED))) firstFocus = c;
  }

  if (made) {
    const LRESULT takeFocus = SendMessage(dialog, WM_INITDIALOG, HandleToWParam(firstFocus), initParam);
    if (!DialogDone(dialog)) {
      ShowWindow(dialog, SW_SHOW);
      if (takeFocus && FindCore(firstFocus)) SetFocus(firstFocus);
      RunDialogLoop(dialog, templateId);
    }
  }
  d = FindCore(dialog);
  // A dialog that could not be made or that its procedure destroyed answers -1; one left open, IDCANCEL.
  INT_PTR result = -1;
  std::string title = t.title ? t.title : "";
  if (made && d && d->dialog) {
    result = d->dialog->ended ? d->dialog->result : IDCANCEL;
    title = d->title;
  }
  DestroyWindow(dialog);
  if (font) DeleteObject(ToObject(font));
  DialogClosed(templateId, title, result);
  return result;
}

}  // namespace

bool DialogDone(HWND dialog) {
  const CWindowCore* d = FindCore(dialog);
  return !d || !d->dialog || d->dialog->ended;
}

bool DialogKeyPressed(HWND dialog, WPARAM virtualKey) {
  if (virtualKey == VK_ESCAPE) {
    SendCommand(dialog, IDCANCEL);
    return true;
  }
  if (virtualKey != VK_RETURN) return false;
  const HWND focus = GetFocus();
  if (IsPushButton(focus) && IsInside(focus, dialog)) {
    ClickControl(focus);
  } else if (HWND def = FindInside(dialog, IsUsableDefault)) {
    ClickControl(def);
  } else {
    SendCommand(dialog, IDOK);
  }
  return true;
}

void DeliverToDialog(HWND dialog, bool wait) {
  const MessageFilter mine = [dialog](const MSG& m) { return IsInside(m.hwnd, dialog); };
  for (;;) {
    PumpNativeEvents();
    if (DialogDone(dialog)) return;
    MSG m;
    if (TakeMessage(mine, true, false, &m)) {
      DispatchMessage(&m);
    } else if (wait) {
      WaitNativeEvents(-1);
    } else {
      return;
    }
  }
}

}  // namespace plat::common

namespace plat {

INT_PTR DialogBoxParam(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc, LPARAM initParam) {
  const DLGTEMPLATE* t = common::FindDialogResource(templateId);
  if ((instance && instance != GetModuleInstance()) || !common::TemplateUsable(t) || !proc ||
      (owner && !common::FindCore(owner))) {
    return -1;
  }
  return common::RunModal(owner, [&] { return common::RunDialog(*t, templateId, owner, proc, initParam); });
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  common::CWindowCore* d = common::FindCore(dialog);
  if (!d || !d->dialog) return FALSE;
  if (!d->dialog->ended) {  // the first ending holds
    d->dialog->ended = true;
    d->dialog->result = result;
  }
  return TRUE;
}

HWND GetDlgItem(HWND dialog, int id) {
  return common::FindInside(dialog, [id](HWND h) {
    const common::CWindowCore* c = common::FindCore(h);
    return c && c->id == id;
  });
}

int GetDlgCtrlID(HWND control) {
  const common::CWindowCore* c = common::FindCore(control);
  return c && c->parent ? c->id : 0;
}

BOOL SetDlgItemText(HWND dialog, int id, const char* text) {
  const HWND c = GetDlgItem(dialog, id);
  return c ? SetWindowText(c, text) : FALSE;
}

UINT GetDlgItemText(HWND dialog, int id, char* buffer, int maxCount) {
  if (buffer && maxCount > 0) buffer[0] = '\0';
  const HWND c = GetDlgItem(dialog, id);
  return c ? static_cast<UINT>(GetWindowText(c, buffer, maxCount)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
  if (!common::FindCore(dialog) || firstId > lastId || checkId < firstId || checkId > lastId) return FALSE;
  for (int id = firstId; id <= lastId; ++id) CheckDlgButton(dialog, id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
  return TRUE;
}

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  if (owner && !common::FindCore(owner)) return 0;
  const UINT buttons = type & 0x0F;
  const bool second = (type & MB_DEFBUTTON2) != 0;
  int answer = IDOK;
  if (buttons == MB_OKCANCEL) answer = second ? IDCANCEL : IDOK;
  if (buttons == MB_YESNO) answer = second ? IDNO : IDYES;
  return static_cast<int>(common::RunModal(owner, [&] {
    return common::AskMessageBox(owner, text ? text : "", caption ? caption : "", type, answer);
  }));
}

}  // namespace plat
