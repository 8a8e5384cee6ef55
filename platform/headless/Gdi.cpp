// Device contexts, palettes, the per-window picture and the drawing calls.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/common/PaletteMath.h"
#include "platform/headless/Png.h"
#include "platform/common/ResourceRegistry.h"
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

void EnsureStock() {
  State& s = S();
  if (s.defaultPalette) return;
  GdiObject pal;
  pal.kind = GdiKind::Palette;
  pal.stock = true;
  pal.entries.assign(common::StaticColours(), common::StaticColours() + common::kStaticColours);
  std::uintptr_t key = NewHandleValue();
  s.gdi[key] = pal;
  s.defaultPalette = ToHandle<HPALETTE>(key);

  GdiObject font;
  font.kind = GdiKind::Font;
  font.stock = true;
  font.face = "System";
  key = NewHandleValue();
  s.gdi[key] = font;
  s.systemFont = ToHandle<HFONT>(key);

  static const COLORREF kStockColours[6] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
                                            RGB(64, 64, 64),    RGB(0, 0, 0),       0};
  for (int i = 0; i < 6; ++i) {
    GdiObject b;
    b.kind = GdiKind::Brush;
    b.stock = true;
    b.colour = kStockColours[i];
    b.nullBrush = i == NULL_BRUSH;
    key = NewHandleValue();
    s.gdi[key] = b;
    s.stockBrushes[i] = ToHandle<HBRUSH>(key);
  }
}

// Where a DC draws: the top-level window's picture, the offset of the DC's
// window in it and the clip (both in picture coordinates).
struct Target {
  Window* top = nullptr;
  int ox = 0, oy = 0;
  RECT clip{};
};

bool GetTarget(const DeviceContext& d, Target* t) {
  Window* w = FindWindowObj(d.window);
  if (!w) return false;
  Window* top = FindWindowObj(TopLevelOf(d.window));
  if (!top || top->fb.empty()) return false;
  const POINT o = ClientOrigin(*w);
  const POINT to = ClientOrigin(*top);
  const SIZE c = ClientSize(*w);
  t->top = top;
  t->ox = o.x - to.x;
  t->oy = o.y - to.y;
  t->clip = RECT{std::max(0, t->ox), std::max(0, t->oy),
                 std::min<LONG>(top->fbWidth, t->ox + c.cx), std::min<LONG>(top->fbHeight, t->oy + c.cy)};
  return t->clip.left < t->clip.right && t->clip.top < t->clip.bottom;
}

void Plot(const Target& t, int x, int y, COLORREF c) {
  const int px = x + t.ox, py = y + t.oy;
  if (px < t.clip.left || px >= t.clip.right || py < t.clip.top || py >= t.clip.bottom) return;
  t.top->fb[static_cast<std::size_t>(py) * t.top->fbWidth + px] = c;
}

const std::vector<PALETTEENTRY>& PaletteOf(const DeviceContext& d) {
  EnsureStock();
  GdiObject* p = FindGdi(Key(d.palette), GdiKind::Palette);
  if (!p) p = FindGdi(Key(S().defaultPalette), GdiKind::Palette);
  return p->entries;
}

GdiObject* FontOf(const DeviceContext& d) {
  EnsureStock();
  GdiObject* f = FindGdi(Key(d.font), GdiKind::Font);
  return f ? f : FindGdi(Key(S().systemFont), GdiKind::Font);
}

int CharWidth(const GdiObject& f) { return f.width > 0 ? f.width : std::max(1, f.height / 2); }

std::size_t TextLength(const char* text, int length) {
  const std::size_t n = std::strlen(text);
  return length < 0 ? n : std::min<std::size_t>(n, static_cast<std::size_t>(length));
}

// The lines DrawText makes of text: at '\n' unless single-line, and at the
// last space that keeps a line within maxWidth characters with DT_WORDBREAK.
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

