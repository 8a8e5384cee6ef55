#include "framework/sound/Dib.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/include/plat/gdi.h"
#include "platform/include/plat/system.h"

using plat::BITMAPFILEHEADER;
using plat::BITMAPINFO;
using plat::BITMAPINFOHEADER;
using plat::BYTE;

namespace {

constexpr std::uint64_t kFileHeaderBytes = sizeof(BITMAPFILEHEADER);
constexpr std::uint64_t kInfoHeaderBytes = sizeof(BITMAPINFOHEADER);
constexpr plat::WORD kBitmapType = 0x4D42;  // "BM"

std::size_t StrideOf(int width) {
  return (static_cast<std::size_t>(width) + 3) & ~static_cast<std::size_t>(3);
}

void Unscramble(BYTE* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) bytes[i] = UnscrambleByte(bytes[i]);
}

bool ReadAt(std::FILE* file, std::uint64_t offset, void* out, std::size_t count) {
  if (offset > static_cast<std::uint64_t>(LONG_MAX)) return false;
  if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return false;
  return std::fread(out, 1, count, file) == count;
}

// -1 when the stream cannot tell.
long FileLength(std::FILE* file) {
  if (std::fseek(file, 0, SEEK_END) != 0) return -1;
  return std::ftell(file);
}

// One row of a transparent blit, eight pixels to a step: sprites and the
// ticker are drawn every frame. A byte's top bit in `differs` is set where
// the source is not the key: its low seven bits plus 0x7F carry into it, or
// it was set already; no sum reaches the next byte.
void CopyKeyed(BYTE* dst, const BYTE* src, int width, BYTE key) {
  constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7FULL;
  const std::uint64_t keys = 0x0101010101010101ULL * key;
  int i = 0;
  for (; i + 8 <= width; i += 8) {
    std::uint64_t s;
    std::uint64_t d;
    std::memcpy(&s, src + i, 8);
    std::memcpy(&d, dst + i, 8);
    const std::uint64_t x = s ^ keys;
    const std::uint64_t differs = (((x & kLowBits) + kLowBits) | x) & ~kLowBits;
    const std::uint64_t take = (differs >> 7) * 0xFF;
    d = (s & take) | (d & ~take);
    std::memcpy(dst + i, &d, 8);
  }
  for (; i < width; ++i) {
    if (src[i] != key) dst[i] = src[i];
  }
}

}  // namespace

CDib::~CDib() { Free(); }

void CDib::Free() {
  std::free(info);
  if (ownsBits) std::free(bits);
  info = nullptr;
  bits = nullptr;
  ownsBits = 1;
  clipLeft = clipTop = clipRight = clipBottom = 0;
}

void CDib::Install(BITMAPINFO* newInfo, BYTE* newBits) {
  Free();
  info = newInfo;
  bits = newBits;
  ownsBits = 1;
  SetClip(0, 0, Width(), Height());
}

int CDib::Create(int width, int height) {
  Free();
  if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide) return 0;
  auto* newInfo = static_cast<BITMAPINFO*>(std::calloc(1, sizeof(BITMAPINFO)));
  auto* newBits = static_cast<BYTE*>(std::calloc(StrideOf(width) * height, 1));
  if (!newInfo || !newBits) {
    std::free(newInfo);
    std::free(newBits);
    return 0;
  }
  BITMAPINFOHEADER& h = newInfo->bmiHeader;
  h.biSize = kInfoHeaderBytes;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = kBitsPerPixel;
  for (int i = 0; i < 256; ++i) {
    const BYTE grey = static_cast<BYTE>(i);
    newInfo->bmiColors[i] = {grey, grey, grey, 0};
  }
  Install(newInfo, newBits);
  return 1;
}

int CDib::LoadFile(const char* name) {
  std::FILE* file = plat::OpenFile(name, "rb");
  if (!file) return 0;
  const int ok = Read(file);
  std::fclose(file);
  return ok;
}

