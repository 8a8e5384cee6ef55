#include "artwork/SharedAudio.h"

#include <array>
#include <cstdio>

namespace artwork {

namespace {

constexpr SoundRecipe kEffects[] = {
    {kSilentSound, SoundKind::kSilence, 0, 0, 20},
    {"../wav/c_button.wav", SoundKind::kClick, 1400, 0, 50},
    {"../wav/c_chip.wav", SoundKind::kClick, 3200, 0, 80},
    {"../wav/c_place.wav", SoundKind::kClick, 2400, 0, 70},
    {"../wav/c_deal.wav", SoundKind::kNoise, 6000, 0, 120},
    {"../wav/c_dealrw.wav", SoundKind::kNoise, 4000, 0, 160},
    {"../wav/c_turn.wav", SoundKind::kNoise, 5000, 0, 90},
    {"../wav/c_max.wav", SoundKind::kSweep, 700, 300, 350},
    {"../wav/c_maxtab.wav", SoundKind::kSweep, 600, 250, 450},
    {"../wav/c_500.wav", SoundKind::kChime, 500, 375, 400},
    {"../wav/c_plyw.wav", SoundKind::kChime, 523, 784, 500},
    {"../wav/c_push.wav", SoundKind::kTone, 440, 0, 250},
    {"../wav/c_cash.wav", SoundKind::kRattle, 5000, 0, 700},
    {"../wav/c_coinin.wav", SoundKind::kChime, 1319, 1568, 250},
};

constexpr int kNumberCount = 38;  // 0 to 36 and 00

struct SharedTable {
  std::array<std::array<char, 24>, kNumberCount> names{};
  std::array<SoundRecipe, std::size(kEffects) + kNumberCount> sounds{};

  SharedTable() {
    std::size_t n = 0;
    for (const SoundRecipe& s : kEffects) sounds[n++] = s;
    for (int i = 0; i < kNumberCount; ++i) {
      if (i < 37) {
        std::snprintf(names[i].data(), names[i].size(), "../wav/c_%d.wav", i);
      } else {
        std::snprintf(names[i].data(), names[i].size(), "../wav/c_00.wav");
      }
      // A falling pair of notes whose pitch tells the numbers apart.
      sounds[n++] = {names[i].data(), SoundKind::kChime, 330 + 12 * i, 262 + 9 * i, 420};
    }
  }
};

constexpr MusicRecipe kMusic[] = {
    {"../midi/travel.mid", 112, 0, 32, 60, 11u, 16},
    {"../midi/Tokyo2.mid", 96, 107, 33, 62, 23u, 16},
    {"../midi/lounging.mid", 76, 4, 32, 57, 37u, 16},
    {"../midi/beach.mid", 104, 24, 34, 64, 41u, 16},
    {"../midi/swing2.mid", 132, 65, 32, 58, 53u, 16},
    {"../midi/easytrav.mid", 90, 11, 33, 60, 67u, 16},
    {"../midi/swing.mid", 126, 56, 32, 55, 71u, 16},
};

}  // namespace

std::span<const SoundRecipe> SharedSounds() {
  static const SharedTable table;
  return table.sounds;
}

std::span<const MusicRecipe> MusicPieces() { return kMusic; }

}  // namespace artwork
