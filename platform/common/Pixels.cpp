// Drawing through a DC onto its device's surface: 8-bit pictures through
// the palette, fills, bitmaps, pixels; text goes to the device.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "platform/common/Gdi.h"
#include "platform/common/PaletteMath.h"
#include "platform/common/ResourceRegistry.h"
#include "platform/include/plat/app.h"
#include "platform/include/plat/system.h"

namespace plat {
namespace {

using common::CDeviceContext;
using common::CGdiObject;
using common::CSurface;
using common::FindDc;
using common::FindGdi;
using common::GdiKind;
using common::Pixel;
using Lookup = std::array<Pixel, 256>;

// The part of a rectangle (DC coordinates) the DC may touch, in surface coordinates.
RECT Visible(const CSurface& s, int x, int y, int width, int height) {
  return RECT{std::max<LONG>(s.clip.left, s.origin.x + x), std::max<LONG>(s.clip.top, s.origin.y + y),
              std::min<LONG>(s.clip.right, s.origin.x + x + width),
              std::min<LONG>(s.clip.bottom, s.origin.y + y + height)};
}

bool IsEmpty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

// Index -> colour, fixed at draw time as a true-colour display does. Built
// only when the picture's colour table or the DC's palette differs from the
// last picture's (every frame sends the same ones dozens of times), so that
// what it was built from is kept beside it and compared.
class CLookupCache {
 public:
  const Pixel* For(const CDeviceContext& dc, const BITMAPINFO& info, UINT usage) {
    const DWORD used = info.bmiHeader.biClrUsed;
    const int count = used == 0 || used > 256 ? 256 : static_cast<int>(used);
    // Only the entries the picture has are read: a shorter table may end the block.
    const std::size_t entryBytes = usage == DIB_PAL_COLORS ? sizeof(WORD) : sizeof(RGBQUAD);
    const std::size_t tableBytes = static_cast<std::size_t>(count) * entryBytes;
    const std::vector<PALETTEENTRY>& pal = common::PaletteOf(dc);
    const bool same = m_valid && usage == m_usage && count == m_count &&
                      std::memcmp(m_colours.data(), info.bmiColors, tableBytes) == 0 &&
                      (usage != DIB_PAL_COLORS ||
                       (pal.size() == m_paletteSize &&
                        std::memcmp(pal.data(), m_palette.data(), pal.size() * sizeof(PALETTEENTRY)) == 0));
    if (same) return m_table.data();
    m_valid = usage != DIB_PAL_COLORS || pal.size() <= m_palette.size();
    m_usage = usage;
    m_count = count;
    std::memcpy(m_colours.data(), info.bmiColors, tableBytes);
    m_paletteSize = usage == DIB_PAL_COLORS ? std::min(pal.size(), m_palette.size()) : 0;
    std::copy(pal.begin(), pal.begin() + static_cast<std::ptrdiff_t>(m_paletteSize), m_palette.begin());
    Build(pal, info);
    return m_table.data();
  }

