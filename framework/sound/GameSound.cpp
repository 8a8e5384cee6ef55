#include "framework/sound/GameSound.h"

#include <cstdint>

#include "framework/sound/SoundSwitches.h"
#include "platform/include/plat/sound.h"

CWaveCache& GameWaveCache() {
  static CWaveCache cache;
  return cache;
}

namespace {

bool IsOn(const std::uint16_t* word) { return !word || *word != 0; }

void Play(const char* name, plat::DWORD timing, int kind) {
  const SoundSwitches& switches = GetSoundSwitches();
  if (kind == kSoundEffect && !IsOn(switches.soundEffects)) return;
  if (kind == kSoundVoice && !IsOn(switches.voice)) return;
  if (!name) {
    plat::PlaySound(kSilentWave, plat::SND_FILENAME | plat::SND_SYNC | plat::SND_NODEFAULT);
    plat::PlaySound(nullptr, plat::SND_PURGE);
    return;
  }
  if (switches.platformId != 0) {
    const void* image = GameWaveCache().Load(name);
    if (image) {
      plat::PlaySound(image, plat::SND_MEMORY | timing | plat::SND_NODEFAULT);
      return;
    }
  }
  plat::PlaySound(name, plat::SND_FILENAME | timing | plat::SND_NODEFAULT);
}

}  // namespace

void PlayGameSound(const char* name, int wait, int kind) {
  Play(name, wait == 1 ? plat::SND_SYNC : plat::SND_ASYNC, kind);
}

void PlayGameSoundLooping(const char* name, int kind) { Play(name, plat::SND_ASYNC | plat::SND_LOOP, kind); }
