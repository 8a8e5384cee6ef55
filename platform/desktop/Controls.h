// Controls (the built-in classes) shown as Qt widgets: the model in
// common/Controls.cpp holds their state, the widgets show it and report
// the user's input on them back to it.
#pragma once

#include "platform/include/plat/window.h"

namespace plat::desktop {

struct CWindow;

// Applies the font the control was given with WM_SETFONT to its widget.
void SetControlFont(CWindow* control, HFONT font);

}  // namespace plat::desktop
