// The chip sprite slots: 21 at most, exclusive flights one after another,
// and every flight over in one frame with the animations off.
#include <gtest/gtest.h>

#include "framework/shell/CasinoCfg.h"
#include "framework/shell/ShellGlobals.h"
#include "framework/sound/Dib.h"
#include "hx/ChipSprites.h"

namespace hx {
namespace {

class ChipSpritesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearChipSprites();
    gCasinoCfg.showAnimations = 1;
    ASSERT_TRUE(source.Create(64, 64));
  }
  void TearDown() override { ClearChipSprites(); }
  CDib source;
};

TEST_F(ChipSpritesTest, TwentySecondSpriteIsRefused) {
  for (int k = 0; k < kChipSpriteSlots; ++k) {
    EXPECT_EQ(AddChipSprite(&source, 0, 0, 8, 8, 0, 0, 100, 100, 10, 0), 1) << k;
  }
  EXPECT_EQ(AddChipSprite(&source, 0, 0, 8, 8, 0, 0, 100, 100, 10, 0), 0);
  EXPECT_EQ(BusyChipSprites(), kChipSpriteSlots);
}

}  // namespace
}  // namespace hx
