// The staged Slot picture, hit map, sounds and music, read back as the
// program reads them: every sprite inside the picture, off the screen and
// apart from the others, each reel frame 2 x s with stop s on the pay line,
// the colour pixels where the program reads them, the hit map carrying
// buttons 1 to 17.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "artwork/Generator.h"
#include "framework/sound/Dib.h"
#include "framework/sound/HitMap.h"
#include "jb/SlotButtons.h"
#include "jb/SlotFiles.h"
#include "jb/SlotLayout.h"
#include "jb/art/SlotSheet.h"
#include "tests/support/TempFolder.h"

namespace {

using namespace jb;

struct Staged {
  TempFolder folder;
  CDib picture;
  HitMap* map = nullptr;
  ~Staged() { FreeHitMap(map); }
};

class SlotArt : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    staged = std::make_unique<Staged>();
    const std::string& root = staged->folder.Path();
    ASSERT_EQ(artwork::WriteSheet(root, art::SlotSheet()), 1);
    ASSERT_EQ(artwork::WriteSharedAudio(root), 1);
    ASSERT_EQ(staged->picture.LoadFile(StagedPath("res\\Data.dat").c_str()), 1);
    staged->map = LoadHitMap(StagedPath(kHitMapFile).c_str());
    ASSERT_NE(staged->map, nullptr);
  }
  static void TearDownTestSuite() { staged.reset(); }

  static std::string StagedPath(const char* name) { return artwork::StagePath(staged->folder.Path(), art::kProgram, name); }
  static int Pixel(int x, int y) {
    const plat::BYTE* p = staged->picture.PixelAddress(x, y);
    return p == nullptr ? -1 : *p;
  }
  static std::unique_ptr<Staged> staged;
};

std::unique_ptr<Staged> SlotArt::staged;

struct Sprite {
  std::string what;
  Area area;
};

std::vector<Sprite> Sprites() {
  std::vector<Sprite> s;
  for (int reel = 0; reel < kReels; ++reel) s.push_back({"strip " + std::to_string(reel), {StripX(reel), 0, kReelWidth, kStripHeight}});
  for (int f = 0; f < kLeverFrames; ++f) s.push_back({"lever", {LeverFrame(f).x, LeverFrame(f).y, kLeverWidth, kLeverHeight}});
  for (int f = 0; f < kPayoutFrames; ++f) {
    s.push_back({"coin drop", {PayoutFrame(f).x, PayoutFrame(f).y, kPayoutWidth, kPayoutHeight}});
  }
  for (const Area& coin : kCoinImage) s.push_back({"coin", coin});
  for (int b = 0; b < kSlotButtonCount; ++b) {
    const ButtonEntry& row = kSlotButtonTable[b];
    std::set<std::pair<int, int>> faces;
    for (const ButtonSource& src : row.source) {
      if (src.x != kNoSource && faces.insert({src.x, src.y}).second) {
        s.push_back({"face of " + std::to_string(b), {src.x, src.y, row.width, row.height}});
      }
    }
  }
  s.push_back({"lag meter", {kLagMeterSource.x, kLagMeterSource.y, kLagMeterArea.width, kLagMeterArea.height}});
  s.push_back({"small font", {kSmallFontLayout.x, kSmallFontLayout.y, kSmallFontLayout.width, GlyphAreaHeight(kSmallFontLayout)}});
  s.push_back({"readout font",
               {kReadoutFontLayout.x, kReadoutFontLayout.y, kReadoutFontLayout.width, GlyphAreaHeight(kReadoutFontLayout)}});
  s.push_back({"text colour", {kTextColourPixel.x, kTextColourPixel.y, 1, 1}});
  s.push_back({"transparent colour", {kTransparentPixel.x, kTransparentPixel.y, 1, 1}});
  return s;
}

