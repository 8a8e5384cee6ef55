// A casino chip seen slightly from above: rim with notches and its value.
#pragma once

#include "artwork/BitmapWriter.h"
#include "artwork/Shapes.h"

namespace artwork {

// The colour of a chip of this value (1 white, 5 red, 10 blue, 25 green,
// 100 black, 500 purple, 1000 orange, any other gold).
std::uint8_t ChipColour(int value);
// Fills the ellipse of r; pixels outside it are left as they were.
void DrawChip(IndexedImage& image, const Rect& r, int value);

}  // namespace artwork
