// Bytes as a hit-map file, through a file as the program reads it: every
// lookup of a loaded map must stay inside its block.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/sound/FuzzInput.h"
#include "framework/sound/HitMap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::uint8_t> valid = SmallPlainBitmap();
  static const std::string path = "/tmp/fuzz_hitmap_" + std::to_string(getpid()) + ".dat";
  const std::vector<std::uint8_t> bytes = ShapeInput(data, size, valid);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return 0;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);

  plat::RGBQUAD colours[256];
  ReadBmpFile(path.c_str(), nullptr, nullptr, colours, nullptr, 0);
  HitMap* map = LoadHitMap(path.c_str());
  std::remove(path.c_str());
  if (!map) return 0;
  const int w = 2 * map->width;
  const int h = 2 * map->height;
  for (int y = -3; y < h + 3; y += 1 + h / 16) {
    for (int x = -3; x < w + 3; x += 1 + w / 16) {
      if (HitTest(map, x, y) > 255) __builtin_trap();
    }
  }
  if (HitTest(map, w - 1, h - 1) < 0) __builtin_trap();
  FreeHitMap(map);
  return 0;
}
