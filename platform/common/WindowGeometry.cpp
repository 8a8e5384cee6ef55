// Frames, client areas and the mapping between client and screen points.
#include <algorithm>
#include <cmath>

#include "platform/common/Device.h"
#include "platform/common/WindowState.h"

namespace plat {
namespace common {

int BorderOf(const CWindowCore& w) {
  if (w.parent) return 0;
  return (w.style & (WS_THICKFRAME | WS_DLGFRAME | WS_BORDER)) ? FrameBorder() : 0;
}

int CaptionOf(const CWindowCore& w) {
  if (w.parent) return 0;
  return (w.style & WS_CAPTION) == WS_CAPTION ? CaptionHeight() : 0;
}

POINT ClientOrigin(const CWindowCore& w) {
  const int b = BorderOf(w);
  POINT p{w.rect.left + b, w.rect.top + b + CaptionOf(w)};
  if (const CWindowCore* parent = w.parent ? FindCore(w.parent) : nullptr) {
    const POINT o = ClientOrigin(*parent);
    p.x += o.x;
    p.y += o.y;
  }
  return p;
}

RECT ViewOf(const CWindowCore& w) {
  const POINT o = ClientOrigin(w);
  const int b = BorderOf(w);
  const LONG cx = std::max<LONG>(w.rect.right - w.rect.left - 2 * b, 0);
  const LONG cy = std::max<LONG>(w.rect.bottom - w.rect.top - 2 * b - CaptionOf(w), 0);
  return RECT{o.x, o.y, o.x + cx, o.y + cy};
}

RECT FitPicture(SIZE view, SIZE picture) {
  const bool same = picture.cx == view.cx && picture.cy == view.cy;
  if (same || picture.cx <= 0 || picture.cy <= 0) return RECT{0, 0, picture.cx, picture.cy};
  const double scale = std::min(static_cast<double>(view.cx) / picture.cx, static_cast<double>(view.cy) / picture.cy);
  const LONG w = static_cast<LONG>(std::lround(picture.cx * scale));
  const LONG h = static_cast<LONG>(std::lround(picture.cy * scale));
  const LONG x = (view.cx - w) / 2;
  const LONG y = (view.cy - h) / 2;
  return RECT{x, y, x + w, y + h};
}

POINT ViewToPicture(SIZE view, SIZE picture, POINT p) {
  const RECT r = FitPicture(view, picture);
  const LONG w = r.right - r.left, h = r.bottom - r.top;
  if ((w == picture.cx && h == picture.cy) || w <= 0 || h <= 0) return POINT{p.x - r.left, p.y - r.top};
  return POINT{static_cast<LONG>(std::floor((p.x - r.left) * static_cast<double>(picture.cx) / w)),
               static_cast<LONG>(std::floor((p.y - r.top) * static_cast<double>(picture.cy) / h))};
}

POINT PictureToView(SIZE view, SIZE picture, POINT p) {
  const RECT r = FitPicture(view, picture);
  const LONG w = r.right - r.left, h = r.bottom - r.top;
  if ((w == picture.cx && h == picture.cy) || picture.cx <= 0 || picture.cy <= 0) {
    return POINT{p.x + r.left, p.y + r.top};
  }
  return POINT{r.left + static_cast<LONG>(std::lround(p.x * static_cast<double>(w) / picture.cx)),
               r.top + static_cast<LONG>(std::lround(p.y * static_cast<double>(h) / picture.cy))};
}

void SetFrame(CWindowCore& w, const RECT& frame, bool programSized) {
  w.rect = frame;
  const SIZE before = w.client;
  if (programSized || !ScalesClientArea()) {
    const RECT v = ViewOf(w);
    const bool hidden = w.minimised && !ScalesClientArea();
    w.client = hidden ? SIZE{0, 0} : SIZE{v.right - v.left, v.bottom - v.top};
  }
  // A scaled picture of the same size needs no painting: the device shows it again.
  if (!ScalesClientArea() || w.client.cx != before.cx || w.client.cy != before.cy) w.needsPaint = true;
  PlaceNative(w);
}

void SendSizeAndMove(HWND hwnd) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w) return;
  const SIZE c = w->client;
  const WPARAM kind = w->minimised ? SIZE_MINIMIZED : (w->maximised ? SIZE_MAXIMIZED : SIZE_RESTORED);
  const POINT o = ClientOrigin(*w);
  SendMessage(hwnd, WM_SIZE, kind, w->minimised ? 0 : MAKELPARAM(c.cx, c.cy));
  if (FindCore(hwnd)) SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(o.x, o.y));
}

