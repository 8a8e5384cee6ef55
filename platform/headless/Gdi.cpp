// The headless drawing device: each top-level window's framebuffer, text
// logged with fixed-width metrics; the DCs' lifetimes and the test calls.
#include <algorithm>

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
int CellHeight(const common::CFontSpec& f) { return f.height == 0 ? 16 : (f.height < 0 ? -f.height : f.height); }
int CharWidth(const common::CFontSpec& f) {
  return f.width != 0 ? (f.width < 0 ? -f.width : f.width) : std::max(1, CellHeight(f) / 2);
}

// The lines DrawText makes of text: at '\n' unless single-line, and at the
// last space that keeps a line within maxChars characters with DT_WORDBREAK.
std::vector<std::string> Lines(const std::string& text, UINT format, int maxChars) {
  std::vector<std::string> out;
  if (format & DT_SINGLELINE) {
    out.push_back(text);
    return out;
  }
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t nl = text.find('\n', start);
    if (nl == std::string::npos) nl = text.size();
    std::string para = text.substr(start, nl - start);
    if (!para.empty() && para.back() == '\r') para.pop_back();
    if ((format & DT_WORDBREAK) && maxChars > 0) {
      while (static_cast<int>(para.size()) > maxChars) {
        std::size_t cut = para.rfind(' ', static_cast<std::size_t>(maxChars));
        if (cut == std::string::npos || cut == 0) {
          cut = para.find(' ');
          if (cut == std::string::npos) break;
        }
        out.push_back(para.substr(0, cut));
        para = para.substr(cut + 1);
      }
    }
    out.push_back(para);
    start = nl + 1;
  }
  return out;
}

void LogText(const common::CDeviceContext& d, const std::string& text) {
  if (HWND top = common::TopLevelOf(d.window)) CappedPush(S().drawnTexts[Key(top)], text);
}

// The framebuffer of the top-level window; text is logged, not drawn.
class CHeadlessDevice final : public common::CDrawingDevice {
 public:
  bool Surface(const common::CDeviceContext& d, common::CSurface* out) override {
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
  BOOL DrawTextAt(const common::CDeviceContext& d, int, int, const std::string& text) override {
    LogText(d, text);
    return TRUE;
  }
  int DrawTextIn(const common::CDeviceContext& d, const std::string& text, RECT* rect, UINT format) override {
    const common::CFontSpec& f = FontOf(d);
    const int cw = CharWidth(f);
    const int maxChars = std::max(1, static_cast<int>((rect->right - rect->left) / cw));
    const std::vector<std::string> lines = Lines(text, format, maxChars);
    const int height = static_cast<int>(lines.size()) * CellHeight(f);
    if (format & DT_CALCRECT) {
      std::size_t widest = 0;
      for (const std::string& l : lines) widest = std::max(widest, l.size());
      rect->right = rect->left + static_cast<LONG>(widest) * cw;
      rect->bottom = rect->top + height;
      return height;
    }
    LogText(d, text);
    return height;
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

std::vector<std::string> DrawnTexts(HWND dialog) {
  HWND top = common::TopLevelOf(dialog);
  auto it = S().drawnTexts.find(Key(top ? top : dialog));
  return it == S().drawnTexts.end() ? std::vector<std::string>() : it->second;
}

}  // namespace headless
}  // namespace plat
