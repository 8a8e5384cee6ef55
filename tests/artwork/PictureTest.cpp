// The staged sample picture, read back as a program reads it.
#include <gtest/gtest.h>

#include <set>

#include "artwork/BitmapWriter.h"
#include "artwork/FileBytes.h"
#include "tests/artwork/BmpReader.h"
#include "artwork/Generator.h"
#include "artwork/StandardColours.h"
#include "tests/artwork/SampleSheet.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace artwork;
namespace s = artwork::sample;

class SamplePicture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(WriteSheet(folder.Path(), s::SampleSheet()), 1);
    std::vector<std::uint8_t> bytes = ReadBytes(folder.Path() + "/games/sample/res/Data.dat");
    for (std::uint8_t& b : bytes) b = UnscrambleByte(b);
    ASSERT_EQ(DecodeBitmap(bytes, &picture), 1);
  }

  std::set<std::uint8_t> Colours(const Rect& r) const {
    std::set<std::uint8_t> colours;
    for (int y = r.y; y < r.y + r.h; ++y) {
      for (int x = r.x; x < r.x + r.w; ++x) colours.insert(picture.At(x, y));
    }
    return colours;
  }

  // Dark blobs (4-connected) strictly inside r: the pips of a die.
  int CountBlobs(const Rect& r, std::uint8_t colour) const {
    std::vector<bool> seen(static_cast<std::size_t>(r.w * r.h), false);
    int blobs = 0;
    for (int y = 2; y < r.h - 2; ++y) {
      for (int x = 2; x < r.w - 2; ++x) {
        if (seen[static_cast<std::size_t>(y * r.w + x)] || picture.At(r.x + x, r.y + y) != colour) continue;
        ++blobs;
        std::vector<std::pair<int, int>> pending{{x, y}};
        while (!pending.empty()) {
          auto [px, py] = pending.back();
          pending.pop_back();
          if (px < 2 || py < 2 || px >= r.w - 2 || py >= r.h - 2) continue;
          const std::size_t i = static_cast<std::size_t>(py * r.w + px);
          if (seen[i] || picture.At(r.x + px, r.y + py) != colour) continue;
          seen[i] = true;
          pending.insert(pending.end(), {{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}});
        }
      }
    }
    return blobs;
  }

  TempFolder folder;
  DecodedBitmap picture;
};

TEST(PictureBytes, ScrambledBytesComeBackThroughTheLoadersTransform) {
  for (int b = 0; b < 256; ++b) EXPECT_EQ(UnscrambleByte(ScrambleByte(static_cast<std::uint8_t>(b))), b);
  EXPECT_EQ(UnscrambleByte(ScrambleByte('B')), 'B');
}

TEST(StandardPalette, HoldsEveryColourOnceWithTheKeyMagenta) {
  artwork::IndexedImage image;
  artwork::SetStandardPalette(image);
  std::set<std::uint32_t> colours;
  for (const artwork::Rgb& c : image.palette) colours.insert((c.r << 16) | (c.g << 8) | c.b);
  EXPECT_EQ(colours.size(), 256u);
  const artwork::Rgb key = image.palette[artwork::kKey];
  EXPECT_EQ(key.r, 255);
  EXPECT_EQ(key.g, 0);
  EXPECT_EQ(key.b, 255);
  EXPECT_EQ(image.palette[artwork::kBlack].r + image.palette[artwork::kBlack].b, 0);
}

TEST_F(SamplePicture, HasTheDeclaredSize) {
  EXPECT_EQ(picture.width, s::kWidth);
  EXPECT_EQ(picture.height, s::kHeight);
}

TEST_F(SamplePicture, EverySpriteHoldsDistinctPixelsOverItsBackground) {
  // Sprites of the strip below the screen lie on the sheet's black.
  std::vector<Rect> sprites;
  for (int i = 0; i < static_cast<int>(std::size(s::kChipValues)); ++i) sprites.push_back(s::ChipSprite(i));
  for (int face = 1; face <= 6; ++face) sprites.push_back(s::DieSprite(face));
  for (int i = 0; i < 5; ++i) sprites.push_back(s::CardSprite(i));
  for (const s::Button& b : s::kButtons) {
    for (int x : s::kFaceX) sprites.push_back({x, b.faceY, b.screen.w, b.screen.h});
  }
  for (const Rect& r : sprites) {
    int drawn = 0;
    for (int y = r.y; y < r.y + r.h; ++y) {
      for (int x = r.x; x < r.x + r.w; ++x) drawn += picture.At(x, y) != kBlack;
    }
    EXPECT_GE(Colours(r).size(), 2u) << "sprite at " << r.x << "," << r.y;
    EXPECT_GE(drawn * 5, r.w * r.h) << "sprite at " << r.x << "," << r.y;
  }
  // On the table: felt, outline and label.
  for (const s::BetArea& area : s::kBetAreas) EXPECT_GE(Colours(area.screen).size(), 3u) << area.label;
  for (const s::Button& b : s::kButtons) EXPECT_GE(Colours(b.screen).size(), 3u) << b.label;
}

