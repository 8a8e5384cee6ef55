#include "platform/desktop/DeviceContext.h"

#include "platform/desktop/WindowTable.h"

namespace plat::desktop {

HDC CreateWindowDc(HWND window) { return common::NewDc(window); }

HDC CreatePainterDc(HWND control, QPainter* painter, const QRect& clip) {
  auto* layer = new CPainterLayer{painter, clip, QImage(clip.right() + 1, clip.bottom() + 1,
                                                        QImage::Format_ARGB32_Premultiplied)};
  layer->layer.fill(Qt::transparent);
  return common::NewDc(control, layer);
}

void DestroyDc(HDC hdc) {
  if (const common::CDeviceContext* dc = common::FindDc(hdc)) {
    delete static_cast<CPainterLayer*>(dc->device);
  }
  common::DeleteDc(hdc);
}

}  // namespace plat::desktop

namespace plat {

using desktop::CWindow;
using desktop::Windows;

HDC GetDC(HWND hwnd) {
  if (!hwnd) {
    static const HDC screen = desktop::CreateWindowDc(nullptr);
    return screen;
  }
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->dc) return nullptr;
  if (!(w->classStyle & CS_OWNDC)) common::ResetDc(common::FindDc(w->dc));
  return w->dc;
}

int ReleaseDC(HWND hwnd, HDC hdc) {
  if (!hwnd) return hdc == GetDC(nullptr) ? 1 : 0;
  CWindow* w = Windows().Find(hwnd);
  return w && w->dc == hdc ? 1 : 0;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  CWindow* w = Windows().Find(hwnd);
  if (!w || !w->dc || !ps) return nullptr;
  if (!(w->classStyle & CS_OWNDC)) common::ResetDc(common::FindDc(w->dc));
  BOOL erase = FALSE;
  if (w->needsErase) {
    w->needsErase = false;
    erase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(w->dc), 0) ? FALSE : TRUE;
  }
  w = Windows().Find(hwnd);
  if (!w) return nullptr;
  w->needsPaint = false;
  ps->hdc = w->dc;
  ps->fErase = erase;
  GetClientRect(hwnd, &ps->rcPaint);
  return w->dc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  return Windows().Find(hwnd) && ps ? TRUE : FALSE;
}

}  // namespace plat
