// Qt keys and buttons in the system's terms.
#pragma once

#include <Qt>

#include "platform/include/plat/window.h"

namespace plat::desktop {

// The virtual key of a Qt key, 0 for keys the programs never see. Digits
// typed with shift (US layout) and keypad digits answer the digit key.
WPARAM VirtualKeyFromQt(int qtKey);
// MK_* flags of the buttons and modifiers held.
WPARAM MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

}  // namespace plat::desktop
