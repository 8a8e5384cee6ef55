#include "tests/artwork/BmpReader.h"

namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

}  // namespace

std::uint8_t UnscrambleByte(std::uint8_t stored) {
  const std::uint8_t inverted = static_cast<std::uint8_t>(~stored);
  return static_cast<std::uint8_t>((inverted << 3) | (inverted >> 5));
}

int DecodeBitmap(const std::vector<std::uint8_t>& b, DecodedBitmap* out) {
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return 0;
  const std::uint32_t fileSize = Le(b, 2, 4);
  const std::uint32_t offBits = Le(b, 10, 4);
  if (fileSize != b.size() || Le(b, 14, 4) != 40 || Le(b, 26, 2) != 1 || Le(b, 28, 2) != 8 || Le(b, 30, 4) != 0) {
    return 0;
  }
  const int width = static_cast<int>(Le(b, 18, 4));
  const int height = static_cast<int>(Le(b, 22, 4));
  const std::uint32_t stride = (static_cast<std::uint32_t>(width) + 3) & ~3u;
  if (width <= 0 || height <= 0 || offBits != 54 + 1024 || fileSize - offBits != stride * height) return 0;
  out->width = width;
  out->height = height;
  out->pixels.resize(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const std::size_t row = offBits + stride * static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) out->pixels[static_cast<std::size_t>(y) * width + x] = b[row + x];
  }
  return 1;
}
