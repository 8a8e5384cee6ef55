// Device contexts: a window's own, or one that paints an owner-drawn item
// straight through a Qt painter.
#pragma once

#include <QPainter>

#include <optional>

#include "platform/desktop/Canvas.h"
#include "platform/include/plat/gdi.h"
#include "platform/include/plat/window.h"

namespace plat::desktop {

struct CWindow;

struct CDeviceContext {
  HWND window = nullptr;        // the window whose client area this DC draws
  QPainter* painter = nullptr;  // item DCs: paints into the item instead of a canvas
  QRect painterClip;            // item DCs: the item's area in DC coordinates
  HPALETTE palette = nullptr;
  HFONT font = nullptr;
  COLORREF textColour = 0;
  COLORREF bkColour = 0;
  int bkMode = OPAQUE;
};

// A window's DC lives as long as the window.
HDC CreateWindowDc(HWND window);
// A DC for WM_DRAWITEM: its (0, 0) is the control's, clipped to the item.
HDC CreatePainterDc(HWND control, QPainter* painter, const QRect& clip);
void DestroyDc(HDC hdc);
CDeviceContext* FindDc(HDC hdc);

// Draws through a DC in its window's client coordinates; shows what was
// touched when it goes out of scope.
class CDcPainter {
 public:
  explicit CDcPainter(HDC hdc);
  ~CDcPainter();
  CDcPainter(const CDcPainter&) = delete;
  CDcPainter& operator=(const CDcPainter&) = delete;
  bool Ok() const { return m_painter != nullptr; }
  QPainter& Painter() { return *m_painter; }
  CDeviceContext& Dc() { return *m_dc; }
  // Records a drawn rectangle (DC coordinates).
  void Touched(const QRect& rect) { m_touched = m_touched.united(rect); }

 private:
  CDeviceContext* m_dc = nullptr;
  CCanvasArea m_area;
  std::optional<QPainter> m_own;
  QPainter* m_painter = nullptr;
  QRect m_touched;
};

}  // namespace plat::desktop
