#include "framework/sound/Palette.h"

#include <algorithm>

#include "framework/sound/Dib.h"
#include "platform/include/plat/gdi.h"

CPalette::~CPalette() { Delete(); }

int CPalette::CreateFromDib(const CDib& dib) {
  const int count = dib.NumColors();
  const plat::RGBQUAD* table = dib.ColorTable();
  if (count <= 0 || count > 256 || !table) return 0;
  plat::LOGPALETTE logical = {};
  logical.palVersion = 0x300;
  logical.palNumEntries = static_cast<plat::WORD>(count);
  for (int i = 0; i < count; ++i) {
    logical.palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
  }
  plat::HPALETTE created = plat::CreatePalette(&logical);
  if (!created) return 0;
  Delete();
  palette = created;
  return 1;
}

int CPalette::MakeIdentity(plat::HDC deviceContext) {
  if (!palette) return 0;
  if ((plat::GetDeviceCaps(deviceContext, plat::RASTERCAPS) & plat::RC_PALETTE) == 0) return 0;
  if (plat::GetDeviceCaps(deviceContext, plat::NUMCOLORS) > 256) return 1;
  const int reserved = plat::GetDeviceCaps(deviceContext, plat::NUMRESERVED);
  const int size = std::clamp(plat::GetDeviceCaps(deviceContext, plat::SIZEPALETTE), 0, 256);

  // Switching the static colours off and on again empties the system
  // palette, so realising ours lays it out in order.
  plat::SetSystemPaletteUse(deviceContext, plat::SYSPAL_NOSTATIC);
  plat::SetSystemPaletteUse(deviceContext, plat::SYSPAL_STATIC);
  plat::HPALETTE previous = plat::SelectPalette(deviceContext, palette, plat::FALSE);
  plat::RealizePalette(deviceContext);
  plat::SelectPalette(deviceContext, previous, plat::FALSE);

  plat::PALETTEENTRY entries[256] = {};
  plat::GetSystemPaletteEntries(deviceContext, 0, static_cast<plat::UINT>(size), entries);
  const int half = reserved / 2;
  for (int i = 0; i < size; ++i) {
    entries[i].peFlags = (i < half || i >= size - half) ? 0 : plat::PC_NOCOLLAPSE;
  }
  plat::ResizePalette(palette, static_cast<plat::UINT>(size));
  plat::SetPaletteEntries(palette, 0, static_cast<plat::UINT>(size), entries);
  return 1;
}

void CPalette::Delete() {
  if (palette) plat::DeleteObject(plat::ToObject(palette));
  palette = nullptr;
}
