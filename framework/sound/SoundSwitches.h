// The switches PlayGameSound reads. They live in the shell (the soundEffects
// word of CasinoCfg, the game's voice switch) and the shell points at them,
// so this library never links the shell.
#pragma once

#include <cstdint>

#include "platform/include/plat/types.h"

struct SoundSwitches {
  const std::uint16_t* soundEffects;  // live word; null counts as on
  const std::uint16_t* voice;         // live word; null counts as on
  plat::DWORD platformId;             // of the system information (0: Win32s)
};

// Installs the table (copied; the words pointed at must outlive its use).
// Until then both switches count as on and the platform id is 2.
void SetSoundSwitches(const SoundSwitches& switches);
const SoundSwitches& GetSoundSwitches();
