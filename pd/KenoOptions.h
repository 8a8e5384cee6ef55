// "Keno.cfg": the New Game button and the bowl animation, one 4-byte item.
#pragma once

#include <cstdint>

namespace pd {

struct KenoOptions {
  std::uint8_t newGameButton;  // 1: a game ends on New Game; 0: on any key or click
  std::uint8_t bowl;           // 1: the bowl turns
  std::uint8_t unused[2];
};
static_assert(sizeof(KenoOptions) == 4, "the settings file holds one 4-byte item");
inline constexpr KenoOptions kDefaultKenoOptions = {1, 1, {0, 0}};
extern KenoOptions gKenoOptions;

}  // namespace pd
