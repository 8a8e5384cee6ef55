#include "platform/include/plat/window.h"

namespace plat {

// FNV-1a over the bytes of the name, folded into 0xC000..0xFFFF: the same id
// in every process without any shared state.
UINT RegisterWindowMessage(const char* name) {
  if (!name || !*name) return 0;
  std::uint32_t h = 2166136261u;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(name); *p; ++p) {
    h ^= *p;
    h *= 16777619u;
  }
  const std::uint32_t folded = (h >> 14) ^ (h & 0x3FFF);
  return 0xC000u + (folded & 0x3FFFu);
}

}  // namespace plat
