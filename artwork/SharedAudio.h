// The sounds every program shares ("../wav/c_...") and the music pieces
// ("../midi/..."), staged once for all programs.
#pragma once

#include <span>

#include "artwork/SoundSynth.h"
#include "artwork/Tune.h"

namespace artwork {

// The silent file that stopping all sound plays.
inline constexpr char kSilentSound[] = "../wav/c_dmy.wav";

// Every shared sound: effects, the silent file and the spoken numbers
// "../wav/c_0.wav" to "../wav/c_36.wav" and "../wav/c_00.wav".
std::span<const SoundRecipe> SharedSounds();
std::span<const MusicRecipe> MusicPieces();

}  // namespace artwork