TEST_F(SamplePicture, DiceShowAsManyPipsAsTheirFace) {
  for (int face = 1; face <= 6; ++face) EXPECT_EQ(CountBlobs(s::DieSprite(face), kBlack), face) << "face " << face;
}

TEST_F(SamplePicture, RedSuitsAreInkedRedAndBlackSuitsBlack) {
  for (int i = 0; i < static_cast<int>(std::size(s::kCardIds)); ++i) {
    const int suit = s::kCardIds[i] / 13;
    const bool red = suit == 0 || suit == 1;
    const std::set<std::uint8_t> colours = Colours(s::CardSprite(i));
    EXPECT_EQ(colours.count(kRed), red ? 1u : 0u) << "card " << s::kCardIds[i];
    EXPECT_EQ(colours.count(kCardFace), 1u);
  }
}

TEST_F(SamplePicture, TheThreeFacesOfAButtonDiffer) {
  for (const s::Button& b : s::kButtons) {
    std::vector<std::vector<std::uint8_t>> faces;
    for (int x : s::kFaceX) {
      std::vector<std::uint8_t> face;
      for (int y = 0; y < b.screen.h; ++y) {
        for (int dx = 0; dx < b.screen.w; ++dx) face.push_back(picture.At(x + dx, b.faceY + y));
      }
      faces.push_back(face);
    }
    EXPECT_NE(faces[0], faces[1]) << b.label;
    EXPECT_NE(faces[1], faces[2]) << b.label;
    EXPECT_NE(faces[0], faces[2]) << b.label;
  }
}

TEST_F(SamplePicture, ColourMarkersHoldTheTextAndKeyColours) {
  EXPECT_EQ(picture.At(s::kTextColourX, s::kTextColourY), kWhite);
  EXPECT_EQ(picture.At(s::kKeyColourX, s::kKeyColourY), kKey);
}

TEST_F(SamplePicture, EveryGlyphOfTheFontIsInkedInsideItsPlaceOnTheKeyColour) {
  const GlyphTable& table = s::kFontTable;
  EXPECT_EQ(table[0], GlyphHeight(s::kFont.layout));
  EXPECT_EQ(table[1], kKey);
  std::vector<Rect> placed;
  for (int ch = kFirstGlyph; ch <= kLastGlyph; ++ch) {
    const int w = GlyphWord(ch);
    const Rect r{table[w], table[w + 1], table[w + 2], table[0]};
    ASSERT_GE(r.x, 0);
    ASSERT_LE(r.x + r.w, picture.width);
    ASSERT_LE(r.y + r.h, picture.height);
    for (const Rect& other : placed) {
      const bool apart = r.x >= other.x + other.w || other.x >= r.x + r.w || r.y >= other.y + other.h ||
                         other.y >= r.y + r.h;
      EXPECT_TRUE(apart) << "glyph " << ch << " overlaps another";
    }
    placed.push_back(r);
    const std::set<std::uint8_t> colours = Colours(r);
    if (ch == ' ') {
      EXPECT_EQ(colours, std::set<std::uint8_t>{kKey});
    } else {
      EXPECT_EQ(colours.count(s::kFont.ink), 1u) << "glyph " << ch;
    }
  }
  // The gap after each glyph is the key colour, so no glyph bleeds into the next.
  for (const Rect& r : placed) {
    if (r.x + r.w < s::kFont.layout.x + s::kFont.layout.width) {
      EXPECT_EQ(picture.At(r.x + r.w, r.y + r.h / 2), kKey);
    }
  }
}

int WriteExtraFile(const std::string& stage, const char* program) {
  return WriteFileBytes(StagePath(stage, program, "res\\Extra.dat").c_str(), {1, 2, 3});
}
int RefuseExtraFile(const std::string&, const char*) { return 0; }

TEST(SheetFiles, AProgramsFurtherFilesAreWrittenAndTheirFailureReported) {
  TempFolder folder;
  Sheet sheet = s::SampleSheet();
  sheet.writeMoreFiles = WriteExtraFile;
  ASSERT_EQ(WriteSheet(folder.Path(), sheet), 1);
  EXPECT_EQ(ReadBytes(folder.Path() + "/games/sample/res/Extra.dat"), (std::vector<std::uint8_t>{1, 2, 3}));
  sheet.writeMoreFiles = RefuseExtraFile;
  EXPECT_EQ(WriteSheet(folder.Path(), sheet), 0);
}

}  // namespace
