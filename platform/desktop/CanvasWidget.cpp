#include "platform/desktop/CanvasWidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QShowEvent>

#include "platform/common/Controls.h"
#include "platform/common/MessageLoop.h"
#include "platform/common/WindowState.h"
#include "platform/desktop/App.h"
#include "platform/desktop/ChangedRegion.h"
#include "platform/desktop/KeyMap.h"
#include "platform/desktop/Pump.h"
#include "platform/desktop/StartupTrace.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {

CCanvasWidget::CCanvasWidget(HWND hwnd, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_hwnd(hwnd) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

QSize CCanvasWidget::CanvasSize() const {
  CWindow* w = Windows().FindAny(m_hwnd);
  return w && !w->canvas.isNull() ? w->canvas.size() : size();
}

namespace {

SIZE ToSize(QSize s) { return SIZE{s.width(), s.height()}; }

}  // namespace

QRect CCanvasWidget::PictureRect() const {
  const RECT r = common::FitPicture(ToSize(size()), ToSize(CanvasSize()));
  return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

QPoint CCanvasWidget::ToPicture(QPoint p) const {
  const POINT q = common::ViewToPicture(ToSize(size()), ToSize(CanvasSize()), POINT{p.x(), p.y()});
  return QPoint(q.x, q.y);
}

QPoint CCanvasWidget::FromPicture(QPoint p) const {
  const POINT q = common::PictureToView(ToSize(size()), ToSize(CanvasSize()), POINT{p.x(), p.y()});
  return QPoint(q.x, q.y);
}

void CCanvasWidget::CanvasChanged(const QRect& canvasRect) {
  // A frame sends its rectangles one by one, and Qt would merge each into its
  // dirty region as it comes; they wait for Qt's next pass over its events
  // and are repainted there together (repaint, not update: in that pass).
  if (m_changed.empty()) QMetaObject::invokeMethod(this, [this] { ShowChanges(); }, Qt::QueuedConnection);
  if (m_changed.size() < kMaxChanged) {
    m_changed.push_back(canvasRect);
    return;
  }
  // Drawing that long without a pass over the events: one box is cheaper than merging them.
  QRect box = canvasRect;
  for (const QRect& changed : m_changed) box = box.united(changed);
  m_changed.assign(1, box);
}

void CCanvasWidget::ShowChanges() {
  const QRect r = PictureRect();
  if (r.size() != CanvasSize()) {
    for (QRect& changed : m_changed) {
      const QPoint a = FromPicture(changed.topLeft());
      const QPoint b = FromPicture(changed.bottomRight() + QPoint(1, 1));
      changed = QRect(a, b).adjusted(-1, -1, 1, 1);
    }
  } else {
    for (QRect& changed : m_changed) changed.translate(r.topLeft());
  }
  const QRegion region = ChangedRegion(&m_changed);
  m_changed.clear();
  repaint(region);
}

void CCanvasWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  CWindow* w = Windows().FindAny(m_hwnd);
  if (!w || w->canvas.isNull()) {
    painter.fillRect(event->rect(), Qt::black);
    return;
  }
  if (w->kind == WindowKind::kTopLevel) StartupMark("painted");
  const QRect r = PictureRect();
  // Only the changed rectangles: their bounding box may be the whole window.
  const QRegion changed = event->region();
  for (const QRect& o : changed.subtracted(QRegion(r))) painter.fillRect(o, Qt::black);
  if (r.size() == w->canvas.size()) {
    for (const QRect& area : changed.intersected(r)) {
      painter.drawImage(area.topLeft(), w->canvas, area.translated(-r.topLeft()));
    }
    return;
  }
  // Scaled: each area from the canvas pixels that land in it (one more on
  // every side for the sampling at its edges), placed as the whole picture
  // would place them: what spills over is the same pixels or is clipped.
  const double kx = static_cast<double>(r.width()) / w->canvas.width();
  const double ky = static_cast<double>(r.height()) / w->canvas.height();
  for (const QRect& area : changed.intersected(r)) {
    const QRect source = QRect(ToPicture(area.topLeft()), ToPicture(area.bottomRight()))
                             .adjusted(-1, -1, 1, 1)
                             .intersected(w->canvas.rect());
    const QRectF target(r.x() + source.x() * kx, r.y() + source.y() * ky, source.width() * kx, source.height() * ky);
    painter.drawImage(target, w->canvas, source);
  }
}

void CCanvasWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  const CWindow* w = Windows().FindAny(m_hwnd);
  if (w && w->kind == WindowKind::kTopLevel) StartupMark("shown");
}

