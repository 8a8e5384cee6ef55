// The colours every generated picture uses: a fixed 256-entry palette with
// named entries for the table pieces and a colour cube filling the rest.
#pragma once

#include <cstdint>

#include "artwork/BitmapWriter.h"

namespace artwork {

enum Colour : std::uint8_t {
  kBlack = 0,
  kWhite,
  kFeltDark,
  kFelt,
  kFeltLight,
  kWoodDark,
  kWood,
  kRed,
  kDarkRed,
  kBlue,
  kDarkBlue,
  kGold,
  kYellow,
  kOrange,
  kPurple,
  kGreyDark,
  kGrey,
  kGreyLight,
  kCardFace,
  kCardEdge,
  kChipGreen,
  kPink,
  kCyan,
  kNamedColours,  // first entry of the colour cube
  // The key colour of sprites, left out when they are drawn.
  kKey = 255,
};

// Fills all 256 entries: the named colours, a 6x6x6 cube from kNamedColours
// on, grey steps up to kKey, and magenta at kKey.
void SetStandardPalette(IndexedImage& image);

}  // namespace artwork
