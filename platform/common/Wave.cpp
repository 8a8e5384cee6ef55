// PlaySound: which sound is asked for and whether it is a wave file the
// device can play; the device only plays it.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

#include "platform/common/Device.h"
#include "platform/common/Files.h"

namespace plat {
namespace {

constexpr std::uint32_t kLargestWave = 256u << 20;

std::uint32_t Le32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// The sample formats a wave file may hold: PCM, Microsoft ADPCM, IEEE float,
// A-law, mu-law, IMA ADPCM and the extensible header.
bool KnownFormat(unsigned code) {
  static constexpr unsigned kKnown[] = {0x0001, 0x0002, 0x0003, 0x0006, 0x0007, 0x0011, 0xFFFE};
  return std::find(std::begin(kKnown), std::end(kKnown), code) != std::end(kKnown);
}

// Checks a whole wave file image; answers its playing time in ms.
bool CheckWave(const std::uint8_t* data, std::size_t size, DWORD* durationMs) {
  if (!data || size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return false;
  std::uint32_t byteRate = 0, dataBytes = 0;
  bool haveFormat = false, haveData = false;
  std::size_t pos = 12;
  while (pos + 8 <= size) {
    const std::uint32_t len = Le32(data + pos + 4);
    if (std::memcmp(data + pos, "fmt ", 4) == 0 && len >= 16 && pos + 8 + 16 <= size) {
      const std::uint8_t* f = data + pos + 8;
      if (!KnownFormat(f[0] | (f[1] << 8)) || (f[2] | (f[3] << 8)) == 0 || Le32(f + 4) == 0) return false;
      byteRate = Le32(f + 8);
      haveFormat = true;
    } else if (std::memcmp(data + pos, "data", 4) == 0) {
      dataBytes = len;
      haveData = true;
    }
    if (len > size) break;
    pos += 8 + len + (len & 1);
  }
  if (!haveFormat || !haveData) return false;
  *durationMs = byteRate ? static_cast<DWORD>(static_cast<std::uint64_t>(dataBytes) * 1000 / byteRate) : 0;
  return true;
}

// A wave file in memory carries its own size in the RIFF header; 0 when it has none.
std::size_t SizeInMemory(const std::uint8_t* p) {
  if (std::memcmp(p, "RIFF", 4) != 0) return 0;
  const std::uint32_t riff = Le32(p + 4);
  return riff >= 4 && riff <= kLargestWave ? static_cast<std::size_t>(riff) + 8 : 0;
}

}  // namespace

BOOL PlaySound(const void* sound, DWORD flags) {
  const bool memory = sound && (flags & SND_MEMORY);
  const std::size_t memoryBytes = memory ? SizeInMemory(static_cast<const std::uint8_t*>(sound)) : 0;
  common::WaveAsked(sound, flags, memoryBytes);
  common::StopWave();
  if (!sound || (flags & SND_PURGE)) return TRUE;
  const std::uint8_t* data = static_cast<const std::uint8_t*>(sound);
  std::size_t size = memoryBytes;
  std::vector<std::uint8_t> file;
  if (!memory) {
    if (!common::ReadWholeFile(static_cast<const char*>(sound), &file)) return FALSE;
    data = file.data();
    size = file.size();
  }
  DWORD duration = 0;
  if (!CheckWave(data, size, &duration)) return FALSE;
  const bool async = (flags & SND_ASYNC) != 0;
  const int played = common::PlayWave(data, size, async, async && (flags & SND_LOOP));
  if (played < 0 && !async) common::PassTime(duration);
  return played != 0 ? TRUE : FALSE;
}

}  // namespace plat
