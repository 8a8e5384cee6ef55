#include "tests/support/SoundFiles.h"

#include <cmath>
#include <cstdio>

namespace test_sound {
namespace {

void Put16(std::vector<std::uint8_t>& v, std::uint32_t x) {
  v.push_back(static_cast<std::uint8_t>(x));
  v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}
void Big32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  for (int s = 24; s >= 0; s -= 8) v.push_back(static_cast<std::uint8_t>(x >> s));
}
void Quantity(std::vector<std::uint8_t>& v, std::uint32_t x) {
  std::uint8_t bytes[4];
  int n = 0;
  do {
    bytes[n++] = static_cast<std::uint8_t>(x & 0x7F);
    x >>= 7;
  } while (x && n < 4);
  while (n-- > 0) v.push_back(static_cast<std::uint8_t>(bytes[n] | (n ? 0x80 : 0)));
}

}  // namespace

std::vector<std::uint8_t> MakeWave(int milliseconds, int hertz) {
  constexpr int kRate = 22050;
  const int samples = kRate * milliseconds / 1000;
  std::vector<std::uint8_t> w;
  w.insert(w.end(), {'R', 'I', 'F', 'F'});
  Put32(w, 36 + samples * 2);
  w.insert(w.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  Put32(w, 16);
  Put16(w, 1);      // PCM
  Put16(w, 1);      // mono
  Put32(w, kRate);
  Put32(w, kRate * 2);
  Put16(w, 2);
  Put16(w, 16);
  w.insert(w.end(), {'d', 'a', 't', 'a'});
  Put32(w, samples * 2);
  for (int i = 0; i < samples; ++i) {
    const double s = std::sin(2 * 3.14159265358979 * hertz * i / kRate);
    Put16(w, static_cast<std::uint16_t>(static_cast<std::int16_t>(s * 8000)));
  }
  return w;
}

std::vector<std::uint8_t> MakeMidi(const std::vector<int>& notes, int ticks,
                                   std::uint32_t microsPerQuarter) {
  std::vector<std::uint8_t> track;
  if (microsPerQuarter) {
    track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03});
    for (int s = 16; s >= 0; s -= 8) track.push_back(static_cast<std::uint8_t>(microsPerQuarter >> s));
  }
  track.insert(track.end(), {0x00, 0xC0, 0x00});  // piano
  for (int note : notes) {
    track.insert(track.end(), {0x00, 0x90, static_cast<std::uint8_t>(note), 0x60});
    Quantity(track, static_cast<std::uint32_t>(ticks));
    track.insert(track.end(), {0x80, static_cast<std::uint8_t>(note), 0x40});
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  std::vector<std::uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0};
  file.insert(file.end(), {'M', 'T', 'r', 'k'});
  Big32(file, static_cast<std::uint32_t>(track.size()));
  file.insert(file.end(), track.begin(), track.end());
  return file;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace test_sound
