#include "platform/common/PaletteMath.h"

#include <algorithm>
#include <array>

namespace plat::common {
namespace {

constexpr PALETTEENTRY kStatic[kStaticColours] = {
    {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},
    {0, 0, 128, 0},     {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0},
    {192, 220, 192, 0}, {166, 202, 240, 0}, {255, 251, 240, 0}, {160, 160, 164, 0},
    {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},     {255, 255, 0, 0},
    {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0},
};

}  // namespace

UINT NearestPaletteIndex(const PALETTEENTRY* entries, UINT count, int r, int g, int b) {
  if (!entries || count == 0) return CLR_INVALID;
  UINT best = 0;
  long bestDistance = -1;
  for (UINT i = 0; i < count; ++i) {
    const long dr = entries[i].peRed - r;
    const long dg = entries[i].peGreen - g;
    const long db = entries[i].peBlue - b;
    const long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      bestDistance = d;
      best = i;
      if (d == 0) break;
    }
  }
  return best;
}

const PALETTEENTRY* DefaultSystemPalette() {
  static const auto palette = [] {
    std::array<PALETTEENTRY, kSystemPaletteSize> p{};
    std::copy_n(kStatic, 10, p.begin());
    std::copy_n(kStatic + 10, 10, p.end() - 10);
    return p;
  }();
  return palette.data();
}

const PALETTEENTRY* StaticColours() { return kStatic; }

int CharFromVirtualKey(WPARAM vk, bool shift) {
  if (vk >= 'A' && vk <= 'Z') return shift ? static_cast<int>(vk) : static_cast<int>(vk - 'A' + 'a');
  if (vk >= '0' && vk <= '9') return static_cast<int>(vk);
  if (vk == VK_SPACE) return ' ';
  if (vk == VK_RETURN) return '\r';
  if (vk == VK_BACK) return '\b';
  if (vk == VK_TAB) return '\t';
  if (vk == VK_ESCAPE) return 0x1B;
  return 0;
}

}  // namespace plat::common
