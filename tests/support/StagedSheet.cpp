#include "tests/support/StagedSheet.h"

#include "artwork/Generator.h"

namespace {

bool Overlap(const artwork::Rect& a, const artwork::Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

}  // namespace

int StageSheet(const artwork::Sheet& sheet, const char* program, const char* hitMapFile, StagedSheet* out) {
  out->program = program;
  const std::string& root = out->folder.Path();
  if (artwork::WriteSheet(root, sheet) != 1 || artwork::WriteSharedAudio(root) != 1) return 0;
  if (out->picture.LoadFile(StagedSheetPath(*out, "res\\Data.dat").c_str()) != 1) return 0;
  out->map = LoadHitMap(StagedSheetPath(*out, hitMapFile).c_str());
  return out->map != nullptr ? 1 : 0;
}

std::string StagedSheetPath(const StagedSheet& staged, const char* name) {
  return artwork::StagePath(staged.folder.Path(), staged.program, name);
}

int StagedPixel(const StagedSheet& staged, int x, int y) {
  const plat::BYTE* p = staged.picture.PixelAddress(x, y);
  return p == nullptr ? -1 : *p;
}

void ExpectSpritesApart(std::span<const artwork::SpriteArea> sprites, int pictureWidth, int pictureHeight) {
  const artwork::Rect screen{0, 0, artwork::kScreenWidth, artwork::kScreenHeight};
  for (std::size_t i = 0; i < sprites.size(); ++i) {
    const artwork::Rect& r = sprites[i].area;
    SCOPED_TRACE(std::string(sprites[i].what) + " at " + std::to_string(r.x) + ", " + std::to_string(r.y));
    EXPECT_GE(r.x, 0);
    EXPECT_GE(r.y, 0);
    EXPECT_LE(r.x + r.w, pictureWidth);
    EXPECT_LE(r.y + r.h, pictureHeight);
    EXPECT_FALSE(Overlap(r, screen));
    for (std::size_t j = i + 1; j < sprites.size(); ++j) {
      EXPECT_FALSE(Overlap(r, sprites[j].area)) << "lies over " << sprites[j].what << " at " << sprites[j].area.x
                                                << ", " << sprites[j].area.y;
    }
  }
}
