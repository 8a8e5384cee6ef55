// The card flip renderer against a reference worked in the test: corners
// turned and projected in double precision; a column-coded sprite shows
// which source column each written pixel took.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "mz/CardFlip.h"

namespace {

using mz::PixelRows;

struct Surface {
  std::vector<std::uint8_t> pixels;
  PixelRows rows;
  Surface(int w, int h, int bits = 8) : pixels(static_cast<std::size_t>((w + 3) / 4 * 4) * h, 0) {
    rows = {pixels.data(), w, h, (w + 3) / 4 * 4, bits};
  }
  std::uint8_t& At(int x, int y) { return pixels[static_cast<std::size_t>(rows.height - 1 - y) * rows.stride + x]; }
};

// Source column c holds the value c + 1 (0 stays "not written").
Surface ColumnSprite(int w, int h) {
  Surface s(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s.At(x, y) = static_cast<std::uint8_t>(x + 1);
  }
  return s;
}

// The projected x of a corner (turned about y only) in double precision.
double ProjectedX(double cx, int angle, int x, int m) {
  const double a = angle * 2.0 * M_PI / 1024.0;
  const double z = cx * std::sin(a), px = cx * std::cos(a);
  return px * 512.0 / (z + 512.0) + x + m;
}

void Draw(Surface& target, const Surface& sprite, int x, int y, int a1, int a2, int a3, mz::Box* box) {
  mz::Quad quad;
  ASSERT_EQ(mz::ProjectRotatedQuad(sprite.rows, target.rows, x, y, 0, 0, sprite.rows.width, sprite.rows.height, a1, a2,
                                   a3, &quad),
            1);
  mz::FillTexturedQuad(sprite.rows, quad, target.rows, box);
}

TEST(CardFlip, TurnsAboutYMatchTheReferenceColumns) {
  mz::BuildSineTables();
  const Surface sprite = ColumnSprite(53, 73);
  std::vector<int> angles = {0, 1031};
  for (int a = 40; a <= 240; a += 40) angles.push_back(a);
  for (int a = 792; a <= 992; a += 40) angles.push_back(a);
  for (int angle : angles) {
    Surface target(640, 480);
    mz::Box box;
    Draw(target, sprite, 200, 200, 0, angle, 0, &box);
    const double left = std::min(ProjectedX(-26, angle, 200, 26), ProjectedX(26, angle, 200, 26));
    const double right = std::max(ProjectedX(-26, angle, 200, 26), ProjectedX(26, angle, 200, 26));
    const int row = 236;  // the sprite's middle row
    int first = 640, last = -1;
    for (int x = 0; x < 640; ++x) {
      if (target.At(x, row) == 0) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
    for (int x = 0; x < 640; ++x) {
      const int c = target.At(x, row);
      if (c == 0) continue;
      EXPECT_GE(x + 0.5, left - 1.0) << "angle " << angle;
      EXPECT_LE(x + 0.5, right + 1.0) << "angle " << angle;
      // Within one screen pixel: as many columns as a pixel covers.
      const double onePixel = std::max(1.0, 52.0 / (last + 1 - first));
      // The row's span maps the sprite's columns evenly onto its pixels.
      const double t = (x + 0.5 - first) / (last + 1 - first);
      const bool mirrored = ProjectedX(-26, angle, 200, 26) > ProjectedX(26, angle, 200, 26);
      const double expected = 0.5 + (mirrored ? 1.0 - t : t) * 52.0;
      EXPECT_NEAR(c - 1, std::floor(expected), onePixel) << "angle " << angle << " x " << x;
    }
  }
}

TEST(CardFlip, EdgeOnDrawsAtMostOneColumn) {
  const Surface sprite = ColumnSprite(53, 73);
  for (int angle : {256, 768}) {
    Surface target(640, 480);
    mz::Box box;
    Draw(target, sprite, 100, 100, 0, angle, 0, &box);
    int columns = 0;
    for (int x = 0; x < 640; ++x) columns += target.At(x, 136) != 0 ? 1 : 0;
    EXPECT_LE(columns, 1) << "angle " << angle;
  }
}

TEST(CardFlip, HalfOffScreenWritesNothingOutside) {
  const Surface sprite = ColumnSprite(53, 73);
  Surface target(100, 100);
  const std::vector<std::uint8_t> guard(target.pixels);
  mz::Box box;
  Draw(target, sprite, 70, 60, 0, 40, 0, &box);
  EXPECT_GE(box.left, 0);
  EXPECT_LE(box.right, 100);
  EXPECT_LE(box.bottom, 100);
  int written = 0;
  for (auto p : target.pixels) written += p != 0;
  EXPECT_GT(written, 0);
}

// A narrow window into a wider surface, cutting the flip at both its sides,
// gets exactly the pixels the whole flip puts there and none beside them.
TEST(CardFlip, ASpanCutAtBothSidesKeepsItsTexture) {
  // Every pixel of the sprite tells its row and column apart.
  Surface sprite(53, 73);
  for (int y = 0; y < 73; ++y) {
    for (int x = 0; x < 53; ++x) sprite.At(x, y) = static_cast<std::uint8_t>(1 + (x + 53 * y) % 251);
  }
  Surface whole(300, 200), cut(300, 200);
  mz::Quad quad;
  ASSERT_EQ(mz::ProjectRotatedQuad(sprite.rows, whole.rows, 100, 50, 0, 0, 53, 73, 0, 40, 0, &quad), 1);
  mz::Box box;
  mz::FillTexturedQuad(sprite.rows, quad, whole.rows, &box);
  constexpr int kLeft = 115, kWidth = 30;
  ASSERT_LT(box.left, kLeft);
  ASSERT_GT(box.right, kLeft + kWidth);
  const PixelRows window{cut.pixels.data() + kLeft, kWidth, 200, cut.rows.stride, 8};
  for (auto& corner : quad.corner) corner.x -= kLeft;
  mz::FillTexturedQuad(sprite.rows, quad, window, &box);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 300; ++x) {
      const bool inside = x >= kLeft && x < kLeft + kWidth;
      ASSERT_EQ(cut.At(x, y), inside ? whole.At(x, y) : 0) << x << "," << y;
    }
  }
}

TEST(CardFlip, TurnAboutZKeepsTheCornersOnACircle) {
  const Surface sprite = ColumnSprite(40, 40);
  Surface target(640, 480);
  mz::Quad quad;
  ASSERT_EQ(mz::ProjectRotatedQuad(sprite.rows, target.rows, 300, 200, 0, 0, 40, 40, 128, 0, 0, &quad), 1);
  for (const auto& c : quad.corner) {
    const double r = std::hypot(c.x - 320.0, c.y - 220.0);
    EXPECT_NEAR(r, std::sqrt(800.0), 1.5);
  }
}

TEST(CardFlip, ZeroSizeOrDeepBitmapsDrawNothing) {
  const Surface sprite = ColumnSprite(10, 10);
  Surface target(64, 64);
  Surface deep(64, 64, 24);
  mz::Quad quad;
  EXPECT_EQ(mz::ProjectRotatedQuad(sprite.rows, target.rows, 0, 0, 0, 0, 0, 10, 0, 0, 0, &quad), 0);
  EXPECT_EQ(mz::ProjectRotatedQuad(sprite.rows, target.rows, 0, 0, 0, 0, 10, 0, 0, 0, 0, &quad), 0);
  EXPECT_EQ(mz::ProjectRotatedQuad(sprite.rows, deep.rows, 0, 0, 0, 0, 10, 10, 0, 0, 0, &quad), 0);
}

}  // namespace
