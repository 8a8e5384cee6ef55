// The scrambled picture file: the byte transform, reading, and refusing
// every kind of bad file while keeping the picture already held.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/sound/Dib.h"
#include "tests/framework/sound/SoundTestFiles.h"

using soundtest::Put16;
using soundtest::Put32;

namespace {

// Offsets in the plain file.
constexpr std::size_t kBfSize = 2;
constexpr std::size_t kBfOffBits = 10;
constexpr std::size_t kBiSize = 14;
constexpr std::size_t kBiWidth = 18;
constexpr std::size_t kBiHeight = 22;
constexpr std::size_t kBiBitCount = 28;
constexpr std::size_t kBiCompression = 30;
constexpr std::size_t kBiClrUsed = 46;
constexpr std::size_t kHeadersEnd = 54;

std::vector<std::uint8_t> PlainPicture(int width, int height) {
  return artwork::EncodeBitmap(soundtest::PatternImage(width, height));
}

int LoadBytes(CDib& dib, const std::vector<std::uint8_t>& stored, const char* name) {
  const std::string path = soundtest::TempPath(name);
  soundtest::WriteBytes(path, stored);
  return dib.LoadFile(path.c_str());
}

}  // namespace

TEST(PictureScramble, HandWorkedBytes) {
  // Stored 0x00: complement 0xFF, rotated left by 3 still 0xFF.
  EXPECT_EQ(UnscrambleByte(0x00), 0xFF);
  // Plain 0x01: rotated right by 3 is 0x20, complemented 0xDF.
  EXPECT_EQ(artwork::ScrambleByte(0x01), 0xDF);
  EXPECT_EQ(UnscrambleByte(0xDF), 0x01);
  // Plain 0x42 ("B"): rotr3 = 0x48, complement 0xB7.
  EXPECT_EQ(artwork::ScrambleByte(0x42), 0xB7);
  EXPECT_EQ(UnscrambleByte(0xB7), 0x42);
}

TEST(PictureScramble, WriterIsTheInverseOfTheReaderForEveryByte) {
  for (int b = 0; b < 256; ++b) {
    const auto plain = static_cast<std::uint8_t>(b);
    EXPECT_EQ(UnscrambleByte(artwork::ScrambleByte(plain)), plain) << "byte " << b;
  }
}

TEST(PictureFile, ReadsPixelsColoursAndClip) {
  CDib dib;
  ASSERT_EQ(LoadBytes(dib, soundtest::Scrambled(PlainPicture(5, 3)), "five.dat"), 1);
  EXPECT_EQ(dib.Width(), 5);
  EXPECT_EQ(dib.Height(), 3);
  EXPECT_EQ(dib.Stride(), 8);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(*dib.PixelAddress(x, y), x + 16 * y);
  }
  // The bottom row comes first in memory.
  EXPECT_EQ(dib.Bits()[0], 32);
  EXPECT_EQ(dib.ColorTable()[7].rgbRed, 7);
  EXPECT_EQ(dib.ColorTable()[7].rgbGreen, 248);
  EXPECT_EQ(dib.ColorTable()[7].rgbBlue, 3);
  EXPECT_EQ(dib.NumColors(), 256);
  const plat::RECT clip = dib.GetClipRect();
  EXPECT_EQ(clip.left, 0);
  EXPECT_EQ(clip.top, 0);
  EXPECT_EQ(clip.right, 5);
  EXPECT_EQ(clip.bottom, 3);
}

TEST(PictureFile, NameWithBackslashesIsFound) {
  const std::string path = soundtest::TempPath("res_Data.dat");
  soundtest::WriteBytes(path, soundtest::Scrambled(PlainPicture(4, 4)));
  std::string windowsName = path;
  for (char& c : windowsName) {
    if (c == '/') c = '\\';
  }
  CDib dib;
  EXPECT_EQ(dib.LoadFile(windowsName.c_str()), 1);
}

TEST(PictureFile, LongerInfoHeaderKeepsItsColourTableBehindIt) {
  std::vector<std::uint8_t> plain = PlainPicture(4, 2);
  const std::size_t extra = 68;  // a 108-byte header
  plain.insert(plain.begin() + kHeadersEnd, extra, 0);
  Put32(plain, kBiSize, 40 + extra);
  Put32(plain, kBfOffBits, 14 + 40 + extra + 1024);
  Put32(plain, kBfSize, static_cast<std::uint32_t>(plain.size()));
  CDib dib;
  ASSERT_EQ(LoadBytes(dib, soundtest::Scrambled(plain), "v4.dat"), 1);
  EXPECT_EQ(dib.Info()->bmiHeader.biSize, 40u);
  EXPECT_EQ(dib.ColorTable()[9].rgbGreen, 246);
  EXPECT_EQ(*dib.PixelAddress(3, 1), 19);
}

