// The region a frame's changed rectangles are repainted through: it holds
// every rectangle, adds little beside them, and is what Qt's own union makes
// when nothing is worth merging.
#include <gtest/gtest.h>

#include <vector>

#include "platform/desktop/ChangedRegion.h"

using plat::desktop::ChangedRegion;
using plat::desktop::kMergeSlack;

namespace {

long long AreaOf(const QRegion& region) {
  long long area = 0;
  for (const QRect& r : region) area += static_cast<long long>(r.width()) * r.height();
  return area;
}

QRegion UnionOf(const std::vector<QRect>& rects) {
  QRegion region;
  for (const QRect& r : rects) region += r;
  return region;
}

// Fifty 32 x 32 sprites scattered over a 640 x 480 screen, some overlapping.
std::vector<QRect> Sprites(int frame) {
  std::vector<QRect> rects;
  for (int i = 0; i < 50; ++i) rects.emplace_back((i * 97 + frame * 13) % 608, (i * 53 + frame * 7) % 448, 32, 32);
  return rects;
}

TEST(ChangedRegionOnDesktop, FarApartRectanglesGiveExactlyTheirUnion) {
  std::vector<QRect> rects{{0, 0, 10, 10}, {300, 0, 10, 20}, {100, 200, 30, 5}, {500, 400, 1, 1}};
  const QRegion expected = UnionOf(rects);
  EXPECT_EQ(ChangedRegion(&rects), expected);
}

TEST(ChangedRegionOnDesktop, RepeatedAndNestedRectanglesAreOne) {
  // A frame sends last frame's rectangles again beside its own.
  std::vector<QRect> rects{{40, 40, 32, 32}, {40, 40, 32, 32}, {50, 50, 4, 4}, {40, 40, 32, 32}};
  const QRegion region = ChangedRegion(&rects);
  EXPECT_EQ(region, QRegion(40, 40, 32, 32));
  EXPECT_EQ(region.rectCount(), 1);
}

TEST(ChangedRegionOnDesktop, HoldsEverySpriteAndLittleElse) {
  for (int frame = 0; frame < 2; ++frame) {
    std::vector<QRect> rects = Sprites(frame);
    const std::vector<QRect> sprites = rects;
    const QRegion exact = UnionOf(sprites);
    const QRegion region = ChangedRegion(&rects);
    EXPECT_TRUE(exact.subtracted(region).isEmpty()) << "frame " << frame;
    // Each merge adds at most the slack.
    EXPECT_LE(AreaOf(region) - AreaOf(exact), static_cast<long long>(kMergeSlack) * 50);
    EXPECT_LT(region.rectCount(), exact.rectCount());
    // Its bands are in the order Qt's operations expect: rebuilt piece by
    // piece it covers the same pixels.
    QRegion rebuilt;
    for (const QRect& piece : region) rebuilt += piece;
    EXPECT_TRUE(rebuilt.xored(region).isEmpty());
    EXPECT_EQ(AreaOf(rebuilt), AreaOf(region));
  }
}

TEST(ChangedRegionOnDesktop, TwoFramesOfSpritesTogether) {
  std::vector<QRect> rects = Sprites(0);
  const std::vector<QRect> second = Sprites(1);
  rects.insert(rects.end(), second.begin(), second.end());
  const QRegion exact = UnionOf(rects);
  const QRegion region = ChangedRegion(&rects);
  EXPECT_TRUE(exact.subtracted(region).isEmpty());
  EXPECT_LE(AreaOf(region) - AreaOf(exact), static_cast<long long>(kMergeSlack) * 100);
}

TEST(ChangedRegionOnDesktop, BandsAreValidForQt) {
  // Touching rectangles in a row and a column: Qt's own operations on the
  // region must agree with the plain union.
  std::vector<QRect> rects{{0, 0, 100, 1}, {100, 0, 100, 1}, {0, 300, 1, 100}, {0, 400, 1, 50}, {150, 150, 0, 9}};
  const QRegion exact = UnionOf(rects);
  const QRegion region = ChangedRegion(&rects);
  EXPECT_TRUE(region.xored(exact).isEmpty());
  EXPECT_EQ(region.boundingRect(), exact.boundingRect());
}

TEST(ChangedRegionOnDesktop, NothingChangedIsEmpty) {
  std::vector<QRect> rects;
  EXPECT_TRUE(ChangedRegion(&rects).isEmpty());
}

}  // namespace
