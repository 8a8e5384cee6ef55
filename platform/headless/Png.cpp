// Screenshots of the headless device: the client area as a PNG of 8-bit RGB
// rows, unfiltered, in stored (uncompressed) deflate blocks.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/include/plat/headless.h"
#include "platform/include/plat/plat.h"

namespace plat {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  static const auto table = [] {
    std::array<std::uint32_t, 256> t{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(const Bytes& data) {
  std::uint32_t a = 1, b = 0;
  for (const std::uint8_t byte : data) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

void Put32(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Chunk(Bytes& out, const char type[4], const Bytes& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Put32(out, Crc32(out.data() + start, out.size() - start));
}

// The rows as zlib data: deflate with a 32K window and no dictionary
// (0x7801 % 31 == 0), in stored blocks of at most 65535 bytes.
Bytes Stored(const Bytes& raw) {
  Bytes z{0x78, 0x01};
  std::size_t pos = 0;
  do {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - pos);
    z.push_back(pos + n == raw.size() ? 1 : 0);  // the last block
    z.push_back(static_cast<std::uint8_t>(n));
    z.push_back(static_cast<std::uint8_t>(n >> 8));
    z.push_back(static_cast<std::uint8_t>(~n));
    z.push_back(static_cast<std::uint8_t>(~n >> 8));
    z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos), raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
    pos += n;
  } while (pos < raw.size());
  Put32(z, Adler32(raw));
  return z;
}

}  // namespace

BOOL headless::SavePng(HWND hwnd, const char* fileName) {
  RECT client;
  if (!fileName || !GetClientRect(hwnd, &client) || client.right <= 0 || client.bottom <= 0) return FALSE;
  // Each row: filter 0 (none), then red, green and blue of every pixel.
  Bytes raw;
  raw.reserve(static_cast<std::size_t>(client.bottom) * (1 + 3 * static_cast<std::size_t>(client.right)));
  const HDC dc = GetDC(hwnd);
  for (int y = 0; y < client.bottom; ++y) {
    raw.push_back(0);
    for (int x = 0; x < client.right; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      const COLORREF rgb = c == CLR_INVALID ? 0 : c;  // 0x00BBGGRR
      for (const int shift : {0, 8, 16}) raw.push_back(static_cast<std::uint8_t>(rgb >> shift));
    }
  }
  ReleaseDC(hwnd, dc);
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header;
  Put32(header, static_cast<std::uint32_t>(client.right));
  Put32(header, static_cast<std::uint32_t>(client.bottom));
  // 8-bit RGB; compression, filter method and interlace 0.
  for (const std::uint8_t b : {8, 2, 0, 0, 0}) header.push_back(b);
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", Stored(raw));
  Chunk(png, "IEND", {});
  std::FILE* f = OpenFile(fileName, "wb");
  if (!f) return FALSE;
  const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
  return (std::fclose(f) == 0 && ok) ? TRUE : FALSE;
}

}  // namespace plat