HGDIOBJ NewGdi(const GdiObject& o) {
  const std::uintptr_t key = NewHandleValue();
  S().gdi[key] = o;
  return ToHandle<HGDIOBJ>(key);
}

// An 8-bit picture with its colour table as COLORREF pixels, top row first.
bool DecodePicture(const BITMAPINFOHEADER& h, const RGBQUAD* colours, int colourCount,
                   const std::uint8_t* bits, std::size_t bitsSize, GdiObject* out) {
  if (h.biBitCount != 8 || h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0) return false;
  const int w = h.biWidth;
  const int hgt = h.biHeight > 0 ? h.biHeight : -h.biHeight;
  if (w > 32768 || hgt > 32768) return false;
  const std::size_t stride = (static_cast<std::size_t>(w) + 3) & ~static_cast<std::size_t>(3);
  if (bitsSize < stride * hgt) return false;
  COLORREF lut[256];
  for (int i = 0; i < 256; ++i) {
    lut[i] = i < colourCount ? RGB(colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue) : 0;
  }
  out->kind = GdiKind::Bitmap;
  out->bmWidth = w;
  out->bmHeight = hgt;
  out->pixels.resize(static_cast<std::size_t>(w) * hgt);
  for (int y = 0; y < hgt; ++y) {
    const int stored = h.biHeight > 0 ? hgt - 1 - y : y;
    const std::uint8_t* row = bits + stride * stored;
    for (int x = 0; x < w; ++x) out->pixels[static_cast<std::size_t>(y) * w + x] = lut[row[x]];
  }
  return true;
}

}  // namespace

GdiObject* FindGdi(std::uintptr_t key, GdiKind kind) {
  auto it = S().gdi.find(key);
  if (it == S().gdi.end() || it->second.kind != kind) return nullptr;
  return &it->second;
}

DeviceContext* FindDC(HDC hdc) {
  if (!hdc) return nullptr;
  auto it = S().dcs.find(Key(hdc));
  return it == S().dcs.end() ? nullptr : &it->second;
}

HDC NewDC(HWND window, bool own) {
  EnsureStock();
  DeviceContext d;
  d.window = window;
  d.own = own;
  d.palette = S().defaultPalette;
  d.font = S().systemFont;
  if (Window* w = FindWindowObj(window); w && FindGdi(Key(w->font), GdiKind::Font)) d.font = w->font;
  const std::uintptr_t key = NewHandleValue();
  S().dcs[key] = d;
  return ToHandle<HDC>(key);
}

void DeleteDCsOf(HWND window) {
  auto& m = S().dcs;
  for (auto it = m.begin(); it != m.end();) {
    if (it->second.window == window) {
      it = m.erase(it);
    } else {
      ++it;
    }
  }
}

void ResizeFramebuffer(Window& w) {
  if (w.parent) return;
  const SIZE c = ClientSize(w);
  if (c.cx == w.fbWidth && c.cy == w.fbHeight) return;
  std::vector<std::uint32_t> fb(static_cast<std::size_t>(c.cx) * c.cy, 0);
  for (int y = 0; y < std::min<int>(c.cy, w.fbHeight); ++y) {
    for (int x = 0; x < std::min<int>(c.cx, w.fbWidth); ++x) {
      fb[static_cast<std::size_t>(y) * c.cx + x] = w.fb[static_cast<std::size_t>(y) * w.fbWidth + x];
    }
  }
  w.fb = std::move(fb);
  w.fbWidth = c.cx;
  w.fbHeight = c.cy;
  w.needsErase = true;
}

void ResetGdi() {
  State& s = S();
  s.dcs.clear();
  for (auto it = s.gdi.begin(); it != s.gdi.end();) {
    if (it->second.stock) {
      ++it;
    } else {
      it = s.gdi.erase(it);
    }
  }
  s.systemPaletteUse = SYSPAL_STATIC;
  EnsureStock();
}