void CCanvasWidget::PostMouse(QMouseEvent* event, UINT msg) {
  const QPoint p = ToPicture(event->position().toPoint());
  common::PostInput(m_hwnd, msg, MouseKeyFlags(event->buttons(), event->modifiers()), MAKELPARAM(p.x(), p.y()));
}

void CCanvasWidget::PostButton(QMouseEvent* event, bool down) {
  if (event->button() == Qt::LeftButton) PostMouse(event, down ? WM_LBUTTONDOWN : WM_LBUTTONUP);
  if (event->button() == Qt::RightButton) PostMouse(event, down ? WM_RBUTTONDOWN : WM_RBUTTONUP);
}

void CCanvasWidget::mouseMoveEvent(QMouseEvent* event) { PostMouse(event, WM_MOUSEMOVE); }
void CCanvasWidget::mousePressEvent(QMouseEvent* event) { PostButton(event, true); }
void CCanvasWidget::mouseReleaseEvent(QMouseEvent* event) { PostButton(event, false); }
// Windows without double-click styles see a second press.
void CCanvasWidget::mouseDoubleClickEvent(QMouseEvent* event) { PostButton(event, true); }

void CCanvasWidget::keyPressEvent(QKeyEvent* event) {
  const WPARAM vk = VirtualKeyFromQt(event->key());
  CWindow* w = Windows().Find(m_hwnd);
  if (!vk || !w) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (w->kind == WindowKind::kDialog) {
    CQtEntry entry;
    if (!common::DialogKeyPressed(m_hwnd, vk)) QWidget::keyPressEvent(event);
    return;
  }
  common::PostInput(m_hwnd, WM_KEYDOWN, vk, common::KeyLParam(true, event->isAutoRepeat()));
}

void CCanvasWidget::keyReleaseEvent(QKeyEvent* event) {
  const WPARAM vk = VirtualKeyFromQt(event->key());
  CWindow* w = Windows().Find(m_hwnd);
  if (!vk || !w || w->kind == WindowKind::kDialog || event->isAutoRepeat()) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  common::PostInput(m_hwnd, WM_KEYUP, vk, common::KeyLParam(false, false));
}

void CCanvasWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (Windows().Find(m_hwnd)) common::PostInput(m_hwnd, WM_CLOSE, 0, 0);
}

// What the user or a window manager does to the window reaches the model.
void CCanvasWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  CWindow* w = Windows().Find(m_hwnd);
  if (!w) return;
  CQtEntry entry;
  if (event->type() == QEvent::WindowStateChange) {
    // Without a window manager maximising is the model's alone.
    const bool maximised = WindowManagerRunning() ? isMaximized() : w->maximised;
    common::StateFromDevice(m_hwnd, isMinimized(), maximised);
  } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    common::ActivatedByDevice(m_hwnd, WindowOfWidget(QApplication::focusWidget()));
  }
}

void CCanvasWidget::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  ReportFrame();
}

void CCanvasWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  ReportFrame();
}

void CCanvasWidget::ReportFrame() {
  if (!isWindow() || !Windows().Find(m_hwnd)) return;
  CQtEntry entry;
  const QRect g = geometry();
  common::FrameFromDevice(m_hwnd, RECT{g.x(), g.y(), g.x() + g.width(), g.y() + g.height()});
}

bool CCanvasWidget::focusNextPrevChild(bool next) {
  CWindow* w = Windows().Find(m_hwnd);
  if (w && w->kind == WindowKind::kTopLevel && w->children.empty()) return false;  // Tab is a key
  return QWidget::focusNextPrevChild(next);
}

void ResizeCanvas(CWindow* window, QSize size) {
  size = size.expandedTo(QSize(1, 1));
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
