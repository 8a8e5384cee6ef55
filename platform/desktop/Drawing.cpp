#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/GdiObjects.h"
#include "platform/common/ResourceRegistry.h"
#include "platform/desktop/WindowTable.h"
#include "platform/include/plat/system.h"

namespace plat {
namespace {

using desktop::CDcPainter;

QFont FontOf(const desktop::CDeviceContext& dc) {
  if (const auto* f = desktop::GdiCast<desktop::CFontObject>(dc.font)) return f->font;
  const desktop::CWindow* w = desktop::Windows().Find(dc.window);
  if (w && w->widget && w->kind != desktop::WindowKind::kTopLevel) return w->widget->font();
  return desktop::GdiCast<desktop::CFontObject>(desktop::DefaultFont())->font;
}

QString TextOf(const char* text, int length) {
  if (!text) return QString();
  const int n = length < 0 ? static_cast<int>(std::strlen(text)) : length;
  return QString::fromLatin1(text, n);
}

// Lines of a text: split at line breaks and, when wrapping, between words
// so that no line is wider than width (a single long word keeps its line).
std::vector<QString> SplitLines(const QString& text, const QFontMetrics& fm, int width,
                                bool wrap, bool singleLine) {
  std::vector<QString> lines;
  if (singleLine) {
    QString one = text;
    one.remove(QLatin1Char('\r'));
    one.replace(QLatin1Char('\n'), QLatin1Char(' '));
    lines.push_back(one);
    return lines;
  }
  QString normal = text;
  normal.remove(QLatin1Char('\r'));
  for (const QString& paragraph : normal.split(QLatin1Char('\n'))) {
    if (!wrap) {
      lines.push_back(paragraph);
      continue;
    }
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
      const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
      if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
        lines.push_back(line);
        line = word;
      } else {
        line = candidate;
      }
    }
    lines.push_back(line);
  }
  return lines;
}

void FillBackground(CDcPainter& p, const QRect& r) {
  if (p.Dc().bkMode == OPAQUE) p.Painter().fillRect(r, desktop::ToQColor(p.Dc().bkColour));
}

QImage ImageFromDib(const BITMAPINFO* info, const void* bits) {
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biBitCount != 8 || h.biWidth <= 0 || h.biHeight == 0 || h.biCompression != BI_RGB) {
    return QImage();
  }
  const int width = h.biWidth;
  const int height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  const long stride = (static_cast<long>(width) + 3) & ~3L;
  QImage image(width, height, QImage::Format_RGB32);
  const BYTE* pixels = static_cast<const BYTE*>(bits);
  for (int y = 0; y < height; ++y) {
    const long row = h.biHeight > 0 ? height - 1 - y : y;
    const BYTE* in = pixels + row * stride;
    QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const RGBQUAD& q = info->bmiColors[in[x]];
      out[x] = qRgb(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
  }
  return image;
}

HBITMAP AddBitmap(QImage image) {
  if (image.isNull()) return nullptr;
  auto b = std::make_unique<desktop::CBitmapObject>();
  b->image = image.convertToFormat(QImage::Format_RGB32);
  return reinterpret_cast<HBITMAP>(desktop::AddGdiObject(std::move(b)));
}

}  // namespace

BOOL TextOut(HDC hdc, int x, int y, const char* text, int length) {
  if (!text || length < 0) return FALSE;
  CDcPainter p(hdc);
  if (!p.Ok()) return FALSE;
  const QFont font = FontOf(p.Dc());
  const QFontMetrics fm(font);
  const QString s = TextOf(text, length);
  const QRect box(x, y, fm.horizontalAdvance(s), fm.height());
  FillBackground(p, box);
  p.Painter().setFont(font);
  p.Painter().setPen(desktop::ToQColor(p.Dc().textColour));
  p.Painter().drawText(QPoint(x, y + fm.ascent()), s);
  p.Touched(box);
  return TRUE;
}

