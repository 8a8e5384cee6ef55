#include "platform/desktop/DialogBox.h"

#include <QApplication>
#include <QPushButton>

#include "platform/desktop/App.h"
#include "platform/desktop/CanvasWidget.h"
#include "platform/desktop/Canvas.h"
#include "platform/desktop/Controls.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Fonts.h"
#include "platform/desktop/Pump.h"
#include "platform/common/Device.h"
#include "platform/common/MessageLoop.h"
#include "platform/common/ResourceRegistry.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

bool DialogDone(HWND dialog) {
  CWindow* d = Windows().Find(dialog);
  return !d || d->dialogEnded;
}

CWindow* FindChild(CWindow* parent, ControlKind kind) {
  for (CWindow* c : ChildrenOf(parent)) {
    if (c->controlKind == kind && c->widget->isVisible() && c->widget->isEnabled()) return c;
    if (CWindow* inner = FindChild(c, kind)) return inner;
  }
  return nullptr;
}

void SendCommand(HWND dialog, int id) {
  CWindow* d = Windows().Find(dialog);
  if (!d) return;
  const HWND button = GetDlgItem(dialog, id);
  SendMessage(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void FocusFirstControl(CWindow* d) {
  for (CWindow* c : ChildrenOf(d)) {
    QWidget* w = c->widget;
    if (w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

}  // namespace

LRESULT DialogWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CWindow* d = Windows().Find(hwnd);
  if (!d || !d->dialogProc) return 0;
  const INT_PTR answer = d->dialogProc(hwnd, msg, wParam, lParam);
  if (answer || msg == WM_INITDIALOG || msg == WM_CTLCOLORDLG || msg == WM_CTLCOLORSTATIC) {
    return answer;
  }
  d = Windows().Find(hwnd);
  if (!d) return 0;
  switch (msg) {
    case WM_CLOSE:
      SendCommand(hwnd, IDCANCEL);
      return 0;
    case WM_KEYDOWN:
      DialogKeyPressed(d, wParam);
      return 0;
    case WM_ERASEBKGND: {
      HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessage(hwnd, WM_CTLCOLORDLG, wParam, 0));
      if (!common::FindGdi(brush, common::GdiKind::kBrush)) brush = common::DialogFaceBrush();
      RECT r;
      GetClientRect(hwnd, &r);
      FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
      return 1;
    }
    default:
      return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

bool DialogKeyPressed(CWindow* dialog, WPARAM virtualKey) {
  const HWND h = dialog->handle;
  if (virtualKey == VK_ESCAPE) {
    SendCommand(h, IDCANCEL);
    return true;
  }
  if (virtualKey != VK_RETURN) return false;
  if (CWindow* focused = Windows().Find(GetFocus())) {
    if (common::IsInside(focused->handle, dialog->handle) &&
        (focused->controlKind == CTL_PUSHBUTTON || focused->controlKind == CTL_DEFPUSHBUTTON)) {
      static_cast<QPushButton*>(focused->widget)->click();
      return true;
    }
  }
  if (CWindow* def = FindChild(dialog, CTL_DEFPUSHBUTTON)) {
    static_cast<QPushButton*>(def->widget)->click();
    return true;
  }
  SendCommand(h, IDOK);
  return true;
}

void RunModalLoop(HWND root, bool (*done)(HWND root)) {
  const common::MessageFilter mine = [root](const MSG& m) {
    return Windows().Find(root) && common::IsInside(m.hwnd, root);
  };
  for (;;) {
    common::PumpNativeEvents();
    if (done(root)) return;
    MSG m;
    if (common::TakeMessage(mine, true, false, &m)) {
      DispatchMessage(&m);
    } else {
      common::WaitNativeEvents(-1);
    }
  }
}

}  // namespace plat::desktop

namespace plat {

using desktop::CWindow;
using desktop::Windows;

INT_PTR DialogBoxParam(HINSTANCE, int templateId, HWND owner, DLGPROC proc, LPARAM initParam) {
  const DLGTEMPLATE* t = common::FindDialogResource(templateId);
  if (!t || !proc || t->width <= 0 || t->height <= 0 || t->itemCount < 0 ||
      (t->itemCount > 0 && !t->items)) {
    return -1;
  }
  CWindow* ownerWindow = desktop::RootOf(Windows().Find(owner));
  const HWND ownerHandle = ownerWindow ? ownerWindow->handle : nullptr;
  CWindow* d = Windows().Create(desktop::WindowKind::kDialog);
  d->className = common::kDialogClassName;
  d->proc = desktop::DialogWndProc;
  d->dialogProc = proc;
  d->owner = ownerHandle;
  d->style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  auto* widget = new desktop::CCanvasWidget(
      d->handle, ownerWindow ? ownerWindow->widget : nullptr,
      Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
          Qt::WindowCloseButtonHint);
  widget->setWindowModality(Qt::ApplicationModal);
  Windows().BindWidget(d, widget);
  const QSize size(t->width, t->height);
  desktop::ResizeCanvas(d, size);
  d->canvas.fill(desktop::ToQColor(common::kDialogFace));
  widget->setFixedSize(size);
  widget->setWindowTitle(QString::fromLatin1(t->title ? t->title : ""));
  widget->setFont(desktop::MakeDialogFont(t->fontFace, t->fontSize));
  d->needsPaint = true;
  d->needsErase = true;
  const QRect over = ownerWindow && !t->centred && ownerWindow->widget->isVisible()
                         ? QRect(ownerWindow->widget->mapToGlobal(QPoint(0, 0)), ownerWindow->widget->size())
                         : desktop::AvailableGeometry();
  widget->move(over.x() + (over.width() - size.width()) / 2, over.y() + (over.height() - size.height()) / 2);
  for (int i = 0; i < t->itemCount; ++i) {
    const DLGITEMTEMPLATE& item = t->items[i];
    desktop::CreateControl(d, item.kind, item.id, item.text,
                           QRect(item.x, item.y, item.width, item.height), item.style,
                           WS_CHILD | WS_VISIBLE);
  }
  const HWND h = d->handle;
  const LRESULT takeFocus = SendMessage(h, WM_INITDIALOG, 0, initParam);
  d = Windows().Find(h);
  if (d && !d->dialogEnded) {
    d->widget->show();
    d->widget->raise();
    d->widget->activateWindow();
    if (takeFocus) desktop::FocusFirstControl(d);
    desktop::RunModalLoop(h, desktop::DialogDone);
  }
  d = Windows().Find(h);
  const INT_PTR result = d ? d->dialogResult : -1;
  DestroyWindow(h);
  ownerWindow = Windows().Find(ownerHandle);
  if (ownerWindow && ownerWindow->widget->isVisible()) ownerWindow->widget->activateWindow();
  return result;
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  CWindow* d = Windows().Find(dialog);
  if (!d || d->kind != desktop::WindowKind::kDialog) return FALSE;
  d->dialogEnded = true;
  d->dialogResult = result;
  return TRUE;
}

}  // namespace plat
