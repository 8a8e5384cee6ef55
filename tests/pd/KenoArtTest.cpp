// The staged Keno picture, hit map, sounds and help page, read back as the
// program reads them: every sprite inside the picture, off the screen and
// apart from the others, the colour pixels where the program reads them,
// the hit map carrying buttons 1, 2, 3, 9 to 15 and the cells 32 to 111.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "artwork/Generator.h"
#include "framework/sound/Dib.h"
#include "framework/sound/HitMap.h"
#include "pd/KenoButtons.h"
#include "pd/KenoFiles.h"
#include "pd/KenoLayout.h"
#include "pd/art/KenoSheet.h"
#include "tests/support/StagedSheet.h"

namespace {

using namespace pd;

class KenoArt : public CStagedSheetTest<KenoArt> {
 protected:
  static void SetUpTestSuite() { Stage(art::KenoSheet(), art::kProgram, kHitMapFile); }
};

struct Sprite {
  std::string what;
  Area area;
};

std::vector<Sprite> Sprites() {
  std::vector<Sprite> s;
  for (int f = 0; f < kBowlFrames; ++f) s.push_back({"bowl", {BowlFrame(f).x, BowlFrame(f).y, kBowlWidth, kBowlHeight}});
  for (int f = 0; f < kRollFrames; ++f) s.push_back({"roll", RollSource(f)});
  for (int i = 0; i < kFlightSizes; ++i) {
    s.push_back({"flying ball", FlightBall(i)});
    s.push_back({"shadow", FlightShadow(i)});
  }
  s.push_back({"marked", {kMarkedCellSource.x, kMarkedCellSource.y, kCellSize, kCellSize}});
  for (int k = 1; k <= kMarkFrames; ++k) s.push_back({"hit", {HitFrame(k).x, HitFrame(k).y, kCellSize, kCellSize}});
  for (int k = 0; k < kMarkFrames; ++k) s.push_back({"miss", {MissFrame(k).x, MissFrame(k).y, kMissSize, kMissSize}});
  for (int i = 0; i < 3; ++i) {
    s.push_back({"stake chip", {kStakeChipSources[i].x, kStakeChipSources[i].y, kStakeSpots[i].width,
                                kStakeSpots[i].height}});
  }
  for (int b = 0; b < kKenoButtonCount; ++b) {
    const ButtonEntry& row = kKenoButtonTable[b];
    for (const ButtonSource& src : row.source) {
      if (src.x != kNoSource) s.push_back({"face of " + std::to_string(b), {src.x, src.y, row.width, row.height}});
    }
  }
  // The row strip is the lower part of the panel's top strip.
  s.push_back({"panel top", kPaytableTop});
  s.push_back({"panel bottom", kPaytableBottom});
  s.push_back({"marquee dots", {kMarqueeGlyphs.x, kMarqueeGlyphs.y, 100, 18}});
  s.push_back({"lag meter", {kLagMeterSource.x, kLagMeterSource.y, kLagMeterArea.width, kLagMeterArea.height}});
  s.push_back({"font", {kSmallFontLayout.x, kSmallFontLayout.y, kSmallFontLayout.width, GlyphAreaHeight(kSmallFontLayout)}});
  s.push_back({"transparent colour", {kTransparentPixel.x, kTransparentPixel.y, 1, 1}});
  return s;
}

bool Overlap(const Area& a, const Area& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST_F(KenoArt, EverySpriteLiesInThePictureBesideTheScreenAndApartFromTheOthers) {
  ASSERT_EQ(staged->picture.Width(), kPictureWidth);
  ASSERT_EQ(staged->picture.Height(), kPictureHeight);
  const Area screen{0, 0, 640, 480};
  const std::vector<Sprite> sprites = Sprites();
  for (std::size_t i = 0; i < sprites.size(); ++i) {
    const Area& r = sprites[i].area;
    SCOPED_TRACE(sprites[i].what + " at " + std::to_string(r.x) + ", " + std::to_string(r.y));
    EXPECT_GE(r.x, 0);
    EXPECT_LE(r.x + r.width, kPictureWidth);
    EXPECT_LE(r.y + r.height, kPictureHeight);
    EXPECT_FALSE(Overlap(r, screen));
    for (std::size_t j = i + 1; j < sprites.size(); ++j) {
      EXPECT_FALSE(Overlap(r, sprites[j].area)) << "lies over " << sprites[j].what;
    }
  }
  EXPECT_TRUE(Overlap(kPaytableRow, kPaytableTop));
}

TEST_F(KenoArt, ColoursAreWhereTheProgramReadsThem) {
  EXPECT_EQ(Pixel(kTransparentPixel.x, kTransparentPixel.y), kPictureKey);
  EXPECT_NE(Pixel(kTextColourPixel.x, kTextColourPixel.y), kPictureKey);
  EXPECT_EQ(Pixel(kSmallFontLayout.x, kSmallFontLayout.y), kSmallFont[1]);
  EXPECT_NE(Pixel(kMarqueeOnDot.x, kMarqueeOnDot.y), Pixel(kMarqueeOffDot.x, kMarqueeOffDot.y));
}

TEST_F(KenoArt, HitMapCarriesTheButtonsAndTheEightyCells) {
  std::set<int> seen;
  for (int y = 0; y < 480; y += 2) {
    for (int x = 0; x < 640; x += 2) {
      const int b = HitTest(staged->map, x, y);
      if (b != 0) seen.insert(b);
    }
  }
  std::set<int> want = {1, 2, 3, 9, 10, 11, 12, 13, 14, 15};
  for (int id = 32; id <= 111; ++id) want.insert(id);
  EXPECT_EQ(seen, want);
  for (int n = 1; n <= kNumbers; ++n) {
    const Point c = CellPlace(n);
    EXPECT_EQ(HitTest(staged->map, c.x + 15, c.y + 15), 31 + n) << "number " << n;
  }
}

TEST_F(KenoArt, TheSoundsAndTheMusicAreStaged) {
  for (const char* name : {kSoundRoll, kSoundLand, kSoundWin, kSoundChip, kSoundButton, kMusicFile}) {
    EXPECT_GT(ReadFile(StagedPath(name)).size(), 14u) << name;
  }
}

}  // namespace
