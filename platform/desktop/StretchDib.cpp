#include <QImage>

#include <array>

#include "platform/desktop/Canvas.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/GdiObjects.h"
#include "platform/desktop/WindowTable.h"

namespace plat {
namespace {

using Lookup = std::array<QRgb, 256>;

// Index -> colour, fixed at draw time as a true-colour display does.
void MakeLookup(const desktop::CDeviceContext& dc, const BITMAPINFO& info, UINT usage,
                Lookup* out) {
  out->fill(qRgb(0, 0, 0));
  if (usage == DIB_PAL_COLORS) {
    const desktop::CPaletteObject* p = desktop::GdiCast<desktop::CPaletteObject>(dc.palette);
    if (!p) p = desktop::GdiCast<desktop::CPaletteObject>(desktop::DefaultPalette());
    const WORD* indices = reinterpret_cast<const WORD*>(info.bmiColors);
    for (int i = 0; i < 256; ++i) {
      const std::size_t index = indices[i] < p->entries.size() ? indices[i] : 0;
      const PALETTEENTRY& e = p->entries[index];
      (*out)[static_cast<std::size_t>(i)] = qRgb(e.peRed, e.peGreen, e.peBlue);
    }
    return;
  }
  const DWORD used = info.bmiHeader.biClrUsed;
  const int count = used == 0 || used > 256 ? 256 : static_cast<int>(used);
  for (int i = 0; i < count; ++i) {
    const RGBQUAD& q = info.bmiColors[i];
    (*out)[static_cast<std::size_t>(i)] = qRgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
  }
}

// The source rectangle; y counts rows as they are stored (from the bottom
// row of a bottom-up picture).
struct Source {
  const BYTE* bits;
  long stride;
  bool bottomUp;
  int x, y, width, height;
  const BYTE* Row(int fromTop) const {
    const long row = bottomUp ? y + height - 1 - fromTop : y + fromTop;
    return bits + row * stride;
  }
};

// One row of destination pixels; answers whether any of them changed. The
// colour is looked up once and kept local: the stores through out could
// otherwise alias the table and the source row.
QRgb ConvertRow(const BYTE* __restrict row, const QRgb* __restrict lookup, QRgb* __restrict out, int count) {
  QRgb differs = 0;
  for (int i = 0; i < count; ++i) {
    const QRgb colour = lookup[row[i]];
    differs |= out[i] ^ colour;
    out[i] = colour;
  }
  return differs;
}

// Answers whether any pixel of target changed.
bool Convert(const Source& s, const Lookup& lookup, int destWidth, int destHeight, int dx0,
             int dy0, int dx1, int dy1, QImage* target, QPoint at) {
  QRgb differs = 0;
  const qsizetype targetStride = target->bytesPerLine();
  uchar* const targetBits = target->bits();
  for (int dy = dy0; dy < dy1; ++dy) {
    const int sy = static_cast<int>(static_cast<long long>(dy) * s.height / destHeight);
    const BYTE* row = s.Row(sy);
    QRgb* out = reinterpret_cast<QRgb*>(targetBits + (at.y() + dy - dy0) * targetStride) + at.x();
    if (destWidth == s.width) {
      differs |= ConvertRow(row + s.x + dx0, lookup.data(), out, dx1 - dx0);
    } else {
      for (int dx = dx0; dx < dx1; ++dx, ++out) {
        const int sx = static_cast<int>(static_cast<long long>(dx) * s.width / destWidth);
        const QRgb colour = lookup[row[s.x + sx]];
        differs |= *out ^ colour;
        *out = colour;
      }
    }
  }
  return differs != 0;
}

}  // namespace

int StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight, int xSrc,
                  int ySrc, int srcWidth, int srcHeight, const void* bits,
                  const BITMAPINFO* info, UINT usage, DWORD rop) {
  desktop::CDeviceContext* dc = desktop::FindDc(hdc);
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
  const Source source{static_cast<const BYTE*>(bits), (static_cast<long>(h.biWidth) + 3) & ~3L,
                      h.biHeight > 0, xSrc, ySrc, srcWidth, srcHeight};
  Lookup lookup;
  MakeLookup(*dc, *info, usage, &lookup);

  if (!dc->painter) {
    // Straight into the canvas: the per-frame path.
    desktop::CCanvasArea area;
    if (!desktop::CanvasOf(desktop::Windows().Find(dc->window), &area)) return 0;
    const QRect dest = QRect(xDest, yDest, destWidth, destHeight).translated(area.origin);
    const QRect r = dest.intersected(area.clip);
    // The same picture drawn again (a status text redrawn every frame)
    // costs no repaint of the window.
    if (!r.isEmpty() && Convert(source, lookup, destWidth, destHeight, r.x() - dest.x(), r.y() - dest.y(),
                                r.right() + 1 - dest.x(), r.bottom() + 1 - dest.y(), area.image, r.topLeft())) {
      desktop::CanvasChanged(area, r);
    }
    return srcHeight;
  }
  QImage picture(destWidth, destHeight, QImage::Format_RGB32);
  Convert(source, lookup, destWidth, destHeight, 0, 0, destWidth, destHeight, &picture, QPoint(0, 0));
  desktop::CDcPainter painter(hdc);
  if (!painter.Ok()) return 0;
  painter.Painter().drawImage(xDest, yDest, picture);
  return srcHeight;
}

}  // namespace plat