bool Overlap(const Area& a, const Area& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

TEST_F(SlotArt, EverySpriteLiesInThePictureBesideTheScreenAndApartFromTheOthers) {
  ASSERT_EQ(staged->picture.Width(), kPictureWidth);
  ASSERT_EQ(staged->picture.Height(), kPictureHeight);
  const Area screen{0, 0, 640, 480};
  const std::vector<Sprite> sprites = Sprites();
  for (std::size_t i = 0; i < sprites.size(); ++i) {
    const Area& r = sprites[i].area;
    SCOPED_TRACE(sprites[i].what + " at " + std::to_string(r.x) + ", " + std::to_string(r.y));
    EXPECT_GE(r.x, 0);
    EXPECT_GE(r.y, 0);
    EXPECT_LE(r.x + r.width, kPictureWidth);
    EXPECT_LE(r.y + r.height, kPictureHeight);
    EXPECT_FALSE(Overlap(r, screen));
    for (std::size_t j = i + 1; j < sprites.size(); ++j) {
      EXPECT_FALSE(Overlap(r, sprites[j].area)) << "lies over " << sprites[j].what;
    }
  }
}

// Every odd stop is a blank: the band around the pay line of frame 2 x s
// is bare strip exactly when s is odd, on each of the three strips.
TEST_F(SlotArt, FrameTwiceTheStopHasTheStopOnThePayLine) {
  for (int reel = 0; reel < kReels; ++reel) {
    for (int stop = 0; stop < kReelStops; ++stop) {
      const Area f = ReelFrame(reel, 2 * stop);
      const int centre = f.y + f.height / 2;
      const int ground = Pixel(f.x + 6, centre);
      int ink = 0;
      for (int y = centre - 6; y <= centre + 6; ++y) {
        for (int x = f.x + 6; x < f.x + f.width - 6; ++x) ink += Pixel(x, y) != ground ? 1 : 0;
      }
      EXPECT_EQ(ink == 0, stop % 2 == 1) << "reel " << reel << " stop " << stop;
    }
  }
}

TEST_F(SlotArt, ColoursAreWhereTheProgramReadsThem) {
  EXPECT_EQ(Pixel(kTransparentPixel.x, kTransparentPixel.y), kPictureKey);
  EXPECT_NE(Pixel(kTextColourPixel.x, kTextColourPixel.y), kPictureKey);
  EXPECT_EQ(Pixel(kSmallFontLayout.x, kSmallFontLayout.y), kPictureKey);
}

// The three machine value faces look alike, unlit on the screen, lit and
// pressed: the same edge all round and no key colour, so the $5 face, drawn
// transparent, shows whole as the $0.25 and $1 faces do.
TEST_F(SlotArt, MachineValueFacesAreAlike) {
  const auto faceOf = [](int button, int look) {
    const ButtonEntry& row = kSlotButtonTable[button];
    return look == 0 ? ButtonSource{row.x, row.y} : row.source[look == 1 ? kButtonStateEnabled : kButtonStatePressed];
  };
  const ButtonEntry& quarter = kSlotButtonTable[kButtonQuarterMachine];
  for (int look = 0; look < 3; ++look) {
    const ButtonSource model = faceOf(kButtonQuarterMachine, look);
    for (int b = kButtonQuarterMachine; b < kButtonQuarterMachine + kMachineValueButtons; ++b) {
      const ButtonEntry& row = kSlotButtonTable[b];
      ASSERT_EQ(row.width, quarter.width);
      ASSERT_EQ(row.height, quarter.height);
      const ButtonSource face = faceOf(b, look);
      SCOPED_TRACE("button " + std::to_string(b) + " look " + std::to_string(look));
      for (int y = 0; y < row.height; ++y) {
        for (int x = 0; x < row.width; ++x) {
          ASSERT_NE(Pixel(face.x + x, face.y + y), kPictureKey) << x << ", " << y;
          const bool edge = x < 2 || y < 2 || x >= row.width - 2 || y >= row.height - 2;
          if (edge) {
            ASSERT_EQ(Pixel(face.x + x, face.y + y), Pixel(model.x + x, model.y + y)) << x << ", " << y;
          }
        }
      }
    }
  }
}

TEST_F(SlotArt, HitMapCarriesButtonsOneToSeventeen) {
  std::set<int> seen;
  for (int y = 0; y < 480; y += 2) {
    for (int x = 0; x < 640; x += 2) {
      const int b = HitTest(staged->map, x, y);
      if (b != 0) seen.insert(b);
    }
  }
  std::set<int> want;
  for (int b = 1; b < kSlotButtonCount; ++b) want.insert(b);
  EXPECT_EQ(seen, want);
  for (int b = 1; b < kSlotButtonCount; ++b) {
    const ButtonEntry& row = kSlotButtonTable[b];
    EXPECT_EQ(HitTest(staged->map, row.x + row.width / 2, row.y + row.height / 2), b) << "button " << b;
  }
}

// The coin-in and button sounds are the shared ones.
TEST_F(SlotArt, TheSoundsAndTheMusicAreStaged) {
  for (const char* name : {kSoundButton, kSoundCash, kSoundMachineButton, kSoundLever, kSoundSpin,
                           kSoundReelStop, kSoundLastReelStop, kMusicFile}) {
    EXPECT_GT(ReadFile(StagedPath(name)).size(), 14u) << name;
  }
}

}  // namespace
