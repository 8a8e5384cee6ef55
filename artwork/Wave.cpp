#include "artwork/Wave.h"

#include "artwork/FileBytes.h"

namespace artwork {

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int rate) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataBytes);
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  PutLe32(out, 36 + dataBytes);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  PutLe32(out, 16);
  PutLe16(out, 1);  // PCM
  PutLe16(out, 1);  // mono
  PutLe32(out, static_cast<std::uint32_t>(rate));
  PutLe32(out, static_cast<std::uint32_t>(rate) * 2);
  PutLe16(out, 2);
  PutLe16(out, 16);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  PutLe32(out, dataBytes);
  for (std::int16_t s : samples) PutLe16(out, static_cast<std::uint16_t>(s));
  return out;
}

}  // namespace artwork
