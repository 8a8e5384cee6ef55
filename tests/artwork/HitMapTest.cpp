// The staged sample hit map, read as the program's hit test reads it.
#include <gtest/gtest.h>

#include "tests/artwork/BmpReader.h"
#include "artwork/Generator.h"
#include "tests/artwork/SampleSheet.h"
#include "tests/artwork/TempFolder.h"

namespace {

namespace s = artwork::sample;

// The program's lookup: half resolution, rows stored bottom-up.
int HitTest(const std::vector<std::uint8_t>& file, int x, int y) {
  const int width = file[18] | file[19] << 8;
  const int height = file[22] | file[23] << 8;
  const int offBits = file[10] | file[11] << 8;
  const int column = x / 2;
  const int row = y / 2;
  if (column < 0 || row < 0 || column >= width || row >= height) return -1;
  const int stride = (width + 3) & ~3;
  return file[static_cast<std::size_t>(offBits + stride * (height - row - 1) + column)];
}

class SampleHitMap : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(artwork::WriteSheet(folder.Path(), s::SampleSheet()), 1);
    file = ReadBytes(folder.Path() + "/games/sample/res/Btndata.dat");
  }
  TempFolder folder;
  std::vector<std::uint8_t> file;
};

TEST_F(SampleHitMap, IsAPlainBitmapAtHalfTheScreensResolution) {
  DecodedBitmap map;
  ASSERT_EQ(DecodeBitmap(file, &map), 1);
  EXPECT_EQ(map.width, 320);
  EXPECT_EQ(map.height, 240);
}

TEST_F(SampleHitMap, AnswersEachButtonAtItsCentreAndNothingBesideIt) {
  for (const s::Button& b : s::kButtons) {
    EXPECT_EQ(HitTest(file, b.screen.x + b.screen.w / 2, b.screen.y + b.screen.h / 2), b.number) << b.label;
    EXPECT_EQ(HitTest(file, b.screen.x - 4, b.screen.y - 4), 0) << b.label;
  }
  for (const s::BetArea& a : s::kBetAreas) {
    EXPECT_EQ(HitTest(file, a.screen.x + a.screen.w / 2, a.screen.y + a.screen.h / 2), a.number) << a.label;
    EXPECT_EQ(HitTest(file, a.screen.x + 2, a.screen.y + 2), a.number) << a.label;
  }
  EXPECT_EQ(HitTest(file, 5, 5), 0);
  EXPECT_EQ(HitTest(file, 640, 0), -1);
}

}  // namespace
