// A die face with its pips.
#pragma once

#include <cstdint>

#include "artwork/BitmapWriter.h"
#include "artwork/Shapes.h"

namespace artwork {

// face 1..6 (others draw a blank face); body and pip colours as given.
void DrawDie(IndexedImage& image, const Rect& r, int face, std::uint8_t body, std::uint8_t pip);

}  // namespace artwork
