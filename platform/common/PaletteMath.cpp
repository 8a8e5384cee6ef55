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
  const auto distance = [r, g, b](const PALETTEENTRY& e) {
    return (e.peRed - r) * (e.peRed - r) + (e.peGreen - g) * (e.peGreen - g) + (e.peBlue - b) * (e.peBlue - b);
  };
  // The first of the nearest: the lowest index on a tie.
  const auto nearest = std::min_element(entries, entries + count, [&distance](const auto& x, const auto& y) {
    return distance(x) < distance(y);
  });
  return static_cast<UINT>(nearest - entries);
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
