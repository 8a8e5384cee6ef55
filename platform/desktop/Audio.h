// The sound output: SDL2_mixer when a device opens, silence otherwise.
#pragma once

#include <cstdint>
#include <vector>

namespace plat::desktop {

// Opens the mixer with one wave channel and the MIDI sound font at the
// first sound, so a program that plays none holds no device. True while it
// is open; a missing device leaves the backend silent but working (tried
// once).
bool OpenAudio();
void ShutdownAudio();
// Reads a whole file named as the programs name files; false when missing.
bool ReadWholeFile(const char* name, std::vector<std::uint8_t>* out);

}  // namespace plat::desktop
