// The Qt widgets of the built-in controls: they show what the model holds
// and report the user's input on them back to it.
#pragma once

#include <QTabBar>
#include <QWidget>

#include <string>
#include <vector>

#include "platform/include/plat/dialog.h"

namespace plat::desktop {

// The widget of a new control of that kind in parent.
QWidget* MakeWidget(HWND hwnd, ControlKind kind, DWORD cstyle, QWidget* parent);

// A tab control: the tabs on top and a frame around the page area, whose
// inside stays transparent so the dialog's painting shows through.
class CTabControlWidget : public QWidget {
 public:
  CTabControlWidget(HWND hwnd, QWidget* parent);
  QTabBar* Bar() { return m_bar; }
  // Shows the model's tabs and selection without reporting a change.
  void Show(const std::vector<std::string>& tabs, int current);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  HWND m_hwnd;
  QTabBar* m_bar;
};

}  // namespace plat::desktop
