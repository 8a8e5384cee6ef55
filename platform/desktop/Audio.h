// The desktop's sound and timer devices: SDL2_mixer when a device opens
// (silence otherwise), and what shutdown closes, in this order.
#pragma once

namespace plat::desktop {

// Opens the mixer with one wave channel and the MIDI sound font at the
// first sound, so a program that plays none holds no device. True while it
// is open; a missing device leaves the backend silent but working (tried
// once).
bool OpenAudio();
// Stops the timer thread and forgets every multimedia timer.
void KillAllTimers();
// Closes every open MIDI piece.
void CloseAllMidi();
// Stops the wave and closes the mixer.
void ShutdownAudio();

}  // namespace plat::desktop
