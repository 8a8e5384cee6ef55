// The sound output: SDL2_mixer when a device opens, silence otherwise.
#pragma once

#include <cstdint>
#include <vector>

namespace plat::desktop {

// Opens the mixer with one wave channel and the MIDI sound font; a missing
// device leaves the backend silent but working.
void InitAudio();
void ShutdownAudio();
bool AudioOpen();
// Reads a whole file named as the programs name files; false when missing.
bool ReadWholeFile(const char* name, std::vector<std::uint8_t>* out);

}  // namespace plat::desktop
