// PlayGameSound: the games' one way of playing a wave sound.
#pragma once

#include "framework/sound/WaveCache.h"

constexpr int kSoundVoice = 0;   // gated by the game's voice switch
constexpr int kSoundEffect = 1;  // gated by the soundEffects switch
constexpr int kSoundAlways = 2;  // any other kind plays always

// PlayGameSound's wait: 0 returns at once, 1 when the sound has ended;
// kSoundLoop returns at once and the sound repeats until another sound or a
// stop (a null name).
constexpr int kSoundLoop = 2;

// The file the program plays to stop every sound.
constexpr const char* kSilentWave = "../wav/c_dmy.wav";

// The program's wave cache, used by PlayGameSound.
CWaveCache& GameWaveCache();

// Plays a wave file when its kind's switch (SoundSwitches.h) is on: from the
// cache's memory image, or by name when the cache gives none or the platform
// id is 0. A null name stops all
// sound (the silent file by name, synchronously, then a purge). A missing
// file plays nothing.
void PlayGameSound(const char* name, int wait, int kind);
