// The staged Caribbean picture, hit map and sounds, read back as the
// program reads them: every sprite where the program's tables say and apart
// from the others, the chips on the key colour, every button's area
// carrying its number, every file the program opens present.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "artwork/Generator.h"
#include "framework/sound/Dib.h"
#include "framework/sound/HitMap.h"
#include "gz/CaribbeanButtons.h"
#include "gz/CaribbeanFiles.h"
#include "gz/CaribbeanFonts.h"
#include "gz/CaribbeanTableLayout.h"
#include "gz/art/CaribbeanSheet.h"
#include "tests/support/StagedSheet.h"

namespace {

using namespace gz;

class CaribbeanArt : public CStagedSheetTest<CaribbeanArt> {
 protected:
  static void SetUpTestSuite() { Stage(art::CaribbeanSheet(), art::kProgram, kHitMapFile); }
};

TEST_F(CaribbeanArt, EverySpriteLiesInThePictureBesideTheScreenAndApartFromTheOthers) {
  ASSERT_EQ(staged->picture.Width(), kPictureWidth);
  ASSERT_EQ(staged->picture.Height(), kPictureHeight);
  ExpectSpritesApart(art::SpriteAreas(), kPictureWidth, kPictureHeight);
}

// The stacks are drawn with the key colour (385, 508): each chip has key
// round it and colour in its middle; the fonts and the lag meter's strip
// stand where the program reads them.
TEST_F(CaribbeanArt, ChipsAndFlightFramesStandOnTheKeyColour) {
  EXPECT_EQ(Pixel(kTransparentPixel.x, kTransparentPixel.y), kPictureKey);
  EXPECT_NE(Pixel(kTextColourPixel.x, kTextColourPixel.y), kPictureKey);
  EXPECT_EQ(Pixel(kSmallFontLayout.x, kSmallFontLayout.y), kPictureKey);
  EXPECT_EQ(Pixel(kPlateFontLayout.x, kPlateFontLayout.y), kPictureKey);
  EXPECT_NE(Pixel(kLagStrip.x, kLagStrip.y), kPictureKey);
  std::vector<Area> sprites;
  for (int c = 0; c < kChipCount; ++c) sprites.push_back({ChipSprite(c).x, ChipSprite(c).y, kChipWidth, kChipHeight});
  sprites.push_back({kHalfDollarChip.x, kHalfDollarChip.y, kChipWidth, kChipHeight});
  for (const auto& look : kFlyingFrameSources) {
    for (const Area& frame : look) sprites.push_back(frame);
  }
  for (const Area& s : sprites) {
    SCOPED_TRACE(std::to_string(s.x) + ", " + std::to_string(s.y));
    EXPECT_EQ(Pixel(s.x, s.y), kPictureKey);
    EXPECT_EQ(Pixel(s.x + s.width - 1, s.y + s.height - 1), kPictureKey);
    EXPECT_NE(Pixel(s.x + s.width / 2, s.y + s.height / 2), kPictureKey);
  }
}

// Buttons 1 to 13 carry their numbers; "Start a new game" (14) has no area
// of its own: the pointer on Surrender's counts as it while it is enabled.
TEST_F(CaribbeanArt, EveryButtonsAreaInTheHitMapCarriesItsNumber) {
  int pixelsOf[kCaribbeanButtonCount] = {};
  for (int y = 0; y < artwork::kScreenHeight; y += 2) {
    for (int x = 0; x < artwork::kScreenWidth; x += 2) {
      int holder = 0;
      for (int b = 1; b < kButtonNewGame; ++b) {
        const ButtonEntry& row = kCaribbeanButtonTable[b];
        if (x < row.x || x >= row.x + row.width || y < row.y || y >= row.y + row.height) continue;
        ASSERT_EQ(holder, 0) << "buttons " << holder << " and " << b << " share " << x << ", " << y;
        holder = b;
      }
      ASSERT_EQ(HitTest(staged->map, x, y), holder) << "at " << x << ", " << y;
      ++pixelsOf[holder];
    }
  }
  for (int b = 1; b < kButtonNewGame; ++b) EXPECT_GT(pixelsOf[b], 0) << "button " << b << " has no area";
  const ButtonEntry& surrender = kCaribbeanButtonTable[kButtonSurrender];
  const ButtonEntry& newGame = kCaribbeanButtonTable[kButtonNewGame];
  EXPECT_EQ(newGame.x, surrender.x);
  EXPECT_EQ(newGame.y, surrender.y);
}

// Every push-button face (Deal, Surrender, Bet, New game, each state) keeps
// its label clear of its edges: the label's first and last columns lie at
// least 6 in from the face's sides.
TEST_F(CaribbeanArt, PushButtonLabelsKeepAMarginToTheEdge) {
  constexpr int kMargin = 6;
  for (int b : {kButtonDeal, kButtonSurrender, kButtonCall, kButtonNewGame}) {
    const ButtonEntry& row = kCaribbeanButtonTable[b];
    for (const ButtonSource& face : row.source) {
      SCOPED_TRACE("button " + std::to_string(b) + " face at " + std::to_string(face.x) + ", " + std::to_string(face.y));
      // A column without label is one colour from the face's fourth row to
      // its fourth last.
      int first = row.width, last = -1;
      for (int x = 0; x < row.width; ++x) {
        bool plain = true;
        for (int y = 4; y < row.height - 4; ++y) plain = plain && Pixel(face.x + x, face.y + y) == Pixel(face.x + x, face.y + 4);
        if (plain) continue;
        first = std::min(first, x);
        last = x;
      }
      ASSERT_GE(last, 0) << "no label";
      EXPECT_GE(first, kMargin);
      EXPECT_LT(last, row.width - kMargin);
    }
  }
}

TEST_F(CaribbeanArt, EverySoundTheProgramPlaysAndItsMusicAreStaged) {
  for (const char* name : kCaribbeanSounds) {
    // The program finds "c_Plyw.wav" as the shared "c_plyw.wav": a name not
    // found exactly is matched ignoring case.
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::vector<std::uint8_t> bytes = ReadBytes(StagedPath(lower.c_str()));
    ASSERT_GT(bytes.size(), 44u) << name;
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF") << name;
  }
  const std::vector<std::uint8_t> music = ReadBytes(StagedPath(kMusicFile));
  ASSERT_GT(music.size(), 14u);
  EXPECT_EQ(std::string(music.begin(), music.begin() + 4), "MThd");
}

}  // namespace
