// An art test's staged sheet: the program's sheet and the shared sounds
// written into a temporary tree and read back as the program reads them
// (the picture and the hit map), once for a whole suite.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>

#include "artwork/CardTableSheet.h"
#include "artwork/Sheet.h"
#include "framework/sound/Dib.h"
#include "framework/sound/HitMap.h"
#include "tests/support/TempFolder.h"

struct StagedSheet {
  ~StagedSheet() { FreeHitMap(map); }
  TempFolder folder;
  const char* program = nullptr;
  CDib picture;
  HitMap* map = nullptr;
};

// 1 when the sheet was written and its picture and hit map read back.
int StageSheet(const artwork::Sheet& sheet, const char* program, const char* hitMapFile, StagedSheet* out);
// A staged file's path, by the name the program opens it with.
std::string StagedSheetPath(const StagedSheet& staged, const char* name);
// The picture's index at (x, y); -1 outside it.
int StagedPixel(const StagedSheet& staged, int x, int y);

// Every sprite inside the picture, beside the screen's area and apart from
// every other.
void ExpectSpritesApart(std::span<const artwork::SpriteArea> sprites, int pictureWidth, int pictureHeight);

// The fixture of an art test; Suite is the test's own class, so that each
// suite stages its own sheet in its SetUpTestSuite with Stage.
template <class Suite>
class CStagedSheetTest : public ::testing::Test {
 protected:
  static void Stage(const artwork::Sheet& sheet, const char* program, const char* hitMapFile) {
    staged = std::make_unique<StagedSheet>();
    ASSERT_EQ(StageSheet(sheet, program, hitMapFile, staged.get()), 1);
  }
  static void TearDownTestSuite() { staged.reset(); }
  static std::string StagedPath(const char* name) { return StagedSheetPath(*staged, name); }
  static int Pixel(int x, int y) { return StagedPixel(*staged, x, y); }

  static inline std::unique_ptr<StagedSheet> staged;
};