void PlaceClientArea(CWindowCore& w, const RECT& client) {
  const int b = BorderOf(w);
  const RECT frame{client.left - b, client.top - b - CaptionOf(w), client.right + b, client.bottom + b};
  w.restored = frame;
  w.enabled = (w.style & WS_DISABLED) == 0;
  SetFrame(w, frame, true);
}

void FrameFromDevice(HWND hwnd, const RECT& view) {
  CWindowCore* w = FindCore(hwnd);
  if (!w || w->parent) return;
  const int b = BorderOf(*w);
  const RECT frame{view.left - b, view.top - b - CaptionOf(*w), view.right + b, view.bottom + b};
  if (frame.left == w->rect.left && frame.top == w->rect.top && frame.right == w->rect.right &&
      frame.bottom == w->rect.bottom) {
    return;
  }
  const SIZE before = w->client;
  w->rect = frame;
  if (ScalesClientArea()) return;
  const RECT v = ViewOf(*w);
  w->client = SIZE{v.right - v.left, v.bottom - v.top};
  if (w->client.cx != before.cx || w->client.cy != before.cy) SendSizeAndMove(hwnd);
}

}  // namespace common

using common::CWindowCore;
using common::FindCore;

BOOL GetClientRect(HWND hwnd, RECT* rect) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w || !rect) return FALSE;
  *rect = RECT{0, 0, w->client.cx, w->client.cy};
  return TRUE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w || !rect) return FALSE;
  RECT r = w->rect;
  if (const CWindowCore* p = w->parent ? FindCore(w->parent) : nullptr) {
    const POINT o = common::ClientOrigin(*p);
    r = RECT{r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y};
  }
  *rect = r;
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  CWindowCore* w = FindCore(hwnd);
  if (!w) return FALSE;
  // A top-level window keeps the minimum tracking size it asked for at creation.
  const RECT r{x, y, x + std::max<LONG>(width, w->parent ? 0 : w->minTrack.x),
               y + std::max<LONG>(height, w->parent ? 0 : w->minTrack.y)};
  if (w->minimised || w->maximised) {
    w->restored = r;
    w->minimised = w->maximised = false;
    common::ShowNative(*w);
  }
  common::SetFrame(*w, r, true);
  if (repaint) w->needsPaint = true;
  common::SendSizeAndMove(hwnd);
  return TRUE;
}

// A top-level window's picture may be shown scaled into its frame; child
// windows sit unscaled in their parent's view.
BOOL ScreenToClient(HWND hwnd, POINT* pt) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w || !pt) return FALSE;
  const RECT v = common::ViewOf(*w);
  const POINT in{pt->x - v.left, pt->y - v.top};
  *pt = w->parent ? in : common::ViewToPicture(SIZE{v.right - v.left, v.bottom - v.top}, w->client, in);
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* pt) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w || !pt) return FALSE;
  const RECT v = common::ViewOf(*w);
  const POINT p = w->parent ? *pt : common::PictureToView(SIZE{v.right - v.left, v.bottom - v.top}, w->client, *pt);
  *pt = POINT{p.x + v.left, p.y + v.top};
  return TRUE;
}

BOOL GetCursorPos(POINT* pt) {
  if (!pt) return FALSE;
  *pt = common::PointerPosition();
  return TRUE;
}

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXSCREEN: return common::ScreenSize().cx;
    case SM_CYSCREEN: return common::ScreenSize().cy;
    case SM_CYCAPTION: return common::CaptionHeight();
    case SM_CXFRAME:
    case SM_CYFRAME: return common::FrameBorder();
    default: return 0;
  }
}

}  // namespace plat