int DrawText(HDC hdc, const char* text, int length, RECT* rect, UINT format) {
  if (!text || !rect) return 0;
  desktop::CDeviceContext* dc = desktop::FindDc(hdc);
  if (!dc) return 0;
  const QFont font = FontOf(*dc);
  const QFontMetrics fm(font);
  const QRect area(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
  const bool singleLine = (format & DT_SINGLELINE) != 0;
  const std::vector<QString> lines =
      SplitLines(TextOf(text, length), fm, area.width(), (format & DT_WORDBREAK) != 0, singleLine);
  const int lineHeight = fm.height();
  const int height = lineHeight * static_cast<int>(lines.size());
  int widest = 0;
  for (const QString& l : lines) widest = std::max(widest, fm.horizontalAdvance(l));
  if (format & DT_CALCRECT) {
    rect->right = std::max<LONG>(rect->right, rect->left + widest);
    if (singleLine) rect->right = rect->left + widest;
    rect->bottom = rect->top + height;
    return height;
  }
  CDcPainter p(hdc);
  if (!p.Ok()) return 0;
  QPainter& painter = p.Painter();
  if (!(format & DT_NOCLIP)) painter.setClipRect(area, Qt::IntersectClip);
  painter.setFont(font);
  int y = area.top();
  if (singleLine && (format & DT_VCENTER)) y = area.top() + (area.height() - lineHeight) / 2;
  for (const QString& line : lines) {
    const int w = fm.horizontalAdvance(line);
    int x = area.left();
    if (format & DT_CENTER) x = area.left() + (area.width() - w) / 2;
    if (format & DT_RIGHT) x = area.right() + 1 - w;
    const QRect box(x, y, w, lineHeight);
    FillBackground(p, box);
    painter.setPen(desktop::ToQColor(p.Dc().textColour));
    painter.drawText(QPoint(x, y + fm.ascent()), line);
    p.Touched(box);
    y += lineHeight;
  }
  return height;
}

BOOL GetTextExtentPoint(HDC hdc, const char* text, int length, SIZE* size) {
  desktop::CDeviceContext* dc = desktop::FindDc(hdc);
  if (!dc || !text || length < 0 || !size) return FALSE;
  const QFontMetrics fm(FontOf(*dc));
  size->cx = fm.horizontalAdvance(TextOf(text, length));
  size->cy = fm.height();
  return TRUE;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  const desktop::CBrushObject* b = desktop::GdiCast<desktop::CBrushObject>(brush);
  if (!rect || !b) return 0;
  CDcPainter p(hdc);
  if (!p.Ok()) return 0;
  const QRect r(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
  if (!b->hollow && !r.isEmpty()) {
    p.Painter().fillRect(r, b->colour);
    p.Touched(r);
  }
  return 1;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
  if (!rect) return FALSE;
  CDcPainter p(hdc);
  if (!p.Ok()) return FALSE;
  const QRect r(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
  if (r.width() < 1 || r.height() < 1) return TRUE;
  QPainter& painter = p.Painter();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
  painter.drawRect(r.adjusted(0, 0, -1, -1));
  p.Touched(r);
  return TRUE;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  desktop::CDeviceContext* dc = desktop::FindDc(hdc);
  if (!dc || dc->painter) return CLR_INVALID;
  desktop::CCanvasArea area;
  if (!desktop::CanvasOf(desktop::Windows().Find(dc->window), &area)) return CLR_INVALID;
  const QPoint at = QPoint(x, y) + area.origin;
  if (!area.clip.contains(at)) return CLR_INVALID;
  return desktop::ToColorRef(area.image->pixel(at));
}

HBITMAP LoadBitmap(HINSTANCE, int resourceId) {
  const std::string file = common::FindBitmapResourceFile(resourceId);
  if (file.empty()) return nullptr;
  std::FILE* f = OpenFile(file.c_str(), "rb");
  if (!f) return nullptr;
  QByteArray data;
  char chunk[65536];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) data.append(chunk, static_cast<qsizetype>(n));
  std::fclose(f);
  QImage image;
  if (!image.loadFromData(data, "BMP")) return nullptr;
  return AddBitmap(image);
}

HBITMAP CreateDIBitmap(const BITMAPINFO* info, const void* bits) {
  if (!info || !bits) return nullptr;
  return AddBitmap(ImageFromDib(info, bits));
}

BOOL GetBitmapSize(HBITMAP bitmap, SIZE* size) {
  const desktop::CBitmapObject* b = desktop::GdiCast<desktop::CBitmapObject>(bitmap);
  if (!b || !size) return FALSE;
  size->cx = b->image.width();
  size->cy = b->image.height();
  return TRUE;
}

BOOL DrawBitmap(HDC hdc, int x, int y, int width, int height, HBITMAP bitmap, int srcX,
                int srcY, int srcWidth, int srcHeight, COLORREF transparent) {
  const desktop::CBitmapObject* b = desktop::GdiCast<desktop::CBitmapObject>(bitmap);
  if (!b || width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0) return FALSE;
  const QRect source(srcX, srcY, srcWidth, srcHeight);
  if (!b->image.rect().contains(source)) return FALSE;
  CDcPainter p(hdc);
  if (!p.Ok()) return FALSE;
  QImage part = b->image.copy(source);
  if (transparent != CLR_INVALID) {
    part = part.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(GetRValue(transparent), GetGValue(transparent), GetBValue(transparent));
    for (int row = 0; row < part.height(); ++row) {
      QRgb* line = reinterpret_cast<QRgb*>(part.scanLine(row));
      for (int col = 0; col < part.width(); ++col) {
        if ((line[col] & 0xFFFFFF) == (key & 0xFFFFFF)) line[col] = 0;
      }
    }
  }
  const QRect dest(x, y, width, height);
  p.Painter().drawImage(dest, part);
  p.Touched(dest);
  return TRUE;
}

}  // namespace plat
