#include "framework/shell/Random.h"

#include "platform/include/plat/time.h"

namespace {
std::uint32_t g_randomState = 1;
}

void SeedRandom() {
  SeedRandomWith(plat::GetTickCount() * static_cast<std::uint32_t>(plat::GetCalendarTime()));
}

void SeedRandomWith(std::uint32_t seed) { g_randomState = seed; }

// The portable generator of the C standard's example: the same sequence on
// every host, always within 0..32767.
int RandomNumber() {
  g_randomState = g_randomState * 1103515245u + 12345u;
  return static_cast<int>((g_randomState / 65536u) % 32768u);
}
