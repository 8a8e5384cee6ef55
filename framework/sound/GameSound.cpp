#include "framework/sound/GameSound.h"

#include <cstdint>

#include "framework/sound/SoundSwitches.h"
#include "platform/include/plat/sound.h"

namespace {

bool IsOn(const std::uint16_t* word) { return !word || *word != 0; }

}  // namespace

CWaveCache& GameWaveCache() {
  static CWaveCache cache;
  return cache;
}

void PlayGameSound(const char* name, int wait, int kind) {
  const SoundSwitches& switches = GetSoundSwitches();
  if (kind == kSoundEffect && !IsOn(switches.soundEffects)) return;
  if (kind == kSoundVoice && !IsOn(switches.voice)) return;
  if (!name) {
    plat::PlaySound(kSilentWave, plat::SND_FILENAME | plat::SND_SYNC | plat::SND_NODEFAULT);
    plat::PlaySound(nullptr, plat::SND_PURGE);
    return;
  }
  plat::DWORD timing = plat::SND_ASYNC;
  if (wait == 1) timing = plat::SND_SYNC;
  if (wait == kSoundLoop) timing = plat::SND_ASYNC | plat::SND_LOOP;
  if (switches.platformId != 0) {
    const void* image = GameWaveCache().Load(name);
    if (image) {
      plat::PlaySound(image, plat::SND_MEMORY | timing | plat::SND_NODEFAULT);
      return;
    }
  }
  plat::PlaySound(name, plat::SND_FILENAME | timing | plat::SND_NODEFAULT);
}
