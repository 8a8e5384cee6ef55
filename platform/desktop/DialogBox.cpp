// The desktop device of modal dialogs: a Qt window with its canvas.
#include "platform/desktop/DialogBox.h"

#include "platform/common/Controls.h"
#include "platform/common/Device.h"
#include "platform/common/MessageLoop.h"
#include "platform/common/WindowState.h"
#include "platform/desktop/App.h"
#include "platform/desktop/CanvasWidget.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Fonts.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {

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

namespace plat::common {

using desktop::CWindow;
using desktop::Windows;

HWND MakeDialogWindow(const DLGTEMPLATE& t, HWND owner) {
  CWindow* ownerWindow = desktop::RootOf(Windows().Find(owner));
  CWindow* d = Windows().Create(desktop::WindowKind::kDialog);
  d->className = kDialogClassName;
  d->proc = DefWindowProc;
  d->owner = ownerWindow ? ownerWindow->handle : nullptr;
  d->style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  auto* widget = new desktop::CCanvasWidget(d->handle, ownerWindow ? ownerWindow->widget : nullptr,
                                            Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  widget->setWindowModality(Qt::ApplicationModal);
  Windows().BindWidget(d, widget);
  const QSize size(t.width, t.height);
  desktop::ResizeCanvas(d, size);
  d->canvas.fill(desktop::ToQColor(kDialogFace));
  widget->setFixedSize(size);
  d->title = t.title ? t.title : "";
  widget->setWindowTitle(QString::fromLatin1(d->title.c_str()));
  widget->setFont(desktop::MakeDialogFont(t.fontFace, t.fontSize));
  d->needsPaint = true;
  d->needsErase = true;
  const QRect over = ownerWindow && !t.centred && ownerWindow->widget->isVisible()
                         ? QRect(ownerWindow->widget->mapToGlobal(QPoint(0, 0)), ownerWindow->widget->size())
                         : desktop::AvailableGeometry();
  const QPoint at(over.x() + (over.width() - size.width()) / 2, over.y() + (over.height() - size.height()) / 2);
  PlaceClientArea(*d, RECT{at.x(), at.y(), at.x() + size.width(), at.y() + size.height()});
  return d->handle;
}

void ShowDialogWindow(HWND dialog, HWND firstFocus) {
  if (!Windows().Find(dialog)) return;
  ShowWindow(dialog, SW_SHOW);
  if (firstFocus && Windows().Find(firstFocus)) SetFocus(firstFocus);
}

void RunDialogLoop(HWND dialog, int) { desktop::RunModalLoop(dialog, DialogDone); }

void DialogClosed(int, const std::string&, INT_PTR, HWND owner, HWND, HWND, HFONT) {
  CWindow* ownerWindow = desktop::RootOf(Windows().Find(owner));
  if (ownerWindow && ownerWindow->visible) SetForegroundWindow(ownerWindow->handle);
}

}  // namespace plat::common
