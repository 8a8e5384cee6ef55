// Small background tunes composed from a few numbers, so each music name
// gets its own piece without any stored score.
#pragma once

#include <cstdint>
#include <vector>

#include "artwork/MidiFile.h"

namespace artwork {

struct MusicRecipe {
  const char* name;   // as the program opens it, e.g. "../midi/travel.mid"
  int beatsPerMinute;
  int lead;           // General MIDI program of the melody (0-based)
  int bass;           // General MIDI program of the bass line
  int root;           // MIDI key of the tonic
  std::uint32_t seed; // picks the melody
  int bars;           // 4/4 bars; the piece ends on a bar line so it loops cleanly
};

inline constexpr int kTuneDivision = 96;  // ticks per quarter note

// Melody, chords and bass over a I-vi-IV-V progression.
std::vector<MidiEvent> ComposeTune(const MusicRecipe& recipe);
// The whole Standard MIDI File of the tune.
std::vector<std::uint8_t> EncodeTune(const MusicRecipe& recipe);

}  // namespace artwork
