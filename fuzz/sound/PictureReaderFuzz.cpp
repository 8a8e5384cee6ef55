// Bytes as a picture file (scrambled on the way in, so the reader sees the
// shaped bytes as plain ones): a refused file must leave the bitmap as it
// was, and a taken one must be safe to draw from and remap.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "framework/sound/Dib.h"
#include "fuzz/sound/FuzzInput.h"
#include "framework/sound/Palette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::uint8_t> valid = SmallPlainBitmap();
  std::vector<std::uint8_t> stored = ShapeInput(data, size, valid);
  for (std::uint8_t& b : stored) b = artwork::ScrambleByte(b);
  if (stored.empty()) stored.push_back(0);  // fmemopen wants a buffer
  std::FILE* file = fmemopen(stored.data(), stored.size(), "rb");
  if (!file) return 0;
  CDib dib;
  if (!dib.Create(3, 2)) std::abort();
  const int ok = dib.Read(file);
  std::fclose(file);
  if (!ok) {
    if (dib.Width() != 3 || dib.Height() != 2) std::abort();
    return 0;
  }
  CDib target;
  if (!target.Create(64, 64)) std::abort();
  dib.Blit(&target, -7, -5, 0, 0, dib.Width(), dib.Height(), -1);
  dib.Blit(&target, 60, 60, dib.Width() - 3, dib.Height() - 3, 8, 8, 0);
  CPalette palette;
  if (palette.CreateFromDib(dib)) target.RemapToPalette(palette.Handle());
  return 0;
}
