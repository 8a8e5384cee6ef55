// The desktop drawing device: windows' canvases shown by their widgets,
// item layers laid over by Qt painters, and text in Qt fonts.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <optional>
#include <vector>

#include "platform/desktop/Canvas.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Fonts.h"
#include "platform/desktop/StartupTrace.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

using common::CDeviceContext;
using common::CSurface;

QRect ToQRect(const RECT& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
RECT ToRect(const QRect& r) { return RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }

QFont FontOf(const CDeviceContext& dc) {
  if (const common::CGdiObject* f = common::FindGdi(dc.font, common::GdiKind::kFont)) {
    return MakeFont(f->font.height, f->font.width, f->font.weight, f->font.face.c_str());
  }
  const CWindow* w = Windows().Find(dc.window);
  if (w && w->widget && w->kind != WindowKind::kTopLevel) return w->widget->font();
  return MakeFont(0, 0, FW_NORMAL, nullptr);
}

// Lines of a text: split at line breaks and, when wrapping, between words
// so that no line is wider than width (a single long word keeps its line).
std::vector<QString> SplitLines(const QString& text, const QFontMetrics& fm, int width, bool wrap,
                                bool singleLine) {
  std::vector<QString> lines;
  QString normal = text;
  normal.remove(QLatin1Char('\r'));
  if (singleLine) {
    normal.replace(QLatin1Char('\n'), QLatin1Char(' '));
    lines.push_back(normal);
    return lines;
  }
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

// Paints through a DC in its coordinates; shows what was touched at the end.
class CSurfacePainter {
 public:
  explicit CSurfacePainter(const CDeviceContext& dc) : m_dc(dc) {
    if (!common::Device().Surface(dc, &m_surface)) return;
    const QImage::Format format = dc.device ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    m_image = QImage(reinterpret_cast<uchar*>(m_surface.bits), m_surface.clip.right, m_surface.clip.bottom,
                     m_surface.stride * static_cast<qsizetype>(sizeof(common::Pixel)), format);
    m_painter.emplace(&m_image);
    m_painter->setClipRect(ToQRect(m_surface.clip));
    m_painter->translate(m_surface.origin.x, m_surface.origin.y);
  }
  ~CSurfacePainter() {
    if (!m_painter) return;
    m_painter.reset();
    const QRect r = m_touched.translated(m_surface.origin.x, m_surface.origin.y)
                        .intersected(ToQRect(m_surface.clip));
    if (!r.isEmpty()) common::Device().Changed(m_dc, m_surface, ToRect(r));
  }
  CSurfacePainter(const CSurfacePainter&) = delete;
  CSurfacePainter& operator=(const CSurfacePainter&) = delete;
  bool Ok() const { return m_painter.has_value(); }
  QPainter& Painter() { return *m_painter; }
  // Records a drawn rectangle (DC coordinates).
  void Touched(const QRect& rect) { m_touched = m_touched.united(rect); }
  void Background(const QRect& r) {
    if (m_dc.bkMode == OPAQUE) m_painter->fillRect(r, ToQColor(m_dc.bkColour));
  }

 private:
  const CDeviceContext& m_dc;
  CSurface m_surface;
  QImage m_image;
  std::optional<QPainter> m_painter;
  QRect m_touched;
};

class CDesktopDevice final : public common::CDrawingDevice {
 public:
  bool Surface(const CDeviceContext& dc, CSurface* out) override {
    if (auto* item = static_cast<CPainterLayer*>(dc.device)) {
      out->bits = reinterpret_cast<common::Pixel*>(item->layer.bits());
      out->stride = static_cast<int>(item->layer.bytesPerLine() / sizeof(common::Pixel));
      out->origin = POINT{0, 0};
      out->clip = ToRect(item->clip);
      out->owner = nullptr;
      return true;
    }
    CCanvasArea area;
    if (!CanvasOf(Windows().Find(dc.window), &area)) return false;
    out->bits = reinterpret_cast<common::Pixel*>(area.image->bits());
    out->stride = static_cast<int>(area.image->bytesPerLine() / sizeof(common::Pixel));
    out->origin = POINT{area.origin.x(), area.origin.y()};
    out->clip = ToRect(area.clip);
    out->owner = area.owner;
    return true;
  }
  void Changed(const CDeviceContext& dc, const CSurface& s, const RECT& rect) override {
    if (auto* item = static_cast<CPainterLayer*>(dc.device)) {
      // Laid over the item at once, then cleared: the painter holds it now.
      const QRect r = ToQRect(rect);
      item->painter->drawImage(r.topLeft(), item->layer, r);
      QPainter clear(&item->layer);
      clear.setCompositionMode(QPainter::CompositionMode_Source);
      clear.fillRect(r, Qt::transparent);
      return;
    }
    auto* owner = static_cast<CWindow*>(s.owner);
    CanvasChanged(CCanvasArea{owner, &owner->canvas, QPoint(s.origin.x, s.origin.y), ToQRect(s.clip)},
                  ToQRect(rect));
  }
  void Presented(const CDeviceContext&, const RECT&) override { StartupMark("picture sent"); }
  int ScreenBits() override {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 24;
  }
  SIZE ScreenSize() override {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? SIZE{screen->geometry().width(), screen->geometry().height()} : SIZE{0, 0};
  }
  BOOL DrawTextAt(const CDeviceContext& dc, int x, int y, const std::string& text) override {
    CSurfacePainter p(dc);
    if (!p.Ok()) return FALSE;
    const QFont font = FontOf(dc);
    const QFontMetrics fm(font);
    const QString s = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    const QRect box(x, y, fm.horizontalAdvance(s), fm.height());
    p.Background(box);
    p.Painter().setFont(font);
    p.Painter().setPen(ToQColor(dc.textColour));
    p.Painter().drawText(QPoint(x, y + fm.ascent()), s);
    p.Touched(box);
    return TRUE;
  }
  int DrawTextIn(const CDeviceContext& dc, const std::string& text, RECT* rect, UINT format) override {
    const QFont font = FontOf(dc);
    const QFontMetrics fm(font);
    const QRect area = ToQRect(*rect);
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    const std::vector<QString> lines =
        SplitLines(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), fm, area.width(),
                   (format & DT_WORDBREAK) != 0, singleLine);
    const int lineHeight = fm.height();
    const int height = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
      int widest = 0;
      for (const QString& l : lines) widest = std::max(widest, fm.horizontalAdvance(l));
      rect->right = singleLine ? rect->left + widest : std::max<LONG>(rect->right, rect->left + widest);
      rect->bottom = rect->top + height;
      return height;
    }
    CSurfacePainter p(dc);
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
      p.Background(box);
      painter.setPen(ToQColor(dc.textColour));
      painter.drawText(QPoint(x, y + fm.ascent()), line);
      p.Touched(box);
      y += lineHeight;
    }
    return height;
  }
  SIZE TextExtent(const CDeviceContext& dc, const std::string& text) override {
    const QFontMetrics fm(FontOf(dc));
    return SIZE{fm.horizontalAdvance(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))),
                fm.height()};
  }
  void DrawFocusFrame(const CDeviceContext& dc, const RECT& rect) override {
    const QRect r = ToQRect(rect);
    CSurfacePainter p(dc);
    if (!p.Ok() || r.width() < 1 || r.height() < 1) return;
    p.Painter().setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.Painter().setPen(QPen(Qt::white, 1, Qt::DotLine));
    p.Painter().drawRect(r.adjusted(0, 0, -1, -1));
    p.Touched(r);
  }
  void ShowPointer(int) override {
    for (CWindow* w : Windows().All()) {
      if (w->kind == WindowKind::kTopLevel && w->widget) ApplyCurrentCursor(w->widget);
    }
  }
};

}  // namespace
}  // namespace plat::desktop

plat::common::CDrawingDevice& plat::common::Device() {
  static desktop::CDesktopDevice device;
  return device;
}
