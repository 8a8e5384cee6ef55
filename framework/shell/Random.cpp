#include "framework/shell/Random.h"

#include "framework/link/ServerRandom.h"
#include "platform/include/plat/time.h"

namespace {
CRandomStream g_clientStream;
}

void SeedRandom() {
  SeedRandomWith(plat::GetTickCount() * static_cast<std::uint32_t>(plat::GetCalendarTime()));
}

// The server's stream starts elsewhere in the sequence, so the client's
// draws never mirror the server's.
void SeedRandomWith(std::uint32_t seed) {
  g_clientStream.state = seed;
  SeedServerRandom(~seed * 2654435761u);
}

int RandomNumber() { return g_clientStream.Next(); }
