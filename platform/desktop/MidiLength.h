// The playing time of a standard MIDI file, from its tempo map.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plat::desktop {

// Reads the header and every track (running status, system exclusive and
// meta events, tempo changes in any track) and answers the time from the
// start to the last track's end, rounded to milliseconds. False for data
// that is not a complete, well-formed file.
bool MidiLengthMs(const std::uint8_t* data, std::size_t size, std::uint32_t* lengthMs);

}  // namespace plat::desktop
