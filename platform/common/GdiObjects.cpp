// The object and DC tables, palettes and the DC's state.
#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "platform/common/Device.h"
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
  HPALETTE defaultPalette = nullptr;  // every DC's before SelectPalette: the 20 static colours
  HFONT systemFont = nullptr;
  HBRUSH faceBrush = nullptr;
  UINT systemPaletteUse = SYSPAL_STATIC;
};

HGDIOBJ Add(CGdiTables& t, CGdiObject object) {
  const std::uintptr_t value = kGdiTag | t.nextSerial++;
  t.objects[value] = std::move(object);
  return reinterpret_cast<HGDIOBJ>(value);
}

template <class H>
H AddStock(CGdiTables& t, CGdiObject object) {
  object.stock = true;
  return reinterpret_cast<H>(Add(t, std::move(object)));
}

CGdiTables* MakeTables() {
  auto* t = new CGdiTables;
  const PALETTEENTRY* statics = StaticColours();
  t->defaultPalette = AddStock<HPALETTE>(
      *t, {.kind = GdiKind::kPalette, .entries = std::vector<PALETTEENTRY>(statics, statics + kStaticColours)});
  t->systemFont = AddStock<HFONT>(*t, {.kind = GdiKind::kFont});
  t->faceBrush = AddStock<HBRUSH>(*t, {.colour = kDialogFace});
  constexpr int kGrey[] = {255, 192, 128, 64, 0, 0};  // WHITE_BRUSH .. NULL_BRUSH
  for (int i = WHITE_BRUSH; i <= NULL_BRUSH; ++i) {
    const COLORREF grey = RGB(kGrey[i], kGrey[i], kGrey[i]);
    t->stockBrushes[i] = AddStock<HBRUSH>(*t, {.colour = grey, .hollow = i == NULL_BRUSH});
  }
  return t;
}

CGdiTables& Tables() {
  static CGdiTables* tables = MakeTables();  // objects may be asked about until exit
  return *tables;
}

std::uintptr_t Key(const void* handle) { return reinterpret_cast<std::uintptr_t>(handle); }

CGdiObject* Palette(HPALETTE palette) { return FindGdi(palette, GdiKind::kPalette); }

// Puts object into the DC's slot and answers what it replaces (the default
// when that is gone); null when either is unknown.
template <class H>
H Select(HDC hdc, H CDeviceContext::*slot, H object, GdiKind kind, H fallback) {
  CDeviceContext* dc = FindDc(hdc);
  if (!dc || !FindGdi(object, kind)) return nullptr;
  const H old = std::exchange(dc->*slot, object);
  return FindGdi(old, kind) ? old : fallback;
}

// What GetPaletteEntries and GetSystemPaletteEntries answer.
UINT CopyOut(const PALETTEENTRY* from, UINT size, UINT start, UINT count, PALETTEENTRY* out) {
  if (!out) return size;
  if (start >= size) return 0;
  const UINT n = std::min(count, size - start);
  std::copy_n(from + start, n, out);
  return n;
}

}  // namespace

HGDIOBJ AddGdiObject(CGdiObject object) { return Add(Tables(), std::move(object)); }

CGdiObject* FindGdi(const void* handle, GdiKind kind) {
  CGdiTables& t = Tables();
  auto it = t.objects.find(Key(handle));
  return it == t.objects.end() || it->second.kind != kind ? nullptr : &it->second;
}

HDC NewDc(HWND window, void* device) {
  CGdiTables& t = Tables();
  const std::uintptr_t value = kDcTag | t.nextSerial++;
  t.dcs[value] = CDeviceContext{.window = window, .device = device, .palette = t.defaultPalette};
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

void ResetGdi() {
  CGdiTables& t = Tables();
  t.dcs.clear();
  std::erase_if(t.objects, [](const auto& e) { return !e.second.stock; });
  t.systemPaletteUse = SYSPAL_STATIC;
}

HFONT SystemFont() { return Tables().systemFont; }

HBRUSH DialogFaceBrush() { return Tables().faceBrush; }

const std::vector<PALETTEENTRY>& PaletteOf(const CDeviceContext& dc) {
  const CGdiObject* p = Palette(dc.palette);
  return (p ? p : Palette(Tables().defaultPalette))->entries;
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
    case kHorzRes: return common::ScreenSize().cx;
    case kVertRes: return common::ScreenSize().cy;
    default: return 0;
  }
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
  if (!palette || palette->palNumEntries == 0 || palette->palNumEntries > 256) return nullptr;
  const PALETTEENTRY* e = palette->palPalEntry;
  return reinterpret_cast<HPALETTE>(common::AddGdiObject(
      {.kind = GdiKind::kPalette, .entries = std::vector<PALETTEENTRY>(e, e + palette->palNumEntries)}));
}

BOOL DeleteObject(HGDIOBJ object) {
  auto& objects = common::Tables().objects;
  auto it = objects.find(common::Key(object));
  if (!object || it == objects.end()) return FALSE;
  if (!it->second.stock) objects.erase(it);
  return TRUE;
}

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL) {
  return common::Select(hdc, &CDeviceContext::palette, palette, GdiKind::kPalette, common::Tables().defaultPalette);
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
  if (!p || p->stock || !entries || start >= p->entries.size()) return 0;
  const UINT n = std::min(count, static_cast<UINT>(p->entries.size()) - start);
  std::copy_n(entries, n, p->entries.begin() + start);
  return n;
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
  const common::CGdiObject* p = common::Palette(palette);
  return p ? common::CopyOut(p->entries.data(), static_cast<UINT>(p->entries.size()), start, count, entries) : 0;
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF colour) {
  const common::CGdiObject* p = common::Palette(palette);
  if (!p) return CLR_INVALID;
  return common::NearestPaletteIndex(p->entries.data(), static_cast<UINT>(p->entries.size()), GetRValue(colour),
                                     GetGValue(colour), GetBValue(colour));
}

UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, PALETTEENTRY* entries) {
  if (!FindDc(hdc)) return 0;
  return common::CopyOut(common::DefaultSystemPalette(), common::kSystemPaletteSize, start, count, entries);
}

UINT SetSystemPaletteUse(HDC hdc, UINT use) {
  if (!FindDc(hdc) || (use != SYSPAL_STATIC && use != SYSPAL_NOSTATIC)) return SYSPAL_ERROR;
  return std::exchange(common::Tables().systemPaletteUse, use);
}

UINT GetSystemPaletteUse(HDC hdc) {
  return FindDc(hdc) ? common::Tables().systemPaletteUse : SYSPAL_ERROR;
}

HFONT CreateFont(int height, int width, int weight, const char* face) {
  return reinterpret_cast<HFONT>(common::AddGdiObject(
      {.kind = GdiKind::kFont, .font = {height, width, weight > 0 ? weight : FW_NORMAL, face ? face : ""}}));
}

HFONT SelectFont(HDC hdc, HFONT font) {
  return common::Select(hdc, &CDeviceContext::font, font, GdiKind::kFont, common::SystemFont());
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
  return reinterpret_cast<HBRUSH>(common::AddGdiObject({.colour = colour & 0xFFFFFF}));
}

HBRUSH GetStockBrush(int stockBrush) {
  if (stockBrush < WHITE_BRUSH || stockBrush > NULL_BRUSH) return nullptr;
  return common::Tables().stockBrushes[static_cast<std::size_t>(stockBrush)];
}

}  // namespace plat
