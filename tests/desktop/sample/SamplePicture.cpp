#include "tests/desktop/sample/SamplePicture.h"

#include <cmath>

namespace sample {

void MakePicture(CPicture* p) {
  p->info = BITMAPINFO{};
  BITMAPINFOHEADER& h = p->info.bmiHeader;
  h.biSize = sizeof(BITMAPINFOHEADER);
  h.biWidth = kWidth;
  h.biHeight = kHeight;
  h.biPlanes = 1;
  h.biBitCount = 8;
  h.biCompression = BI_RGB;
  auto* indices = reinterpret_cast<WORD*>(p->info.bmiColors);
  for (int i = 0; i < 256; ++i) indices[i] = static_cast<WORD>(i);

  p->palette.palVersion = 0x300;
  p->palette.palNumEntries = 256;
  for (int i = 0; i < 256; ++i) {
    const double hue = (i % 16) / 16.0 * 6.0;
    const double light = 0.25 + (i / 16) / 16.0 * 0.75;
    const int sector = static_cast<int>(hue);
    const double f = hue - sector;
    double r = 0, g = 0, b = 0;
    switch (sector) {
      case 0: r = 1; g = f; break;
      case 1: r = 1 - f; g = 1; break;
      case 2: g = 1; b = f; break;
      case 3: g = 1 - f; b = 1; break;
      case 4: r = f; b = 1; break;
      default: r = 1; b = 1 - f; break;
    }
    p->palette.palPalEntry[i] = PALETTEENTRY{static_cast<BYTE>(r * light * 255),
                                             static_cast<BYTE>(g * light * 255),
                                             static_cast<BYTE>(b * light * 255), 0};
  }
  p->bits.assign(static_cast<std::size_t>(kWidth) * kHeight, 0);
  for (int y = 0; y < kHeight; ++y) {
    const int row = kHeight - 1 - y;  // bottom-up
    for (int x = 0; x < kWidth; ++x) {
      p->bits[static_cast<std::size_t>(row) * kWidth + x] =
          static_cast<BYTE>((y * 16 / kHeight) * 16 + x * 16 / kWidth);
    }
  }
}

}  // namespace sample
