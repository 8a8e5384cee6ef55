// Standard MIDI Files of format 0: one track of channel events.
#pragma once

#include <cstdint>
#include <vector>

namespace artwork {

struct MidiEvent {
  std::uint32_t tick;   // absolute time in ticks
  std::uint8_t status;  // 0x80 note off, 0x90 note on, 0xC0 program, ... with the channel
  std::uint8_t data1;
  std::uint8_t data2;   // unused for program changes
};

// The whole file: "MThd" (format 0, one track, division ticks per quarter
// note) and one "MTrk" with the tempo, the events in time order (stable for
// equal ticks) and the end of the track one tick after the last event.
std::vector<std::uint8_t> EncodeMidiFile(std::vector<MidiEvent> events, int division,
                                         std::uint32_t microsecondsPerQuarter);

}  // namespace artwork
