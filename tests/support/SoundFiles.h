// Small wave and MIDI files made in memory for the tests and the sample.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace test_sound {

// A mono 16-bit 22050 Hz wave file of a sine tone.
std::vector<std::uint8_t> MakeWave(int milliseconds, int hertz);

// A format-0 MIDI file, 480 ticks a quarter note: notes of `ticks` each,
// with a tempo change to microsPerQuarter at the start (0: none, 120 bpm).
std::vector<std::uint8_t> MakeMidi(const std::vector<int>& notes, int ticks,
                                   std::uint32_t microsPerQuarter);

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace test_sound
