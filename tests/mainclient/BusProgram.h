// What the scripted bus program hands the main client, for the test to find
// in the saved game.
#pragma once

#include <cstdint>

// The server's random stream at the program's save point.
inline constexpr std::uint32_t kBusRandomState = 20261209u;
