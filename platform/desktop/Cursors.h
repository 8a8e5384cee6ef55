// Showing the current cursor on a widget.
#pragma once

class QWidget;

namespace plat::desktop {

// The cursor last set applies to new top-level windows too.
void ApplyCurrentCursor(QWidget* widget);

}  // namespace plat::desktop
