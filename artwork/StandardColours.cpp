#include "artwork/StandardColours.h"

namespace artwork {

namespace {

constexpr Rgb kNamed[kNamedColours] = {
    {0, 0, 0},       {255, 255, 255}, {0, 72, 24},     {0, 110, 40},    {40, 150, 70},
    {70, 40, 16},    {120, 72, 32},   {200, 24, 24},   {120, 8, 8},     {40, 70, 200},
    {16, 24, 100},   {212, 170, 40},  {250, 230, 60},  {240, 130, 20},  {120, 40, 160},
    {60, 60, 60},    {128, 128, 128}, {192, 192, 192}, {250, 250, 244}, {90, 90, 110},
    {20, 150, 60},   {240, 150, 190}, {60, 200, 220},
};

bool SameColour(const Rgb& a, const Rgb& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

bool TakenBefore(const IndexedImage& image, int index) {
  if (index != kKey && SameColour(image.palette[index], image.palette[kKey])) return true;
  for (int j = 0; j < index; ++j) {
    if (SameColour(image.palette[j], image.palette[index])) return true;
  }
  return false;
}

}  // namespace

void SetStandardPalette(IndexedImage& image) {
  for (int i = 0; i < kNamedColours; ++i) image.palette[i] = kNamed[i];
  int index = kNamedColours;
  for (int r = 0; r < 6; ++r) {
    for (int g = 0; g < 6; ++g) {
      for (int b = 0; b < 6; ++b) {
        image.palette[index++] = {static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                                  static_cast<std::uint8_t>(b * 51)};
      }
    }
  }
  for (int step = 1; index < kKey; ++index, ++step) {
    const auto v = static_cast<std::uint8_t>(step * 15);
    image.palette[index] = {v, v, v};
  }
  image.palette[kKey] = {255, 0, 255};
  // Remapping to the program's palette sends a colour to its first entry, so
  // a repeated colour would move pixels off the index a sprite or font uses.
  for (int i = 0; i < kKey; ++i) {
    while (TakenBefore(image, i)) {
      Rgb& c = image.palette[i];
      c.b = static_cast<std::uint8_t>(c.b < 255 ? c.b + 1 : c.b - 1);
    }
  }
}

}  // namespace artwork
