#include "framework/sound/WaveCache.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/include/plat/sound.h"
#include "platform/include/plat/system.h"

namespace {

// The whole file, or null. The sound layer trusts a wave image's RIFF size,
// so an image whose size field reaches past the file is refused.
plat::BYTE* ReadWholeWave(const char* name) {
  std::FILE* file = plat::OpenFile(name, "rb");
  if (!file) return nullptr;
  plat::BYTE* image = nullptr;
  long length = -1;
  if (std::fseek(file, 0, SEEK_END) == 0) length = std::ftell(file);
  if (length >= 12 && length <= CWaveCache::kMaxFileBytes && std::fseek(file, 0, SEEK_SET) == 0) {
    image = static_cast<plat::BYTE*>(std::malloc(static_cast<std::size_t>(length)));
    if (image && std::fread(image, 1, static_cast<std::size_t>(length), file) !=
                     static_cast<std::size_t>(length)) {
      std::free(image);
      image = nullptr;
    }
  }
  std::fclose(file);
  if (!image) return nullptr;
  const std::uint32_t riffSize = static_cast<std::uint32_t>(image[4]) | (image[5] << 8) |
                                 (image[6] << 16) | (static_cast<std::uint32_t>(image[7]) << 24);
  if (std::memcmp(image, "RIFF", 4) != 0 ||
      std::uint64_t{riffSize} + 8 > static_cast<std::uint64_t>(length)) {
    std::free(image);
    return nullptr;
  }
  return image;
}

}  // namespace

CWaveCache::CWaveCache() {
  for (int i = 0; i < kSlots; ++i) FreeSlot(i);
}

CWaveCache::~CWaveCache() {
  for (int i = 0; i < kSlots; ++i) FreeSlot(i);
}

int CWaveCache::FindFree() const {
  for (int i = 0; i < kSlots; ++i) {
    if (used[i] != 1) return i;
  }
  return -1;
}

int CWaveCache::Find(const char* wanted) const {
  if (!wanted) return -1;
  for (int i = 0; i < kSlots; ++i) {
    if (used[i] == 1 && std::strcmp(name[i], wanted) == 0) return i;
  }
  return -1;
}

void CWaveCache::EvictOldest() {
  int oldest = -1;
  for (int i = 0; i < kSlots; ++i) {
    if (used[i] == 1 && (oldest < 0 || stamp[i] < stamp[oldest])) oldest = i;
  }
  if (oldest >= 0) FreeSlot(oldest);
}

const void* CWaveCache::Load(const char* wanted) {
  plat::PlaySound(nullptr, plat::SND_PURGE);
  if (!wanted || std::strlen(wanted) >= kNameSize) return nullptr;
  int slot = Find(wanted);
  if (slot >= 0) {
    stamp[slot] = static_cast<int>(useCounter++);
    return data[slot];
  }
  slot = FindFree();
  if (slot < 0) {
    EvictOldest();
    slot = FindFree();
  }
  plat::BYTE* image = ReadWholeWave(wanted);
  if (!image) return nullptr;
  used[slot] = 1;
  stamp[slot] = static_cast<int>(useCounter++);
  std::memcpy(name[slot], wanted, std::strlen(wanted) + 1);
  data[slot] = image;
  return image;
}

void CWaveCache::FreeSlot(int i) {
  if (i < 0 || i >= kSlots) return;
  used[i] = -1;
  stamp[i] = -1;
  std::memset(name[i], 0, kNameSize);
  std::free(data[i]);
  data[i] = nullptr;
}