 private:
  void Build(const std::vector<PALETTEENTRY>& pal, const BITMAPINFO& info) {
    const Pixel black = common::ToPixel(RGB(0, 0, 0));
    if (m_usage == DIB_PAL_COLORS) {
      const BYTE* const indices = reinterpret_cast<const BYTE*>(info.bmiColors);
      for (int i = 0; i < m_count; ++i) {
        WORD index;
        std::memcpy(&index, indices + 2 * i, sizeof index);
        m_table[i] = index < pal.size() ? common::ToPixel(common::EntryColour(pal[index])) : black;
      }
    } else {
      for (int i = 0; i < m_count; ++i) {
        const RGBQUAD& q = info.bmiColors[i];
        m_table[i] = common::ToPixel(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
      }
    }
    std::fill(m_table.begin() + m_count, m_table.end(), black);
  }

  bool m_valid = false;
  UINT m_usage = 0;
  int m_count = 0;
  std::array<BYTE, 256 * sizeof(RGBQUAD)> m_colours{};
  // Kept in place so that the cache has nothing to free at exit, when a late
  // drawing could still come; palettes hold at most 256 entries.
  std::array<PALETTEENTRY, 256> m_palette{};
  std::size_t m_paletteSize = 0;
  Lookup m_table{};
};

// One row of pixels; answers non-zero when any of them changed. The colour
// is kept local: the stores through out could otherwise alias the table;
// kept out of line so that the restrict promises hold.
[[gnu::noinline]] Pixel ConvertRow(const BYTE* __restrict row, const Pixel* __restrict lookup, Pixel* __restrict out,
                 int count) {
  Pixel differs = 0;
  for (int i = 0; i < count; ++i) {
    const Pixel colour = lookup[row[i]];
    differs |= out[i] ^ colour;
    out[i] = colour;
  }
  return differs;
}

// An 8-bit picture with its colour table as pixels, top row first.
bool DecodePicture(const BITMAPINFOHEADER& h, const RGBQUAD* colours, int colourCount,
                   const BYTE* bits, std::size_t bitsSize, CGdiObject* out) {
  if (h.biBitCount != 8 || h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0) return false;
  const int w = h.biWidth;
  const int hgt = h.biHeight > 0 ? h.biHeight : -h.biHeight;
  if (w > 32768 || hgt > 32768) return false;
  const std::size_t stride = (static_cast<std::size_t>(w) + 3) & ~static_cast<std::size_t>(3);
  if (bitsSize < stride * hgt) return false;
  Lookup lut;
  lut.fill(common::ToPixel(RGB(0, 0, 0)));
  for (int i = 0; i < std::min(colourCount, 256); ++i) {
    lut[i] = common::ToPixel(RGB(colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue));
  }
  out->kind = GdiKind::kBitmap;
  out->width = w;
  out->height = hgt;
  out->pixels.resize(static_cast<std::size_t>(w) * hgt);
  for (int y = 0; y < hgt; ++y) {
    const BYTE* row = bits + stride * (h.biHeight > 0 ? hgt - 1 - y : y);
    for (int x = 0; x < w; ++x) out->pixels[static_cast<std::size_t>(y) * w + x] = lut[row[x]];
  }
  return true;
}

HBITMAP AddBitmap(CGdiObject bitmap) {
  return reinterpret_cast<HBITMAP>(common::AddGdiObject(std::move(bitmap)));
}

std::string TextOf(const char* text, int length) {
  const std::size_t n = std::strlen(text);
  return std::string(text, length < 0 ? n : std::min<std::size_t>(n, static_cast<std::size_t>(length)));
}

}  // namespace

int StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                  int srcWidth, int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage,
                  DWORD rop) {
  CDeviceContext* dc = FindDc(hdc);
  if (!dc || !bits || !info || rop != SRCCOPY) return 0;
  if (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS) return 0;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biBitCount != 8 || h.biWidth <= 0 || h.biHeight == 0 || h.biCompression != BI_RGB) return 0;
  if (destWidth <= 0 || destHeight <= 0 || srcWidth <= 0 || srcHeight <= 0) return 0;
  const long pictureHeight = h.biHeight < 0 ? -static_cast<long>(h.biHeight) : h.biHeight;
  if (xSrc < 0 || ySrc < 0 || static_cast<long>(xSrc) + srcWidth > h.biWidth ||
      static_cast<long>(ySrc) + srcHeight > pictureHeight) {
    return 0;
  }
  common::Device().Presented(*dc, RECT{xDest, yDest, xDest + destWidth, yDest + destHeight});
  CSurface s;
  if (!common::Device().Surface(*dc, &s)) return srcHeight;
  const RECT r = Visible(s, xDest, yDest, destWidth, destHeight);
  if (IsEmpty(r)) return srcHeight;
  static CLookupCache cache;
  const Pixel* const lookup = cache.For(*dc, *info, usage);
  const long stride = (static_cast<long>(h.biWidth) + 3) & ~3L;
  const BYTE* src = static_cast<const BYTE*>(bits);
  const int dx0 = r.left - s.origin.x - xDest;
  const int count = r.right - r.left;
  // The source column of every visible column, worked out once per call.
  std::vector<int> columns;
  if (destWidth != srcWidth) {
    columns.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      columns[i] = xSrc + static_cast<int>(static_cast<long long>(dx0 + i) * srcWidth / destWidth);
    }
  }
  Pixel differs = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    const int dy = y - s.origin.y - yDest;
    // Unstretched rows, the per-frame case, need no division.
    const int sy = destHeight == srcHeight ? dy : static_cast<int>(static_cast<long long>(dy) * srcHeight / destHeight);
    const long fromBottom = ySrc + srcHeight - 1 - sy;
    const BYTE* row = src + stride * (h.biHeight > 0 ? fromBottom : pictureHeight - 1 - fromBottom);
    Pixel* out = s.bits + static_cast<std::ptrdiff_t>(y) * s.stride + r.left;
    if (columns.empty()) {
      differs |= ConvertRow(row + xSrc + dx0, lookup, out, count);
    } else {
      for (int i = 0; i < count; ++i) {
        const Pixel colour = lookup[row[columns[i]]];
        differs |= out[i] ^ colour;
        out[i] = colour;
      }
    }
  }
  // The same picture drawn again (a status text redrawn every frame) costs no repaint.
  if (differs) common::Device().Changed(*dc, s, r);
  return srcHeight;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  const CDeviceContext* dc = FindDc(hdc);
  const CGdiObject* b = FindGdi(brush, GdiKind::kBrush);
  if (!dc || !rect || !b) return 0;
  CSurface s;
  if (b->hollow || !common::Device().Surface(*dc, &s)) return 1;
  const RECT r = Visible(s, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
  if (IsEmpty(r)) return 1;
  const Pixel colour = common::ToPixel(b->colour);
  for (int y = r.top; y < r.bottom; ++y) {
    std::fill_n(s.bits + static_cast<std::ptrdiff_t>(y) * s.stride + r.left, r.right - r.left, colour);
  }
  common::Device().Changed(*dc, s, r);
  return 1;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
  const CDeviceContext* dc = FindDc(hdc);
  if (!dc || !rect) return FALSE;
  common::Device().DrawFocusFrame(*dc, *rect);
  return TRUE;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  const CDeviceContext* dc = FindDc(hdc);
  CSurface s;
  if (!dc || !common::Device().Surface(*dc, &s)) return CLR_INVALID;
  const RECT r = Visible(s, x, y, 1, 1);
  if (IsEmpty(r)) return CLR_INVALID;
  return common::ToColour(s.bits[static_cast<std::ptrdiff_t>(r.top) * s.stride + r.left]);
}

