// The staged Baccarat picture read back as the program reads it: the
// backing strip of the table's texts is the felt the texts stand on, and it
// cuts no notch into the table where it lies.
#include <gtest/gtest.h>

#include "sq/BaccaratFiles.h"
#include "sq/BaccaratFonts.h"
#include "sq/BaccaratTableLayout.h"
#include "sq/art/BaccaratSheet.h"
#include "tests/support/StagedSheet.h"

namespace {

using namespace sq;

class BaccaratArt : public CStagedSheetTest<BaccaratArt> {
 protected:
  static void SetUpTestSuite() { Stage(art::BaccaratSheet(), art::kProgram, kHitMapFile); }
};

// The widest total's box: the text's width + 7 of the strip.
constexpr int kStripWidth = kTotalErase.width;

TEST_F(BaccaratArt, EverySpriteLiesInThePictureBesideTheScreenAndApartFromTheOthers) {
  ASSERT_EQ(staged->picture.Width(), kPictureWidth);
  ASSERT_EQ(staged->picture.Height(), kPictureHeight);
  ExpectSpritesApart(art::SpriteAreas(), kPictureWidth, kPictureHeight);
}

// A total's box is copied from the strip and erased by restoring the table
// under it: both must show the same felt.
TEST_F(BaccaratArt, TheBackingStripMatchesTheTableUnderEveryTotal) {
  for (const Point* totals : {kTwoCardTotals, kThreeCardTotals}) {
    for (int side = 0; side < 2; ++side) {
      const int boxX = totals[side].x - 4, boxY = totals[side].y - 1;
      for (int y = 0; y < kTextHeight; ++y) {
        for (int x = 0; x < kStripWidth; ++x) {
          ASSERT_EQ(Pixel(kBackingStrip.x + x, kBackingStrip.y + y), Pixel(boxX + x, boxY + y))
              << "total at " << totals[side].x << ", " << totals[side].y << ": strip pixel " << x << ", " << y;
        }
      }
    }
  }
}

// The strip lies on the screen's part of the picture: each of its columns
// goes on unchanged into the table above and below it, so no rail or line
// of the table is broken there.
TEST_F(BaccaratArt, TheBackingStripLeavesTheTableWhole) {
  for (int x = 0; x < kStripWidth; ++x) {
    const int above = Pixel(kBackingStrip.x + x, kBackingStrip.y - 1);
    const int below = Pixel(kBackingStrip.x + x, kBackingStrip.y + kTextHeight);
    EXPECT_EQ(above, below) << "column " << x;
    for (int y = 0; y < kTextHeight; ++y) {
      EXPECT_EQ(Pixel(kBackingStrip.x + x, kBackingStrip.y + y), above) << "column " << x << " row " << y;
    }
  }
}

}  // namespace
