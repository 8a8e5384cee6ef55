#include <QAbstractButton>
#include <QLineEdit>

#include "platform/desktop/ControlWidgets.h"
#include "platform/desktop/Controls.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

// A static paints itself on the parent's canvas with the brush and colours
// the parent gives in WM_CTLCOLORSTATIC.
void PaintStatic(CWindow* w) {
  const HWND h = w->handle;
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(h, &ps);
  if (!dc) return;
  common::FindDc(dc)->bkColour = common::kDialogFace;
  HBRUSH brush = nullptr;
  if (w->parent) {
    brush = reinterpret_cast<HBRUSH>(SendMessage(w->parent, WM_CTLCOLORSTATIC,
                                                 reinterpret_cast<WPARAM>(dc),
                                                 reinterpret_cast<LPARAM>(h)));
  }
  w = Windows().Find(h);
  if (!w) return;
  if (!common::FindGdi(brush, common::GdiKind::kBrush)) brush = common::DialogFaceBrush();
  FillRect(dc, &ps.rcPaint, brush);
  UINT format = DT_WORDBREAK;
  if (w->controlStyle & CS_CENTER) format |= DT_CENTER;
  if (w->controlStyle & CS_RIGHT) format |= DT_RIGHT;
  const QByteArray text = static_cast<CStaticWidget*>(w->widget)->text.toLatin1();
  RECT r = ps.rcPaint;
  DrawText(dc, text.constData(), static_cast<int>(text.size()), &r, format);
  EndPaint(h, &ps);
}

void TypeCharacter(CWindow* w, WPARAM ch) {
  auto* edit = static_cast<QLineEdit*>(w->widget);
  if (edit->isReadOnly()) return;
  if (ch == '\b') {
    edit->backspace();
  } else if (ch >= 32 && ch < 256) {
    edit->insert(QString(QChar(static_cast<char16_t>(ch))));
  }
}

}  // namespace

LRESULT ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->widget) return 0;
  if (w->nativeEvent && (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_KEYDOWN ||
                         msg == WM_CHAR)) {
    w->nativeDefault = true;  // Qt handles the event it came from
    return 0;
  }
  switch (msg) {
    case WM_SETTEXT:
      SetControlText(w, QString::fromLatin1(reinterpret_cast<const char*>(lParam)));
      return TRUE;
    case WM_SETFONT:
      SetControlFont(w, reinterpret_cast<HFONT>(wParam));
      return 0;
    case WM_PAINT:
      if (w->controlKind == CTL_STATIC) {
        PaintStatic(w);
      } else {
        w->needsPaint = false;
      }
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONUP:
      // A click sent by the program acts as the user's would.
      if (w->controlKind <= CTL_RADIOBUTTON && w->widget->isEnabled()) {
        static_cast<QAbstractButton*>(w->widget)->click();
      } else if (w->controlKind == CTL_STATIC && (w->controlStyle & CS_NOTIFY)) {
        NotifyParent(w, STN_CLICKED);
      }
      return 0;
    case WM_CHAR:
      if (w->controlKind == CTL_EDIT) TypeCharacter(w, wParam);
      return 0;
    case WM_KEYDOWN:
      if (w->controlKind == CTL_TABCONTROL && (wParam == VK_LEFT || wParam == VK_RIGHT)) {
        static_cast<CTabControlWidget*>(w->widget)->Step(wParam == VK_LEFT ? -1 : 1);
      }
      return 0;
    default:
      return 0;
  }
}

}  // namespace plat::desktop
