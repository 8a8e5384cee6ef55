// RIFF/WAVE files of 16-bit mono PCM.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

inline constexpr int kSampleRate = 22050;

// The whole file: "RIFF" header, "fmt " chunk (PCM, 1 channel, 16 bits) and
// the "data" chunk.
std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int rate);

}  // namespace artwork
