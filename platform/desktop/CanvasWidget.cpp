#include "platform/desktop/CanvasWidget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QShowEvent>

#include "platform/common/WindowState.h"
#include "platform/desktop/App.h"
#include "platform/desktop/DialogBox.h"
#include "platform/desktop/KeyMap.h"
#include "platform/desktop/MessageQueue.h"
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
  const QRect r = PictureRect();
  const QSize picture = CanvasSize();
  if (r.size() == picture) {
    update(canvasRect.translated(r.topLeft()));
    return;
  }
  const QPoint a = FromPicture(canvasRect.topLeft());
  const QPoint b = FromPicture(canvasRect.bottomRight() + QPoint(1, 1));
  update(QRect(a, b).adjusted(-1, -1, 1, 1));
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
  if (r.size() == w->canvas.size()) {
    // Only the changed rectangles: their bounding box may be the whole window.
    const QRegion changed = event->region();
    for (const QRect& area : changed.intersected(r)) {
      painter.drawImage(area.topLeft(), w->canvas, area.translated(-r.topLeft()));
    }
    for (const QRect& o : changed.subtracted(QRegion(r))) painter.fillRect(o, Qt::black);
    return;
  }
  const QRegion bars = QRegion(rect()).subtracted(QRegion(r));
  for (const QRect& o : bars) painter.fillRect(o, Qt::black);
  painter.drawImage(r, w->canvas);
}

void CCanvasWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  const CWindow* w = Windows().FindAny(m_hwnd);
  if (w && w->kind == WindowKind::kTopLevel) StartupMark("shown");
}

void CCanvasWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = ToPicture(event->position().toPoint());
  PostInput(m_hwnd, WM_MOUSEMOVE, MouseKeyFlags(event->buttons(), event->modifiers()),
            MAKELPARAM(p.x(), p.y()));
}

void CCanvasWidget::PostButton(QMouseEvent* event, bool down) {
  UINT msg = 0;
  if (event->button() == Qt::LeftButton) msg = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
  if (event->button() == Qt::RightButton) msg = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
  if (!msg) return;
  const QPoint p = ToPicture(event->position().toPoint());
  PostInput(m_hwnd, msg, MouseKeyFlags(event->buttons(), event->modifiers()),
                    MAKELPARAM(p.x(), p.y()));
}

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
    if (!DialogKeyPressed(w, vk)) QWidget::keyPressEvent(event);
    return;
  }
  const LPARAM l = 1 | (event->isAutoRepeat() ? KEY_REPEAT_FLAG : 0);
  PostInput(m_hwnd, WM_KEYDOWN, vk, l);
}

void CCanvasWidget::keyReleaseEvent(QKeyEvent* event) {
  const WPARAM vk = VirtualKeyFromQt(event->key());
  CWindow* w = Windows().Find(m_hwnd);
  if (!vk || !w || w->kind == WindowKind::kDialog || event->isAutoRepeat()) {
    QWidget::keyReleaseEvent(event);
    return;
  }
  const LPARAM l = 1 | KEY_REPEAT_FLAG | (LPARAM{1} << 31);
  PostInput(m_hwnd, WM_KEYUP, vk, l);
}

void CCanvasWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (Windows().Find(m_hwnd)) PostInput(m_hwnd, WM_CLOSE, 0, 0);
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

}  // namespace plat::desktop
