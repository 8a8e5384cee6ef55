#include "framework/shell/SoundFlags.h"

#include "framework/shell/ShellGlobals.h"
#include "framework/sound/SoundSwitches.h"

namespace {

std::uint16_t gSavedSoundEffects = 1;
std::uint16_t gSavedVoice = 1;

std::uint16_t* Voice() { return gGame->VoiceSwitch ? gGame->VoiceSwitch() : nullptr; }

}  // namespace

void InstallSoundSwitches() {
  SetSoundSwitches(SoundSwitches{&gCasinoCfg.soundEffects, Voice(), gSystemInfo.platformId});
}

void MuteForRestore() {
  gSavedSoundEffects = gCasinoCfg.soundEffects;
  gCasinoCfg.soundEffects = 0;
  if (std::uint16_t* voice = Voice()) {
    gSavedVoice = *voice;
    *voice = 0;
  }
}

void RestoreSoundFlags() {
  gCasinoCfg.soundEffects = gSavedSoundEffects;
  if (std::uint16_t* voice = Voice()) *voice = gSavedVoice;
}