int CDib::Read(std::FILE* file) {
  if (!file) return 0;
  const long length = FileLength(file);
  if (length < static_cast<long>(kFileHeaderBytes + kInfoHeaderBytes)) return 0;
  const std::uint64_t fileLength = static_cast<std::uint64_t>(length);

  BYTE head[kFileHeaderBytes + kInfoHeaderBytes];
  if (!ReadAt(file, 0, head, sizeof head)) return 0;
  Unscramble(head, sizeof head);
  BITMAPFILEHEADER fileHeader;
  BITMAPINFOHEADER header;
  std::memcpy(&fileHeader, head, kFileHeaderBytes);
  std::memcpy(&header, head + kFileHeaderBytes, kInfoHeaderBytes);

  if (fileHeader.bfType != kBitmapType || !IsInfoHeader(header)) return 0;
  if (header.biSize < kInfoHeaderBytes || header.biSize > fileLength - kFileHeaderBytes) return 0;
  if (header.biBitCount != kBitsPerPixel || header.biCompression != plat::BI_RGB) return 0;
  if (header.biWidth < 1 || header.biWidth > kMaxSide) return 0;
  if (header.biHeight < 1 || header.biHeight > kMaxSide) return 0;
  const int colours = NumColorsOf(header);
  if (colours > 256) return 0;
  // A longer header (a later version) keeps its colour table behind it.
  const std::uint64_t tableAt = kFileHeaderBytes + header.biSize;
  const std::uint64_t tableBytes = static_cast<std::uint64_t>(colours) * sizeof(plat::RGBQUAD);
  if (fileHeader.bfSize > fileLength || fileHeader.bfOffBits > fileHeader.bfSize ||
      fileHeader.bfOffBits < tableAt + tableBytes) {
    return 0;
  }
  const std::size_t bitsBytes = StrideOf(header.biWidth) * header.biHeight;
  if (fileHeader.bfSize - fileHeader.bfOffBits < bitsBytes) return 0;

  auto* newInfo = static_cast<BITMAPINFO*>(std::calloc(1, sizeof(BITMAPINFO)));
  auto* newBits = static_cast<BYTE*>(std::malloc(bitsBytes));
  if (!newInfo || !newBits || !ReadAt(file, tableAt, newInfo->bmiColors, tableBytes) ||
      !ReadAt(file, fileHeader.bfOffBits, newBits, bitsBytes)) {
    std::free(newInfo);
    std::free(newBits);
    return 0;
  }
  newInfo->bmiHeader = header;
  newInfo->bmiHeader.biSize = kInfoHeaderBytes;  // the block holds 40 bytes of it
  Unscramble(reinterpret_cast<BYTE*>(newInfo->bmiColors), tableBytes);
  Unscramble(newBits, bitsBytes);
  Install(newInfo, newBits);
  return 1;
}

int CDib::IsInfoHeader(const BITMAPINFOHEADER& header) { return header.biSize != 12 ? 1 : 0; }

int CDib::NumColorsOf(const BITMAPINFOHEADER& header) {
  int colours = 0;
  switch (header.biBitCount) {
    case 1: colours = 2; break;
    case 4: colours = 16; break;
    case 8: colours = 256; break;
    default: colours = 0; break;
  }
  if (IsInfoHeader(header) && header.biClrUsed != 0) {
    colours = header.biClrUsed > INT_MAX ? INT_MAX : static_cast<int>(header.biClrUsed);
  }
  return colours;
}

int CDib::NumColors() const { return info ? NumColorsOf(info->bmiHeader) : 0; }

plat::RGBQUAD* CDib::ColorTable() { return info ? info->bmiColors : nullptr; }
const plat::RGBQUAD* CDib::ColorTable() const { return info ? info->bmiColors : nullptr; }

int CDib::Width() const { return info ? info->bmiHeader.biWidth : 0; }
int CDib::Height() const { return info ? info->bmiHeader.biHeight : 0; }
int CDib::Stride() const { return static_cast<int>(StrideOf(Width())); }

BYTE* CDib::PixelAddress(int x, int y) {
  return const_cast<BYTE*>(static_cast<const CDib*>(this)->PixelAddress(x, y));
}

const BYTE* CDib::PixelAddress(int x, int y) const {
  if (!info || !bits || info->bmiHeader.biBitCount != kBitsPerPixel) return nullptr;
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return nullptr;
  return bits + static_cast<std::size_t>(Height() - y - 1) * Stride() + x;
}

