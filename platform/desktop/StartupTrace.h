// Marks of a program's start for the start-up benchmark: when
// CASINO_STARTUP_TRACE names a file, each first mark of a phase appends
// "<monotonic microseconds> <pid> <phase>" to it; otherwise marks cost a test.
#pragma once

namespace plat::desktop {

void StartupMark(const char* phase);

}  // namespace plat::desktop
