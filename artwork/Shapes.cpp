#include "artwork/Shapes.h"

#include <algorithm>

namespace artwork {

namespace {

// Whether (px, py) lies in the rounded rectangle; tested at pixel centres.
bool InRoundRect(const Rect& r, int radius, int px, int py) {
  const int left = r.x + radius;
  const int right = r.x + r.w - 1 - radius;
  const int top = r.y + radius;
  const int bottom = r.y + r.h - 1 - radius;
  const int cx = std::clamp(px, left, right);
  const int cy = std::clamp(py, top, bottom);
  const int dx = px - cx;
  const int dy = py - cy;
  if (dx == 0 && dy == 0) return true;
  return 4 * (dx * dx + dy * dy) <= (2 * radius + 1) * (2 * radius + 1) - 2;
}

int CutRadius(const Rect& r, int radius) {
  return std::max(0, std::min(radius, std::min(r.w, r.h) / 2));
}

}  // namespace

void Plot(IndexedImage& image, int x, int y, std::uint8_t colour) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return;
  image.At(x, y) = colour;
}

void FillRect(IndexedImage& image, const Rect& r, std::uint8_t colour) {
  const int x0 = std::max(r.x, 0);
  const int y0 = std::max(r.y, 0);
  const int x1 = std::min(r.x + r.w, image.width);
  const int y1 = std::min(r.y + r.h, image.height);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) image.At(x, y) = colour;
  }
}

void FrameRect(IndexedImage& image, const Rect& r, std::uint8_t colour, int thickness) {
  const int t = std::min(thickness, std::min(r.w, r.h) / 2 + 1);
  FillRect(image, {r.x, r.y, r.w, t}, colour);
  FillRect(image, {r.x, r.y + r.h - t, r.w, t}, colour);
  FillRect(image, {r.x, r.y, t, r.h}, colour);
  FillRect(image, {r.x + r.w - t, r.y, t, r.h}, colour);
}

void FillRoundRect(IndexedImage& image, const Rect& r, int radius, std::uint8_t colour) {
  const int rad = CutRadius(r, radius);
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) {
      if (InRoundRect(r, rad, x, y)) Plot(image, x, y, colour);
    }
  }
}

void FrameRoundRect(IndexedImage& image, const Rect& r, int radius, std::uint8_t colour) {
  const int rad = CutRadius(r, radius);
  const Rect inner{r.x + 1, r.y + 1, r.w - 2, r.h - 2};
  const int innerRad = std::max(0, rad - 1);
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) {
      const bool inside = inner.w > 0 && inner.h > 0 && x >= inner.x && y >= inner.y &&
                          x < inner.x + inner.w && y < inner.y + inner.h &&
                          InRoundRect(inner, innerRad, x, y);
      if (InRoundRect(r, rad, x, y) && !inside) Plot(image, x, y, colour);
    }
  }
}

void FillEllipse(IndexedImage& image, const Rect& r, std::uint8_t colour) {
  // Doubled coordinates keep the centre of an even-sized box exact.
  const long cx2 = 2L * r.x + r.w - 1;
  const long cy2 = 2L * r.y + r.h - 1;
  const long a = r.w;
  const long b = r.h;
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) {
      const long dx = 2L * x - cx2;
      const long dy = 2L * y - cy2;
      if (dx * dx * b * b + dy * dy * a * a <= a * a * b * b) Plot(image, x, y, colour);
    }
  }
}

void Bevel(IndexedImage& image, const Rect& r, std::uint8_t light, std::uint8_t dark) {
  FillRect(image, {r.x, r.y, r.w, 1}, light);
  FillRect(image, {r.x, r.y, 1, r.h}, light);
  FillRect(image, {r.x, r.y + r.h - 1, r.w, 1}, dark);
  FillRect(image, {r.x + r.w - 1, r.y, 1, r.h}, dark);
}

}  // namespace artwork
