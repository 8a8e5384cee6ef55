// Filled and outlined shapes on an indexed image. Every routine clips to the
// image, so pieces may be drawn partly outside it.
#pragma once

#include <cstdint>

#include "artwork/BitmapWriter.h"

namespace artwork {

struct Rect {
  int x;
  int y;
  int w;
  int h;
};

// Sets one pixel; points outside the image are ignored.
void Plot(IndexedImage& image, int x, int y, std::uint8_t colour);
void FillRect(IndexedImage& image, const Rect& r, std::uint8_t colour);
// A border of the given thickness inside r.
void FrameRect(IndexedImage& image, const Rect& r, std::uint8_t colour, int thickness);
// Corners rounded with radius (cut to half the shorter side).
void FillRoundRect(IndexedImage& image, const Rect& r, int radius, std::uint8_t colour);
void FrameRoundRect(IndexedImage& image, const Rect& r, int radius, std::uint8_t colour);
// The ellipse inscribed in r.
void FillEllipse(IndexedImage& image, const Rect& r, std::uint8_t colour);
// Shades the top and left edges with light and the bottom and right with
// dark: a raised face, or a sunken one with the colours swapped.
void Bevel(IndexedImage& image, const Rect& r, std::uint8_t light, std::uint8_t dark);

}  // namespace artwork
