// Push-button faces in the three states a program shows.
#pragma once

#include <cstdint>

#include "artwork/BitmapWriter.h"
#include "artwork/Shapes.h"

namespace artwork {

enum ButtonState : int {
  kButtonNormal = 0,   // not available: greyed
  kButtonEnabled = 1,  // available: coloured, raised
  kButtonPressed = 2,  // held down: darker, sunken, label moved by one pixel
};

void DrawButtonFace(IndexedImage& image, const Rect& r, const char* label, int state, std::uint8_t face);

}  // namespace artwork
