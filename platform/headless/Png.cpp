#include "platform/headless/Png.h"

#include <algorithm>
#include <cstring>

namespace plat::hl {
namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 24));
  out.push_back(static_cast<std::uint8_t>(v >> 16));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}

// Appends without vector::insert, which GCC 12 misreads as an overflow.
void Append(std::vector<std::uint8_t>& out, const std::uint8_t* p, std::size_t n) {
  const std::size_t at = out.size();
  out.resize(at + n);
  if (n) std::memcpy(out.data() + at, p, n);
}

void Chunk(std::vector<std::uint8_t>& out, const char type[4], const std::vector<std::uint8_t>& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(type[i]));
  Append(out, data.data(), data.size());
  Put32(out, Crc32(out.data() + start, out.size() - start));
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
  static std::uint32_t table[256];
  static bool ready = false;
  if (!ready) {
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      table[n] = c;
    }
    ready = true;
  }
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t a = 1, b = 0;
  for (std::size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint32_t* pixels) {
  std::vector<std::uint8_t> out;
  if (width <= 0 || height <= 0 || !pixels) return out;
  static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Append(out, kSignature, sizeof kSignature);

  std::vector<std::uint8_t> ihdr;
  Put32(ihdr, static_cast<std::uint32_t>(width));
  Put32(ihdr, static_cast<std::uint32_t>(height));
  ihdr.push_back(8);  // bit depth
  ihdr.push_back(2);  // colour type: RGB
  ihdr.push_back(0);  // deflate
  ihdr.push_back(0);  // adaptive filtering (every row uses filter 0)
  ihdr.push_back(0);  // no interlace
  Chunk(out, "IHDR", ihdr);

  std::vector<std::uint8_t> raw;
  raw.reserve(static_cast<std::size_t>(height) * (1 + 3 * static_cast<std::size_t>(width)));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      raw.push_back(static_cast<std::uint8_t>(row[x]));
      raw.push_back(static_cast<std::uint8_t>(row[x] >> 8));
      raw.push_back(static_cast<std::uint8_t>(row[x] >> 16));
    }
  }

  std::vector<std::uint8_t> z;
  z.push_back(0x78);  // deflate, 32K window
  z.push_back(0x01);  // no preset dictionary, fastest; (0x7801 % 31 == 0)
  std::size_t pos = 0;
  do {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
    const bool last = pos + n == raw.size();
    z.push_back(last ? 1 : 0);
    z.push_back(static_cast<std::uint8_t>(n));
    z.push_back(static_cast<std::uint8_t>(n >> 8));
    z.push_back(static_cast<std::uint8_t>(~n));
    z.push_back(static_cast<std::uint8_t>(~n >> 8));
    Append(z, raw.data() + pos, n);
    pos += n;
  } while (pos < raw.size());
  Put32(z, Adler32(raw.data(), raw.size()));
  Chunk(out, "IDAT", z);
  Chunk(out, "IEND", {});
  return out;
}

}  // namespace plat::hl
