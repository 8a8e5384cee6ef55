// The Video Poker program's picture, hit map, sounds and help page. Every
// place comes from the program's own tables (mz/VideoPokerLayout.h,
// mz/VideoPokerButtons.h, mz/VideoPokerFiles.h); only the look is decided here.
#pragma once

#include "artwork/Sheet.h"

namespace mz::art {

inline constexpr char kProgram[] = "videopoker";

const artwork::Sheet& VideoPokerSheet();

}  // namespace mz::art
