// What the backend knows about the desktop it runs on.
#pragma once

#include <QRect>

namespace plat::desktop {

// Without a window manager (a bare X server) maximising is done by hand.
bool WindowManagerRunning();
QRect ScreenGeometry();
QRect AvailableGeometry();

// The nominal frame the metrics report; the window manager draws its own.
inline constexpr int kFrameWidth = 4;
inline constexpr int kCaptionHeight = 23;

}  // namespace plat::desktop