void LogText(HDC hdc, const std::string& text) {
  DeviceContext* d = FindDC(hdc);
  if (!d) return;
  HWND top = TopLevelOf(d->window);
  if (!top) return;
  CappedPush(S().drawnTexts[Key(top)], text);
}

}  // namespace hl

using namespace hl;

// ---- Device contexts ------------------------------------------------------------

HDC GetDC(HWND hwnd) {
  if (!hwnd) return NewDC(nullptr, false);  // the screen, for its capabilities
  Window* w = FindWindowObj(hwnd);
  if (!w) return nullptr;
  if (w->ownDC && FindDC(w->ownDC)) return w->ownDC;
  return NewDC(hwnd, false);
}

int ReleaseDC(HWND, HDC hdc) {
  DeviceContext* d = FindDC(hdc);
  if (!d) return 0;
  if (!d->own) S().dcs.erase(Key(hdc));
  return 1;
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
  Window* w = FindWindowObj(hwnd);
  if (!w || !ps) return nullptr;
  HDC hdc = (w->ownDC && FindDC(w->ownDC)) ? w->ownDC : NewDC(hwnd, false);
  if (DeviceContext* d = FindDC(hdc); d && !d->own) d->paint = true;
  const SIZE c = ClientSize(*w);
  ps->hdc = hdc;
  ps->fErase = w->needsErase ? TRUE : FALSE;
  ps->rcPaint = RECT{0, 0, c.cx, c.cy};
  w->needsPaint = false;
  if (w->needsErase) {
    w->needsErase = false;
    ps->fErase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) ? FALSE : TRUE;
  }
  return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps || !FindWindowObj(hwnd)) return FALSE;
  DeviceContext* d = FindDC(ps->hdc);
  if (d && d->paint) S().dcs.erase(Key(ps->hdc));
  return TRUE;
}

// Always a true-colour display: a test may make BITSPIXEL answer 8 (or less)
// to see a program refuse a small display, but the raster capabilities never
// gain RC_PALETTE, so palette code takes its true-colour path throughout.
int GetDeviceCaps(HDC hdc, int index) {
  if (!FindDC(hdc)) return 0;
  constexpr int kHorzRes = 8, kVertRes = 10;
  constexpr int kCapsBitBlt = 0x0001, kCapsDibToDev = 0x0200, kCapsStretchDib = 0x2000;
  switch (index) {
    case BITSPIXEL: return S().screenBits;
    case NUMCOLORS: return -1;
    case RASTERCAPS: return kCapsBitBlt | kCapsDibToDev | kCapsStretchDib;  // never RC_PALETTE
    case SIZEPALETTE: return 0;
    case NUMRESERVED: return common::kStaticColours;
    case kHorzRes: return S().screenWidth;
    case kVertRes: return S().screenHeight;
    default: return 0;
  }
}

// ---- Palettes ------------------------------------------------------------------

HPALETTE CreatePalette(const LOGPALETTE* palette) {
  if (!palette || palette->palNumEntries == 0 || palette->palNumEntries > 256) return nullptr;
  GdiObject p;
  p.kind = GdiKind::Palette;
  p.entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
  return reinterpret_cast<HPALETTE>(NewGdi(p));
}

BOOL DeleteObject(HGDIOBJ object) {
  if (!object) return FALSE;
  auto it = S().gdi.find(Key(object));
  if (it == S().gdi.end()) return FALSE;
  if (!it->second.stock) S().gdi.erase(it);
  return TRUE;
}

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL) {
  DeviceContext* d = FindDC(hdc);
  if (!d || !FindGdi(Key(palette), GdiKind::Palette)) return nullptr;
  HPALETTE old = FindGdi(Key(d->palette), GdiKind::Palette) ? d->palette : S().defaultPalette;
  d->palette = palette;
  return old;
}

UINT RealizePalette(HDC hdc) {
  DeviceContext* d = FindDC(hdc);
  if (!d) return 0;
  return static_cast<UINT>(PaletteOf(*d).size());
}