void CDib::SetClip(int left, int top, int right, int bottom) {
  clipLeft = std::clamp(left, 0, Width());
  clipTop = std::clamp(top, 0, Height());
  clipRight = std::clamp(right, clipLeft, Width());
  clipBottom = std::clamp(bottom, clipTop, Height());
}

plat::RECT CDib::GetClipRect() const { return {clipLeft, clipTop, clipRight, clipBottom}; }

int CDib::Blit(CDib* target, int x, int y, int sourceX, int sourceY, int width, int height,
               int transparent) const {
  if (!target || width <= 0 || height <= 0) return 0;
  if (!PixelAddress(0, 0) || !target->PixelAddress(0, 0)) return 0;
  // 64-bit edges: callers may pass any ints.
  std::int64_t left = std::max<std::int64_t>(x, target->clipLeft);
  std::int64_t top = std::max<std::int64_t>(y, target->clipTop);
  std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, target->clipRight);
  std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + height, target->clipBottom);
  std::int64_t srcX = std::int64_t{sourceX} + (left - x);
  std::int64_t srcY = std::int64_t{sourceY} + (top - y);
  if (srcX < 0) {
    left -= srcX;
    srcX = 0;
  }
  if (srcY < 0) {
    top -= srcY;
    srcY = 0;
  }
  right = std::min(right, left + (Width() - srcX));
  bottom = std::min(bottom, top + (Height() - srcY));
  if (right <= left || bottom <= top) return 0;

  const int w = static_cast<int>(right - left);
  const int h = static_cast<int>(bottom - top);
  const BYTE* src = PixelAddress(static_cast<int>(srcX), static_cast<int>(srcY) + h - 1);
  BYTE* dst = target->PixelAddress(static_cast<int>(left), static_cast<int>(top) + h - 1);
  if (!src || !dst) return 0;
  const int srcStride = Stride();
  const int dstStride = target->Stride();
  const BYTE key = static_cast<BYTE>(transparent);
  for (int row = 0; row < h; ++row, src += srcStride, dst += dstStride) {
    if (transparent != -1) {
      CopyKeyed(dst, src, w, key);
    } else {
      // The areas never overlap, so neither do their rows.
      std::memcpy(dst, src, static_cast<std::size_t>(w));
    }
  }
  return 1;
}

int CDib::Fill(int x, int y, int width, int height, int colour) {
  if (!PixelAddress(0, 0)) return 0;
  const std::int64_t left = std::max<std::int64_t>(x, clipLeft);
  const std::int64_t top = std::max<std::int64_t>(y, clipTop);
  const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, clipRight);
  const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + height, clipBottom);
  if (right <= left || bottom <= top) return 0;
  for (std::int64_t row = top; row < bottom; ++row) {
    std::memset(PixelAddress(static_cast<int>(left), static_cast<int>(row)),
                static_cast<BYTE>(colour), static_cast<std::size_t>(right - left));
  }
  return 1;
}

int CDib::RemapToPalette(plat::HPALETTE palette) {
  if (!PixelAddress(0, 0)) return 0;
  BYTE map[256];
  bool identity = true;
  for (int i = 0; i < 256; ++i) {
    const plat::RGBQUAD& c = info->bmiColors[i];
    const plat::UINT index =
        plat::GetNearestPaletteIndex(palette, plat::RGB(c.rgbRed, c.rgbGreen, c.rgbBlue));
    if (index == plat::CLR_INVALID || index > 255) return 0;
    map[i] = static_cast<BYTE>(index);
    identity = identity && index == static_cast<plat::UINT>(i);
  }
  if (identity) return 1;
  plat::PALETTEENTRY entries[256];
  const plat::UINT count = plat::GetPaletteEntries(palette, 0, 256, entries);
  if (count == 0) return 0;

  const std::size_t pixels = static_cast<std::size_t>(Stride()) * Height();
  for (std::size_t i = 0; i < pixels; ++i) bits[i] = map[bits[i]];
  for (plat::UINT i = 0; i < count && i < 256; ++i) {
    info->bmiColors[i].rgbRed = entries[i].peRed;
    info->bmiColors[i].rgbGreen = entries[i].peGreen;
    info->bmiColors[i].rgbBlue = entries[i].peBlue;
  }
  info->bmiHeader.biClrUsed = 256;
  return 1;
}
