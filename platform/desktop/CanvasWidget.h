// The Qt widget of a top-level window or a dialog: shows the window's
// canvas (what its DC drew), scaled to fit when the window is larger or
// smaller than the picture, and turns input into queued messages.
#pragma once

#include <QWidget>

#include <vector>

#include "platform/include/plat/window.h"

namespace plat::desktop {

struct CWindow;

class CCanvasWidget : public QWidget {
 public:
  CCanvasWidget(HWND hwnd, QWidget* parent, Qt::WindowFlags flags);

  // Where the canvas is shown, in widget coordinates (keeps its aspect).
  QRect PictureRect() const;
  // Widget coordinates to canvas coordinates and back.
  QPoint ToPicture(QPoint widgetPoint) const;
  QPoint FromPicture(QPoint picturePoint) const;
  // Notes a changed canvas area; the areas noted before Qt next handles its
  // events are shown together, in one repaint.
  void CanvasChanged(const QRect& canvasRect);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  QSize CanvasSize() const;
  void PostMouse(QMouseEvent* event, UINT msg);
  void PostButton(QMouseEvent* event, bool down);
  // The widget's place on the screen, for the model.
  void ReportFrame();
  void ShowChanges();
  HWND m_hwnd;
  static constexpr std::size_t kMaxChanged = 256;  // two frames of the screen's rectangles fit well
  std::vector<QRect> m_changed;                    // canvas areas not yet handed to Qt
};

// Gives a top-level window or dialog a canvas (what its DC draws on) of that
// size, keeping what fits and filling the rest with black.
void ResizeCanvas(CWindow* window, QSize size);

}  // namespace plat::desktop
