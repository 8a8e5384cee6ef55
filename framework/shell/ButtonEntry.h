// One row of a game's button table, as the game keeps it in initialised data.
#pragma once

#include <cstddef>
#include <cstdint>

inline constexpr std::int32_t kButtonOpaque = 0;       // drawn opaque
inline constexpr std::int32_t kButtonHitOnly = 1;      // only hit-tested, never drawn
inline constexpr std::int32_t kButtonTransparent = 2;  // drawn with the transparent index

inline constexpr int kButtonStateNormal = 0;
inline constexpr int kButtonStateEnabled = 1;
inline constexpr int kButtonStatePressed = 2;
inline constexpr std::int32_t kNoSource = -1;  // the state has no image

struct ButtonSource {
  std::int32_t x;
  std::int32_t y;
};

struct ButtonEntry {
  std::int32_t kind;
  std::int32_t x;
  std::int32_t y;
  ButtonSource source[3];  // picture positions of the states normal, enabled, pressed
  std::int32_t width;
  std::int32_t height;
  std::int32_t enabled;       // 1: the button may be used
  std::int32_t pressState;    // set by the game's button handler (1 or 2); the shell never reads it
  std::int32_t currentState;  // the state last drawn
};
static_assert(sizeof(ButtonEntry) == 14 * 4);
static_assert(offsetof(ButtonEntry, source) == 12);
static_assert(offsetof(ButtonEntry, width) == 36);
static_assert(offsetof(ButtonEntry, enabled) == 44);
static_assert(offsetof(ButtonEntry, currentState) == 52);
