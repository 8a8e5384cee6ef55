// What the MIDI device reads from a standard MIDI file: its playing time, and
// its sound rendered whole, once, into a WAV image in memory by the same
// synthesiser and sound font that SDL_mixer would stream it with. Streaming
// synthesises every sample again while the music plays (a few per cent of a
// core for a small tune); a rendered piece plays as plain samples.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plat::desktop {

// Reads the header and every track (running status, system exclusive and
// meta events, tempo changes in any track) and answers the time from the
// start to the last track's end, rounded to milliseconds. False for data
// that is not a complete, well-formed file.
bool MidiLengthMs(const std::uint8_t* data, std::size_t size, std::uint32_t* lengthMs);

// The piece's bytes rendered with the sound fonts (a ';'-separated list)
// at rate samples per second, 16-bit stereo, at the gain the mixer's
// streaming decoder plays at full volume, up to the piece's length (within
// a block of 1024 frames). False when no font loads, the piece is not MIDI,
// or cancel was set while it ran.
bool RenderMidiToWav(const std::vector<std::uint8_t>& midi, const std::string& soundFonts, int rate,
                     const std::atomic<bool>& cancel, std::vector<std::uint8_t>* wav);

}  // namespace plat::desktop
