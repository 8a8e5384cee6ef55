// An independent reader of 8-bit bottom-up bitmap files, for checking what
// the generator wrote.
#pragma once

#include <cstdint>
#include <vector>

struct DecodedBitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // top row first
  std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The loader's transform of a stored picture byte: complement, then rotate
// left by 3.
std::uint8_t UnscrambleByte(std::uint8_t stored);
// 1 when bytes are a whole uncompressed 8-bit bitmap with 256 colours.
int DecodeBitmap(const std::vector<std::uint8_t>& bytes, DecodedBitmap* out);
