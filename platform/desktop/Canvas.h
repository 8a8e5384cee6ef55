// Where drawing through a window's DC lands: a top-level window or dialog
// draws on its own canvas; a control draws on the canvas of the window it
// sits in, at its place and clipped to it.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

namespace plat::desktop {

struct CWindow;

struct CCanvasArea {
  CWindow* owner = nullptr;  // the window whose canvas it is
  QImage* image = nullptr;
  QPoint origin;             // the drawing window's (0, 0) on the canvas
  QRect clip;                // canvas pixels the window may touch
};

// False when the window has no canvas to draw on (a hidden-for-good widget).
bool CanvasOf(CWindow* window, CCanvasArea* out);
// Shows a changed canvas rectangle on the screen.
void CanvasChanged(const CCanvasArea& area, const QRect& canvasRect);
// Gives a top-level window or dialog a canvas of that size, keeping what fits
// and filling the rest with black.
void ResizeCanvas(CWindow* window, QSize size);

}  // namespace plat::desktop
