// The object and DC tables, palettes and the DC's state.
#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "platform/common/Gdi.h"
#include "platform/common/PaletteMath.h"

namespace plat::common {
namespace {

// Tags keep objects, DCs and windows apart; serials are never reused, so a
// stale handle stays unknown.
constexpr std::uintptr_t kGdiTag = 0x6D00000000000000ull;
constexpr std::uintptr_t kDcTag = 0x6C00000000000000ull;

struct CGdiTables {
  std::map<std::uintptr_t, CGdiObject> objects;
  std::map<std::uintptr_t, CDeviceContext> dcs;
  std::uintptr_t nextSerial = 1;
  std::array<HBRUSH, 6> stockBrushes{};
  HPALETTE defaultPalette = nullptr;
  HFONT systemFont = nullptr;
  HBRUSH faceBrush = nullptr;
  UINT systemPaletteUse = SYSPAL_STATIC;
};

CGdiTables& Tables() {
  static CGdiTables* tables = new CGdiTables;  // objects may be asked about until exit
  return *tables;
}

std::uintptr_t Key(const void* handle) { return reinterpret_cast<std::uintptr_t>(handle); }

HGDIOBJ AddStock(CGdiObject object) {
  object.stock = true;
  return AddGdiObject(std::move(object));
}

CGdiObject* Palette(HPALETTE palette) { return FindGdi(palette, GdiKind::kPalette); }

}  // namespace

HGDIOBJ AddGdiObject(CGdiObject object) {
  CGdiTables& t = Tables();
  const std::uintptr_t value = kGdiTag | t.nextSerial++;
  t.objects[value] = std::move(object);
  return reinterpret_cast<HGDIOBJ>(value);
}

CGdiObject* FindGdi(const void* handle, GdiKind kind) {
  CGdiTables& t = Tables();
  auto it = t.objects.find(Key(handle));
  return it == t.objects.end() || it->second.kind != kind ? nullptr : &it->second;
}

HDC NewDc(HWND window, void* device) {
  CGdiTables& t = Tables();
  const std::uintptr_t value = kDcTag | t.nextSerial++;
  CDeviceContext& dc = t.dcs[value];
  dc.window = window;
  dc.device = device;
  ResetDc(&dc);
  return reinterpret_cast<HDC>(value);
}

CDeviceContext* FindDc(HDC hdc) {
  CGdiTables& t = Tables();
  auto it = t.dcs.find(Key(hdc));
  return it == t.dcs.end() ? nullptr : &it->second;
}

void DeleteDc(HDC hdc) { Tables().dcs.erase(Key(hdc)); }

void DeleteDcsOf(HWND window) {
  std::erase_if(Tables().dcs, [window](const auto& e) { return e.second.window == window; });
}

void ResetDc(CDeviceContext* dc) {
  dc->palette = DefaultPalette();
  dc->font = nullptr;
  dc->textColour = RGB(0, 0, 0);
  dc->bkColour = RGB(255, 255, 255);
  dc->bkMode = OPAQUE;
}

void ResetGdi() {
  CGdiTables& t = Tables();
  t.dcs.clear();
  std::erase_if(t.objects, [](const auto& e) { return !e.second.stock; });
  t.systemPaletteUse = SYSPAL_STATIC;
}

HPALETTE DefaultPalette() {
  CGdiTables& t = Tables();
  if (!t.defaultPalette) {
    CGdiObject p;
    p.kind = GdiKind::kPalette;
    p.entries.assign(StaticColours(), StaticColours() + kStaticColours);
    t.defaultPalette = reinterpret_cast<HPALETTE>(AddStock(std::move(p)));
  }
  return t.defaultPalette;
}

HFONT SystemFont() {
  CGdiTables& t = Tables();
  if (!t.systemFont) {
    CGdiObject f;
    f.kind = GdiKind::kFont;
    t.systemFont = reinterpret_cast<HFONT>(AddStock(std::move(f)));
  }
  return t.systemFont;
}

HBRUSH DialogFaceBrush() {
  CGdiTables& t = Tables();
  if (!t.faceBrush) {
    CGdiObject b;
    b.colour = kDialogFace;
    t.faceBrush = reinterpret_cast<HBRUSH>(AddStock(std::move(b)));
  }
  return t.faceBrush;
}

const std::vector<PALETTEENTRY>& PaletteOf(const CDeviceContext& dc) {
  const CGdiObject* p = Palette(dc.palette);
  return (p ? p : Palette(DefaultPalette()))->entries;
}

}  // namespace plat::common

