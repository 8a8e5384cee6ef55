// Frames, client areas and the mapping between client and screen points.
#include <algorithm>
#include <cmath>

#include "platform/common/Device.h"
#include "platform/common/WindowState.h"

namespace plat {
namespace common {
namespace {

// The outer frame of a top-level window whose client area covers view.
RECT FrameAround(const CWindowCore& w, const RECT& view) {
  const int b = BorderOf(w);
  return RECT{view.left - b, view.top - b - CaptionOf(w), view.right + b, view.bottom + b};
}

// Where the coordinates of the window's frame start: its parent's client area, or the screen.
POINT FrameOrigin(const CWindowCore& w) {
  const CWindowCore* parent = FindCore(w.parent);
  return parent ? ClientOrigin(*parent) : POINT{0, 0};
}

}  // namespace

int BorderOf(const CWindowCore& w) {
  if (w.parent) return 0;
  return (w.style & (WS_THICKFRAME | WS_DLGFRAME | WS_BORDER)) ? FrameBorder() : 0;
}

int CaptionOf(const CWindowCore& w) {
  if (w.parent) return 0;
  return (w.style & WS_CAPTION) == WS_CAPTION ? CaptionHeight() : 0;
}

POINT ClientOrigin(const CWindowCore& w) {
  const POINT o = FrameOrigin(w);
  const int b = BorderOf(w);
  return POINT{o.x + w.rect.left + b, o.y + w.rect.top + b + CaptionOf(w)};
}

RECT ViewOf(const CWindowCore& w) {
  const POINT o = ClientOrigin(w);
  const int b = BorderOf(w);
  const LONG cx = std::max<LONG>(w.rect.right - w.rect.left - 2 * b, 0);
  const LONG cy = std::max<LONG>(w.rect.bottom - w.rect.top - 2 * b - CaptionOf(w), 0);
  return RECT{o.x, o.y, o.x + cx, o.y + cy};
}

RECT FitPicture(SIZE view, SIZE picture) {
  if (picture.cx <= 0 || picture.cy <= 0) return RECT{0, 0, picture.cx, picture.cy};
  const double scale = std::min(static_cast<double>(view.cx) / picture.cx, static_cast<double>(view.cy) / picture.cy);
  const LONG w = static_cast<LONG>(std::lround(picture.cx * scale));
  const LONG h = static_cast<LONG>(std::lround(picture.cy * scale));
  const LONG x = (view.cx - w) / 2;
  const LONG y = (view.cy - h) / 2;
  return RECT{x, y, x + w, y + h};
}

POINT ViewToPicture(SIZE view, SIZE picture, POINT p) {
  const RECT r = FitPicture(view, picture);
  const SIZE shown = SizeOf(r);
  if (shown.cx <= 0 || shown.cy <= 0) return POINT{p.x - r.left, p.y - r.top};
  return POINT{static_cast<LONG>(std::floor((p.x - r.left) * static_cast<double>(picture.cx) / shown.cx)),
               static_cast<LONG>(std::floor((p.y - r.top) * static_cast<double>(picture.cy) / shown.cy))};
}

POINT PictureToView(SIZE view, SIZE picture, POINT p) {
  const RECT r = FitPicture(view, picture);
  if (picture.cx <= 0 || picture.cy <= 0) return POINT{p.x + r.left, p.y + r.top};
  return POINT{r.left + static_cast<LONG>(std::lround(p.x * static_cast<double>(r.right - r.left) / picture.cx)),
               r.top + static_cast<LONG>(std::lround(p.y * static_cast<double>(r.bottom - r.top) / picture.cy))};
}

void SetFrame(CWindowCore& w, const RECT& frame, bool programSized) {
  w.rect = frame;
  const SIZE before = w.client;
  if (programSized || !ScalesClientArea()) {
    w.client = w.minimised && !ScalesClientArea() ? SIZE{0, 0} : SizeOf(ViewOf(w));
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

void FrameFromDevice(HWND hwnd, const RECT& view) {
  CWindowCore* w = FindCore(hwnd);
  if (w && !w->parent) w->rect = FrameAround(*w, view);
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
  const POINT o = common::FrameOrigin(*w);
  *rect = RECT{w->rect.left + o.x, w->rect.top + o.y, w->rect.right + o.x, w->rect.bottom + o.y};
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
  CWindowCore* w = FindCore(hwnd);
  if (!w) return FALSE;
  // A top-level window keeps the minimum tracking size it asked for at creation.
  const RECT r{x, y, x + std::max<LONG>(width, w->minTrack.x), y + std::max<LONG>(height, w->minTrack.y)};
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
  *pt = w->parent ? in : common::ViewToPicture(common::SizeOf(v), w->client, in);
  return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* pt) {
  const CWindowCore* w = FindCore(hwnd);
  if (!w || !pt) return FALSE;
  const RECT v = common::ViewOf(*w);
  const POINT p = w->parent ? *pt : common::PictureToView(common::SizeOf(v), w->client, *pt);
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
