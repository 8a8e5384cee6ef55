// The MIDI sequencer device.
#pragma once

namespace plat::desktop {

// Closes every open device (at shutdown).
void CloseAllMidi();

}  // namespace plat::desktop
