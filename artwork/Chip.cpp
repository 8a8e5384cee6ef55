#include "artwork/Chip.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "artwork/StandardColours.h"

namespace artwork {

namespace {

// Digits three dots wide and five high (bit 2 the leftmost column), so that
// a chip's value fits inside a chip a little more than 20 pixels across.
constexpr std::uint8_t kDigits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7},
};
constexpr int kDigitWidth = 3;
constexpr int kDigitHeight = 5;

void DrawValue(IndexedImage& image, const Rect& r, const char* digits, std::uint8_t ink) {
  const int count = static_cast<int>(std::strlen(digits));
  int x = r.x + (r.w - (count * (kDigitWidth + 1) - 1)) / 2;
  const int y = r.y + (r.h - kDigitHeight) / 2;
  for (const char* d = digits; *d; ++d, x += kDigitWidth + 1) {
    for (int row = 0; row < kDigitHeight; ++row) {
      for (int col = 0; col < kDigitWidth; ++col) {
        if (kDigits[*d - '0'][row] & (4 >> col)) Plot(image, x + col, y + row, ink);
      }
    }
  }
}

}  // namespace

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
  const Rect inner{r.x + r.w / 6, r.y + r.h / 6, r.w - 2 * (r.w / 6), r.h - 2 * (r.h / 6)};
  FillEllipse(image, inner, notch);
  char digits[16];
  std::snprintf(digits, sizeof digits, "%d", value < 0 ? -value : value);
  DrawValue(image, inner, digits, base == kWhite ? std::uint8_t{kBlack} : base);
}

}  // namespace artwork
