// The sound output: SDL2_mixer when a device opens, silence otherwise.
#pragma once

namespace plat::desktop {

// Opens the mixer with one wave channel and the MIDI sound font at the
// first sound, so a program that plays none holds no device. True while it
// is open; a missing device leaves the backend silent but working (tried
// once).
bool OpenAudio();
// Stops the wave and closes the mixer.
void ShutdownAudio();
// Closes every open MIDI piece (at shutdown, before ShutdownAudio).
void CloseAllMidi();

}  // namespace plat::desktop