BOOL ResizePalette(HPALETTE palette, UINT entries) {
  GdiObject* p = FindGdi(Key(palette), GdiKind::Palette);
  if (!p || p->stock || entries == 0 || entries > 256) return FALSE;
  p->entries.resize(entries, PALETTEENTRY{0, 0, 0, 0});
  return TRUE;
}

UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries) {
  GdiObject* p = FindGdi(Key(palette), GdiKind::Palette);
  if (!p || p->stock) return 0;
  return common::CopyIntoPalette(p->entries, start, count, entries);
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
  GdiObject* p = FindGdi(Key(palette), GdiKind::Palette);
  return p ? common::CopyFromPalette(p->entries, start, count, entries) : 0;
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF colour) {
  GdiObject* p = FindGdi(Key(palette), GdiKind::Palette);
  if (!p) return CLR_INVALID;
  return common::NearestPaletteIndex(p->entries.data(), static_cast<UINT>(p->entries.size()), colour);
}

UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, PALETTEENTRY* entries) {
  if (!FindDC(hdc)) return 0;
  if (!entries) return common::kSystemPaletteSize;
  if (start >= static_cast<UINT>(common::kSystemPaletteSize)) return 0;
  const UINT n = std::min<UINT>(count, common::kSystemPaletteSize - start);
  std::copy(common::DefaultSystemPalette() + start, common::DefaultSystemPalette() + start + n, entries);
  return n;
}

UINT SetSystemPaletteUse(HDC hdc, UINT use) {
  if (!FindDC(hdc) || (use != SYSPAL_STATIC && use != SYSPAL_NOSTATIC)) return SYSPAL_ERROR;
  const UINT old = S().systemPaletteUse;
  S().systemPaletteUse = use;
  return old;
}

UINT GetSystemPaletteUse(HDC hdc) {
  if (!FindDC(hdc)) return SYSPAL_ERROR;
  return S().systemPaletteUse;
}

// ---- Showing pictures ------------------------------------------------------------

int StretchDIBits(HDC hdc, int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc,
                  int srcWidth, int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage,
                  DWORD) {
  DeviceContext* d = FindDC(hdc);
  if (!d || !bits || !info) return 0;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biBitCount != 8 || h.biCompression != BI_RGB || h.biWidth <= 0 || h.biHeight == 0) return 0;
  if (usage != DIB_PAL_COLORS && usage != DIB_RGB_COLORS) return 0;
  const int pw = h.biWidth;
  const int ph = h.biHeight > 0 ? h.biHeight : -h.biHeight;
  if (srcWidth <= 0 || srcHeight <= 0 || destWidth <= 0 || destHeight <= 0) return 0;
  if (xSrc < 0 || ySrc < 0 || xSrc + srcWidth > pw || ySrc + srcHeight > ph) return 0;

  // Colours are looked up now: what is shown keeps the palette of this moment.
  COLORREF lut[256];
  const int used = h.biClrUsed ? static_cast<int>(std::min<DWORD>(h.biClrUsed, 256)) : 256;
  if (usage == DIB_PAL_COLORS) {
    const auto& pal = PaletteOf(*d);
    WORD indices[256];
    std::memcpy(indices, info->bmiColors, sizeof indices);
    for (int i = 0; i < 256; ++i) {
      lut[i] = (i < used && indices[i] < pal.size()) ? common::EntryColour(pal[indices[i]]) : 0;
    }
  } else {
    for (int i = 0; i < 256; ++i) {
      const RGBQUAD& q = info->bmiColors[i];
      lut[i] = i < used ? RGB(q.rgbRed, q.rgbGreen, q.rgbBlue) : 0;
    }
  }

  if (d->window) {
    CappedPush(S().presentLog[Key(d->window)], RECT{xDest, yDest, xDest + destWidth, yDest + destHeight});
  }
  Target t;
  if (!GetTarget(*d, &t)) return srcHeight;
  const std::size_t stride = (static_cast<std::size_t>(pw) + 3) & ~static_cast<std::size_t>(3);
  const std::uint8_t* src = static_cast<const std::uint8_t*>(bits);
  // The visible columns and their source columns, worked out once: programs
  // present whole screens every frame.
  const int firstX = std::max<int>(0, t.clip.left - t.ox - xDest);
  const int lastX = std::min<int>(destWidth, t.clip.right - t.ox - xDest);
  if (firstX >= lastX) return srcHeight;
  std::vector<int> columns(static_cast<std::size_t>(lastX - firstX));
  for (int dx = firstX; dx < lastX; ++dx) {
    columns[dx - firstX] = xSrc + static_cast<int>(static_cast<long long>(dx) * srcWidth / destWidth);
  }
  for (int dy = 0; dy < destHeight; ++dy) {
    const int py = yDest + dy + t.oy;
    if (py < t.clip.top || py >= t.clip.bottom) continue;
    const int sy = static_cast<int>(static_cast<long long>(dy) * srcHeight / destHeight);
    const int fromBottom = ySrc + srcHeight - 1 - sy;
    const int stored = h.biHeight > 0 ? fromBottom : ph - 1 - fromBottom;
    const std::uint8_t* row = src + stride * stored;
    std::uint32_t* out = t.top->fb.data() + static_cast<std::size_t>(py) * t.top->fbWidth + xDest + t.ox + firstX;
    for (std::size_t i = 0; i < columns.size(); ++i) out[i] = lut[row[columns[i]]];
  }
  return srcHeight;
}

