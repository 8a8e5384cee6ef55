#include "artwork/Die.h"

#include <algorithm>

#include "artwork/StandardColours.h"

namespace artwork {

namespace {

// Pip places on a 3x3 grid, as (column, row) pairs per face.
struct Pip {
  int column;
  int row;
};
constexpr Pip kPips[7][6] = {
    {},
    {{1, 1}},
    {{0, 0}, {2, 2}},
    {{0, 0}, {1, 1}, {2, 2}},
    {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
    {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
    {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}},
};

}  // namespace

void DrawDie(IndexedImage& image, const Rect& r, int face, std::uint8_t body, std::uint8_t pip) {
  const int radius = std::max(1, std::min(r.w, r.h) / 6);
  FillRoundRect(image, r, radius, kBlack);
  FillRoundRect(image, {r.x + 1, r.y + 1, r.w - 2, r.h - 2}, radius - 1, body);
  if (face < 1 || face > 6) return;
  const int size = std::max(2, std::min(r.w, r.h) / 5);
  for (int i = 0; i < face; ++i) {
    const Pip& p = kPips[face][i];
    const int px = r.x + r.w * (1 + 2 * p.column) / 6 - size / 2;
    const int py = r.y + r.h * (1 + 2 * p.row) / 6 - size / 2;
    FillEllipse(image, {px, py, size, size}, pip);
  }
}

}  // namespace artwork
