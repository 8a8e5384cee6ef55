#include "artwork/Generator.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "artwork/FileBytes.h"
#include "artwork/StandardColours.h"
#include "artwork/SharedAudio.h"
#include "artwork/Text.h"
#include "artwork/Wave.h"

namespace artwork {

namespace {

int Report(const std::string& path) {
  std::fprintf(stderr, "artwork_gen: cannot write %s\n", path.c_str());
  return 0;
}

int MakeParent(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  return error ? 0 : 1;
}

int WriteSound(const std::string& stage, const char* program, const SoundRecipe& recipe) {
  const std::string path = StagePath(stage, program, recipe.name);
  if (!MakeParent(path) || !WriteFileBytes(path.c_str(), EncodeWave(Synthesize(recipe), kSampleRate))) {
    return Report(path);
  }
  return 1;
}

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

int WriteText(const std::string& path, const std::string& text) {
  if (!MakeParent(path) || !WriteFileBytes(path.c_str(), Bytes(text))) return Report(path);
  return 1;
}

int WriteHelp(const std::string& stage, const Sheet& sheet) {
  const std::string ini = std::string("[Orvanta]\r\nPATH=") + kHelpPath + "\r\n";
  if (!WriteText(StagePath(stage, sheet.program, kHelpIniFile), ini)) return 0;
  const std::string page = std::string(kHelpPath) + "help\\" + sheet.helpFile;
  return WriteText(StagePath(stage, sheet.program, page.c_str()), sheet.helpPage());
}

}  // namespace

void RenderPicture(const Sheet& sheet, IndexedImage& out) {
  out.Resize(sheet.width, sheet.height, sheet.background);
  SetStandardPalette(out);
  for (const SheetItem& item : sheet.items) item.draw(out, item);
  for (const GlyphFont& font : sheet.fonts) DrawGlyphFont(out, font);
}

void RenderHitMap(const Sheet& sheet, IndexedImage& out) {
  out.Resize(kScreenWidth / 2, kScreenHeight / 2, 0);
  SetStandardPalette(out);
  for (const HitArea& area : sheet.hitAreas) {
    for (int my = 0; my < out.height; ++my) {
      for (int mx = 0; mx < out.width; ++mx) {
        const int sx = 2 * mx;
        const int sy = 2 * my;
        if (sx >= area.screen.x && sx < area.screen.x + area.screen.w && sy >= area.screen.y &&
            sy < area.screen.y + area.screen.h) {
          out.At(mx, my) = static_cast<std::uint8_t>(area.button);
        }
      }
    }
  }
}

std::string StagePath(const std::string& stage, const char* program, const char* name) {
  std::string relative = name;
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  const std::filesystem::path path = std::filesystem::path(stage) / "games" / program / relative;
  return path.lexically_normal().string();
}

int WriteSheet(const std::string& stage, const Sheet& sheet) {
  IndexedImage image;
  RenderPicture(sheet, image);
  const std::string picture = StagePath(stage, sheet.program, kPictureFile);
  if (!MakeParent(picture) || !WritePictureFile(picture.c_str(), image)) return Report(picture);
  if (sheet.hitMapFile) {
    RenderHitMap(sheet, image);
    const std::string hitMap = StagePath(stage, sheet.program, sheet.hitMapFile);
    if (!MakeParent(hitMap) || !WriteHitMapFile(hitMap.c_str(), image)) return Report(hitMap);
  }
  for (const SoundRecipe& sound : sheet.sounds) {
    if (!WriteSound(stage, sheet.program, sound)) return 0;
  }
  if (sheet.writeMoreFiles && !sheet.writeMoreFiles(stage, sheet.program)) return 0;
  return WriteHelp(stage, sheet);
}

int WriteSharedAudio(const std::string& stage) {
  // Shared names start with "../", so any program folder resolves them.
  constexpr char kAnyProgram[] = "any";
  for (const SoundRecipe& sound : SharedSounds()) {
    if (!WriteSound(stage, kAnyProgram, sound)) return 0;
  }
  for (const MusicRecipe& music : MusicPieces()) {
    const std::string path = StagePath(stage, kAnyProgram, music.name);
    if (!MakeParent(path) || !WriteFileBytes(path.c_str(), EncodeTune(music))) return Report(path);
  }
  return 1;
}

}  // namespace artwork
