// The chip sprite slots: 21 at most, exclusive flights one after another,
// and every flight over in one frame with the animations off.
#include <gtest/gtest.h>

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/Dib.h"
#include "hx/BlackJackLayout.h"
#include "hx/ChipSprites.h"

namespace hx {
namespace {

class ChipSpritesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearChipSprites();
    gCasinoCfg.showAnimations = 1;
    ASSERT_TRUE(source.Create(64, 64));
    ASSERT_TRUE(picture.Create(kScreenWidth, kScreenHeight));
    ASSERT_EQ(gScreen.Init(nullptr, &picture, kScreenWidth, kScreenHeight), 1);
    gTransparentIndex = 255;
  }
  void TearDown() override {
    ClearChipSprites();
    gScreen.Free();
  }
  // A pile face of colour in the source at (sourceX, 0), drawn for good at (x, y).
  void PlacePile(int sourceX, int colour, int x, int y) {
    source.Fill(sourceX, 0, kPile, kPile, static_cast<plat::BYTE>(colour));
    gScreen.Blit(x, y, &source, sourceX, 0, kPile, kPile, gTransparentIndex);
  }
  static int Background(int x, int y) { return *gScreen.Background().PixelAddress(x, y); }
  static int Front(int x, int y) { return *gScreen.Front().PixelAddress(x, y); }

  static constexpr int kScreenWidth = 640;
  static constexpr int kScreenHeight = 480;
  static constexpr int kPile = 8;
  CDib source;
  CDib picture;
};

TEST_F(ChipSpritesTest, TwentySecondSpriteIsRefused) {
  for (int k = 0; k < kChipSpriteSlots; ++k) {
    EXPECT_EQ(AddChipSprite(&source, 0, 0, 8, 8, 0, 0, 100, 100, 10, 0), 1) << k;
  }
  EXPECT_EQ(AddChipSprite(&source, 0, 0, 8, 8, 0, 0, 100, 100, 10, 0), 0);
  EXPECT_EQ(BusyChipSprites(), kChipSpriteSlots);
}

// Two piles side by side, overlapping, both to leave: the first one's
// restored area does not cut into the second, still waiting in its place.
TEST_F(ChipSpritesTest, LeavingPileKeepsTheWaitingPileWhole) {
  PlacePile(0, 5, 100, 100);
  PlacePile(kPile, 6, 104, 100);
  ASSERT_EQ(AddChipSprite(&source, 0, 0, kPile, kPile, 100, 100, 300, 300, 10, kSpriteLeavesStart), 1);
  ASSERT_EQ(AddChipSprite(&source, kPile, 0, kPile, kPile, 104, 100, 400, 300, 10, kSpriteLeavesStart), 1);
  StepChipSprites();
  EXPECT_EQ(Background(101, 101), 0) << "the first pile has left";
  EXPECT_EQ(Background(105, 101), 6) << "the second pile waits whole";
  EXPECT_EQ(Background(111, 107), 6);
}

// A win coming from the dealer's side is not drawn there before it flies.
TEST_F(ChipSpritesTest, WinFromTheDealerIsNotDrawnAtItsStart) {
  PlacePile(0, 5, 100, 100);
  source.Fill(kPile, 0, kPile, kPile, 7);
  ASSERT_EQ(AddChipSprite(&source, 0, 0, kPile, kPile, 100, 100, 300, 300, 10, kSpriteLeavesStart), 1);
  ASSERT_EQ(AddChipSprite(&source, kPile, 0, kPile, kPile, 165, 0, 400, 300, 10, kSpriteStays), 1);
  StepChipSprites();
  EXPECT_EQ(Background(166, 1), 0);
}

// On platform id 0 the dealer's side is the top edge: a pile flying there
// from the first stake's place still shows at the top of the screen in its
// last frame; elsewhere it is above the screen by then.
TEST_F(ChipSpritesTest, DealerSideIsTheTopEdgeOnPlatformZero) {
  constexpr int kHeight = 84;
  constexpr int kRise = 60;
  source.Fill(0, 0, 34, kHeight, 9);
  for (unsigned platform : {0u, 2u}) {
    const Point to = DealerSide(platform);
    ASSERT_EQ(AddChipSprite(&source, 0, 0, 34, kHeight, 300, 290 - kRise, to.x - 1, to.y - kRise, 10, 0), 1);
    for (int frame = 0; frame < 9; ++frame) {
      gScreen.Refresh(CScreen::kRefreshPicture);
      StepChipSprites();
    }
    int shownAtTop = 0;
    for (int x = 150; x < 250; ++x) shownAtTop += Front(x, 0) == 9;
    StepChipSprites();
    EXPECT_EQ(BusyChipSprites(), 0);
    if (platform == 0) {
      EXPECT_GT(shownAtTop, 0) << "platform " << platform;
    } else {
      EXPECT_EQ(shownAtTop, 0) << "platform " << platform;
    }
  }
}

}  // namespace
}  // namespace hx
