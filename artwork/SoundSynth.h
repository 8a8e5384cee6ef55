// Short synthesised sound effects: each is described by a recipe, so a
// program's sound list is data.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

enum class SoundKind {
  kSilence,  // nothing to hear (the file that stops all sound)
  kTone,     // a sine at frequency
  kSweep,    // a sine gliding from frequency to frequency2
  kNoise,    // a burst of noise, brighter with a higher frequency
  kRattle,   // irregular clicks: dice, coins
  kClick,    // one short knock: chips, buttons
  kChime,    // two notes, frequency then frequency2
};

struct SoundRecipe {
  const char* name;  // as the program plays it, e.g. "../wav/c_chip.wav"
  SoundKind kind;
  int frequency;     // Hz
  int frequency2;    // Hz, for sweeps and chimes
  int milliseconds;
};

// The samples at kSampleRate; the same recipe always gives the same samples.
std::vector<std::int16_t> Synthesize(const SoundRecipe& recipe);

}  // namespace artwork
