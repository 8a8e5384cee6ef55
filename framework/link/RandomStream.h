// One pseudo-random stream: the portable generator of the C standard's
// example, so every host draws the same sequence from the same state.
#pragma once

#include <cstdint>

inline constexpr int kRandomMax = 32767;

struct CRandomStream {
  std::uint32_t state = 1;

  // The next value, 0..kRandomMax.
  int Next() {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state / 65536u) % 32768u);
  }
};
