// The button hit map: a plain 8-bit bitmap at half the screen's resolution
// whose pixel value is the number of the button drawn there (0: none).
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/include/plat/types.h"

// One block: this header, then the file's pixel rows as stored (bottom-up,
// rows padded to 4 bytes), then one spare byte.
struct HitMap {
  std::int16_t originX;
  std::int16_t originY;
  std::int16_t width;   // map pixels
  std::int16_t height;
};
static_assert(sizeof(HitMap) == 8);

// Largest side a hit-map file may have.
constexpr int kMaxHitMapSide = 8192;
// Bytes of the colour table of an 8-bit bitmap file.
constexpr std::size_t kBmpColourTableBytes = 256 * sizeof(plat::RGBQUAD);

// Reads an uncompressed 8-bit bottom-up bitmap file (no byte transform).
// The colour table (kBmpColourTableBytes) goes into colourTable, or is
// skipped when it is null; the pixel rows (file size - offset to bits bytes,
// which must follow the colour table at once) go into bits when it is not
// null, and must fit bitsCapacity. Refused with 0: a failed open or read, a
// type other than "BM", a 12-byte core header, another depth or a compressed
// file, sizes or offsets beyond the file, a side outside 1..kMaxHitMapSide,
// or rows shorter than the image. The headers are filled only on success.
int ReadBmpFile(const char* name, plat::BITMAPFILEHEADER* fileHeader,
                plat::BITMAPINFOHEADER* infoHeader, plat::RGBQUAD* colourTable,
                plat::BYTE* bits, std::size_t bitsCapacity);
// Loads a hit-map file into a new block (free it with FreeHitMap); null when
// ReadBmpFile refuses the file or memory runs out.
HitMap* LoadHitMap(const char* name);
// The button number (0..255) under the picture point (x, y), or -1 outside
// the map (also for a null map).
int HitTest(const HitMap* map, int x, int y);
// Releases the block; nothing for null.
void FreeHitMap(HitMap* map);
