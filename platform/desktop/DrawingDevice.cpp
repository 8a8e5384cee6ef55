// The desktop drawing device: windows' canvases shown by their widgets,
// item layers laid over by Qt painters, and text in Qt fonts.
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

#include "platform/desktop/CanvasWidget.h"
#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/Fonts.h"
#include "platform/desktop/StartupTrace.h"
#include "platform/desktop/WindowTable.h"

namespace plat::desktop {
namespace {

using common::CDeviceContext;
using common::CSurface;

// An item DC draws on a clear layer that is laid over the item as it changes.
struct CPainterLayer {
  QPainter* painter = nullptr;
  QRect clip;    // the item's area in DC coordinates
  QImage layer;  // premultiplied ARGB, DC coordinates
};

QRect ToQRect(const RECT& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
RECT ToRect(const QRect& r) { return RECT{r.left(), r.top(), r.right() + 1, r.bottom() + 1}; }
QString Latin1(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

void Fill(CSurface* out, QImage& image, QPoint origin, const QRect& clip, void* owner) {
  out->bits = reinterpret_cast<common::Pixel*>(image.bits());
  out->stride = static_cast<int>(image.bytesPerLine() / sizeof(common::Pixel));
  out->origin = POINT{origin.x(), origin.y()};
  out->clip = ToRect(clip);
  out->owner = owner;
}

QFont FontOf(const CDeviceContext& dc) {
  const common::CGdiObject* f = common::FindGdi(dc.font, common::GdiKind::kFont);
  const CWindow* w = Windows().Find(dc.window);
  if (!f && w && w->widget && w->kind != WindowKind::kTopLevel) return w->widget->font();
  // DrawText measures word by word, and a font object never changes (nor
  // does a handle come back): the last font made is kept with its handle.
  static auto* made = new std::pair<HFONT, QFont>(nullptr, MakeFont(0, 0, FW_NORMAL, nullptr));
  const HFONT key = f ? dc.font : nullptr;
  if (made->first != key) {
    *made = {key, f ? MakeFont(f->font.height, f->font.width, f->font.weight, f->font.face.c_str())
                    : MakeFont(0, 0, FW_NORMAL, nullptr)};
  }
  return made->second;
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

 private:
  const CDeviceContext& m_dc;
  CSurface m_surface;
  QImage m_image;
  std::optional<QPainter> m_painter;
  QRect m_touched;
};

class CDesktopDevice final : public common::CDrawingDevice {
 public:
  // A top-level window or dialog draws on its own canvas; a control on the
  // canvas of the window it sits in, at its place and clipped to it.
  bool Surface(const CDeviceContext& dc, CSurface* out) override {
    if (auto* item = static_cast<CPainterLayer*>(dc.device)) {
      Fill(out, item->layer, QPoint(0, 0), item->clip, nullptr);
      return true;
    }
    CWindow* const window = Windows().Find(dc.window);
    CWindow* w = window;
    QPoint origin(0, 0);
    while (w && w->kind == WindowKind::kControl) {
      if (w->widget) origin += w->widget->pos();
      w = Windows().Find(w->parent);
    }
    if (!w || w->canvas.isNull()) return false;
    QRect clip = w->canvas.rect();
    if (window != w && window->widget) clip = clip.intersected(QRect(origin, window->widget->size()));
    Fill(out, w->canvas, origin, clip, w);
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
    // Only top-level windows and dialogs have canvases, each shown by its canvas widget.
    if (QWidget* widget = static_cast<CWindow*>(s.owner)->widget) {
      static_cast<CCanvasWidget*>(widget)->CanvasChanged(ToQRect(rect));
    }
  }
  void Presented(const CDeviceContext&, const RECT&) override { StartupMark("picture sent"); }
  int ScreenBits() override {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 24;
  }
  bool DrawLines(const CDeviceContext& dc, const std::string&, const std::vector<common::CTextLine>& lines,
                 const RECT* clip) override {
    CSurfacePainter p(dc);
    if (!p.Ok()) return false;
    QPainter& painter = p.Painter();
    const QFont font = FontOf(dc);
    const QFontMetrics fm(font);
    if (clip) painter.setClipRect(ToQRect(*clip), Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(ToQColor(dc.textColour));
    for (const common::CTextLine& line : lines) {
      const QString text = Latin1(line.text);
      const QRect box(line.x, line.y, fm.horizontalAdvance(text), fm.height());
      if (dc.bkMode == OPAQUE) painter.fillRect(box, ToQColor(dc.bkColour));
      painter.drawText(QPoint(line.x, line.y + fm.ascent()), text);
      p.Touched(box);
    }
    return true;
  }
  SIZE TextExtent(const CDeviceContext& dc, const std::string& text) override {
    const QFontMetrics fm(FontOf(dc));
    return SIZE{fm.horizontalAdvance(Latin1(text)), fm.height()};
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

HDC CreatePainterDc(HWND control, QPainter* painter, const QRect& clip) {
  auto* layer = new CPainterLayer{painter, clip, QImage(clip.right() + 1, clip.bottom() + 1,
                                                        QImage::Format_ARGB32_Premultiplied)};
  layer->layer.fill(Qt::transparent);
  return common::NewDc(control, layer);
}

void DestroyDc(HDC hdc) {
  if (const common::CDeviceContext* dc = common::FindDc(hdc)) {
    delete static_cast<CPainterLayer*>(dc->device);
  }
  common::DeleteDc(hdc);
}

}  // namespace plat::desktop

plat::common::CDrawingDevice& plat::common::Device() {
  static desktop::CDesktopDevice device;
  return device;
}