// ---- Drawing for dialogs ------------------------------------------------------------

HFONT CreateFont(int height, int width, int weight, const char* face) {
  GdiObject f;
  f.kind = GdiKind::Font;
  f.height = height == 0 ? 16 : (height < 0 ? -height : height);
  f.width = width < 0 ? -width : width;
  f.weight = weight > 0 ? weight : FW_NORMAL;
  f.face = face ? face : "";
  return reinterpret_cast<HFONT>(NewGdi(f));
}

HFONT SelectFont(HDC hdc, HFONT font) {
  DeviceContext* d = FindDC(hdc);
  if (!d || !FindGdi(Key(font), GdiKind::Font)) return nullptr;
  HFONT old = FindGdi(Key(d->font), GdiKind::Font) ? d->font : S().systemFont;
  d->font = font;
  return old;
}

COLORREF SetTextColor(HDC hdc, COLORREF colour) {
  DeviceContext* d = FindDC(hdc);
  if (!d) return CLR_INVALID;
  const COLORREF old = d->textColour;
  d->textColour = colour;
  return old;
}

int SetBkMode(HDC hdc, int mode) {
  DeviceContext* d = FindDC(hdc);
  if (!d || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int old = d->bkMode;
  d->bkMode = mode;
  return old;
}

COLORREF SetBkColor(HDC hdc, COLORREF colour) {
  DeviceContext* d = FindDC(hdc);
  if (!d) return CLR_INVALID;
  const COLORREF old = d->bkColour;
  d->bkColour = colour;
  return old;
}

BOOL TextOut(HDC hdc, int, int, const char* text, int length) {
  if (!FindDC(hdc) || !text) return FALSE;
  LogText(hdc, std::string(text, TextLength(text, length)));
  return TRUE;
}

int DrawText(HDC hdc, const char* text, int length, RECT* rect, UINT format) {
  DeviceContext* d = FindDC(hdc);
  if (!d || !text || !rect) return 0;
  const std::string s(text, TextLength(text, length));
  const GdiObject& f = *FontOf(*d);
  const int cw = CharWidth(f);
  const int maxChars = std::max(1, static_cast<int>((rect->right - rect->left) / cw));
  const std::vector<std::string> lines = Lines(s, format, maxChars);
  const int height = static_cast<int>(lines.size()) * f.height;
  if (format & DT_CALCRECT) {
    std::size_t widest = 0;
    for (const std::string& l : lines) widest = std::max(widest, l.size());
    rect->right = rect->left + static_cast<LONG>(widest) * cw;
    rect->bottom = rect->top + height;
    return height;
  }
  LogText(hdc, s);
  return height;
}

BOOL GetTextExtentPoint(HDC hdc, const char* text, int length, SIZE* size) {
  DeviceContext* d = FindDC(hdc);
  if (!d || !text || !size || length < 0) return FALSE;
  const GdiObject& f = *FontOf(*d);
  size->cx = static_cast<LONG>(TextLength(text, length)) * CharWidth(f);
  size->cy = f.height;
  return TRUE;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
  GdiObject b;
  b.kind = GdiKind::Brush;
  b.colour = colour & 0x00FFFFFF;
  return reinterpret_cast<HBRUSH>(NewGdi(b));
}

HBRUSH GetStockBrush(int stockBrush) {
  EnsureStock();
  if (stockBrush < WHITE_BRUSH || stockBrush > NULL_BRUSH) return nullptr;
  return S().stockBrushes[stockBrush];
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
  DeviceContext* d = FindDC(hdc);
  GdiObject* b = FindGdi(Key(brush), GdiKind::Brush);
  if (!d || !rect || !b) return 0;
  if (b->nullBrush) return 1;
  Target t;
  if (!GetTarget(*d, &t)) return 1;
  for (int y = rect->top; y < rect->bottom; ++y) {
    if (y + t.oy < t.clip.top || y + t.oy >= t.clip.bottom) continue;
    for (int x = rect->left; x < rect->right; ++x) Plot(t, x, y, b->colour);
  }
  return 1;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) { return FindDC(hdc) && rect ? TRUE : FALSE; }

COLORREF GetPixel(HDC hdc, int x, int y) {
  DeviceContext* d = FindDC(hdc);
  Target t;
  if (!d || !GetTarget(*d, &t)) return CLR_INVALID;
  const int px = x + t.ox, py = y + t.oy;
  if (px < t.clip.left || px >= t.clip.right || py < t.clip.top || py >= t.clip.bottom) return CLR_INVALID;
  return t.top->fb[static_cast<std::size_t>(py) * t.top->fbWidth + px];
}

HBITMAP LoadBitmap(HINSTANCE instance, int resourceId) {
  if (instance && instance != GetModuleInstance()) return nullptr;
  const std::string name = common::FindBitmapResourceFile(resourceId);
  if (name.empty()) return nullptr;
  std::FILE* f = OpenFile(name.c_str(), "rb");
  if (!f) return nullptr;
  std::vector<std::uint8_t> data;
  std::uint8_t chunk[65536];
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
  GdiObject b;
  if (!DecodePicture(ih, table, colours, data.data() + fh.bfOffBits, data.size() - fh.bfOffBits, &b))
    return nullptr;
  return reinterpret_cast<HBITMAP>(NewGdi(b));
}

HBITMAP CreateDIBitmap(const BITMAPINFO* info, const void* bits) {
  if (!info || !bits) return nullptr;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biBitCount != 8 || h.biWidth <= 0 || h.biHeight == 0) return nullptr;
  const int colours = h.biClrUsed ? static_cast<int>(std::min<DWORD>(h.biClrUsed, 256)) : 256;
  const std::size_t stride = (static_cast<std::size_t>(h.biWidth) + 3) & ~static_cast<std::size_t>(3);
  const std::size_t size = stride * static_cast<std::size_t>(h.biHeight > 0 ? h.biHeight : -h.biHeight);
  GdiObject b;
  if (!DecodePicture(h, info->bmiColors, colours, static_cast<const std::uint8_t*>(bits), size, &b))
    return nullptr;
  return reinterpret_cast<HBITMAP>(NewGdi(b));
}

