// Shapes fuzz input for a file reader. Bit 0 of the first byte set: the rest
// is the file as it is. Clear: the rest is XORed over a valid file, which is
// cut to the rest's length when bit 1 is set; so near-valid files are tried
// from an empty corpus as well as garbage.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "artwork/BitmapWriter.h"

inline std::vector<std::uint8_t> ShapeInput(const std::uint8_t* data, std::size_t size,
                                            const std::vector<std::uint8_t>& valid) {
  if (size == 0) return valid;
  const std::uint8_t mode = data[0];
  const std::uint8_t* rest = data + 1;
  const std::size_t count = size - 1;
  if (mode & 1) return std::vector<std::uint8_t>(rest, rest + count);
  std::vector<std::uint8_t> out = valid;
  if (count > out.size() || (mode & 2)) out.resize(count, 0);
  for (std::size_t i = 0; i < count; ++i) out[i] ^= rest[i];
  return out;
}

// A small valid picture to mutate: 5 x 3 pixels, 256 colours, plain bytes.
inline std::vector<std::uint8_t> SmallPlainBitmap() {
  artwork::IndexedImage image;
  image.Resize(5, 3, 1);
  image.At(4, 2) = 200;
  for (int i = 0; i < 256; ++i) {
    image.palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i),
                        static_cast<std::uint8_t>(255 - i)};
  }
  return artwork::EncodeBitmap(image);
}
