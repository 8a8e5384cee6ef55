// The staged Roulette picture read back as the program reads it: the
// pressed faces of Help, Options and Quit where the button table takes them,
// each a whole face of its own.
#include <gtest/gtest.h>

#include "tests/support/StagedSheet.h"
#include "wl/RouletteButtons.h"
#include "wl/RouletteFiles.h"
#include "wl/art/RouletteSheet.h"

namespace {

using namespace wl;

class RouletteArt : public CStagedSheetTest<RouletteArt> {
 protected:
  static void SetUpTestSuite() { Stage(art::RouletteSheet(), art::kProgram, kHitMapFile); }
};

struct Face {
  int button, x, y;
};
// Side by side under the table: Help's 43 columns end on Options' first.
constexpr Face kTextFaces[] = {{kButtonHelp, 558, 481}, {kButtonOptions, 600, 481}, {kButtonQuit, 649, 481}};

TEST_F(RouletteArt, TextButtonsArePressedFromTheirOwnFaces) {
  for (const Face& f : kTextFaces) {
    const ButtonEntry& row = kRouletteButtonTable[f.button];
    EXPECT_EQ(row.source[2].x, f.x) << f.button;
    EXPECT_EQ(row.source[2].y, f.y) << f.button;
  }
}

// Every face, as the program copies it, is framed by its fill all round
// (no gap, no piece of a neighbour's label) and holds a label inside.
TEST_F(RouletteArt, EachPressedFaceIsWholeWithItsLabelInside) {
  for (const Face& f : kTextFaces) {
    const ButtonEntry& row = kRouletteButtonTable[f.button];
    const int fill = Pixel(f.x, f.y);
    for (int x = f.x; x < f.x + row.width; ++x) {
      EXPECT_EQ(Pixel(x, f.y), fill) << "button " << f.button << " top at " << x;
      EXPECT_EQ(Pixel(x, f.y + row.height - 1), fill) << "button " << f.button << " bottom at " << x;
    }
    for (int y = f.y; y < f.y + row.height; ++y) {
      EXPECT_EQ(Pixel(f.x, y), fill) << "button " << f.button << " left at " << y;
      EXPECT_EQ(Pixel(f.x + row.width - 1, y), fill) << "button " << f.button << " right at " << y;
    }
    int ink = 0;
    for (int y = f.y; y < f.y + row.height; ++y) {
      for (int x = f.x; x < f.x + row.width; ++x) ink += Pixel(x, y) != fill;
    }
    EXPECT_GT(ink, 0) << "button " << f.button << " has no label";
  }
}

}  // namespace
