#include "platform/desktop/Canvas.h"

#include <QPainter>
#include <QWidget>

#include "platform/desktop/CanvasWidget.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {

bool CanvasOf(CWindow* window, CCanvasArea* out) {
  if (!window) return false;
  QPoint origin(0, 0);
  CWindow* w = window;
  while (w && w->kind == WindowKind::kControl) {
    if (w->widget) origin += w->widget->pos();
    w = Windows().Find(w->parent);
  }
  if (!w || w->canvas.isNull()) return false;
  out->owner = w;
  out->image = &w->canvas;
  out->origin = origin;
  out->clip = w->canvas.rect();
  if (window != w && window->widget) {
    out->clip = out->clip.intersected(QRect(origin, window->widget->size()));
  }
  return true;
}

void CanvasChanged(const CCanvasArea& area, const QRect& canvasRect) {
  if (!area.owner || !area.owner->widget) return;
  const QRect r = canvasRect.intersected(area.clip);
  if (r.isEmpty()) return;
  if (area.owner->kind == WindowKind::kTopLevel || area.owner->kind == WindowKind::kDialog) {
    static_cast<CCanvasWidget*>(area.owner->widget)->CanvasChanged(r);
  }
}

void ResizeCanvas(CWindow* window, QSize size) {
  if (size.width() < 1) size.setWidth(1);
  if (size.height() < 1) size.setHeight(1);
  if (window->canvas.size() == size) return;
  QImage canvas(size, QImage::Format_RGB32);
  canvas.fill(Qt::black);
  if (!window->canvas.isNull()) {
    QPainter p(&canvas);
    p.drawImage(0, 0, window->canvas);
  }
  window->canvas = std::move(canvas);
}

}  // namespace plat::desktop