BOOL TextOut(HDC hdc, int x, int y, const char* text, int length) {
  const CDeviceContext* dc = FindDc(hdc);
  if (!dc || !text) return FALSE;
  return common::Device().DrawTextAt(*dc, x, y, TextOf(text, length));
}

int DrawText(HDC hdc, const char* text, int length, RECT* rect, UINT format) {
  const CDeviceContext* dc = FindDc(hdc);
  if (!dc || !text || !rect) return 0;
  return common::Device().DrawTextIn(*dc, TextOf(text, length), rect, format);
}

BOOL GetTextExtentPoint(HDC hdc, const char* text, int length, SIZE* size) {
  const CDeviceContext* dc = FindDc(hdc);
  if (!dc || !text || length < 0 || !size) return FALSE;
  *size = common::Device().TextExtent(*dc, TextOf(text, length));
  return TRUE;
}

HBITMAP LoadBitmap(HINSTANCE instance, int resourceId) {
  if (instance && instance != GetModuleInstance()) return nullptr;
  const std::string name = common::FindBitmapResourceFile(resourceId);
  if (name.empty()) return nullptr;
  std::FILE* f = OpenFile(name.c_str(), "rb");
  if (!f) return nullptr;
  std::vector<BYTE> data;
  BYTE chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, f)) > 0) data.insert(data.end(), chunk, chunk + got);
  std::fclose(f);
  if (data.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return nullptr;
  BITMAPFILEHEADER fh;
  BITMAPINFOHEADER ih;
  std::memcpy(&fh, data.data(), sizeof fh);
  std::memcpy(&ih, data.data() + sizeof fh, sizeof ih);
  if (fh.bfType != 0x4D42 || ih.biSize < sizeof ih || fh.bfOffBits >= data.size()) return nullptr;
  const std::size_t tableAt = sizeof fh + ih.biSize;
  const int colours = ih.biClrUsed ? static_cast<int>(std::min<DWORD>(ih.biClrUsed, 256)) : 256;
  if (tableAt + colours * sizeof(RGBQUAD) > fh.bfOffBits) return nullptr;
  RGBQUAD table[256] = {};
  std::memcpy(table, data.data() + tableAt, colours * sizeof(RGBQUAD));
  CGdiObject b;
  if (!DecodePicture(ih, table, colours, data.data() + fh.bfOffBits, data.size() - fh.bfOffBits, &b)) {
    return nullptr;
  }
  return AddBitmap(std::move(b));
}

