#include <gtest/gtest.h>

#include "platform/common/PaletteMath.h"

namespace {

using plat::PALETTEENTRY;
using plat::common::NearestPaletteIndex;

TEST(PaletteMath, NearestIndexIsTheSmallestSquaredDistance) {
  const PALETTEENTRY p[4] = {{0, 0, 0, 0}, {200, 0, 0, 0}, {0, 200, 0, 0}, {90, 90, 90, 0}};
  EXPECT_EQ(NearestPaletteIndex(p, 4, 180, 10, 10), 1u);
  EXPECT_EQ(NearestPaletteIndex(p, 4, 10, 190, 0), 2u);
  EXPECT_EQ(NearestPaletteIndex(p, 4, 80, 80, 100), 3u);
  EXPECT_EQ(NearestPaletteIndex(p, 4, 20, 20, 20), 0u);
}

TEST(PaletteMath, TiesGoToTheLowestIndex) {
  const PALETTEENTRY p[3] = {{10, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}};
  EXPECT_EQ(NearestPaletteIndex(p, 3, 5, 0, 0), 0u);  // 25 against 25
  EXPECT_EQ(NearestPaletteIndex(p, 3, 0, 0, 0), 1u);  // exact twice
}

TEST(PaletteMath, EmptyPaletteIsInvalid) {
  const PALETTEENTRY p[1] = {{0, 0, 0, 0}};
  EXPECT_EQ(NearestPaletteIndex(p, 0, 1, 2, 3), plat::CLR_INVALID);
  EXPECT_EQ(NearestPaletteIndex(nullptr, 5, 1, 2, 3), plat::CLR_INVALID);
}

TEST(PaletteMath, SystemPaletteHasTheStaticColoursAtTheEnds) {
  const PALETTEENTRY* s = plat::common::DefaultSystemPalette();
  const PALETTEENTRY* st = plat::common::StaticColours();
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(plat::common::EntryColour(s[i]), plat::common::EntryColour(st[i])) << i;
    EXPECT_EQ(plat::common::EntryColour(s[246 + i]), plat::common::EntryColour(st[10 + i])) << i;
  }
  EXPECT_EQ(plat::common::EntryColour(s[0]), plat::RGB(0, 0, 0));
  EXPECT_EQ(plat::common::EntryColour(s[255]), plat::RGB(255, 255, 255));
  EXPECT_EQ(plat::common::EntryColour(s[249]), plat::RGB(255, 0, 0));
}

TEST(PaletteMath, CharactersOfVirtualKeys) {
  using plat::common::CharFromVirtualKey;
  EXPECT_EQ(CharFromVirtualKey('D', false), 'd');
  EXPECT_EQ(CharFromVirtualKey('D', true), 'D');
  EXPECT_EQ(CharFromVirtualKey('7', false), '7');
  EXPECT_EQ(CharFromVirtualKey(plat::VK_ESCAPE, false), 27);
  EXPECT_EQ(CharFromVirtualKey(plat::VK_RETURN, false), 13);
  EXPECT_EQ(CharFromVirtualKey(plat::VK_LEFT, false), 0);
  EXPECT_EQ(CharFromVirtualKey(plat::VK_F1, false), 0);
}

}  // namespace
