// The Slot program's picture, hit map, sounds and help page. Every place
// comes from the program's own tables (jb/SlotLayout.h, jb/SlotButtons.h,
// jb/SlotFiles.h, jb/SlotRules.h); only the look is decided here.
#pragma once

#include "artwork/Sheet.h"

namespace jb::art {

inline constexpr char kProgram[] = "slot";

const artwork::Sheet& SlotSheet();

}  // namespace jb::art