HBITMAP CreateDIBitmap(const BITMAPINFO* info, const void* bits) {
  if (!info || !bits) return nullptr;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biWidth <= 0 || h.biHeight == 0) return nullptr;
  const int colours = h.biClrUsed ? static_cast<int>(std::min<DWORD>(h.biClrUsed, 256)) : 256;
  const std::size_t stride = (static_cast<std::size_t>(h.biWidth) + 3) & ~static_cast<std::size_t>(3);
  const std::size_t size = stride * static_cast<std::size_t>(h.biHeight > 0 ? h.biHeight : -h.biHeight);
  CGdiObject b;
  if (!DecodePicture(h, info->bmiColors, colours, static_cast<const BYTE*>(bits), size, &b)) return nullptr;
  return AddBitmap(std::move(b));
}

BOOL GetBitmapSize(HBITMAP bitmap, SIZE* size) {
  const CGdiObject* b = FindGdi(bitmap, GdiKind::kBitmap);
  if (!b || !size) return FALSE;
  *size = SIZE{b->width, b->height};
  return TRUE;
}

BOOL DrawBitmap(HDC hdc, int x, int y, int width, int height, HBITMAP bitmap, int srcX, int srcY,
                int srcWidth, int srcHeight, COLORREF transparent) {
  const CDeviceContext* dc = FindDc(hdc);
  const CGdiObject* b = FindGdi(bitmap, GdiKind::kBitmap);
  if (!dc || !b || width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0) return FALSE;
  if (srcX < 0 || srcY < 0 || srcX + srcWidth > b->width || srcY + srcHeight > b->height) return FALSE;
  CSurface s;
  if (!common::Device().Surface(*dc, &s)) return TRUE;
  const RECT r = Visible(s, x, y, width, height);
  if (IsEmpty(r)) return TRUE;
  const bool masked = transparent != CLR_INVALID;
  const Pixel key = common::ToPixel(transparent);
  for (int py = r.top; py < r.bottom; ++py) {
    const int dy = py - s.origin.y - y;
    const int sy = srcY + static_cast<int>(static_cast<long long>(dy) * srcHeight / height);
    Pixel* out = s.bits + static_cast<std::ptrdiff_t>(py) * s.stride;
    for (int px = r.left; px < r.right; ++px) {
      const int dx = px - s.origin.x - x;
      const int sx = srcX + static_cast<int>(static_cast<long long>(dx) * srcWidth / width);
      const Pixel c = b->pixels[static_cast<std::size_t>(sy) * b->width + sx];
      if (!masked || c != key) out[px] = c;
    }
  }
  common::Device().Changed(*dc, s, r);
  return TRUE;
}

}  // namespace plat