TEST(PictureFile, ShortColourTableFromColoursUsed) {
  std::vector<std::uint8_t> plain = PlainPicture(4, 2);
  // 16 colours: the table shrinks to 64 bytes and the bits follow it.
  plain.erase(plain.begin() + kHeadersEnd + 64, plain.begin() + kHeadersEnd + 1024);
  Put32(plain, kBiClrUsed, 16);
  Put32(plain, kBfOffBits, kHeadersEnd + 64);
  Put32(plain, kBfSize, static_cast<std::uint32_t>(plain.size()));
  CDib dib;
  ASSERT_EQ(LoadBytes(dib, soundtest::Scrambled(plain), "sixteen.dat"), 1);
  EXPECT_EQ(dib.NumColors(), 16);
  EXPECT_EQ(dib.ColorTable()[15].rgbRed, 15);
  EXPECT_EQ(dib.ColorTable()[16].rgbRed, 0);  // beyond the table: zero
  EXPECT_EQ(*dib.PixelAddress(1, 1), 17);
}

struct BadPicture {
  const char* what;
  std::function<void(std::vector<std::uint8_t>&)> spoil;
};

TEST(PictureFile, BadFilesAreRefusedAndThePictureKept) {
  const std::vector<BadPicture> cases = {
      {"type is not BM", [](auto& b) { Put16(b, 0, 0x4D43); }},
      {"core header", [](auto& b) { Put32(b, kBiSize, 12); }},
      {"header size below 40", [](auto& b) { Put32(b, kBiSize, 20); }},
      {"header size beyond the file", [](auto& b) { Put32(b, kBiSize, 0xFFFFFFF0u); }},
      {"truncated in the bits", [](auto& b) { b.resize(b.size() - 3); }},
      {"truncated in the headers", [](auto& b) { b.resize(30); }},
      {"truncated in the colour table", [](auto& b) { b.resize(500); }},
      {"empty file", [](auto& b) { b.clear(); }},
      {"file size field beyond the file", [](auto& b) { Put32(b, kBfSize, 0x7FFFFFFFu); }},
      {"bits offset beyond the end", [](auto& b) { Put32(b, kBfOffBits, 0x10000000u); }},
      {"bits offset inside the headers", [](auto& b) { Put32(b, kBfOffBits, 20); }},
      {"bits shorter than the rows",
       [](auto& b) { Put32(b, kBfSize, static_cast<std::uint32_t>(b.size() - 8)); }},
      {"zero width", [](auto& b) { Put32(b, kBiWidth, 0); }},
      {"absurd width", [](auto& b) { Put32(b, kBiWidth, 0x40000000u); }},
      {"negative width", [](auto& b) { Put32(b, kBiWidth, 0xFFFFFFFCu); }},
      {"negative height", [](auto& b) { Put32(b, kBiHeight, 0xFFFFFFFEu); }},
      {"absurd height", [](auto& b) { Put32(b, kBiHeight, 100000); }},
      {"24 bits per pixel", [](auto& b) { Put16(b, kBiBitCount, 24); }},
      {"4 bits per pixel", [](auto& b) { Put16(b, kBiBitCount, 4); }},
      {"compressed", [](auto& b) { Put32(b, kBiCompression, 1); }},
      {"more than 256 colours used", [](auto& b) { Put32(b, kBiClrUsed, 257); }},
  };
  for (const BadPicture& bad : cases) {
    CDib dib;
    ASSERT_EQ(LoadBytes(dib, soundtest::Scrambled(PlainPicture(6, 2)), "good.dat"), 1);
    std::vector<std::uint8_t> plain = PlainPicture(4, 2);
    bad.spoil(plain);
    EXPECT_EQ(LoadBytes(dib, soundtest::Scrambled(plain), "bad.dat"), 0) << bad.what;
    EXPECT_EQ(dib.Width(), 6) << bad.what;
    EXPECT_EQ(dib.Height(), 2) << bad.what;
    EXPECT_EQ(*dib.PixelAddress(5, 1), 21) << bad.what;
  }
}

TEST(PictureFile, UnscrambledFileIsRefused) {
  CDib dib;
  EXPECT_EQ(LoadBytes(dib, PlainPicture(4, 2), "plain.dat"), 0);
  EXPECT_EQ(dib.Info(), nullptr);
}

TEST(PictureFile, MissingFileAndNullStreamAreRefused) {
  CDib dib;
  EXPECT_EQ(dib.LoadFile(soundtest::TempPath("no_such_picture.dat").c_str()), 0);
  EXPECT_EQ(dib.Read(nullptr), 0);
}
