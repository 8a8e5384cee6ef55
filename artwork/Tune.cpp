#include "artwork/Tune.h"

namespace artwork {

namespace {

constexpr int kLead = 0;
constexpr int kChords = 1;
constexpr int kBass = 2;
constexpr int kChordPad = 48;  // strings ensemble

// Scale steps of the chord roots and of the major scale, in semitones.
constexpr int kProgression[4] = {0, 9, 5, 7};
constexpr int kMajorScale[7] = {0, 2, 4, 5, 7, 9, 11};

void AddNote(std::vector<MidiEvent>& events, std::uint32_t start, std::uint32_t length, int channel, int key,
             int velocity) {
  events.push_back({start, static_cast<std::uint8_t>(0x90 | channel), static_cast<std::uint8_t>(key),
                    static_cast<std::uint8_t>(velocity)});
  events.push_back({start + length, static_cast<std::uint8_t>(0x80 | channel), static_cast<std::uint8_t>(key), 0});
}

}  // namespace

std::vector<MidiEvent> ComposeTune(const MusicRecipe& recipe) {
  std::vector<MidiEvent> events;
  events.push_back({0, 0xC0 | kLead, static_cast<std::uint8_t>(recipe.lead), 0});
  events.push_back({0, 0xC0 | kChords, kChordPad, 0});
  events.push_back({0, 0xC0 | kBass, static_cast<std::uint8_t>(recipe.bass), 0});
  const std::uint32_t bar = 4 * kTuneDivision;
  const std::uint32_t eighth = kTuneDivision / 2;
  std::uint32_t state = recipe.seed | 1u;
  int degree = 0;
  for (int b = 0; b < recipe.bars; ++b) {
    const std::uint32_t start = static_cast<std::uint32_t>(b) * bar;
    const int chordRoot = recipe.root + kProgression[b % 4];
    AddNote(events, start, bar - 4, kChords, chordRoot, 50);
    AddNote(events, start, bar - 4, kChords, chordRoot + (b % 4 == 1 ? 3 : 4), 50);
    AddNote(events, start, bar - 4, kChords, chordRoot + 7, 50);
    AddNote(events, start, 2 * kTuneDivision - 8, kBass, chordRoot - 24, 80);
    AddNote(events, start + 2 * kTuneDivision, 2 * kTuneDivision - 8, kBass, chordRoot - 17, 80);
    for (int step = 0; step < 8; ++step) {
      state = state * 1103515245u + 12345u;
      const int move = static_cast<int>((state >> 16) % 5) - 2;
      degree = (degree + move + 14) % 14;
      if (((state >> 24) & 3) == 0) continue;  // a rest now and then
      const int key = recipe.root + 12 + 12 * (degree / 7) + kMajorScale[degree % 7];
      AddNote(events, start + static_cast<std::uint32_t>(step) * eighth, eighth - 6, kLead, key, 90);
    }
  }
  return events;
}

std::vector<std::uint8_t> EncodeTune(const MusicRecipe& recipe) {
  const std::uint32_t perQuarter = static_cast<std::uint32_t>(60000000 / recipe.beatsPerMinute);
  return EncodeMidiFile(ComposeTune(recipe), kTuneDivision, perQuarter);
}

}  // namespace artwork
