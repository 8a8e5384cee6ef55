// The built-in control classes by name, for both backends.
#pragma once

#include "platform/include/plat/dialog.h"

namespace plat::common {

// The class a control of that kind belongs to ("BUTTON", "STATIC", ...).
const char* ControlClassName(ControlKind kind);
// The kind a CreateWindow of a built-in class makes (a button's style picks
// check box, radio button, group box or default button); false for any
// other class name. Names are compared ignoring case.
bool ControlKindOfClass(const char* className, DWORD style, ControlKind* kind);

}  // namespace plat::common