BOOL GetBitmapSize(HBITMAP bitmap, SIZE* size) {
  GdiObject* b = FindGdi(Key(bitmap), GdiKind::Bitmap);
  if (!b || !size) return FALSE;
  *size = SIZE{b->bmWidth, b->bmHeight};
  return TRUE;
}

BOOL DrawBitmap(HDC hdc, int x, int y, int width, int height, HBITMAP bitmap, int srcX, int srcY,
                int srcWidth, int srcHeight, COLORREF transparent) {
  DeviceContext* d = FindDC(hdc);
  GdiObject* b = FindGdi(Key(bitmap), GdiKind::Bitmap);
  if (!d || !b || width <= 0 || height <= 0 || srcWidth <= 0 || srcHeight <= 0) return FALSE;
  if (srcX < 0 || srcY < 0 || srcX + srcWidth > b->bmWidth || srcY + srcHeight > b->bmHeight) return FALSE;
  Target t;
  if (!GetTarget(*d, &t)) return TRUE;
  for (int dy = 0; dy < height; ++dy) {
    const int sy = srcY + static_cast<int>(static_cast<long long>(dy) * srcHeight / height);
    for (int dx = 0; dx < width; ++dx) {
      const int sx = srcX + static_cast<int>(static_cast<long long>(dx) * srcWidth / width);
      const COLORREF c = b->pixels[static_cast<std::size_t>(sy) * b->bmWidth + sx];
      if (transparent != CLR_INVALID && c == (transparent & 0x00FFFFFF)) continue;
      Plot(t, x + dx, y + dy, c);
    }
  }
  return TRUE;
}

