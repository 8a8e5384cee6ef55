// The Qt widgets of the built-in controls: they show what the model holds
// and report the user's input on them back to it.
#pragma once

#include <string>
#include <vector>

#include "platform/include/plat/dialog.h"

class QWidget;

namespace plat::desktop {

// The widget of a new control of that kind in parent; a tab control's tabs
// are the QTabBar inside its widget.
QWidget* MakeWidget(HWND hwnd, ControlKind kind, DWORD cstyle, QWidget* parent);
// Shows the model's tabs and selection on a tab control's widget without
// reporting a change.
void ShowTabs(QWidget* tabControl, const std::vector<std::string>& tabs, int current);

}  // namespace plat::desktop
