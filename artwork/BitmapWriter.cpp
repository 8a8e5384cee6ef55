#include "artwork/BitmapWriter.h"

#include "artwork/FileBytes.h"

namespace artwork {

void IndexedImage::Resize(int w, int h, std::uint8_t fill) {
  width = w;
  height = h;
  pixels.assign(static_cast<std::size_t>(w) * h, fill);
}

std::vector<std::uint8_t> EncodeBitmap(const IndexedImage& image) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) + 3) & ~3u;
  const std::uint32_t bitsSize = stride * static_cast<std::uint32_t>(image.height);
  const std::uint32_t offBits = 14 + 40 + 256 * 4;
  std::vector<std::uint8_t> out;
  out.reserve(offBits + bitsSize);
  PutLe16(out, 0x4D42);
  PutLe32(out, offBits + bitsSize);
  PutLe32(out, 0);
  PutLe32(out, offBits);
  PutLe32(out, 40);
  PutLe32(out, static_cast<std::uint32_t>(image.width));
  PutLe32(out, static_cast<std::uint32_t>(image.height));
  PutLe16(out, 1);
  PutLe16(out, 8);
  PutLe32(out, 0);         // no compression
  PutLe32(out, bitsSize);
  PutLe32(out, 2835);      // 72 dpi
  PutLe32(out, 2835);
  PutLe32(out, 256);
  PutLe32(out, 0);
  for (const Rgb& c : image.palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  for (int row = image.height - 1; row >= 0; --row) {
    const std::uint8_t* src = image.pixels.data() + static_cast<std::size_t>(row) * image.width;
    out.insert(out.end(), src, src + image.width);
    out.insert(out.end(), stride - static_cast<std::uint32_t>(image.width), 0);
  }
  return out;
}

std::uint8_t ScrambleByte(std::uint8_t plain) {
  const std::uint8_t rotated = static_cast<std::uint8_t>((plain >> 3) | (plain << 5));
  return static_cast<std::uint8_t>(~rotated);
}

int WritePictureFile(const char* path, const IndexedImage& image) {
  std::vector<std::uint8_t> bytes = EncodeBitmap(image);
  for (std::uint8_t& b : bytes) b = ScrambleByte(b);
  return WriteFileBytes(path, bytes);
}

int WriteHitMapFile(const char* path, const IndexedImage& image) {
  return WriteFileBytes(path, EncodeBitmap(image));
}

}  // namespace artwork
