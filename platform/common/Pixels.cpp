// Drawing through a DC onto its device's surface: 8-bit pictures through
// the palette, fills, bitmaps, pixels.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/common/Files.h"
#include "platform/common/Gdi.h"
#include "platform/common/PaletteMath.h"
#include "platform/common/ResourceRegistry.h"
#include "platform/include/plat/app.h"

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

// The DC's surface and the part r of a rectangle (DC coordinates) it may
// touch there, in surface coordinates; false when it may touch nothing.
bool Target(const CDeviceContext& dc, int x, int y, int width, int height, CSurface* s, RECT* r) {
  if (!common::Device().Surface(dc, s)) return false;
  *r = RECT{std::max<LONG>(s->clip.left, s->origin.x + x), std::max<LONG>(s->clip.top, s->origin.y + y),
            std::min<LONG>(s->clip.right, s->origin.x + x + width),
            std::min<LONG>(s->clip.bottom, s->origin.y + y + height)};
  return r->left < r->right && r->top < r->bottom;
}

// Where the d-th of destLength pixels comes from in srcLength ones.
int Scaled(int d, int srcLength, int destLength) {
  return static_cast<int>(static_cast<long long>(d) * srcLength / destLength);
}

// The source column of each of count destination columns from first on,
// worked out once per call.
std::vector<int> SourceColumns(int first, int count, int src, int srcWidth, int destWidth) {
  std::vector<int> columns(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) columns[i] = src + Scaled(first + i, srcWidth, destWidth);
  return columns;
}

// The uncompressed 8-bit pictures this device draws: their colour table's
// length, row length and height.
bool Is8Bit(const BITMAPINFOHEADER& h) {
  return h.biBitCount == 8 && h.biCompression == BI_RGB && h.biWidth > 0 && h.biHeight != 0;
}
int ColourCount(const BITMAPINFOHEADER& h) {
  return h.biClrUsed == 0 || h.biClrUsed > 256 ? 256 : static_cast<int>(h.biClrUsed);
}
std::size_t RowBytes(const BITMAPINFOHEADER& h) { return (static_cast<std::size_t>(h.biWidth) + 3) & ~std::size_t{3}; }
long Rows(const BITMAPINFOHEADER& h) { return std::labs(static_cast<long>(h.biHeight)); }
// The row that is the top-th from the top, whichever way the rows are stored.
const BYTE* Row(const BYTE* bits, const BITMAPINFOHEADER& h, long top) {
  return bits + RowBytes(h) * static_cast<std::size_t>(h.biHeight > 0 ? Rows(h) - 1 - top : top);
}

// Index -> colour of a colour table; black past its count.
Lookup RgbLookup(const RGBQUAD* colours, int count) {
  Lookup lut;
  lut.fill(common::ToPixel(RGB(0, 0, 0)));
  for (int i = 0; i < count; ++i) {
    lut[i] = common::ToPixel(RGB(colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue));
  }
  return lut;
}

// Index -> colour, fixed at draw time as a true-colour display does. Built
// only when the picture's colour table or the DC's palette differs from the
// last picture's (every frame sends the same ones dozens of times), so that
// what it was built from is kept beside it and compared.
class CLookupCache {
 public:
  const Pixel* For(const CDeviceContext& dc, const BITMAPINFO& info, UINT usage) {
    const int count = ColourCount(info.bmiHeader);  // never 0, so never the same at first
    // Only the entries the picture has are read: a shorter table may end the block.
    const std::size_t tableBytes = count * (usage == DIB_PAL_COLORS ? sizeof(WORD) : sizeof(RGBQUAD));
    const std::vector<PALETTEENTRY>& pal = common::PaletteOf(dc);
    const std::size_t paletteSize = usage == DIB_PAL_COLORS ? pal.size() : 0;
    if (usage == m_usage && count == m_count && paletteSize == m_paletteSize &&
        std::memcmp(m_colours.data(), info.bmiColors, tableBytes) == 0 &&
        std::memcmp(m_palette.data(), pal.data(), paletteSize * sizeof(PALETTEENTRY)) == 0) {
      return m_table.data();
    }
    m_usage = usage;
    m_count = count;
    m_paletteSize = paletteSize;
    std::memcpy(m_colours.data(), info.bmiColors, tableBytes);
    std::copy_n(pal.begin(), paletteSize, m_palette.begin());
    if (usage != DIB_PAL_COLORS) {
      m_table = RgbLookup(info.bmiColors, count);
      return m_table.data();
    }
    m_table.fill(common::ToPixel(RGB(0, 0, 0)));
    for (int i = 0; i < count; ++i) {
      WORD index;
      std::memcpy(&index, m_colours.data() + 2 * i, sizeof index);
      if (index < pal.size()) m_table[i] = common::ToPixel(common::EntryColour(pal[index]));
    }
    return m_table.data();
  }

