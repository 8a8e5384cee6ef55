// The program's pseudo-random numbers: one generator for the client's own
// use (animations, throws), seeded once per run together with the game
// server's stream (framework/link/ServerRandom.h).
#pragma once

#include <cstdint>

#include "framework/link/RandomStream.h"

// Seeds both generators from the tick count times the calendar time in
// seconds (32-bit product).
void SeedRandom();
// Seeds both generators from a given value (tests and simulations replay a run).
void SeedRandomWith(std::uint32_t seed);
// The next value of the client's generator, 0..kRandomMax.
int RandomNumber();
