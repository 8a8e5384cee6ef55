// Modal dialogs from templates and message boxes: the dialog's life from
// WM_INITDIALOG to EndDialog, and its default answers to the keyboard.
#include <algorithm>

#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/common/Gdi.h"
#include "platform/common/ResourceRegistry.h"
#include "platform/common/WindowState.h"
#include "platform/include/plat/app.h"

namespace plat::common {
namespace {

void SendCommand(HWND dialog, int id) {
  SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), HandleToLParam(GetDlgItem(dialog, id)));
}

// The first usable control of that kind in parent, any depth.
HWND FindUsable(HWND parent, ControlKind kind) {
  const CWindowCore* p = FindCore(parent);
  if (!p) return nullptr;
  for (HWND h : p->children) {
    const CControl* c = ControlOf(h);
    if (c && c->kind == kind && IsWindowVisible(h) && IsWindowEnabled(h)) return h;
    if (HWND inner = FindUsable(h, kind)) return inner;
  }
  return nullptr;
}

bool IsPushButton(HWND hwnd) {
  const CControl* c = ControlOf(hwnd);
  return c && (c->kind == CTL_PUSHBUTTON || c->kind == CTL_DEFPUSHBUTTON);
}

bool TemplateUsable(const DLGTEMPLATE* t) {
  return t && t->width > 0 && t->height > 0 && t->itemCount >= 0 && (t->itemCount == 0 || t->items);
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
  } else if (HWND def = FindUsable(dialog, CTL_DEFPUSHBUTTON)) {
    ClickControl(def);
  } else {
    SendCommand(dialog, IDOK);
  }
  return true;
}

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

}  // namespace plat::common

namespace plat {

INT_PTR DialogBoxParam(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc, LPARAM initParam) {
  const DLGTEMPLATE* t = common::FindDialogResource(templateId);
  if ((instance && instance != GetModuleInstance()) || !common::TemplateUsable(t) || !proc ||
      (owner && !common::FindCore(owner))) {
    return -1;
  }
  const HWND previousActive = common::Foreground();
  const HWND previousFocus = GetFocus();
  const HWND dialog = common::MakeDialogWindow(*t, owner);
  common::CWindowCore* d = common::FindCore(dialog);
  if (!d) return -1;
  d->proc = common::DialogWindowProc;
  d->dialog = std::make_unique<common::CDialog>();
  d->dialog->proc = proc;  // from here on: the controls' WM_MEASUREITEM comes before WM_INITDIALOG
  const HFONT font = d->font;

  HWND firstFocus = nullptr;
  for (int i = 0; i < t->itemCount; ++i) {
    const DLGITEMTEMPLATE& it = t->items[i];
    DWORD ws = WS_CHILD;
    if (!(it.style & CS_HIDDEN)) ws |= WS_VISIBLE;
    if (it.style & CS_DISABLED) ws |= WS_DISABLED;
    const HWND c = common::MakeControlWindow(dialog, it.kind, it.id, it.text,
                                             RECT{it.x, it.y, it.x + it.width, it.y + it.height}, it.style, ws);
    if (c && font) SendMessage(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    if (!common::FindCore(dialog)) return -1;
    if (!c) {
      DestroyWindow(dialog);
      common::DialogClosed(templateId, t->title ? t->title : "", -1, owner, previousActive, previousFocus, font);
      return -1;
    }
    if (!firstFocus && common::TakesFocus(it.kind) && !(it.style & (CS_HIDDEN | CS_DISABLED))) firstFocus = c;
  }

  const LRESULT takeFocus = SendMessage(dialog, WM_INITDIALOG, HandleToWParam(firstFocus), initParam);
  if (!common::DialogDone(dialog)) {
    common::ShowDialogWindow(dialog, takeFocus && common::FindCore(firstFocus) ? firstFocus : nullptr);
    common::RunDialogLoop(dialog, templateId);
  }
  d = common::FindCore(dialog);
  // A dialog its procedure destroyed answers -1; one left open, IDCANCEL.
  INT_PTR result = -1;
  std::string title = t->title ? t->title : "";
  if (d && d->dialog) {
    result = d->dialog->ended ? d->dialog->result : IDCANCEL;
    char buffer[256];
    GetWindowText(dialog, buffer, sizeof buffer);
    title = buffer;
  }
  DestroyWindow(dialog);
  common::DialogClosed(templateId, title, result, owner, previousActive, previousFocus, font);
  return result;
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

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  if (owner && !common::FindCore(owner)) return 0;
  const UINT buttons = type & 0x0F;
  const bool second = (type & MB_DEFBUTTON2) != 0;
  int answer = IDOK;
  if (buttons == MB_OKCANCEL) answer = second ? IDCANCEL : IDOK;
  if (buttons == MB_YESNO) answer = second ? IDNO : IDYES;
  return common::AskMessageBox(owner, text ? text : "", caption ? caption : "", type, answer);
}

}  // namespace plat
