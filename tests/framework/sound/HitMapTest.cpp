// The hit map: half-resolution lookup, and refusing bad files.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/sound/HitMap.h"
#include "tests/framework/sound/SoundTestFiles.h"

using soundtest::Put16;
using soundtest::Put32;

namespace {

std::string WriteMap(const artwork::IndexedImage& image, const char* name) {
  const std::string path = soundtest::TempPath(name);
  EXPECT_EQ(artwork::WriteHitMapFile(path.c_str(), image), 1);
  return path;
}

std::string WriteRaw(const std::vector<std::uint8_t>& bytes, const char* name) {
  const std::string path = soundtest::TempPath(name);
  soundtest::WriteBytes(path, bytes);
  return path;
}

// A 320 x 240 map with distinct buttons at the corners.
artwork::IndexedImage ScreenMap() {
  artwork::IndexedImage image;
  image.Resize(320, 240, 0);
  image.At(0, 0) = 1;
  image.At(1, 0) = 2;
  image.At(0, 1) = 3;
  image.At(319, 239) = 4;
  image.At(319, 0) = 5;
  image.At(0, 2) = 6;
  return image;
}

}  // namespace

TEST(HitMap, LooksUpAtHalfResolution) {
  HitMap* map = LoadHitMap(WriteMap(ScreenMap(), "btn.dat").c_str());
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->originX, 0);
  EXPECT_EQ(map->originY, 0);
  EXPECT_EQ(map->width, 320);
  EXPECT_EQ(map->height, 240);
  EXPECT_EQ(HitTest(map, 0, 0), 1);
  EXPECT_EQ(HitTest(map, 1, 1), 1);
  EXPECT_EQ(HitTest(map, 2, 0), 2);
  EXPECT_EQ(HitTest(map, 0, 3), 3);
  EXPECT_EQ(HitTest(map, 638, 478), 4);
  EXPECT_EQ(HitTest(map, 639, 479), 4);
  EXPECT_EQ(HitTest(map, 639, 0), 5);
  EXPECT_EQ(HitTest(map, 640, 0), -1);
  EXPECT_EQ(HitTest(map, 0, 480), -1);
  EXPECT_EQ(HitTest(map, 10, 10), 0);
  FreeHitMap(map);
}

TEST(HitMap, OffsetsTruncateTowardZero) {
  HitMap* map = LoadHitMap(WriteMap(ScreenMap(), "btn.dat").c_str());
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(HitTest(map, -1, 5), 6);  // column 0, row 2
  EXPECT_EQ(HitTest(map, -2, 5), -1);
  EXPECT_EQ(HitTest(map, 0, -1), 1);
  EXPECT_EQ(HitTest(map, 0, -2), -1);
  EXPECT_EQ(HitTest(map, -2147483647 - 1, 0), -1);
  FreeHitMap(map);
}

TEST(HitMap, OddWidthRowsArePadded) {
  artwork::IndexedImage image;
  image.Resize(3, 2, 0);
  image.At(2, 0) = 9;
  image.At(0, 1) = 8;
  HitMap* map = LoadHitMap(WriteMap(image, "odd.dat").c_str());
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(HitTest(map, 4, 0), 9);
  EXPECT_EQ(HitTest(map, 0, 2), 8);
  EXPECT_EQ(HitTest(map, 6, 0), -1);
  FreeHitMap(map);
}

TEST(HitMap, NullMapAndMissingFile) {
  EXPECT_EQ(HitTest(nullptr, 0, 0), -1);
  FreeHitMap(nullptr);
  EXPECT_EQ(LoadHitMap(soundtest::TempPath("no_such_map.dat").c_str()), nullptr);
}

TEST(ReadBmpFile, FillsHeadersColourTableAndBits) {
  artwork::IndexedImage image = soundtest::PatternImage(5, 2);
  const std::string path = WriteMap(image, "read.dat");
  plat::BITMAPFILEHEADER fileHeader;
  plat::BITMAPINFOHEADER header;
  plat::RGBQUAD colours[256];
  plat::BYTE bits[16] = {};
  ASSERT_EQ(ReadBmpFile(path.c_str(), &fileHeader, &header, colours, bits, sizeof bits), 1);
  const plat::DWORD offBits = fileHeader.bfOffBits;  // packed fields: copied out
  const plat::DWORD fileSize = fileHeader.bfSize;
  EXPECT_EQ(offBits, 1078u);
  EXPECT_EQ(fileSize, 1078u + 16);
  EXPECT_EQ(header.biWidth, 5);
  EXPECT_EQ(colours[4].rgbGreen, 251);
  EXPECT_EQ(bits[0], 16);  // bottom row first: (0, 1)
  EXPECT_EQ(bits[8 + 4], 4);
  // Rows that do not fit the caller's buffer are refused.
  EXPECT_EQ(ReadBmpFile(path.c_str(), nullptr, nullptr, nullptr, bits, 15), 0);
}

struct BadMap {
  const char* what;
  std::function<void(std::vector<std::uint8_t>&)> spoil;
};

TEST(HitMap, BadFilesAreRefused) {
  const std::vector<BadMap> cases = {
      {"type is not BM", [](auto& b) { Put16(b, 0, 0x0000); }},
      {"core header", [](auto& b) { Put32(b, 14, 12); }},
      {"header size below 40", [](auto& b) { Put32(b, 14, 39); }},
      {"header size absurd", [](auto& b) { Put32(b, 14, 0xFFFFFFFFu); }},
      {"truncated in the rows", [](auto& b) { b.resize(b.size() - 1); }},
      {"truncated in the headers", [](auto& b) { b.resize(40); }},
      {"empty", [](auto& b) { b.clear(); }},
      {"file size field beyond the file", [](auto& b) { Put32(b, 2, 0xFFFFFF00u); }},
      {"file size field below the offset", [](auto& b) { Put32(b, 2, 100); }},
      {"rows do not follow the colour table", [](auto& b) { Put32(b, 10, 1082); }},
      {"rows shorter than the image",
       [](auto& b) { Put32(b, 2, static_cast<std::uint32_t>(b.size() - 4)); }},
      {"zero width", [](auto& b) { Put32(b, 18, 0); }},
      {"absurd width", [](auto& b) { Put32(b, 18, 0x7FFFFFFF); }},
      {"negative height", [](auto& b) { Put32(b, 22, 0xFFFFFFF8u); }},
      {"height beyond a map", [](auto& b) { Put32(b, 22, kMaxHitMapSide + 1); }},
      {"24 bits per pixel", [](auto& b) { Put16(b, 28, 24); }},
      {"1 bit per pixel", [](auto& b) { Put16(b, 28, 1); }},
      {"compressed", [](auto& b) { Put32(b, 30, 1); }},
  };
  const std::vector<std::uint8_t> good = artwork::EncodeBitmap(soundtest::PatternImage(8, 4));
  HitMap* goodMap = LoadHitMap(WriteRaw(good, "good_map.dat").c_str());
  ASSERT_NE(goodMap, nullptr);
  FreeHitMap(goodMap);
  for (const BadMap& bad : cases) {
    std::vector<std::uint8_t> bytes = good;
    bad.spoil(bytes);
    const std::string path = WriteRaw(bytes, "bad_map.dat");
    EXPECT_EQ(LoadHitMap(path.c_str()), nullptr) << bad.what;
    EXPECT_EQ(ReadBmpFile(path.c_str(), nullptr, nullptr, nullptr, nullptr, 0), 0) << bad.what;
  }
}
