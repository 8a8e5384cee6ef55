// A minimal PNG writer: 8-bit RGB, no filtering, stored (uncompressed)
// deflate blocks.
#pragma once

#include <cstdint>
#include <vector>

namespace plat::hl {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);
// pixels: width x height COLORREF values (0x00BBGGRR), top row first. Empty when a side is 0.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint32_t* pixels);

}  // namespace plat::hl
