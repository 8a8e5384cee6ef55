#include "artwork/Chip.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "artwork/StandardColours.h"
#include "artwork/Text.h"

namespace artwork {

std::uint8_t ChipColour(int value) {
  switch (value) {
    case 1: return kWhite;
    case 5: return kRed;
    case 10: return kBlue;
    case 25: return kChipGreen;
    case 100: return kBlack;
    case 500: return kPurple;
    case 1000: return kOrange;
    default: return kGold;
  }
}

void DrawChip(IndexedImage& image, const Rect& r, int value) {
  const std::uint8_t base = ChipColour(value);
  const std::uint8_t notch = base == kWhite ? kBlue : kWhite;
  FillEllipse(image, r, kBlack);
  FillEllipse(image, {r.x + 1, r.y + 1, r.w - 2, r.h - 2}, base);
  const double cx = r.x + r.w / 2.0;
  const double cy = r.y + r.h / 2.0;
  const int nw = std::max(2, r.w / 10);
  const int nh = std::max(2, r.h / 10);
  for (int i = 0; i < 6; ++i) {
    const double angle = (i * 60 + 30) * 3.14159265358979 / 180.0;
    const int nx = static_cast<int>(std::lround(cx + std::cos(angle) * (r.w / 2.0 - nw)));
    const int ny = static_cast<int>(std::lround(cy + std::sin(angle) * (r.h / 2.0 - nh)));
    FillRect(image, {nx - nw / 2, ny - nh / 2, nw, nh}, notch);
  }
  const Rect inner{r.x + r.w / 5, r.y + r.h / 5, r.w - 2 * (r.w / 5), r.h - 2 * (r.h / 5)};
  FillEllipse(image, inner, notch);
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  const std::uint8_t ink = base == kWhite ? std::uint8_t{kBlack} : base;
  const TextStyle style{ink, kWhite, 1, 0};
  DrawTextCentred(image, inner, text, style);
}

}  // namespace artwork
