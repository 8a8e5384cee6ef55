// What a backend supplies of its input to the Windows model.
#pragma once

#include "platform/common/MessageQueue.h"

namespace plat::common {

// Whether shift, control and alt are held as the program sees its input now.
bool ShiftHeld();
bool ControlHeld();
bool AltHeld();

}  // namespace plat::common