// ---- Test control -----------------------------------------------------------------

namespace headless {

COLORREF Pixel(HWND hwnd, int x, int y) {
  Window* w = FindWindowObj(hwnd);
  Window* top = FindWindowObj(TopLevelOf(hwnd));
  if (!w || !top) return CLR_INVALID;
  const SIZE c = ClientSize(*w);
  if (x < 0 || y < 0 || x >= c.cx || y >= c.cy) return CLR_INVALID;
  const POINT o = ClientOrigin(*w), to = ClientOrigin(*top);
  const int px = x + o.x - to.x, py = y + o.y - to.y;
  if (px < 0 || py < 0 || px >= top->fbWidth || py >= top->fbHeight) return CLR_INVALID;
  return top->fb[static_cast<std::size_t>(py) * top->fbWidth + px];
}

BOOL SavePng(HWND hwnd, const char* fileName) {
  Window* w = FindWindowObj(hwnd);
  if (!w || !fileName) return FALSE;
  const SIZE c = ClientSize(*w);
  if (c.cx <= 0 || c.cy <= 0) return FALSE;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(c.cx) * c.cy);
  for (int y = 0; y < c.cy; ++y) {
    for (int x = 0; x < c.cx; ++x) {
      const COLORREF p = Pixel(hwnd, x, y);
      pixels[static_cast<std::size_t>(y) * c.cx + x] = p == CLR_INVALID ? 0 : p;
    }
  }
  const std::vector<std::uint8_t> png = EncodePng(c.cx, c.cy, pixels.data());
  std::FILE* f = OpenFile(fileName, "wb");
  if (!f) return FALSE;
  const bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
  return (std::fclose(f) == 0 && ok) ? TRUE : FALSE;
}

std::vector<RECT> PresentLog(HWND hwnd) {
  auto it = S().presentLog.find(Key(hwnd));
  return it == S().presentLog.end() ? std::vector<RECT>() : it->second;
}

void ClearPresentLog() { S().presentLog.clear(); }

std::vector<std::string> DrawnTexts(HWND dialog) {
  HWND top = TopLevelOf(dialog);
  auto it = S().drawnTexts.find(Key(top ? top : dialog));
  return it == S().drawnTexts.end() ? std::vector<std::string>() : it->second;
}

}  // namespace headless
}  // namespace plat
