// The DCs of a window: an own one (CS_OWNDC) lives as long as the window;
// any other from GetDC to ReleaseDC, or from BeginPaint to EndPaint.
#include "platform/common/Gdi.h"
#include "platform/common/Window.h"

namespace plat {

HDC GetDC(HWND hwnd) {
  if (!hwnd) return common::NewDc(nullptr);  // the screen, for its capabilities
  common::CWindowCore* w = common::FindCore(hwnd);
  if (!w) return nullptr;
  if (!(w->classStyle & CS_OWNDC)) return common::NewDc(hwnd);
  if (!common::FindDc(w->ownDc)) {
    w->ownDc = common::NewDc(hwnd);
    common::FindDc(w->ownDc)->own = true;
  }
  return w->ownDc;
}

int ReleaseDC(HWND, HDC hdc) {
  const common::CDeviceContext* d = common::FindDc(hdc);
  if (!d) return 0;
  if (!d->own) common::DeleteDc(hdc);
  return 1;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  common::CWindowCore* w = common::FindCore(hwnd);
  if (!w || !ps) return nullptr;
  const HDC hdc = GetDC(hwnd);
  if (common::CDeviceContext* d = common::FindDc(hdc); !d->own) d->paint = true;
  ps->hdc = hdc;
  GetClientRect(hwnd, &ps->rcPaint);
  ps->fErase = FALSE;
  w->needsPaint = false;
  if (w->needsErase) {
    w->needsErase = false;
    ps->fErase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) ? FALSE : TRUE;
  }
  return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps || !common::FindCore(hwnd)) return FALSE;
  const common::CDeviceContext* d = common::FindDc(ps->hdc);
  if (d && d->paint) common::DeleteDc(ps->hdc);
  return TRUE;
}

}  // namespace plat