namespace plat {

using common::CDeviceContext;
using common::FindDc;
using common::FindGdi;
using common::GdiKind;

// The display is true colour whatever its depth: RASTERCAPS never has
// RC_PALETTE, so palette code takes its true-colour path throughout.
int GetDeviceCaps(HDC hdc, int index) {
  if (!FindDc(hdc)) return 0;
  constexpr int kHorzRes = 8, kVertRes = 10;
  constexpr int kCapsBitBlt = 0x0001, kCapsDibToDev = 0x0200, kCapsStretchDib = 0x2000;
  switch (index) {
    case BITSPIXEL: return common::Device().ScreenBits();
    case NUMCOLORS: return -1;
    case RASTERCAPS: return kCapsBitBlt | kCapsDibToDev | kCapsStretchDib;
    case SIZEPALETTE: return 0;
    case NUMRESERVED: return common::kStaticColours;
    case kHorzRes: return common::Device().ScreenSize().cx;
    case kVertRes: return common::Device().ScreenSize().cy;
    default: return 0;
  }
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
  if (!palette || palette->palNumEntries == 0 || palette->palNumEntries > 256) return nullptr;
  common::CGdiObject p;
  p.kind = GdiKind::kPalette;
  p.entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
  return reinterpret_cast<HPALETTE>(common::AddGdiObject(std::move(p)));
}

BOOL DeleteObject(HGDIOBJ object) {
  auto& objects = common::Tables().objects;
  auto it = objects.find(common::Key(object));
  if (!object || it == objects.end()) return FALSE;
  if (!it->second.stock) objects.erase(it);
  return TRUE;
}

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL) {
  CDeviceContext* dc = FindDc(hdc);
  if (!dc || !common::Palette(palette)) return nullptr;
  const HPALETTE old = common::Palette(dc->palette) ? dc->palette : common::DefaultPalette();
  dc->palette = palette;
  return old;
}

UINT RealizePalette(HDC hdc) {
  const CDeviceContext* dc = FindDc(hdc);
  return dc ? static_cast<UINT>(common::PaletteOf(*dc).size()) : 0;
}

BOOL ResizePalette(HPALETTE palette, UINT entries) {
  common::CGdiObject* p = common::Palette(palette);
  if (!p || p->stock || entries == 0 || entries > 256) return FALSE;
  p->entries.resize(entries, PALETTEENTRY{0, 0, 0, 0});
  return TRUE;
}

UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries) {
  common::CGdiObject* p = common::Palette(palette);
  return p && !p->stock ? common::CopyIntoPalette(p->entries, start, count, entries) : 0;
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
  const common::CGdiObject* p = common::Palette(palette);
  return p ? common::CopyFromPalette(p->entries, start, count, entries) : 0;
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF colour) {
  const common::CGdiObject* p = common::Palette(palette);
  if (!p) return CLR_INVALID;
  return common::NearestPaletteIndex(p->entries.data(), static_cast<UINT>(p->entries.size()), colour);
}

UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, PALETTEENTRY* entries) {
  if (!FindDc(hdc)) return 0;
  const UINT size = common::kSystemPaletteSize;
  if (!entries) return size;
  if (start >= size) return 0;
  const UINT n = std::min(count, size - start);
  std::copy(common::DefaultSystemPalette() + start, common::DefaultSystemPalette() + start + n, entries);
  return n;
}

UINT SetSystemPaletteUse(HDC hdc, UINT use) {
  if (!FindDc(hdc) || (use != SYSPAL_STATIC && use != SYSPAL_NOSTATIC)) return SYSPAL_ERROR;
  return std::exchange(common::Tables().systemPaletteUse, use);
}

UINT GetSystemPaletteUse(HDC hdc) {
  return FindDc(hdc) ? common::Tables().systemPaletteUse : SYSPAL_ERROR;
}

HFONT CreateFont(int height, int width, int weight, const char* face) {
  common::CGdiObject f;
  f.kind = GdiKind::kFont;
  f.font = common::CFontSpec{height, width, weight > 0 ? weight : FW_NORMAL, face ? face : ""};
  return reinterpret_cast<HFONT>(common::AddGdiObject(std::move(f)));
}

HFONT SelectFont(HDC hdc, HFONT font) {
  CDeviceContext* dc = FindDc(hdc);
  if (!dc || !FindGdi(font, GdiKind::kFont)) return nullptr;
  const HFONT old = FindGdi(dc->font, GdiKind::kFont) ? dc->font : common::SystemFont();
  dc->font = font;
  return old;
}

COLORREF SetTextColor(HDC hdc, COLORREF colour) {
  CDeviceContext* dc = FindDc(hdc);
  return dc ? std::exchange(dc->textColour, colour & 0xFFFFFF) : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
  CDeviceContext* dc = FindDc(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return std::exchange(dc->bkMode, mode);
}

COLORREF SetBkColor(HDC hdc, COLORREF colour) {
  CDeviceContext* dc = FindDc(hdc);
  return dc ? std::exchange(dc->bkColour, colour & 0xFFFFFF) : CLR_INVALID;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
  common::CGdiObject b;
  b.colour = colour & 0xFFFFFF;
  return reinterpret_cast<HBRUSH>(common::AddGdiObject(std::move(b)));
}

HBRUSH GetStockBrush(int stockBrush) {
  if (stockBrush < WHITE_BRUSH || stockBrush > NULL_BRUSH) return nullptr;
  HBRUSH& slot = common::Tables().stockBrushes[static_cast<std::size_t>(stockBrush)];
  if (!slot) {
    static constexpr int kGrey[] = {255, 192, 128, 64, 0, 0};
    common::CGdiObject b;
    const int g = kGrey[stockBrush];
    b.colour = RGB(g, g, g);
    b.hollow = stockBrush == NULL_BRUSH;
    slot = reinterpret_cast<HBRUSH>(common::AddStock(std::move(b)));
  }
  return slot;
}

}  // namespace plat
