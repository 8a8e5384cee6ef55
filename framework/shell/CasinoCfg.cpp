#include "framework/shell/CasinoCfg.h"

#include <cstdio>

#include "platform/include/plat/system.h"

namespace {

constexpr int kBytes = sizeof(CasinoCfg);

const char* FileName(int where) {
  return where == kCasinoCfgHere ? "Casino.cfg" : "..\\..\\Casino.cfg";
}

// The stored form is fixed little-endian whatever the host.
void Encode(const CasinoCfg& cfg, unsigned char* bytes) {
  const std::uint16_t words[kBytes / 2] = {cfg.maximised, cfg.showAnimations, cfg.soundEffects,
                                           cfg.midiMusic, cfg.reserved};
  for (int i = 0; i < kBytes / 2; ++i) {
    bytes[2 * i] = static_cast<unsigned char>(words[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<unsigned char>(words[i] >> 8);
  }
}

CasinoCfg Decode(const unsigned char* bytes) {
  auto word = [bytes](int i) {
    return static_cast<std::uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  };
  return CasinoCfg{word(0), word(1), word(2), word(3), word(4)};
}

}  // namespace

int ReadCasinoCfg(CasinoCfg* cfg, int where) {
  *cfg = CasinoCfg{1, 1, 1, 1, 0};
  std::FILE* file = plat::OpenFile(FileName(where), "r");
  if (!file) return 0;
  unsigned char bytes[kBytes];
  Encode(*cfg, bytes);
  std::fread(bytes, 1, sizeof(bytes), file);
  std::fclose(file);
  *cfg = Decode(bytes);
  return 1;
}

int WriteCasinoCfg(const CasinoCfg* cfg, int where) {
  std::FILE* file = plat::OpenFile(FileName(where), "w");
  if (!file) return 0;
  unsigned char bytes[kBytes];
  Encode(*cfg, bytes);
  std::size_t written = std::fwrite(bytes, 1, sizeof(bytes), file);
  int closed = std::fclose(file) == 0;
  return written == sizeof(bytes) && closed ? 1 : 0;
}