 private:
  UINT m_usage = 0;
  int m_count = 0;
  std::array<BYTE, 256 * sizeof(RGBQUAD)> m_colours{};
  // Kept in place so that the cache has nothing to free at exit, when a late
  // drawing could still come; palettes hold at most 256 entries (CreatePalette, ResizePalette).
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

// An 8-bit picture with its colour table as a bitmap of pixels; null when
// it is not one or its bits are short.
HBITMAP AddPicture(const BITMAPINFOHEADER& h, const RGBQUAD* colours, const BYTE* bits, std::size_t bitsSize) {
  if (!Is8Bit(h) || h.biWidth > 32768 || Rows(h) > 32768 || bitsSize < RowBytes(h) * Rows(h)) return nullptr;
  const Lookup lut = RgbLookup(colours, ColourCount(h));
  CGdiObject b{.kind = GdiKind::kBitmap, .width = h.biWidth, .height = static_cast<int>(Rows(h))};
  b.pixels.resize(static_cast<std::size_t>(b.width) * b.height);
  for (int y = 0; y < b.height; ++y) {
    std::transform(Row(bits, h, y), Row(bits, h, y) + b.width, b.pixels.begin() + std::ptrdiff_t{y} * b.width,
                   [&lut](BYTE index) { return lut[index]; });
  }
  return reinterpret_cast<HBITMAP>(common::AddGdiObject(std::move(b)));
}

}  // namespace

int StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                  int srcWidth, int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage,
                  DWORD rop) {
  CDeviceContext* dc = FindDc(hdc);
  if (!dc || !bits || !info || rop != SRCCOPY) return 0;
  if (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS) return 0;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (!Is8Bit(h) || destWidth <= 0 || destHeight <= 0 || srcWidth <= 0 || srcHeight <= 0) return 0;
  if (xSrc < 0 || ySrc < 0 || static_cast<long>(xSrc) + srcWidth > h.biWidth ||
      static_cast<long>(ySrc) + srcHeight > Rows(h)) {
    return 0;
  }
  common::Device().Presented(*dc, RECT{xDest, yDest, xDest + destWidth, yDest + destHeight});
  CSurface s;
  RECT r;
  if (!Target(*dc, xDest, yDest, destWidth, destHeight, &s, &r)) return srcHeight;
  static CLookupCache cache;
  const Pixel* const lookup = cache.For(*dc, *info, usage);
  const int dx0 = r.left - s.origin.x - xDest;
  const int count = r.right - r.left;
  const std::vector<int> columns =
      destWidth != srcWidth ? SourceColumns(dx0, count, xSrc, srcWidth, destWidth) : std::vector<int>();
  Pixel differs = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    const int dy = y - s.origin.y - yDest;
    // Unstretched rows, the per-frame case, need no division.
    const int sy = destHeight == srcHeight ? dy : Scaled(dy, srcHeight, destHeight);
    // ySrc counts from the picture's bottom.
    const BYTE* row = Row(static_cast<const BYTE*>(bits), h, Rows(h) - ySrc - srcHeight + sy);
    Pixel* out = s.Row(y) + r.left;
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
  RECT r;
  if (b->hollow || !Target(*dc, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, &s, &r)) {
    return 1;
  }
  for (int y = r.top; y < r.bottom; ++y) std::fill_n(s.Row(y) + r.left, r.right - r.left, common::ToPixel(b->colour));
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
  RECT r;
  if (!dc || !Target(*dc, x, y, 1, 1, &s, &r)) return CLR_INVALID;
  return common::ToColour(s.Row(r.top)[r.left]);
}

HBITMAP LoadBitmap(HINSTANCE instance, int resourceId) {
  if (instance && instance != GetModuleInstance()) return nullptr;
  const std::string name = common::FindBitmapResourceFile(resourceId);
  std::vector<std::uint8_t> data;
  if (name.empty() || !common::ReadWholeFile(name.c_str(), &data)) return nullptr;
  if (data.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)) return nullptr;
  BITMAPFILEHEADER fh;
  BITMAPINFOHEADER ih;
  std::memcpy(&fh, data.data(), sizeof fh);
  std::memcpy(&ih, data.data() + sizeof fh, sizeof ih);
  if (fh.bfType != 0x4D42 || ih.biSize < sizeof ih || fh.bfOffBits >= data.size()) return nullptr;
  const std::size_t tableAt = sizeof fh + ih.biSize;
  if (tableAt + ColourCount(ih) * sizeof(RGBQUAD) > fh.bfOffBits) return nullptr;
  return AddPicture(ih, reinterpret_cast<const RGBQUAD*>(data.data() + tableAt), data.data() + fh.bfOffBits,
                    data.size() - fh.bfOffBits);
}

HBITMAP CreateDIBitmap(const BITMAPINFO* info, const void* bits) {
  // The caller vouches for every row the picture has.
  if (!info || !bits) return nullptr;
  return AddPicture(info->bmiHeader, info->bmiColors, static_cast<const BYTE*>(bits), SIZE_MAX);
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
  RECT r;
  if (!Target(*dc, x, y, width, height, &s, &r)) return TRUE;
  const bool masked = transparent != CLR_INVALID;
  const Pixel key = common::ToPixel(transparent);
  const std::vector<int> columns = SourceColumns(r.left - s.origin.x - x, r.right - r.left, srcX, srcWidth, width);
  for (int py = r.top; py < r.bottom; ++py) {
    const int sy = srcY + Scaled(py - s.origin.y - y, srcHeight, height);
    const Pixel* row = b->pixels.data() + std::ptrdiff_t{sy} * b->width;
    Pixel* out = s.Row(py) + r.left;
    for (std::size_t i = 0; i < columns.size(); ++i) {
      if (!masked || row[columns[i]] != key) out[i] = row[columns[i]];
    }
  }
  common::Device().Changed(*dc, s, r);
  return TRUE;
}

}  // namespace plat
