// The program's pseudo-random numbers: one generator, seeded once per run.
#pragma once

#include <cstdint>

inline constexpr int kRandomMax = 32767;

// Seeds the generator with the tick count times the calendar time in
// seconds (32-bit product).
void SeedRandom();
// Seeds the generator with a given value (tests and simulations replay a run).
void SeedRandomWith(std::uint32_t seed);
// The next value, 0..kRandomMax.
int RandomNumber();
