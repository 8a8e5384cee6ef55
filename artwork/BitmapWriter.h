// Writers of the two picture files the programs load: the scrambled picture
// and the plain hit map, both 8-bit bottom-up bitmaps.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

struct Rgb {
  std::uint8_t r, g, b;
};

// An 8-bit image held top row first, as it is drawn.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height, row y at y * width
  Rgb palette[256] = {};

  void Resize(int w, int h, std::uint8_t fill);
  std::uint8_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The whole file as it is stored unscrambled: file header, 40-byte info
// header, 256 colours, bottom-up rows padded to 4 bytes.
std::vector<std::uint8_t> EncodeBitmap(const IndexedImage& image);

// Stored byte of a plain byte: the loader complements each stored byte and
// rotates it left by 3, so the writer rotates right by 3 and complements.
std::uint8_t ScrambleByte(std::uint8_t plain);

// Answers 1 when the file was written whole, else 0.
int WritePictureFile(const char* path, const IndexedImage& image);  // scrambled
int WriteHitMapFile(const char* path, const IndexedImage& image);   // plain

}  // namespace artwork
