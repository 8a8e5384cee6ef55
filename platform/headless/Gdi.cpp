// The headless drawing device: each top-level window's framebuffer, text
// logged with fixed-width metrics; the DCs' lifetimes and the test calls.
#include <algorithm>
#include <cstdlib>

#include "platform/common/Gdi.h"
#include "platform/headless/State.h"

namespace plat {
namespace hl {
namespace {

constexpr std::size_t kLogCap = 100000;

template <class T>
void CappedPush(std::vector<T>& v, T value) {
  if (v.size() >= kLogCap) v.erase(v.begin(), v.begin() + kLogCap / 2);
  v.push_back(std::move(value));
}

// The font a DC's text uses: its own, else its window's, else the system font.
const common::CFontSpec& FontOf(const common::CDeviceContext& d) {
  const common::CGdiObject* f = common::FindGdi(d.font, common::GdiKind::kFont);
  if (const Window* w = FindWindowObj(d.window); !f && w) f = common::FindGdi(w->font, common::GdiKind::kFont);
  if (!f) f = common::FindGdi(common::SystemFont(), common::GdiKind::kFont);
  return f->font;
}

// Fixed-width text: every character is as wide as the font asks (half its
// height when it does not), every line as high as its cell.
int CellHeight(const common::CFontSpec& f) { return f.height == 0 ? 16 : std::abs(f.height); }
int CharWidth(const common::CFontSpec& f) { return f.width != 0 ? std::abs(f.width) : std::max(1, CellHeight(f) / 2); }

// The framebuffer of the top-level window; text is logged, not drawn.
class CHeadlessDevice final : public common::CDrawingDevice {
 public:
  bool Surface(const common::CDeviceContext& d, common::CSurface* out) override {
    if (!S().keepPixels) return false;
    Window* w = FindWindowObj(d.window);
    Window* top = w ? FindWindowObj(common::TopLevelOf(d.window)) : nullptr;
    if (!top || top->fb.empty()) return false;
    const POINT o = ClientOrigin(*w);
    const POINT to = ClientOrigin(*top);
    const SIZE c = ClientSize(*w);
    out->bits = top->fb.data();
    out->stride = top->fbWidth;
    out->origin = POINT{o.x - to.x, o.y - to.y};
    out->clip = RECT{std::max<LONG>(0, out->origin.x), std::max<LONG>(0, out->origin.y),
                     std::min<LONG>(top->fbWidth, out->origin.x + c.cx),
                     std::min<LONG>(top->fbHeight, out->origin.y + c.cy)};
    return true;
  }
  void Changed(const common::CDeviceContext&, const common::CSurface&, const RECT&) override {}
  void Presented(const common::CDeviceContext& d, const RECT& rect) override {
    if (d.window) CappedPush(S().presentLog[Key(d.window)], rect);
  }
  int ScreenBits() override { return S().screenBits; }
  bool DrawLines(const common::CDeviceContext& d, const std::string& text, const std::vector<common::CTextLine>&,
                 const RECT*) override {
    if (HWND top = common::TopLevelOf(d.window)) CappedPush(S().drawnTexts[Key(top)], text);
    return true;
  }
  SIZE TextExtent(const common::CDeviceContext& d, const std::string& text) override {
    const common::CFontSpec& f = FontOf(d);
    return SIZE{static_cast<LONG>(text.size()) * CharWidth(f), CellHeight(f)};
  }
  void DrawFocusFrame(const common::CDeviceContext&, const RECT&) override {}
  void ShowPointer(int) override {}
};

}  // namespace

void ResizeFramebuffer(Window& w) {
  if (w.parent) return;
  const SIZE c = ClientSize(w);
  if (c.cx == w.fbWidth && c.cy == w.fbHeight) return;
  std::vector<common::Pixel> fb(static_cast<std::size_t>(c.cx) * c.cy, common::ToPixel(RGB(0, 0, 0)));
  for (int y = 0; y < std::min<int>(c.cy, w.fbHeight); ++y) {
    std::copy_n(w.fb.begin() + std::ptrdiff_t{y} * w.fbWidth, std::min<int>(c.cx, w.fbWidth),
                fb.begin() + std::ptrdiff_t{y} * c.cx);
  }
  w.fb = std::move(fb);
  w.fbWidth = c.cx;
  w.fbHeight = c.cy;
  w.needsErase = true;
}

}  // namespace hl

common::CDrawingDevice& common::Device() {
  static hl::CHeadlessDevice device;
  return device;
}

using namespace hl;

// ---- Test control -----------------------------------------------------------------

namespace headless {

COLORREF Pixel(HWND hwnd, int x, int y) {
  const HDC dc = GetDC(hwnd);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return colour;
}

std::vector<RECT> PresentLog(HWND hwnd) {
  auto it = S().presentLog.find(Key(hwnd));
  return it == S().presentLog.end() ? std::vector<RECT>() : it->second;
}

void ClearPresentLog() { S().presentLog.clear(); }

void KeepPixels(BOOL keep) { S().keepPixels = keep != FALSE; }

std::vector<std::string> DrawnTexts(HWND dialog) {
  HWND top = common::TopLevelOf(dialog);
  auto it = S().drawnTexts.find(Key(top ? top : dialog));
  return it == S().drawnTexts.end() ? std::vector<std::string>() : it->second;
}

}  // namespace headless
}  // namespace plat
