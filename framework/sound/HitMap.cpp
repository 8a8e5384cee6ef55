#include "framework/sound/HitMap.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/include/plat/system.h"

using plat::BITMAPFILEHEADER;
using plat::BITMAPINFOHEADER;

namespace {

constexpr std::uint64_t kFileHeaderBytes = sizeof(BITMAPFILEHEADER);
constexpr std::uint64_t kInfoHeaderBytes = sizeof(BITMAPINFOHEADER);

std::size_t StrideOf(int width) {
  return (static_cast<std::size_t>(width) + 3) & ~static_cast<std::size_t>(3);
}

int ReadBmp(std::FILE* file, BITMAPFILEHEADER* fileHeaderOut, BITMAPINFOHEADER* infoHeaderOut,
            plat::RGBQUAD* colourTable, plat::BYTE* bits, std::size_t bitsCapacity) {
  if (std::fseek(file, 0, SEEK_END) != 0) return 0;
  const long length = std::ftell(file);
  if (length < static_cast<long>(kFileHeaderBytes + kInfoHeaderBytes)) return 0;
  if (std::fseek(file, 0, SEEK_SET) != 0) return 0;

  BITMAPFILEHEADER fileHeader;
  BITMAPINFOHEADER header;
  if (std::fread(&fileHeader, kFileHeaderBytes, 1, file) != 1 ||
      std::fread(&header, kInfoHeaderBytes, 1, file) != 1) {
    return 0;
  }
  if (fileHeader.bfType != 0x4D42 || header.biSize == 12 || header.biSize < kInfoHeaderBytes) {
    return 0;
  }
  if (header.biBitCount != 8 || header.biCompression != plat::BI_RGB) return 0;
  if (header.biWidth < 1 || header.biWidth > kMaxHitMapSide || header.biHeight < 1 ||
      header.biHeight > kMaxHitMapSide) {
    return 0;
  }
  const std::uint64_t tableAt = kFileHeaderBytes + header.biSize;
  if (fileHeader.bfOffBits != tableAt + kBmpColourTableBytes ||
      fileHeader.bfSize > static_cast<std::uint64_t>(length) ||
      fileHeader.bfSize < fileHeader.bfOffBits) {
    return 0;
  }
  const std::size_t bitsBytes = fileHeader.bfSize - fileHeader.bfOffBits;
  if (bitsBytes < StrideOf(header.biWidth) * header.biHeight) return 0;

  if (std::fseek(file, static_cast<long>(tableAt), SEEK_SET) != 0) return 0;
  if (colourTable) {
    if (std::fread(colourTable, kBmpColourTableBytes, 1, file) != 1) return 0;
  } else if (std::fseek(file, static_cast<long>(kBmpColourTableBytes), SEEK_CUR) != 0) {
    return 0;
  }
  if (bits && (bitsBytes > bitsCapacity || std::fread(bits, 1, bitsBytes, file) != bitsBytes)) {
    return 0;
  }
  if (fileHeaderOut) *fileHeaderOut = fileHeader;
  if (infoHeaderOut) *infoHeaderOut = header;
  return 1;
}

}  // namespace

int ReadBmpFile(const char* name, BITMAPFILEHEADER* fileHeader, BITMAPINFOHEADER* infoHeader,
                plat::RGBQUAD* colourTable, plat::BYTE* bits, std::size_t bitsCapacity) {
  std::FILE* file = plat::OpenFile(name, "rb");
  if (!file) return 0;
  const int ok = ReadBmp(file, fileHeader, infoHeader, colourTable, bits, bitsCapacity);
  std::fclose(file);
  return ok;
}

HitMap* LoadHitMap(const char* name) {
  BITMAPFILEHEADER fileHeader;
  BITMAPINFOHEADER header;
  if (!ReadBmpFile(name, &fileHeader, &header, nullptr, nullptr, 0)) return nullptr;
  const std::size_t bitsBytes = fileHeader.bfSize - fileHeader.bfOffBits;
  auto* block = static_cast<plat::BYTE*>(std::calloc(sizeof(HitMap) + bitsBytes + 1, 1));
  if (!block) return nullptr;
  // The second read must see the file the sizes came from.
  BITMAPFILEHEADER again;
  BITMAPINFOHEADER headerAgain;
  if (!ReadBmpFile(name, &again, &headerAgain, nullptr, block + sizeof(HitMap), bitsBytes) ||
      std::memcmp(&again, &fileHeader, sizeof again) != 0 ||
      std::memcmp(&headerAgain, &header, sizeof header) != 0) {
    std::free(block);
    return nullptr;
  }
  auto* map = reinterpret_cast<HitMap*>(block);
  map->originX = 0;
  map->originY = 0;
  map->width = static_cast<std::int16_t>(header.biWidth);
  map->height = static_cast<std::int16_t>(header.biHeight);
  return map;
}

int HitTest(const HitMap* map, int x, int y) {
  if (!map) return -1;
  const std::int64_t column = (std::int64_t{x} - map->originX) / 2;
  const std::int64_t row = (std::int64_t{y} - map->originY) / 2;
  if (column < 0 || row < 0 || column >= map->width || row >= map->height) return -1;
  const auto* rows = reinterpret_cast<const plat::BYTE*>(map + 1);
  return rows[StrideOf(map->width) * static_cast<std::size_t>(map->height - row - 1) +
              static_cast<std::size_t>(column)];
}

void FreeHitMap(HitMap* map) { std::free(map); }
