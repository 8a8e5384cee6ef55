// The sample's 8-bit picture and the palette it is shown through.
#pragma once

#include <vector>

#include "platform/include/plat/plat.h"

namespace sample {

using namespace plat;

constexpr int kWidth = 640;
constexpr int kHeight = 480;

struct CPicture {
  BITMAPINFO info;           // colour table: WORD indices 0..255 (DIB_PAL_COLORS)
  std::vector<BYTE> bits;    // bottom-up rows
  LOGPALETTE palette;
};

// 16 x 16 blocks, one per palette entry, over a colour wheel palette.
void MakePicture(CPicture* picture);

}  // namespace sample
