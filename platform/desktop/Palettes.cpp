#include <algorithm>

#include "platform/desktop/DeviceContext.h"
#include "platform/desktop/GdiObjects.h"
#include "platform/common/PaletteMath.h"

namespace plat {
namespace {

using desktop::CPaletteObject;

UINT g_systemPaletteUse = SYSPAL_STATIC;

CPaletteObject* Palette(HPALETTE palette) { return desktop::GdiCast<CPaletteObject>(palette); }

}  // namespace

HPALETTE CreatePalette(const LOGPALETTE* palette) {
  if (!palette || palette->palNumEntries == 0 || palette->palNumEntries > 256) return nullptr;
  auto p = std::make_unique<CPaletteObject>();
  p->entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
  return reinterpret_cast<HPALETTE>(desktop::AddGdiObject(std::move(p)));
}

HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL) {
  desktop::CDeviceContext* dc = desktop::FindDc(hdc);
  if (!dc || !Palette(palette)) return nullptr;
  HPALETTE old = dc->palette;
  dc->palette = palette;
  return old;
}

UINT RealizePalette(HDC hdc) {
  desktop::CDeviceContext* dc = desktop::FindDc(hdc);
  if (!dc) return 0;
  CPaletteObject* p = Palette(dc->palette);
  return p ? static_cast<UINT>(p->entries.size()) : 0;
}

BOOL ResizePalette(HPALETTE palette, UINT entries) {
  CPaletteObject* p = Palette(palette);
  if (!p || p->stock || entries == 0 || entries > 256) return FALSE;
  p->entries.resize(entries, PALETTEENTRY{0, 0, 0, 0});
  return TRUE;
}

UINT SetPaletteEntries(HPALETTE palette, UINT start, UINT count, const PALETTEENTRY* entries) {
  CPaletteObject* p = Palette(palette);
  if (!p || p->stock) return 0;
  return common::CopyIntoPalette(p->entries, start, count, entries);
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
  CPaletteObject* p = Palette(palette);
  return p ? common::CopyFromPalette(p->entries, start, count, entries) : 0;
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF colour) {
  CPaletteObject* p = Palette(palette);
  if (!p) return CLR_INVALID;
  return common::NearestPaletteIndex(p->entries.data(), static_cast<UINT>(p->entries.size()),
                                     colour);
}

UINT GetSystemPaletteEntries(HDC hdc, UINT start, UINT count, PALETTEENTRY* entries) {
  if (!desktop::FindDc(hdc)) return 0;
  const UINT size = common::kSystemPaletteSize;
  if (!entries) return size;
  if (start >= size) return 0;
  const UINT n = std::min(count, size - start);
  const PALETTEENTRY* system = common::DefaultSystemPalette();
  std::copy(system + start, system + start + n, entries);
  return n;
}

UINT SetSystemPaletteUse(HDC hdc, UINT use) {
  if (!desktop::FindDc(hdc) || (use != SYSPAL_STATIC && use != SYSPAL_NOSTATIC)) {
    return SYSPAL_ERROR;
  }
  const UINT old = g_systemPaletteUse;
  g_systemPaletteUse = use;
  return old;
}

UINT GetSystemPaletteUse(HDC hdc) {
  return desktop::FindDc(hdc) ? g_systemPaletteUse : SYSPAL_ERROR;
}

}  // namespace plat
